#include "logdb/LogFiles.h"

#include "common/FileCopy.h"

#include "logdb/CreateLog.h"
#include "logdb/LogConnection.h"
#include "logdb/LogError.h"
#include "logdb/ProgStruct.h"

#include <QCoreApplication>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace hb {

QString withMdbExtension(const QString& name)
{
    return name.endsWith(QLatin1String(".mdb")) ? name : name + QLatin1String(".mdb");
}

QString logDisplayName(const QString& path)
{
    const QString file = QFileInfo(path).fileName();
    const qsizetype dot = file.indexOf(u'.');
    return dot < 0 ? file : file.left(dot);
}

QString updateBackupName(const QString& logPath, int version)
{
    const QFileInfo info(logPath);
    return QDir(info.path())
        .filePath(logDisplayName(logPath) + QLatin1String("-DBVersion") + QString::number(version) +
                  QLatin1String("_BU.mdb"));
}

QString backupName(const QString& backupFolder, const QString& logPath, const QDate& day)
{
    QString folder = backupFolder.trimmed();
    if (folder.isEmpty())
        folder = QFileInfo(logPath).path();
    while (folder.size() > 1 && folder.endsWith(u'/'))
        folder.chop(1);
    const QString file = logDisplayName(logPath) + QLatin1String("BU") +
                         day.toString(QStringLiteral("MMddyyyy")) + QLatin1String(".mdb");
    if (folder == QLatin1String("/"))
        return folder + file;
    return folder + u'/' + file;
}

LogFileCheck checkLogFile(const QString& path)
{
    LogFileCheck check;
    const QFileInfo info(path);
    if (!info.exists()) {
        check.kind = LogFileCheck::Kind::Missing;
        return check;
    }
    check.readOnly = !info.isWritable();
    auto notALog = [&](const QString& reason) {
        check.kind = LogFileCheck::Kind::NotALog;
        check.reason = reason;
        return check;
    };
    if (!info.isFile())
        return notALog(QStringLiteral("it is not a file"));
    if (info.size() == 0)
        return notALog(QStringLiteral("the file is empty"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return notALog(QStringLiteral("it cannot be read (%1)").arg(file.errorString()));
    const QByteArray header = file.read(100);
    if (!header.startsWith(QByteArrayLiteral("SQLite format 3\0")))
        return notALog(QStringLiteral("it is not a log database file"));
    if (header.size() < 100)
        return notALog(QStringLiteral("the file is cut short"));
    // The page size and page count of the header tell how long the file must be.
    const auto byteAt = [&](int i) { return quint32(quint8(header.at(i))); };
    quint32 pageSize = (byteAt(16) << 8) | byteAt(17);
    if (pageSize == 1)
        pageSize = 65536;
    const quint32 pages = (byteAt(28) << 24) | (byteAt(29) << 16) | (byteAt(30) << 8) | byteAt(31);
    if (pages > 0 && qint64(pages) * pageSize > info.size() &&
        !QFile::exists(path + QLatin1String("-journal")))
        return notALog(QStringLiteral("the file is cut short"));
    file.close();
    try {
        LogConnection log;
        log.open(path, LogConnection::Mode::ReadOnly);
        QSqlQuery q(log.database());
        if (!q.exec(QStringLiteral("PRAGMA application_id")) || !q.next())
            return notALog(LogConnection::engineText(q.lastError()));
        const bool marked = q.value(0).toInt() == LogApplicationId;
        // No integrity scan here: it reads the whole file, which would make every open of a
        // large log slow. Damage inside a log surfaces as an error when its rows are read.
        const bool hasVessel =
            log.columnType(QStringLiteral("BoatInfo"), QStringLiteral("Prog_Version")).has_value();
        if (!marked && !hasVessel)
            return notALog(QStringLiteral("it is a database, but not a log"));
    } catch (const LogError& e) {
        return notALog(e.text());
    }
    check.kind = LogFileCheck::Kind::Log;
    return check;
}

QString settleJournal(const QString& logPath)
{
    const QString journal = logPath + QLatin1String("-journal");
    const QString wal = logPath + QLatin1String("-wal");
    if (!QFile::exists(journal) && !QFile::exists(wal))
        return {};
    try {
        // Reading through a read-write connection makes the engine roll back a hot journal;
        // closing it folds a write-ahead log back into the file.
        LogConnection log;
        log.open(logPath);
        QSqlQuery q(log.database());
        if (!q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")))
            return LogConnection::engineText(q.lastError());
        q.finish();
        q = QSqlQuery();
        log.close();
    } catch (const LogError& e) {
        return e.text();
    }
    // An empty journal left by another program's open transaction is not hot; anything else
    // still there means the log is in use.
    if (QFileInfo(journal).size() > 0 || QFile::exists(wal))
        return QStringLiteral("the log is in use by another program");
    QFile::remove(journal);
    return {};
}

QString installShippedData(const QString& dataFolder, const QString& shippedFolder)
{
    const QFileInfo folder(dataFolder);
    if (folder.exists() && !folder.isDir())
        return QStringLiteral("The folder \"%1\" cannot be created: a file of that name is in the "
                              "way. Move or rename that file, then start Helmbook again.")
            .arg(QDir::toNativeSeparators(dataFolder));
    if (!folder.exists() && !QDir().mkpath(dataFolder))
        return QStringLiteral("Could not create the folder \"%1\".")
            .arg(QDir::toNativeSeparators(dataFolder));
    // Whatever is missing is copied, also into a folder made by an earlier start that ended
    // half-way; a file the user has under the name is never replaced.
    for (const char* name : {ProgStructFileName, ExampleLogFileName}) {
        const QString from = QDir(shippedFolder).filePath(QString::fromLatin1(name));
        const QString to = QDir(dataFolder).filePath(QString::fromLatin1(name));
        if (QFileInfo::exists(to) || QFileInfo(to).isSymLink())
            continue;
        if (const QString error = copyFileIfAbsent(from, to); !error.isEmpty())
            return QStringLiteral("Could not copy \"%1\": %2").arg(from, error);
    }
    return {};
}

QString shippedDataFolder()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                           QLatin1String("/../share/helmbook"));
}

} // namespace hb
