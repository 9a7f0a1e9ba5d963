#include "logdb/Schema.h"

namespace hb {

namespace {
using T = LogType;

// The stored forms of a date and of a time of day.
constexpr const char* DateGlob = "[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]";
constexpr const char* TimeGlob = "[0-9][0-9]:[0-9][0-9]:[0-9][0-9]";
} // namespace

const std::vector<TableDef>& logTables()
{
    static const std::vector<TableDef> tables = {
        {"BoatInfo",
         {{"Ves_ID", T::Counter},
          {"VesName", T::Text, 25},
          {"Port", T::Text, 30},
          {"IDNum", T::Text, 20},
          {"Radio", T::Text, 25},
          {"Owner", T::Text, 25},
          {"Tel", T::Text, 20},
          {"Address", T::Text, 30},
          {"Builder", T::Text, 20},
          {"PwrSail", T::YesNo},
          {"BtModel", T::Text, 15},
          {"BtYear", T::Text, 4},
          {"Length", T::Float},
          {"Draft", T::Float},
          {"Beam", T::Float},
          {"Height", T::Float},
          {"HullClr", T::Text, 10},
          {"TrimClr", T::Text, 10},
          {"NumMst", T::SmallInt},
          {"MstHts", T::Text, 10},
          {"Prop1", T::SmallInt},
          {"Rot1", T::Text, 2},
          {"Pitch1", T::SmallInt},
          {"Prop2", T::SmallInt},
          {"Rot2", T::Text, 2},
          {"Pitch2", T::SmallInt},
          {"NumBlades", T::SmallInt},
          {"VesConst", T::Text, 10},
          {"Eng1", T::Text, 15},
          {"Eng2", T::Text, 15},
          {"EngModel", T::Text, 15},
          {"NumCyl", T::SmallInt},
          {"StHrs1", T::SmallInt},
          {"EndHrs1", T::SmallInt},
          {"StHrs2", T::SmallInt},
          {"EndHrs2", T::SmallInt},
          {"EngFuelUse", T::Float},
          {"EngMarkr", T::Float},
          {"Eng2Markr", T::Float},
          {"FuelCap", T::SmallInt},
          {"Oil", T::Text, 15},
          {"WtrCap", T::SmallInt},
          {"HtWtr", T::SmallInt},
          {"GenMake", T::Text, 20},
          {"GenModel", T::Text, 20},
          {"GenFuelUse", T::Float},
          {"GenMarkr", T::Float},
          {"Gen2", T::Text, 20},
          {"Gen2Mdl", T::Text, 20},
          {"Gen2FuelUse", T::Float},
          {"Gen2Markr", T::Float},
          {"TransType", T::Text, 20},
          {"TransModl", T::Text, 20},
          {"TransOil", T::Text, 15},
          {"Notes", T::Memo},
          {"City", T::Text, 25},
          {"State", T::Text, 25},
          {"Postal", T::Text, 10},
          {"Country", T::Text, 25},
          {"Passport", T::Text, 15},
          {"PassExp", T::DateTime},
          {"Captain", T::Text, 20},
          {"GrossWt", T::Float},
          {"NetWt", T::Float},
          {"Ballast", T::Float},
          {"LWL", T::Float},
          {"LOA", T::Float},
          {"NumCrew", T::SmallInt},
          {"DBVer", T::SmallInt},
          {"UsageSpd", T::Float},
          {"EngWorkTank", T::SmallInt},
          {"GenWorkTank", T::SmallInt},
          {"WMGal", T::Float},
          {"WMMarkr", T::Float},
          {"Eng1Serial", T::Text, 25},
          {"Eng2Serial", T::Text, 25},
          {"WMMake", T::Text, 15},
          {"WMModel", T::Text, 15},
          {"WMSerial", T::Text, 15},
          {"Archived", T::YesNo},
          {"Tender_Make", T::Text, 20},
          {"Tender_Model", T::Text, 20},
          {"Tender_HullNo", T::Text, 20},
          {"Tender_EngMake", T::Text, 20},
          {"Tender_EngModel", T::Text, 20},
          {"Tender_EngSerial", T::Text, 20},
          {"Tender_Notes", T::Memo},
          {"Toys_Notes", T::Memo},
          {"Eng_Notes", T::Memo},
          {"Ves_Notes", T::Memo},
          {"Prog_Version", T::SmallInt},
          {"SchedMaint_IntConv", T::YesNo}}},
        {"TripLog",
         {{"Trip_ID", T::Counter},
          {"CruiseNum", T::SmallInt},
          {"TripDate", T::DateTime},
          {"Trip_EndDate", T::DateTime},
          {"StartTime", T::DateTime},
          {"EndTime", T::DateTime},
          {"tripFrom", T::Text, 30},
          {"TripTo", T::Text, 30},
          {"EngHrsSt", T::Float},
          {"EngHrsFin", T::Float},
          {"Eng2HrsSt", T::Float},
          {"Eng2HrsFin", T::Float},
          {"EngRPM", T::SmallInt},
          {"GenTotHrs", T::SmallInt},
          {"WMTotHrs", T::SmallInt},
          {"Notes", T::Memo},
          {"TripPic", T::Text, 200},
          {"Archived", T::YesNo}}},
        {"Cruises",
         {{"Cruise_ID", T::Counter},
          {"CruiseName", T::Text, 35},
          {"CruiseNum", T::SmallInt},
          {"BegDate", T::DateTime},
          {"EndDate", T::DateTime},
          {"Archived", T::YesNo}}},
        {"TripGuests",
         {{"Guests_ID", T::Counter},
          {"Trips_ID", T::Integer},
          {"Name", T::Text, 50},
          {"Age", T::SmallInt},
          {"Birthday", T::DateTime},
          {"Phone", T::Text, 25},
          {"FirstDate", T::DateTime},
          {"LastDate", T::DateTime},
          {"PassportNum", T::Text, 50},
          {"PassExpDate", T::DateTime},
          {"EmergName", T::Text, 50},
          {"EmergNum", T::Text, 25},
          {"Email", T::Text, 50}}},
        {"TripCrews",
         {{"Crews_ID", T::Counter},
          {"Trips_ID", T::Integer},
          {"Name", T::Text, 50},
          {"Age", T::SmallInt},
          {"Birthday", T::DateTime},
          {"Phone", T::Text, 25},
          {"FirstDate", T::DateTime},
          {"LastDate", T::DateTime},
          {"PassportNum", T::Text, 50},
          {"PassExpDate", T::DateTime},
          {"EmergName", T::Text, 50},
          {"EmergNum", T::Text, 25},
          {"Email", T::Text, 50}}},
        {"Fuel",
         {{"Fuel_ID", T::Counter},
          {"fuelDate", T::DateTime},
          {"EngHrs", T::SmallInt},
          {"Location", T::Text, 30},
          {"Amount", T::Float},
          {"AmtUnit", T::Text, 3},
          {"Cost", T::Currency},
          {"Econ", T::Float},
          {"IsFull", T::YesNo},
          {"Notes", T::Memo},
          {"FuelPic", T::Text, 200},
          {"FuelDoc", T::Text, 200},
          {"Archived", T::YesNo}}},
        {"Tanks",
         {{"Tank_ID", T::Counter},
          {"Tank_Name", T::Text, 25},
          {"Tank_Type", T::Text, 15},
          {"Tank_Capacity", T::SmallInt},
          {"Tank_Level", T::SmallInt},
          {"Tank_EngWork", T::YesNo},
          {"Tank_GenWork", T::YesNo},
          {"Tank_Loc", T::Text, 30},
          {"Tank_FillerLoc", T::Text, 30}}},
        {"GenUse",
         {{"Gen_ID", T::Counter},
          {"GenDt", T::DateTime},
          {"TimeSt", T::SmallInt},
          {"TimeEnd", T::SmallInt},
          {"GenStopDate", T::DateTime},
          {"TotTime", T::Float},
          {"Archived", T::YesNo},
          {"GenSet", T::SmallInt}}},
        {"Inventory",
         {{"Inv_ID", T::Counter},      {"ItemName", T::Text, 50},      {"Location", T::Text, 50},
          {"InvTxtFld1", T::Text, 30}, {"InvTxtFld2", T::Text, 30},    {"InvTxtFld3", T::Text, 30},
          {"InvDate", T::DateTime},    {"InvTxtFld4", T::Text, 30},    {"InvTxtFld5", T::Text, 30},
          {"InvTxtFld6", T::Text, 30}, {"InvTxtFld7", T::Text, 30},    {"InvTxtFld8", T::Text, 30},
          {"InvTxtFld9", T::Text, 30}, {"InvTxtFld10", T::Text, 30},   {"InvNumFld1", T::SmallInt},
          {"InvNumFld2", T::SmallInt}, {"InvNumFld3", T::SmallInt},    {"InvTF1", T::YesNo},
          {"InvTF2", T::YesNo},        {"InvTF3", T::YesNo},           {"InvReal1", T::Float},
          {"InvType", T::SmallInt},    {"GenInv_PartNo", T::Text, 20}, {"GenInv_Notes", T::Memo},
          {"UOM", T::Text, 5},         {"InvPic", T::Text, 200},       {"InvShipDate", T::DateTime},
          {"InvOrdDate", T::DateTime}, {"Archived", T::YesNo}}},
        {"Maint",
         {{"Maint_ID", T::Counter},
          {"MaintDT", T::DateTime},
          {"Description", T::Text, 30},
          {"VesselSys", T::Text, 25},
          {"Cost", T::Currency},
          {"Maint_Supplier", T::Text, 30},
          {"Maint_PartNo", T::Text, 20},
          {"EngHrs", T::SmallInt},
          {"Notes", T::Memo},
          {"Pics", T::Memo},
          {"Docs", T::Memo},
          {"Archived", T::YesNo}}},
        {"SchedMaint",
         {{"Sched_ID", T::Counter},
          {"Sched_MaintDT", T::DateTime},
          {"Sched_Description", T::Text, 30},
          {"Sched_VesselSys", T::Text, 25},
          {"Sched_Cost", T::Currency},
          {"Sched_IntervalType", T::Text, 5},
          {"Sched_MaintInt", T::SmallInt},
          {"Sched_DateInterval", T::SmallInt},
          {"Sched_NxtHrs", T::SmallInt},
          {"Sched_NxtDate", T::DateTime},
          {"Sched_MaintComplete", T::YesNo},
          {"Sched_Auto", T::YesNo},
          {"Sched_Supplier", T::Text, 30},
          {"Sched_PartNo", T::Text, 20},
          {"Sched_EngHrs", T::SmallInt},
          {"Sched_Notes", T::Memo},
          {"Pics", T::Memo},
          {"Docs", T::Memo},
          {"Sched_Archived", T::YesNo}}},
        {"WMUse",
         {{"WM_ID", T::Counter},
          {"WMDt", T::DateTime},
          {"TimeSt", T::SmallInt},
          {"TimeEnd", T::SmallInt},
          {"WMStopDate", T::DateTime},
          {"TotTime", T::Float},
          {"Archived", T::YesNo}}},
        {"Project",
         {{"Proj_ID", T::Counter},
          {"SubDT", T::DateTime},
          {"GoalDT", T::DateTime},
          {"Title", T::Text, 50},
          {"ProjCatagory", T::Text, 30},
          {"Notes", T::Memo},
          {"StartDt", T::DateTime},
          {"EndDt", T::DateTime},
          {"Priority", T::SmallInt},
          {"Complete", T::YesNo},
          {"Archived", T::YesNo}}},
        {"Contact",
         {{"Contact_ID", T::Counter},    {"Name", T::Text, 30},     {"Nation", T::Text, 30},
          {"Age", T::SmallInt},          {"Date1", T::DateTime},    {"Date2", T::DateTime},
          {"Date3", T::DateTime},        {"Date4", T::DateTime},    {"Date5", T::DateTime},
          {"CrewPosition", T::Text, 30}, {"Phone1", T::Text, 19},   {"Phone2", T::Text, 19},
          {"Phone3", T::Text, 19},       {"Passport", T::Text, 30}, {"PassCntry", T::Text, 25},
          {"MeetPl", T::Text, 30},       {"Boat", T::Text, 30},     {"BoatMdl", T::Text, 30},
          {"Captain", T::Text, 25},      {"Email1", T::Text, 50},   {"Email2", T::Text, 50},
          {"EmerCont", T::Text, 30},     {"ContWeb", T::Text, 75},  {"Notes", T::Memo},
          {"ContType", T::SmallInt},     {"Product", T::Text, 30},  {"ProdType", T::Text, 30},
          {"Addr", T::Text, 30},         {"City", T::Text, 25},     {"State", T::Text, 25},
          {"Country", T::Text, 25},      {"ContPic", T::Text, 200}, {"Archived", T::YesNo}}},
        {"Waypoints",
         {{"WP_ID", T::Counter},
          {"WPDate", T::DateTime},
          {"WPName", T::Text, 25},
          {"WPDesc", T::Text, 30},
          {"WPAmenity", T::Text, 20},
          {"WPState", T::Text, 20},
          {"WPCountry", T::Text, 20},
          {"WPRegion", T::Text, 20},
          {"WPDepth", T::SmallInt},
          {"WPLatt", T::Text, 13},
          {"WPLong", T::Text, 13},
          {"WPCity", T::YesNo},
          {"WPFish", T::YesNo},
          {"WPPort", T::YesNo},
          {"WPAnch", T::YesNo},
          {"WPPOI", T::YesNo},
          {"Archived", T::YesNo}}},
        {"ShopList",
         {{"Shop_ID", T::Counter},
          {"ItemName", T::Text, 30},
          {"Description", T::Text, 30},
          {"ItemSize", T::Text, 30},
          {"NumItems", T::SmallInt},
          {"Vendor", T::Text, 30},
          {"OnList", T::YesNo},
          {"Archived", T::YesNo}}},
        {"Battery",
         {{"Batt_ID", T::Counter},
          {"ReadDt", T::DateTime},
          {"ReadTime", T::Text, 12},
          {"ReadVolt", T::Float},
          {"ChargeDt", T::DateTime},
          {"ChargeHrs", T::Float},
          {"BattType", T::Text, 10},
          {"WaterChkDt", T::DateTime},
          {"BankTxt", T::Text, 7},
          {"BattBank", T::SmallInt},
          {"Archived", T::YesNo}}},
        {"Remind",
         {{"Remind_ID", T::Counter},
          {"RemDate", T::DateTime},
          {"RemType", T::Text, 25},
          {"RemItem", T::Text, 30},
          {"RemDesc", T::Text, 30},
          {"RemCost", T::Currency},
          {"Rem_DateDone", T::DateTime},
          {"Rem_DateInt", T::SmallInt},
          {"Rem_NxtDate", T::DateTime},
          {"Rem_Complete", T::YesNo},
          {"Rem_Auto", T::YesNo},
          {"Archived", T::YesNo}}},
        {"Expenses",
         {{"Expense_ID", T::Counter},
          {"ExpDate", T::DateTime},
          {"ExpType", T::Text, 10},
          {"ExpPay", T::Text, 40},
          {"ExpPayAmt", T::Float},
          {"ExpIncAmt", T::Float},
          {"ExpCat", T::Text, 30},
          {"ExpMemo", T::Text, 35}}},
        {"Exp_PayTypes", {{"PayType_ID", T::Counter}, {"PayType", T::Text, 20}}},
        {"TripPlan",
         {{"Plan_ID", T::Counter},
          {"Leg", T::SmallInt},
          {"Origin", T::Text, 30},
          {"Destination", T::Text, 30},
          {"Distance", T::Float},
          {"FuelUse", T::Float},
          {"LegFuel", T::Float},
          {"Speed", T::Float},
          {"DepDate", T::DateTime},
          {"DepTime", T::DateTime},
          {"GenUse", T::Float},
          {"GenHours", T::Float},
          {"LayDays", T::Float}}},
        {"City", {{"City_ID", T::Counter}, {"Name", T::Text, 30}}},
        {"InvSystems", {{"InvSys_ID", T::Counter}, {"InvSystem", T::Text, 20}}},
        {"InvCatagory", {{"InvCat_ID", T::Counter}, {"Cat", T::Text, 20}}},
        {"Locations", {{"Locker_ID", T::Counter}, {"Location", T::Text, 30}}},
        {"MaintItems", {{"MaintItems_ID", T::Counter}, {"Items", T::Text, 30}}},
        {"Systems", {{"MaintComp_ID", T::Counter}, {"System", T::Text, 25}}},
        {"CrsLocation", {{"TripDest_ID", T::Counter}, {"CrsLocation", T::Text, 30}}},
        {"RemType", {{"RemType_ID", T::Counter}, {"RemType", T::Text, 25}}},
        {"ExpCat", {{"ExpCat_ID", T::Counter}, {"ExpCat", T::Text, 35}}},
    };
    return tables;
}

const ColumnDef* TableDef::column(const QString& wanted) const
{
    for (const ColumnDef& c : columns) {
        if (wanted.compare(QLatin1String(c.name), Qt::CaseInsensitive) == 0)
            return &c;
    }
    return nullptr;
}

QString TableDef::primaryKey() const
{
    for (const ColumnDef& c : columns) {
        if (c.type == LogType::Counter)
            return QLatin1String(c.name);
    }
    return {};
}

const TableDef* findLogTable(const QString& name)
{
    for (const TableDef& t : logTables()) {
        if (name.compare(QLatin1String(t.name), Qt::CaseInsensitive) == 0)
            return &t;
    }
    return nullptr;
}

QString columnSql(const ColumnDef& c)
{
    const QString n = QLatin1String(c.name);
    switch (c.type) {
    case LogType::Counter:
        return n + QLatin1String(" INTEGER PRIMARY KEY AUTOINCREMENT");
    case LogType::Text:
        return QStringLiteral("%1 TEXT CHECK(length(%1) <= %2)").arg(n).arg(c.size);
    case LogType::SmallInt:
        return QStringLiteral("%1 INTEGER CHECK(%1 BETWEEN -32768 AND 32767)").arg(n);
    case LogType::Integer:
        return QStringLiteral("%1 INTEGER CHECK(%1 BETWEEN -2147483648 AND 2147483647)").arg(n);
    case LogType::Float:
        return n + QLatin1String(" REAL");
    case LogType::Currency:
        return n + QLatin1String(" INTEGER");
    case LogType::DateTime:
        return QStringLiteral("%1 TEXT CHECK(%1 IS NULL OR %1 GLOB '%2' OR %1 GLOB '%3' OR "
                              "%1 GLOB '%2 %3')")
            .arg(n, QLatin1String(DateGlob), QLatin1String(TimeGlob));
    case LogType::YesNo:
        return QStringLiteral("%1 INTEGER NOT NULL DEFAULT 0 CHECK(%1 IN (0, 1))").arg(n);
    case LogType::Memo:
        return n + QLatin1String(" TEXT");
    }
    return n;
}

QString createTableSql(const TableDef& table)
{
    QStringList cols;
    for (const ColumnDef& c : table.columns)
        cols << columnSql(c);
    return QStringLiteral("CREATE TABLE %1 (%2) STRICT")
        .arg(QLatin1String(table.name), cols.join(QLatin1String(", ")));
}

QString logTypeName(const ColumnDef& c)
{
    switch (c.type) {
    case LogType::Counter:
        return QStringLiteral("COUNTER");
    case LogType::Text:
        return QStringLiteral("TEXT(%1)").arg(c.size);
    case LogType::SmallInt:
        return QStringLiteral("SMALLINT");
    case LogType::Integer:
        return QStringLiteral("INTEGER");
    case LogType::Float:
        return QStringLiteral("FLOAT");
    case LogType::Currency:
        return QStringLiteral("CURRENCY");
    case LogType::DateTime:
        return QStringLiteral("DATETIME");
    case LogType::YesNo:
        return QStringLiteral("YESNO");
    case LogType::Memo:
        return QStringLiteral("MEMO");
    }
    return {};
}

} // namespace hb
