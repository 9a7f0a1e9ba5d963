// Record set benchmark: a log with 100,000 trips, each with 2 KB of notes.
//
//   build/bench/helmbook-bench-recordset [folder]
//
// Reports, in one run: rows per second for opening a record set on all trips and for a raw
// forward-only query walk over the same rows, their ratio, the time to re-sort the rows read,
// the time to post one edit, and the peak memory of the process.

#include "logdb/CreateLog.h"
#include "logdb/LogConnection.h"
#include "logdb/RecordSet.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTextStream>

#include <sys/resource.h>

using namespace hb;

namespace {

constexpr int Rows = 100000;

void fill(LogConnection& log)
{
    const QString notes = QString(2048, u'n');
    LogConnection::Transaction batch(log);
    QSqlQuery insert(log.database());
    insert.prepare(QStringLiteral(
        "INSERT INTO TripLog (CruiseNum, TripDate, StartTime, tripFrom, TripTo, EngHrsSt, "
        "EngHrsFin, Notes) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
    const QDate start(2016, 1, 1);
    for (int i = 0; i < Rows; ++i) {
        insert.addBindValue(i % 20);
        insert.addBindValue(start.addDays(i / 27).toString(Qt::ISODate));
        insert.addBindValue(QStringLiteral("%1:%2:00")
                                .arg(6 + i % 12, 2, 10, QLatin1Char('0'))
                                .arg(i % 60, 2, 10, QLatin1Char('0')));
        insert.addBindValue(QStringLiteral("Harbour %1").arg(i % 97));
        insert.addBindValue(QStringLiteral("Anchorage %1").arg(i % 89));
        insert.addBindValue(i * 0.5);
        insert.addBindValue(i * 0.5 + 3.2);
        insert.addBindValue(notes);
        insert.exec();
    }
    batch.commit();
}

long peakKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir tmp;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : tmp.path();
    const QString path = folder + QStringLiteral("/bench-recordset.mdb");
    QFile::remove(path);

    QElapsedTimer timer;
    timer.start();
    if (const QString err = CreateAccessDatabase(path); !err.isEmpty()) {
        out << "cannot create " << path << ": " << err << Qt::endl;
        return 1;
    }
    CreateNewTables(path);
    LogConnection log;
    log.open(path);
    fill(log);
    out << "created " << Rows << " trips in " << timer.elapsed() << " ms ("
        << QFileInfo(path).size() / (1024 * 1024) << " MB)" << Qt::endl;

    const QString sql =
        QStringLiteral("select * from TripLog where Archived = False order by TripDate, StartTime");
    // Warm the file cache once, so both walks read from memory.
    {
        QSqlQuery warm(log.database());
        warm.setForwardOnly(true);
        warm.exec(sql);
        while (warm.next()) {
        }
    }

    // Raw walk: every value of every row read once.
    timer.restart();
    qint64 rawRows = 0;
    {
        QSqlQuery raw(log.database());
        raw.setForwardOnly(true);
        raw.exec(sql);
        const int columns = raw.record().count();
        while (raw.next()) {
            for (int c = 0; c < columns; ++c) {
                const QVariant v = raw.value(c);
                Q_UNUSED(v);
            }
            ++rawRows;
        }
    }
    const double rawMs = double(timer.nsecsElapsed()) / 1e6;

    timer.restart();
    RecordSet trips(log);
    trips.open(sql);
    const double openMs = double(timer.nsecsElapsed()) / 1e6;

    timer.restart();
    trips.sort(QStringLiteral("TripTo DESC, EngHrsSt"));
    const double sortMs = double(timer.nsecsElapsed()) / 1e6;

    trips.moveTo(Rows / 2);
    timer.restart();
    trips.edit();
    trips.setValue(QStringLiteral("Notes"), QString(trips.text(QStringLiteral("Notes")) +
                                                    QStringLiteral("\r\nWatch: all well")));
    trips.post();
    const double postMs = double(timer.nsecsElapsed()) / 1e6;

    out << Qt::fixed;
    out.setRealNumberPrecision(0);
    out << "raw query walk:   " << rawRows / (rawMs / 1000) << " rows/s (" << rawMs << " ms)"
        << Qt::endl;
    out << "record set open:  " << trips.recordCount() / (openMs / 1000) << " rows/s (" << openMs
        << " ms)" << Qt::endl;
    out.setRealNumberPrecision(2);
    out << "ratio open/raw:   " << openMs / rawMs << Qt::endl;
    out << "re-sort (2 keys): " << sortMs << " ms" << Qt::endl;
    out << "post one edit:    " << postMs << " ms" << Qt::endl;
    out << "peak memory:      " << peakKb() / 1024 << " MB" << Qt::endl;
    return 0;
}
