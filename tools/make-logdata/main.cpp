// Builds the data shipped with Helmbook:
//
//   helmbook-make-logdata <structure.txt> <output folder>
//
// writes <output folder>/ProgStruct.mdb (the structure script as table Commands) and
// <output folder>/Example.mdb (a new log with its first rows, the usual payment types and a
// season of a small cruising yacht).

#include "logdb/CreateLog.h"
#include "logdb/LogConnection.h"
#include "logdb/LogError.h"
#include "logdb/ProgStruct.h"
#include "logdb/RecordSet.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>

using namespace hb;

namespace {

void exec(LogConnection& log, const char* sql, const Params& params = {})
{
    log.exec(QString::fromUtf8(sql), params);
}

void fillExample(LogConnection& log)
{
    for (const char* type : {"CASH", "EFT", "ADJUST", "CREDIT", "DEPOSIT", "CHECK"})
        exec(log, "INSERT INTO Exp_PayTypes (PayType) VALUES (:t)",
             {{"t", QString::fromLatin1(type)}});
    exec(log,
         "UPDATE BoatInfo SET VesName = 'Example', Port = 'Annapolis, MD', IDNum = 'MD 1234 XY', "
         "Radio = 'WDE4321', Owner = 'Pat Skipper', Builder = 'Catalina', PwrSail = 1, "
         "BtModel = 'C34 MkII', BtYear = '2004', Length = 34.5, Draft = 5.5, Beam = 11.8, "
         "Height = 50, HullClr = 'White', TrimClr = 'Navy', NumMst = 1, Prop1 = 15, "
         "Rot1 = 'RH', Pitch1 = 10, NumBlades = 3, VesConst = 'GRP', Eng1 = 'Universal', "
         "EngModel = 'M35B', NumCyl = 3, StHrs1 = 1180, EndHrs1 = 1262, EngFuelUse = 0.6, "
         "Oil = '15W-40', FuelCap = 25, WtrCap = 70, TransType = 'Saildrive', "
         "City = 'Annapolis', State = 'MD', Country = 'USA', UsageSpd = 2400, WMGal = 0");
    exec(log, "INSERT INTO Tanks (Tank_Name, Tank_Type, Tank_Capacity, Tank_Level, Tank_EngWork, "
              "Tank_Loc, Tank_FillerLoc) VALUES "
              "('Diesel', 'FUEL', 25, 20, 1, 'Under aft berth', 'Port side deck'), "
              "('Water fwd', 'WATER', 35, 30, 0, 'V-berth', 'Foredeck'), "
              "('Water aft', 'WATER', 35, 25, 0, 'Under settee', 'Stbd side deck'), "
              "('Holding', 'HOLDING', 20, 2, 0, 'Head', 'Foredeck')");
    struct Trip
    {
        const char* date;
        const char* start;
        const char* end;
        const char* from;
        const char* to;
        double hoursStart, hoursEnd;
        const char* notes;
    };
    const Trip trips[] = {
        {"2026-05-02", "09:15:00", "13:40:00", "Annapolis", "St. Michaels", 1180.0, 1181.5,
         "Shakedown sail. SW 10-12 kn, full main and jib. Motored the last hour up the Miles "
         "River."},
        {"2026-05-03", "10:00:00", "15:20:00", "St. Michaels", "Annapolis", 1181.5, 1183.0,
         "Beat back against a N breeze, reefed at 14:00."},
        {"2026-06-13", "07:30:00", "16:45:00", "Annapolis", "Solomons", 1183.0, 1190.5,
         "Long run down the bay, light air, motorsailed most of the day."},
        {"2026-06-15", "08:00:00", "14:10:00", "Solomons", "Annapolis", 1190.5, 1197.0,
         "Thunderstorm warning, stayed close to the western shore."},
    };
    for (const Trip& t : trips) {
        exec(
            log,
            "INSERT INTO TripLog (CruiseNum, TripDate, Trip_EndDate, StartTime, EndTime, tripFrom, "
            "TripTo, EngHrsSt, EngHrsFin, Notes) VALUES (0, :d, :d, :s, :e, :f, :t, :hs, :he, :n)",
            {{"d", QString::fromLatin1(t.date)},
             {"s", QString::fromLatin1(t.start)},
             {"e", QString::fromLatin1(t.end)},
             {"f", QString::fromLatin1(t.from)},
             {"t", QString::fromLatin1(t.to)},
             {"hs", t.hoursStart},
             {"he", t.hoursEnd},
             {"n", QString::fromLatin1(t.notes)}});
    }
    exec(log,
         "INSERT INTO Fuel (fuelDate, EngHrs, Location, Amount, AmtUnit, Cost, IsFull, Notes) "
         "VALUES "
         "('2026-05-01', 1180, 'Annapolis', 12.5, 'Gal', 568750, 1, 'Filled before the season.'), "
         "('2026-06-16', 1197, 'Annapolis', 10.2, 'Gal', 469200, 1, NULL)");
    exec(log,
         "INSERT INTO Maint (MaintDT, Description, VesselSys, Cost, Maint_Supplier, EngHrs, Notes) "
         "VALUES "
         "('2026-04-20', 'Oil and filter change', 'Engine', 625000, 'Bay Marine Supply', 1180, "
         "'4 qt 15W-40, filter 35-60690.'), "
         "('2026-04-22', 'Impeller', 'Engine', 389900, 'Bay Marine Supply', 1180, NULL)");
    exec(log,
         "INSERT INTO SchedMaint (Sched_Description, Sched_VesselSys, Sched_IntervalType, "
         "Sched_MaintInt, "
         "Sched_NxtHrs, Sched_Auto) VALUES ('Oil and filter change', 'Engine', 'H', 100, 1280, 1)");
    for (const char* city : {"Annapolis", "Solomons", "St. Michaels"})
        exec(log, "INSERT INTO City (Name) VALUES (:n)", {{"n", QString::fromLatin1(city)}});
    for (const char* place : {"Annapolis", "Solomons", "St. Michaels", "Oxford"})
        exec(log, "INSERT INTO CrsLocation (CrsLocation) VALUES (:n)",
             {{"n", QString::fromLatin1(place)}});
    for (const char* category : {"Fuel", "Maintenance", "Dockage", "Provisions", "Insurance"})
        exec(log, "INSERT INTO ExpCat (ExpCat) VALUES (:n)",
             {{"n", QString::fromLatin1(category)}});
    exec(log,
         "INSERT INTO Expenses (ExpDate, ExpType, ExpPay, ExpPayAmt, ExpIncAmt, ExpCat, ExpMemo) "
         "VALUES "
         "('2026-05-01', 'CREDIT', 'Annapolis Yacht Basin', 56.88, 0, 'Fuel', '12.5 gal diesel'), "
         "('2026-06-14', 'CASH', 'Zahniser''s', 85, 0, 'Dockage', 'One night')");
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 3) {
        err << "usage: helmbook-make-logdata <structure.txt> <output folder>\n";
        return 2;
    }
    const QString script = QString::fromLocal8Bit(argv[1]);
    const QDir out(QString::fromLocal8Bit(argv[2]));
    try {
        QFile file(script);
        if (!file.open(QIODevice::ReadOnly))
            throw LogError(QStringLiteral("cannot read %1").arg(script));
        const std::vector<StructureStep> steps =
            parseStructureScript(QString::fromUtf8(file.readAll()));
        QDir().mkpath(out.path());
        const QString progStruct = out.filePath(QString::fromLatin1(ProgStructFileName));
        const QString example = out.filePath(QString::fromLatin1(ExampleLogFileName));
        QFile::remove(progStruct);
        QFile::remove(example);
        writeStructureDatabase(progStruct, steps);

        if (const QString error = CreateAccessDatabase(example); !error.isEmpty())
            throw LogError(error);
        CreateNewTables(example);
        LogConnection log;
        log.open(example);
        LogConnection::Transaction transaction(log);
        insertVesselRecord(log, steps.back().version);
        insertAllCruises(log, QDate(2026, 4, 1));
        fillExample(log);
        transaction.commit();
        log.exec(QStringLiteral("VACUUM"));
    } catch (const LogError& e) {
        err << "helmbook-make-logdata: " << e.text() << "\n";
        return 1;
    }
    return 0;
}
