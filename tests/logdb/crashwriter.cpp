// Test helper: commits some fuel rows to a log, then starts a large write that spills into the
// log file and waits to be killed in the middle of it.
//
//   hb_crashwriter <log> <committed rows>

#include "logdb/LogConnection.h"

#include <QCoreApplication>
#include <QThread>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 2;
    hb::LogConnection log;
    log.open(QString::fromLocal8Bit(argv[1]));
    const int committed = QByteArray(argv[2]).toInt();
    for (int i = 0; i < committed; ++i)
        log.exec(QStringLiteral("INSERT INTO Fuel (Location) VALUES (:l)"),
                 {{QStringLiteral("l"), QStringLiteral("committed %1").arg(i)}});
    log.exec(QStringLiteral("PRAGMA cache_size = 10"));
    log.exec(QStringLiteral("BEGIN"));
    const QString notes(4000, u'x');
    for (int i = 0; i < 2000; ++i)
        log.exec(QStringLiteral("INSERT INTO Fuel (Location, Notes) VALUES ('unfinished', :n)"),
                 {{QStringLiteral("n"), notes}});
    std::puts("ready");
    std::fflush(stdout);
    for (;;)
        QThread::sleep(1);
}
