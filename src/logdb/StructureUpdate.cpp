#include "logdb/StructureUpdate.h"

#include "common/Formats.h"
#include "common/Messages.h"
#include "logdb/CreateLog.h"
#include "logdb/LogConnection.h"
#include "logdb/LogDialogs.h"
#include "logdb/LogError.h"
#include "logdb/LogFiles.h"
#include "logdb/LogMessages.h"
#include "logdb/ProgStruct.h"
#include "logdb/RecordSet.h"

#include <QDir>
#include <QFile>

namespace hb {

namespace {

// Logs updated across this version get their old single-picture columns moved into the
// picture lists.
constexpr int PictureListVersion = 51;

QVariant convertValue(const StructureStep& step, const Formats& formats)
{
    const QString& v = step.dataValue;
    const QString& type = step.dataType;
    bool ok = true;
    QVariant result;
    if (type == QLatin1String("AsString")) {
        result = v;
    } else if (type == QLatin1String("AsInteger")) {
        result = v.trimmed().toLongLong(&ok);
    } else if (type == QLatin1String("AsBoolean")) {
        const QString t = v.trimmed();
        ok = t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0 ||
             t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0;
        result = t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0;
    } else if (type == QLatin1String("AsExtended")) {
        result = formats.locale().toDouble(v.trimmed(), &ok);
    } else if (type == QLatin1String("AsDateTime")) {
        const QString t = v.trimmed();
        const QString datePart = t.section(u' ', 0, 0);
        const QString timePart = t.section(u' ', 1);
        const QDate d = formats.parseShortDate(datePart);
        QTime time(0, 0);
        if (!timePart.isEmpty())
            time = formats.locale().toTime(timePart, QLocale::ShortFormat);
        ok = d.isValid() && time.isValid();
        result = QDateTime(d, time);
    } else {
        ok = false;
    }
    if (!ok)
        throw LogError(QStringLiteral("\"%1\" is not a value of kind %2").arg(v, type));
    return result;
}

// Moves a table's old single-picture column of the backup into the updated log's list.
void movePictures(LogConnection& log, LogConnection& backup, const QString& table,
                  const QString& key, const QString& oldColumn)
{
    if (!backup.columnType(table, oldColumn))
        return;
    RecordSet from(backup);
    from.open(QStringLiteral("select %1, %2 from %3 order by %1").arg(key, oldColumn, table));
    for (from.first(); !from.eof(); from.next()) {
        const QString pictures = from.text(oldColumn);
        if (pictures.trimmed().isEmpty())
            continue;
        log.exec(QStringLiteral("UPDATE %1 SET Pics = :pics WHERE %2 = :key").arg(table, key),
                 {{QStringLiteral("pics"), pictures}, {QStringLiteral("key"), from.integer(key)}});
    }
}

} // namespace

int readLogVersion(const QString& logPath, QString* error)
{
    try {
        LogConnection log;
        log.open(logPath, LogConnection::Mode::ReadOnly);
        RecordSet boat(log);
        boat.open(QStringLiteral("select Prog_Version from BoatInfo"));
        return boat.isEmpty() ? 0 : boat.integer(QStringLiteral("Prog_Version"));
    } catch (const LogError& e) {
        if (error)
            *error = e.text();
        return -1;
    }
}

bool StructureCheck::run(const QString& logPath, const QString& progStructPath)
{
    resetToExample = false;
    const int logVersion = readLogVersion(logPath);
    if (logVersion < 0) {
        messages.error(logmsg::versionReadError());
        resetToExample = true;
        return false;
    }
    std::vector<StructureStep> steps;
    try {
        steps = readStructureSteps(progStructPath);
        if (steps.empty())
            throw LogError(QStringLiteral("no steps"));
    } catch (const LogError&) {
        messages.error(logmsg::progStructReadError());
        resetToExample = true;
        return false;
    }
    const int current = steps.back().version;
    if (logVersion > current) {
        messages.error(logmsg::newerLog(QDir::toNativeSeparators(logPath), logVersion, current));
        resetToExample = true;
        return false;
    }
    if (logVersion == current)
        return true;

    bool skipped = false;
    const bool perform = dialogs.structureUpdate(steps.back().description, [&] {
        skipped = messages.show(Messages::Kind::Warning, QString::fromLatin1(logmsg::SkipQuestion),
                                Messages::Buttons::YesNo) == Messages::Answer::Yes;
        return skipped;
    });
    if (!perform) {
        resetToExample = true;
        return false;
    }

    messages.warning(QString::fromLatin1(logmsg::BackupWarning));
    dialogs.busy(true);
    const QString backupPath = updateBackupName(logPath, logVersion);
    QString copyError = settleJournal(logPath);
    if (copyError.isEmpty()) {
        if (const QString error = copyFileSafely(logPath, backupPath); !error.isEmpty())
            copyError = QDir::toNativeSeparators(backupPath) + QLatin1String(": ") + error;
    }
    if (!copyError.isEmpty()) {
        dialogs.busy(false);
        messages.error(QString::fromLatin1(logmsg::BackupInUse) + QLatin1String("\r\n") +
                       copyError);
        return true; // opened without the update
    }

    const StructureStep* failing = nullptr;
    QString failure;
    try {
        LogConnection log;
        log.open(logPath,
                 readOnly ? LogConnection::Mode::ReadOnly : LogConnection::Mode::ReadWrite);
        LogConnection::Transaction transaction(log);
        for (const StructureStep& step : steps) {
            if (step.version <= logVersion)
                continue;
            failing = &step;
            if (step.dataInsert) {
                RecordSet table(log);
                table.open(QStringLiteral("select * from %1 where 0").arg(step.dataTable));
                table.append();
                table.setValue(step.fieldName, convertValue(step, formats));
                table.post();
            } else {
                log.exec(step.command);
            }
        }
        failing = nullptr;
        if (log.exec(QStringLiteral("UPDATE BoatInfo SET Prog_Version = :v"),
                     {{QStringLiteral("v"), current}}) == 0)
            insertVesselRecord(log, current); // a log without a vessel record gets one
        if (logVersion < PictureListVersion && current >= PictureListVersion) {
            LogConnection backup;
            backup.open(backupPath, LogConnection::Mode::ReadOnly);
            movePictures(log, backup, QStringLiteral("Maint"), QStringLiteral("Maint_ID"),
                         QStringLiteral("Maint_Pic"));
            movePictures(log, backup, QStringLiteral("SchedMaint"), QStringLiteral("Sched_ID"),
                         QStringLiteral("Sched_Pic"));
        }
        transaction.commit();
    } catch (const LogError& e) {
        failure = e.text();
    }
    dialogs.busy(false);
    if (failure.isNull())
        return true;

    const bool exists = failure.contains(QLatin1String("already exists")) ||
                        failure.contains(QLatin1String("duplicate column name"));
    if (exists || (failing && failing->dataInsert)) {
        messages.error(QString::fromLatin1(logmsg::UnknownUpdateError));
    } else {
        messages.error(QString::fromLatin1(logmsg::UpdateFailedHead) + u'"' + failure + u'"' +
                       QString::fromLatin1(logmsg::UpdateFailedTail));
    }
    resetToExample = true;
    return false;
}

} // namespace hb
