// Log page benchmark: a waypoint log of 100,000 rows and one of 20,000, and a ten-year battery
// log of 15,000 readings, shown on the real pages (offscreen).
//
//   QT_QPA_PLATFORM=offscreen build/bench/helmbook-bench-pages [folder]
//
// Reports: page show to a painted list, a title-click sort, a search, record set open against
// a plain sqlite3 walk over the same select, and the peak memory of the process.

#include "common/AppContext.h"
#include "common/Clock.h"
#include "common/FileDialogs.h"
#include "common/Formats.h"
#include "common/Messages.h"
#include "common/Shell.h"
#include "logdb/CreateLog.h"
#include "logdb/LogConnection.h"
#include "logdb/RecordSet.h"
#include "machinery/BatteryPage.h"
#include "pages/LogList.h"
#include "pages/PageContext.h"
#include "pages/PageHost.h"
#include "pages/SearchForm.h"
#include "records/WaypointsPage.h"
#include "settings/IniFile.h"

#include "BenchContext.h"
#include "TenYearLog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QTemporaryDir>
#include <QTextStream>

#include <sqlite3.h>
#include <sys/resource.h>

using namespace hb;

namespace {

long peakMb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

double ms(const QElapsedTimer& t)
{
    return double(t.nsecsElapsed()) / 1e6;
}

QString makeLog(const QString& path)
{
    QFile::remove(path);
    CreateAccessDatabase(path);
    CreateNewTables(path);
    return path;
}

void fillWaypoints(LogConnection& log, int rows)
{
    LogConnection::Transaction batch(log);
    for (int i = 0; i < rows; ++i) {
        log.exec(QStringLiteral("INSERT INTO Waypoints (WPName, WPDesc, WPLatt, WPLong, WPDate, "
                                "WPCountry, WPAmenity) VALUES (:n, 'Anchorage in sand', :lat, "
                                ":lon, :d, 'Greece', 'Water')"),
                 {{QStringLiteral(":n"), QStringLiteral("WP %1").arg(i)},
                  {QStringLiteral(":lat"), QStringLiteral("%1 %2.00 N")
                                               .arg(i % 90, 2, 10, QLatin1Char('0'))
                                               .arg(i % 60, 2, 10, QLatin1Char('0'))},
                  {QStringLiteral(":lon"), QStringLiteral("%1 %2.00 E")
                                               .arg(i % 180, 3, 10, QLatin1Char('0'))
                                               .arg(i % 60, 2, 10, QLatin1Char('0'))},
                  {QStringLiteral(":d"), QDate(2016, 1, 1).addDays(i % 3650)}});
    }
    batch.commit();
}

// Every value of every row read once through the sqlite3 C API.
double plainWalk(const QString& path, const char* sql, int* rows)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    QElapsedTimer t;
    t.start();
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, sql, -1, &st, nullptr);
    const int columns = sqlite3_column_count(st);
    long sink = 0;
    *rows = 0;
    while (sqlite3_step(st) == SQLITE_ROW) {
        for (int c = 0; c < columns; ++c) {
            switch (sqlite3_column_type(st, c)) {
            case SQLITE_INTEGER:
                sink += sqlite3_column_int64(st, c);
                break;
            case SQLITE_FLOAT:
                sink += long(sqlite3_column_double(st, c));
                break;
            case SQLITE_TEXT:
                sink += long(sqlite3_column_bytes(st, c)) + (sqlite3_column_text(st, c) ? 1 : 0);
                break;
            default:
                break;
            }
        }
        ++*rows;
    }
    sqlite3_finalize(st);
    const double elapsed = ms(t);
    sqlite3_close(db);
    Q_UNUSED(sink);
    return elapsed;
}

// Shows a page and paints its list, as the user sees it.
template <class P> double showAndPaint(P& page)
{
    QElapsedTimer t;
    t.start();
    page.showStep();
    page.list().viewport()->repaint();
    return ms(t);
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

    for (const int rows : {20000, 100000}) {
        Context c(folder);
        const QString path = makeLog(folder + QStringLiteral("/bench-waypoints-%1.mdb").arg(rows));
        c.log.open(path);
        fillWaypoints(c.log, rows);
        if (rows == 100000) {
            // The record set against a plain walk, before the page holds its own rows.
            const char* sql = "select * from Waypoints where Archived = False order by WPLatt";
            int walked = 0;
            plainWalk(path, sql, &walked); // warm the file cache
            const double plain = plainWalk(path, sql, &walked);
            RecordSet set(c.log);
            QElapsedTimer t;
            t.start();
            set.open(QString::fromLatin1(sql));
            const double open = ms(t);
            out << "record set open " << open << " ms against a plain sqlite3 walk " << plain
                << " ms (" << walked << " rows): ratio ";
            out.setRealNumberPrecision(2);
            out << open / plain << Qt::endl;
            out.setRealNumberPrecision(1);
        }
        WaypointsPage page(c.context);
        page.resize(1200, 800);
        page.show();
        showAndPaint(page); // warm the file cache
        const double show = showAndPaint(page);
        out << rows << " waypoints: page show to painted list " << show << " ms";
        if (rows == 100000) {
            QElapsedTimer t;
            t.start();
            Q_EMIT page.list().horizontalHeader()->sectionClicked(0);
            page.list().viewport()->repaint();
            out << ", title-click sort " << ms(t) << " ms";
            c.search.text = QStringLiteral("WP 9999");
            t.restart();
            page.search();
            page.list().viewport()->repaint();
            out << ", search " << ms(t) << " ms (" << page.query().recordCount() << " found)";
            page.cancelSearch();
            out.setRealNumberPrecision(1);
        }
        out << Qt::endl;
    }

    {
        Context c(folder);
        c.log.open(makeLog(folder + QStringLiteral("/bench-tenyears.mdb")));
        insertVesselRecord(c.log, 60);
        fillTenYears(c.log);
        BatteryPage page(c.context);
        page.resize(1200, 800);
        page.show();
        showAndPaint(page);
        out << "ten-year log, battery page (" << page.query().recordCount()
            << " readings): page show " << showAndPaint(page) << " ms";
        QElapsedTimer t;
        t.start();
        Q_EMIT page.list().horizontalHeader()->sectionClicked(1);
        page.list().viewport()->repaint();
        out << ", title-click sort " << ms(t) << " ms" << Qt::endl;
    }
    out << "peak memory " << peakMb() << " MB" << Qt::endl;
    return 0;
}
