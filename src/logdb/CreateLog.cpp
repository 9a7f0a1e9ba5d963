#include "logdb/CreateLog.h"

#include "logdb/LogConnection.h"
#include "logdb/LogError.h"
#include "logdb/Schema.h"

#include <QFile>
#include <QFileInfo>

namespace hb {

QString CreateAccessDatabase(const QString& file)
{
    const QFileInfo info(file);
    if (info.exists())
        return QStringLiteral("The file \"%1\" already exists.").arg(file);
    if (!info.absoluteDir().exists())
        return QStringLiteral("The folder \"%1\" does not exist.").arg(info.absolutePath());
    {
        // Claim the name first, so that a file appearing meanwhile is never overwritten.
        QFile f(file);
        if (!f.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return QStringLiteral("Could not create \"%1\": %2").arg(file, f.errorString());
    }
    try {
        LogConnection log;
        log.open(file);
        log.exec(QStringLiteral("PRAGMA application_id = %1").arg(LogApplicationId));
        log.close();
    } catch (const LogError& e) {
        QFile::remove(file);
        return e.text();
    }
    return {};
}

void CreateNewTables(const QString& path)
{
    LogConnection log;
    log.open(path);
    LogConnection::Transaction transaction(log);
    for (const TableDef& table : logTables())
        log.exec(createTableSql(table));
    transaction.commit();
}

void insertVesselRecord(LogConnection& log, int structureVersion)
{
    log.exec(QStringLiteral("INSERT INTO BoatInfo (Prog_Version, StHrs1) VALUES (:v, 0)"),
             {{QStringLiteral("v"), structureVersion}});
}

void insertAllCruises(LogConnection& log, const QDate& today)
{
    log.exec(
        QStringLiteral("INSERT INTO Cruises (CruiseName, BegDate, EndDate, CruiseNum, Archived) "
                       "VALUES ('All Cruises', :d, :d, 0, 0)"),
        {{QStringLiteral("d"), today}});
}

} // namespace hb
