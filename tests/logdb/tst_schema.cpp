#include "logdb/CreateLog.h"
#include "logdb/LogConnection.h"
#include "logdb/LogError.h"
#include "logdb/Schema.h"

#include "TestSupport.h"

#include <QCryptographicHash>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QTemporaryDir>

using namespace hb;

namespace {

// The tables of a new log, in creation order, with their columns in order.
const char* const ExpectedTables[] = {
    "BoatInfo: Ves_ID COUNTER, VesName TEXT(25), Port TEXT(30), IDNum TEXT(20), Radio TEXT(25), "
    "Owner TEXT(25), Tel TEXT(20), Address TEXT(30), Builder TEXT(20), PwrSail YESNO, BtModel "
    "TEXT(15), BtYear TEXT(4), Length FLOAT, Draft FLOAT, Beam FLOAT, Height FLOAT, HullClr "
    "TEXT(10), TrimClr TEXT(10), NumMst SMALLINT, MstHts TEXT(10), Prop1 SMALLINT, Rot1 TEXT(2), "
    "Pitch1 SMALLINT, Prop2 SMALLINT, Rot2 TEXT(2), Pitch2 SMALLINT, NumBlades SMALLINT, VesConst "
    "TEXT(10), Eng1 TEXT(15), Eng2 TEXT(15), EngModel TEXT(15), NumCyl SMALLINT, StHrs1 SMALLINT, "
    "EndHrs1 SMALLINT, StHrs2 SMALLINT, EndHrs2 SMALLINT, EngFuelUse FLOAT, EngMarkr FLOAT, "
    "Eng2Markr FLOAT, FuelCap SMALLINT, Oil TEXT(15), WtrCap SMALLINT, HtWtr SMALLINT, GenMake "
    "TEXT(20), GenModel TEXT(20), GenFuelUse FLOAT, GenMarkr FLOAT, Gen2 TEXT(20), Gen2Mdl "
    "TEXT(20), Gen2FuelUse FLOAT, Gen2Markr FLOAT, TransType TEXT(20), TransModl TEXT(20), "
    "TransOil TEXT(15), Notes MEMO, City TEXT(25), State TEXT(25), Postal TEXT(10), Country "
    "TEXT(25), Passport TEXT(15), PassExp DATETIME, Captain TEXT(20), GrossWt FLOAT, NetWt FLOAT, "
    "Ballast FLOAT, LWL FLOAT, LOA FLOAT, NumCrew SMALLINT, DBVer SMALLINT, UsageSpd FLOAT, "
    "EngWorkTank SMALLINT, GenWorkTank SMALLINT, WMGal FLOAT, WMMarkr FLOAT, Eng1Serial TEXT(25), "
    "Eng2Serial TEXT(25), WMMake TEXT(15), WMModel TEXT(15), WMSerial TEXT(15), Archived YESNO, "
    "Tender_Make TEXT(20), Tender_Model TEXT(20), Tender_HullNo TEXT(20), Tender_EngMake TEXT(20), "
    "Tender_EngModel TEXT(20), Tender_EngSerial TEXT(20), Tender_Notes MEMO, Toys_Notes MEMO, "
    "Eng_Notes MEMO, Ves_Notes MEMO, Prog_Version SMALLINT, SchedMaint_IntConv YESNO",
    "TripLog: Trip_ID COUNTER, CruiseNum SMALLINT, TripDate DATETIME, Trip_EndDate DATETIME, "
    "StartTime DATETIME, EndTime DATETIME, tripFrom TEXT(30), TripTo TEXT(30), EngHrsSt FLOAT, "
    "EngHrsFin FLOAT, Eng2HrsSt FLOAT, Eng2HrsFin FLOAT, EngRPM SMALLINT, GenTotHrs SMALLINT, "
    "WMTotHrs SMALLINT, Notes MEMO, TripPic TEXT(200), Archived YESNO",
    "Cruises: Cruise_ID COUNTER, CruiseName TEXT(35), CruiseNum SMALLINT, BegDate DATETIME, "
    "EndDate DATETIME, Archived YESNO",
    "TripGuests: Guests_ID COUNTER, Trips_ID INTEGER, Name TEXT(50), Age SMALLINT, Birthday "
    "DATETIME, Phone TEXT(25), FirstDate DATETIME, LastDate DATETIME, PassportNum TEXT(50), "
    "PassExpDate DATETIME, EmergName TEXT(50), EmergNum TEXT(25), Email TEXT(50)",
    "TripCrews: Crews_ID COUNTER, Trips_ID INTEGER, Name TEXT(50), Age SMALLINT, Birthday "
    "DATETIME, Phone TEXT(25), FirstDate DATETIME, LastDate DATETIME, PassportNum TEXT(50), "
    "PassExpDate DATETIME, EmergName TEXT(50), EmergNum TEXT(25), Email TEXT(50)",
    "Fuel: Fuel_ID COUNTER, fuelDate DATETIME, EngHrs SMALLINT, Location TEXT(30), Amount FLOAT, "
    "AmtUnit TEXT(3), Cost CURRENCY, Econ FLOAT, IsFull YESNO, Notes MEMO, FuelPic TEXT(200), "
    "FuelDoc TEXT(200), Archived YESNO",
    "Tanks: Tank_ID COUNTER, Tank_Name TEXT(25), Tank_Type TEXT(15), Tank_Capacity SMALLINT, "
    "Tank_Level SMALLINT, Tank_EngWork YESNO, Tank_GenWork YESNO, Tank_Loc TEXT(30), "
    "Tank_FillerLoc TEXT(30)",
    "GenUse: Gen_ID COUNTER, GenDt DATETIME, TimeSt SMALLINT, TimeEnd SMALLINT, GenStopDate "
    "DATETIME, TotTime FLOAT, Archived YESNO, GenSet SMALLINT",
    "Inventory: Inv_ID COUNTER, ItemName TEXT(50), Location TEXT(50), InvTxtFld1 TEXT(30), "
    "InvTxtFld2 TEXT(30), InvTxtFld3 TEXT(30), InvDate DATETIME, InvTxtFld4 TEXT(30), InvTxtFld5 "
    "TEXT(30), InvTxtFld6 TEXT(30), InvTxtFld7 TEXT(30), InvTxtFld8 TEXT(30), InvTxtFld9 TEXT(30), "
    "InvTxtFld10 TEXT(30), InvNumFld1 SMALLINT, InvNumFld2 SMALLINT, InvNumFld3 SMALLINT, InvTF1 "
    "YESNO, InvTF2 YESNO, InvTF3 YESNO, InvReal1 FLOAT, InvType SMALLINT, GenInv_PartNo TEXT(20), "
    "GenInv_Notes MEMO, UOM TEXT(5), InvPic TEXT(200), InvShipDate DATETIME, InvOrdDate DATETIME, "
    "Archived YESNO",
    "Maint: Maint_ID COUNTER, MaintDT DATETIME, Description TEXT(30), VesselSys TEXT(25), Cost "
    "CURRENCY, Maint_Supplier TEXT(30), Maint_PartNo TEXT(20), EngHrs SMALLINT, Notes MEMO, Pics "
    "MEMO, Docs MEMO, Archived YESNO",
    "SchedMaint: Sched_ID COUNTER, Sched_MaintDT DATETIME, Sched_Description TEXT(30), "
    "Sched_VesselSys TEXT(25), Sched_Cost CURRENCY, Sched_IntervalType TEXT(5), Sched_MaintInt "
    "SMALLINT, Sched_DateInterval SMALLINT, Sched_NxtHrs SMALLINT, Sched_NxtDate DATETIME, "
    "Sched_MaintComplete YESNO, Sched_Auto YESNO, Sched_Supplier TEXT(30), Sched_PartNo TEXT(20), "
    "Sched_EngHrs SMALLINT, Sched_Notes MEMO, Pics MEMO, Docs MEMO, Sched_Archived YESNO",
    "WMUse: WM_ID COUNTER, WMDt DATETIME, TimeSt SMALLINT, TimeEnd SMALLINT, WMStopDate DATETIME, "
    "TotTime FLOAT, Archived YESNO",
    "Project: Proj_ID COUNTER, SubDT DATETIME, GoalDT DATETIME, Title TEXT(50), ProjCatagory "
    "TEXT(30), Notes MEMO, StartDt DATETIME, EndDt DATETIME, Priority SMALLINT, Complete YESNO, "
    "Archived YESNO",
    "Contact: Contact_ID COUNTER, Name TEXT(30), Nation TEXT(30), Age SMALLINT, Date1 DATETIME, "
    "Date2 DATETIME, Date3 DATETIME, Date4 DATETIME, Date5 DATETIME, CrewPosition TEXT(30), Phone1 "
    "TEXT(19), Phone2 TEXT(19), Phone3 TEXT(19), Passport TEXT(30), PassCntry TEXT(25), MeetPl "
    "TEXT(30), Boat TEXT(30), BoatMdl TEXT(30), Captain TEXT(25), Email1 TEXT(50), Email2 "
    "TEXT(50), EmerCont TEXT(30), ContWeb TEXT(75), Notes MEMO, ContType SMALLINT, Product "
    "TEXT(30), ProdType TEXT(30), Addr TEXT(30), City TEXT(25), State TEXT(25), Country TEXT(25), "
    "ContPic TEXT(200), Archived YESNO",
    "Waypoints: WP_ID COUNTER, WPDate DATETIME, WPName TEXT(25), WPDesc TEXT(30), WPAmenity "
    "TEXT(20), WPState TEXT(20), WPCountry TEXT(20), WPRegion TEXT(20), WPDepth SMALLINT, WPLatt "
    "TEXT(13), WPLong TEXT(13), WPCity YESNO, WPFish YESNO, WPPort YESNO, WPAnch YESNO, WPPOI "
    "YESNO, Archived YESNO",
    "ShopList: Shop_ID COUNTER, ItemName TEXT(30), Description TEXT(30), ItemSize TEXT(30), "
    "NumItems SMALLINT, Vendor TEXT(30), OnList YESNO, Archived YESNO",
    "Battery: Batt_ID COUNTER, ReadDt DATETIME, ReadTime TEXT(12), ReadVolt FLOAT, ChargeDt "
    "DATETIME, ChargeHrs FLOAT, BattType TEXT(10), WaterChkDt DATETIME, BankTxt TEXT(7), BattBank "
    "SMALLINT, Archived YESNO",
    "Remind: Remind_ID COUNTER, RemDate DATETIME, RemType TEXT(25), RemItem TEXT(30), RemDesc "
    "TEXT(30), RemCost CURRENCY, Rem_DateDone DATETIME, Rem_DateInt SMALLINT, Rem_NxtDate "
    "DATETIME, Rem_Complete YESNO, Rem_Auto YESNO, Archived YESNO",
    "Expenses: Expense_ID COUNTER, ExpDate DATETIME, ExpType TEXT(10), ExpPay TEXT(40), ExpPayAmt "
    "FLOAT, ExpIncAmt FLOAT, ExpCat TEXT(30), ExpMemo TEXT(35)",
    "Exp_PayTypes: PayType_ID COUNTER, PayType TEXT(20)",
    "TripPlan: Plan_ID COUNTER, Leg SMALLINT, Origin TEXT(30), Destination TEXT(30), Distance "
    "FLOAT, FuelUse FLOAT, LegFuel FLOAT, Speed FLOAT, DepDate DATETIME, DepTime DATETIME, GenUse "
    "FLOAT, GenHours FLOAT, LayDays FLOAT",
    "City: City_ID COUNTER, Name TEXT(30)",
    "InvSystems: InvSys_ID COUNTER, InvSystem TEXT(20)",
    "InvCatagory: InvCat_ID COUNTER, Cat TEXT(20)",
    "Locations: Locker_ID COUNTER, Location TEXT(30)",
    "MaintItems: MaintItems_ID COUNTER, Items TEXT(30)",
    "Systems: MaintComp_ID COUNTER, System TEXT(25)",
    "CrsLocation: TripDest_ID COUNTER, CrsLocation TEXT(30)",
    "RemType: RemType_ID COUNTER, RemType TEXT(25)",
    "ExpCat: ExpCat_ID COUNTER, ExpCat TEXT(35)",
};

QByteArray digest(const QString& path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

} // namespace

class SchemaTest : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;

private Q_SLOTS:
    void newLogHasTheThirtyTables()
    {
        const QString path = m_dir.filePath("New.mdb");
        QCOMPARE(CreateAccessDatabase(path), QString());
        CreateNewTables(path);

        LogConnection log;
        log.open(path, LogConnection::Mode::ReadOnly);
        QStringList expectedNames, actual, expected;
        for (const char* line : ExpectedTables) {
            const QString text = QString::fromLatin1(line);
            const QString table = text.section(u':', 0, 0);
            expectedNames << table;
            expected << text;
            actual << table + QLatin1String(": ") +
                          log.catalogueColumns(table).join(QLatin1String(", "));
        }
        QCOMPARE(log.tableNames().filter(QRegularExpression("^(?!sqlite_)")), expectedNames);
        for (int i = 0; i < expected.size(); ++i)
            QCOMPARE(actual.at(i), expected.at(i));

        checkEmptyMarkedLog(log);
    }

    void createRefusesExistingFiles()
    {
        // An existing file, log or not, is never replaced or changed.
        const QString path = m_dir.filePath("Existing.mdb");
        QCOMPARE(CreateAccessDatabase(path), QString());
        CreateNewTables(path);
        const QByteArray before = digest(path);
        QVERIFY(!CreateAccessDatabase(path).isEmpty());
        try {
            CreateNewTables(path);
            QFAIL("tables created twice");
        } catch (const LogError& e) {
            QVERIFY2(e.text().contains("already exists"), qPrintable(e.text()));
        }
        QCOMPARE(digest(path), before);
        QVERIFY(CreateAccessDatabase(m_dir.filePath("missing-folder/x.mdb"))
                    .contains("does not exist"));
        QVERIFY(!QFile::exists(m_dir.filePath("missing-folder")));
    }

    void openNeverCreatesAFile()
    {
        LogConnection log;
        const QString path = m_dir.filePath("Mistyped.mdb");
        QVERIFY_THROWS_EXCEPTION(LogError, log.open(path));
        QVERIFY(!QFile::exists(path));
    }

    void storedTriggersAndViewsNeverRun()
    {
        // A log from elsewhere with a trigger of its own: it never runs for us.
        const QString path = m_dir.filePath("Foreign.mdb");
        QCOMPARE(CreateAccessDatabase(path), QString());
        CreateNewTables(path);
        {
            LogConnection log;
            log.open(path);
            log.exec("INSERT INTO Fuel (Location) VALUES ('kept')");
            log.exec("CREATE TRIGGER wipe AFTER INSERT ON TripLog BEGIN DELETE FROM Fuel; END");
            log.exec("CREATE VIEW everything AS SELECT * FROM Fuel");
        }
        LogConnection log;
        log.open(path);
        log.exec("INSERT INTO TripLog (TripTo) VALUES ('Cove')");
        QSqlQuery q(log.database());
        QVERIFY(q.exec("SELECT count(*) FROM Fuel") && q.next());
        QCOMPARE(q.value(0).toInt(), 1);
        QVERIFY(!q.exec("SELECT * FROM everything"));
    }

private:
    void checkEmptyMarkedLog(LogConnection& log)
    {
        // A new file is marked as a log and holds no rows.
        QSqlQuery q(log.database());
        QVERIFY(q.exec("PRAGMA application_id") && q.next());
        QCOMPARE(q.value(0).toInt(), LogApplicationId);
        for (const char* line : ExpectedTables) {
            const QString table = QString::fromLatin1(line).section(u':', 0, 0);
            QVERIFY(q.exec("SELECT count(*) FROM " + table) && q.next());
            QCOMPARE(q.value(0).toInt(), 0);
        }
    }
};

HB_TEST_MAIN(SchemaTest)
#include "tst_schema.moc"
