// Trip log benchmark on the ten-year log (20,000 trips, 20 MB of notes), on the real trip page
// offscreen.
//
//   build/bench/helmbook-bench-trip [folder]
//
// Reports: the trip page shown to a painted list, a cruise filter switch, saving a trip with
// the vessel's hours, and appending a line to the latest trip's notes of 200 KB.

#include "logdb/CreateLog.h"
#include "nav/TripPage.h"
#include "nav/TripRules.h"
#include "pages/LogList.h"

#include "BenchContext.h"
#include "TenYearLog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

using namespace hb;

namespace {

double ms(const QElapsedTimer& t)
{
    return double(t.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    out << Qt::fixed;
    out.setRealNumberPrecision(1);
    QTemporaryDir tmp;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : tmp.path();
    const QString path = folder + QStringLiteral("/bench-trip.mdb");
    QFile::remove(path);
    CreateAccessDatabase(path);
    CreateNewTables(path);

    Context c(folder);
    c.log.open(path);
    insertVesselRecord(c.log, 60);
    insertAllCruises(c.log, QDate(2016, 1, 1));
    fillTenYears(c.log);
    // Two cruises share the trips.
    c.log.exec(QStringLiteral("INSERT INTO Cruises (CruiseNum, CruiseName, BegDate) VALUES "
                              "(1, 'Summer', '2016-06-01'), (2, 'Autumn', '2016-09-01')"));
    c.log.exec(QStringLiteral("UPDATE TripLog SET CruiseNum = 1 + Trip_ID % 2"));
    c.log.exec(QStringLiteral("UPDATE TripLog SET Notes = :n WHERE Trip_ID = (SELECT max(Trip_ID) "
                              "FROM TripLog)"),
               {{QStringLiteral(":n"),
                 QStringLiteral("12:00 48 07.04 N 011 31.00 E 6.2 kn 045 T, wind SW 12 kn\r\n")
                     .repeated(200 * 1024 / 58)}});

    TripPage page(c.context);
    page.resize(1200, 800);
    page.show();
    page.showStep(); // warm the file cache
    QElapsedTimer t;
    t.start();
    page.showStep();
    page.list().viewport()->repaint();
    out << page.query().recordCount() << " trips: page shown " << ms(t) << " ms";

    t.restart();
    page.CruiseDropDwnChange(1);
    page.list().viewport()->repaint();
    out << ", cruise filter " << ms(t) << " ms (" << page.query().recordCount() << " trips)";
    t.restart();
    page.CruiseDropDwnChange(0);
    page.list().viewport()->repaint();
    out << ", back to all " << ms(t) << " ms" << Qt::endl;

    page.query().last();
    page.editRow();
    page.query().setValue(QStringLiteral("TripTo"), QStringLiteral("Harbour Bay"));
    t.restart();
    const bool saved = page.saveRow();
    out << "saving a trip with the vessel's hours " << ms(t) << " ms" << (saved ? "" : " (refused)")
        << Qt::endl;

    t.restart();
    const bool appended =
        TripNotes::appendToLatest(c.log, QStringLiteral("12:00 48 07.04 N 011 31.00 E 6.2 kn"));
    out << "appending a line to 200 KB of notes " << ms(t) << " ms"
        << (appended ? "" : " (no trip)") << Qt::endl;
    return 0;
}
