#include "logdb/LogSession.h"

#include "common/Clock.h"
#include "common/FileDialogs.h"
#include "common/Formats.h"
#include "common/Messages.h"
#include "logdb/CreateLog.h"
#include "logdb/LogError.h"
#include "logdb/LogFiles.h"
#include "logdb/LogMessages.h"
#include "logdb/ProgStruct.h"
#include "logdb/StructureUpdate.h"
#include "settings/IniFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cstdio>

namespace hb {

namespace {

const QString Paths = QStringLiteral("Paths");
const QString DBPath = QStringLiteral("DBPath");
const QString BackupPath = QStringLiteral("backupPath");
const QString LogFilter = QString::fromLatin1(LogFileFilter);

// The lookup lists a new log can take over, in copying order.
const char* const CarriedLookups[] = {"ExpCat",  "InvCatagory", "InvSystems",  "MaintItems",
                                      "RemType", "Systems",     "Exp_PayTypes"};

// Keeps the busy cursor (and message window) up for a scope.
class Busy
{
public:
    Busy(LogDialogs& dialogs, const QString& message = {}) : m_dialogs(dialogs)
    {
        m_dialogs.busy(true, message);
    }
    ~Busy() { m_dialogs.busy(false); }

private:
    LogDialogs& m_dialogs;
};

} // namespace

LogSession::LogSession(const Services& services, const QString& dataFolder, QObject* parent)
    : QObject(parent), m_s(services), m_dataFolder(dataFolder),
      m_boatInfo(std::make_unique<RecordSet>(m_log))
{
    // A log needs its folder writable too: the engine keeps its journal beside it.
    isWritable = [](const QString& path) {
        const QFileInfo info(path);
        return info.isWritable() && QFileInfo(info.absolutePath()).isWritable();
    };
}

LogSession::~LogSession() = default;

QString LogSession::exampleLogPath() const
{
    return QDir(m_dataFolder).filePath(QString::fromLatin1(ExampleLogFileName));
}

QString LogSession::progStructPath() const
{
    return QDir(m_dataFolder).filePath(QString::fromLatin1(ProgStructFileName));
}

QString LogSession::caption() const
{
    return m_currentPath.isEmpty() ? QStringLiteral("Helmbook")
                                   : QStringLiteral("Helmbook - ") + logDisplayName(m_currentPath);
}

void LogSession::addOpener(std::function<void(LogConnection&)> opener)
{
    m_openers.push_back(std::move(opener));
}

void LogSession::requestEnd()
{
    closeLog();
    if (!m_ended) {
        m_ended = true;
        Q_EMIT endProgram();
    }
}

void LogSession::closeLog()
{
    m_log.close();
    m_logOpen = false;
}

bool LogSession::ensureOpen()
{
    return m_logOpen || OpenDataBase();
}

bool LogSession::OpenDataBase()
{
    if (m_ended)
        return false;
    m_logOpen = false;
    QString path = m_s.settings.IniRead(Paths, DBPath, QString());
    if (path.isEmpty() || !QFileInfo::exists(path)) {
        path = exampleLogPath();
        if (QFileInfo::exists(path)) {
            m_s.settings.IniWrite(Paths, DBPath, path);
            m_s.settings.IniWrite(Paths, BackupPath, QFileInfo(path).absolutePath() + u'/');
        } else {
            path = noLogProcedure();
        }
    }
    if (m_ended)
        return false;
    if (path.isEmpty() || !QFileInfo::exists(path)) {
        requestEnd();
        return false;
    }
    m_currentPath = path;
    if (!QFileInfo::exists(progStructPath())) {
        m_s.messages.error(QString::fromLatin1(logmsg::NoProgStruct));
        requestEnd();
        return false;
    }

    closeLog();
    // A log left with a journal by a crash is rolled back first; the check reads it read-only.
    if (isWritable(path))
        settleJournal(path);
    const LogFileCheck check = checkLogFile(path);
    if (check.kind == LogFileCheck::Kind::NotALog) {
        // Nothing is read from or written to a file that is not a log.
        m_s.messages.error(logmsg::notALog(QDir::toNativeSeparators(path), check.reason));
        m_s.messages.error(logmsg::versionReadError());
        m_s.settings.IniWrite(Paths, DBPath, exampleLogPath());
        requestEnd();
        return false;
    }
    const bool readOnly = check.kind == LogFileCheck::Kind::Log && !isWritable(path);
    StructureCheck structure{m_s.messages, m_s.dialogs, m_s.formats};
    structure.readOnly = readOnly;
    const bool carryOn = structure.run(path, progStructPath());
    if (!carryOn) {
        m_s.settings.IniWrite(Paths, DBPath, exampleLogPath());
        requestEnd();
        return false;
    }

    try {
        if (readOnly && m_warnedReadOnly != path) {
            m_warnedReadOnly = path;
            m_s.messages.warning(QStringLiteral("The log \"%1\" is read-only: it can be looked "
                                                "at, but nothing can be saved in it.")
                                     .arg(QDir::toNativeSeparators(path)));
        }
        m_log.open(path, readOnly ? LogConnection::Mode::ReadOnly : LogConnection::Mode::ReadWrite);
        for (const auto& open : m_openers)
            open(m_log);
        m_boatInfo->open(QStringLiteral("select * from BoatInfo"));
        m_logOpen = true;
        Q_EMIT captionChanged(caption());
        m_s.settings.IniWrite(Paths, DBPath, path);
    } catch (const LogError& e) {
        m_s.messages.error(e.text());
        closeLog();
        noLogProcedure();
        m_logOpen = false;
        Q_EMIT coverPageRequested();
        return false;
    }
    Q_EMIT logOpened();
    return true;
}

QString LogSession::noLogProcedure()
{
    const QString chosen = m_s.dialogs.missingLog();
    if (!chosen.isEmpty()) {
        m_s.settings.IniWrite(Paths, DBPath, chosen);
        return chosen;
    }
    if (m_s.messages.show(Messages::Kind::Confirmation,
                          QString::fromLatin1(logmsg::BlankLogQuestion),
                          Messages::Buttons::YesNo) != Messages::Answer::Yes) {
        requestEnd();
        return {};
    }
    const QString path = exampleLogPath();
    QDir().mkpath(m_dataFolder);
    // The blank log is built aside with its first rows and appears under the name complete;
    // it is made only when there is no example log (a file there is never replaced).
    if (!QFileInfo::exists(path)) {
        QString temp;
        try {
            temp = buildLogAside(path, {});
            if (!QFile::rename(temp, path) && !QFileInfo::exists(path))
                throw LogError(QStringLiteral("the file cannot be renamed"));
            QFile::remove(temp);
        } catch (const LogError&) {
            showCreateFailed();
            if (!temp.isEmpty())
                QFile::remove(temp);
            requestEnd();
            return {};
        }
    }
    m_s.settings.IniWrite(Paths, DBPath, path);
    return path;
}

void LogSession::showCreateFailed()
{
    m_s.messages.error(QString::fromLatin1(logmsg::CreateFailed1) + QLatin1String("\r\n") +
                       QString::fromLatin1(logmsg::SupportAddress) + QLatin1String("\r\n") +
                       QString::fromLatin1(logmsg::CreateFailed3));
}

bool LogSession::confirmReplace(const QString& path)
{
    return m_s.messages.show(Messages::Kind::Confirmation,
                             QStringLiteral("%1 already exists.\r\nDo you want to replace it?")
                                 .arg(QDir::toNativeSeparators(path)),
                             Messages::Buttons::YesNo) == Messages::Answer::Yes;
}

QString LogSession::buildLogAside(const QString& path, const QString& carryFrom)
{
    const QFileInfo target(path);
    const QDir folder = target.absoluteDir();
    // Files left by a build that was killed are not logs; they go before a new build starts.
    const QString prefix = QLatin1String(".") + target.fileName() + QLatin1String(".");
    const QString anySuffix(6, u'?'); // what QTemporaryFile puts in place of "XXXXXX"
    for (const QString& name :
         folder.entryList({prefix + anySuffix, prefix + anySuffix + QLatin1String("-journal")},
                          QDir::Files | QDir::Hidden | QDir::System))
        QFile::remove(folder.filePath(name));

    QString temp;
    {
        QTemporaryFile claim(folder.filePath(prefix + QLatin1String("XXXXXX")));
        claim.setAutoRemove(false);
        if (claim.open())
            temp = claim.fileName();
    }
    if (temp.isEmpty() || !QFile::remove(temp))
        throw LogError(QStringLiteral("the folder cannot be written"));
    try {
        if (const QString error = CreateAccessDatabase(temp); !error.isEmpty())
            throw LogError(error);
        CreateNewTables(temp);
        LogConnection fresh;
        fresh.open(temp);
        {
            LogConnection::Transaction transaction(fresh);
            insertVesselRecord(fresh, currentStructureVersion(progStructPath()));
            insertAllCruises(fresh, m_s.clock.today());
            transaction.commit();
        }
        if (!carryFrom.isEmpty())
            copyLookups(carryFrom, fresh);
        fresh.close();
    } catch (const LogError&) {
        QFile::remove(temp);
        QFile::remove(temp + QLatin1String("-journal"));
        throw;
    }
    return temp;
}

bool LogSession::createLog(const QString& path, const QString& carryFrom)
{
    // The new log is built under a temporary name beside the target, first rows and lookup
    // lists included, and renamed over it only when complete, so an existing file is replaced
    // by a whole log or not at all.
    const QFileInfo target(path);
    QString temp;
    try {
        temp = buildLogAside(path, carryFrom);
        if (m_currentPath == path || QFileInfo(m_currentPath) == target)
            closeLog();
        // A journal left beside the old log must not be played back into the new one.
        QFile::remove(path + QLatin1String("-journal"));
        if (std::rename(QFile::encodeName(temp).constData(), QFile::encodeName(path).constData()) !=
            0)
            throw LogError(QStringLiteral("the file cannot be replaced"));
    } catch (const LogError&) {
        showCreateFailed();
        if (!temp.isEmpty())
            QFile::remove(temp);
        requestEnd();
        return false;
    }
    m_s.settings.IniWrite(Paths, DBPath, path);
    OpenDataBase();
    return !m_ended;
}

void LogSession::copyLookups(const QString& fromPath, LogConnection& target)
{
    Busy busy(m_s.dialogs, QString::fromLatin1(logmsg::CopyingLookups));
    try {
        LogConnection source;
        source.open(fromPath, LogConnection::Mode::ReadOnly);
        LogConnection::Transaction transaction(target);
        for (const char* table : CarriedLookups) {
            const QString name = QString::fromLatin1(table);
            RecordSet from(source);
            from.open(QStringLiteral("select * from %1").arg(name));
            RecordSet to(target);
            to.open(QStringLiteral("select * from %1 where 0").arg(name));
            QStringList columns;
            for (const QString& column : from.fieldNames()) {
                if (!column.contains(QLatin1String("_ID")) && to.hasField(column))
                    columns << column;
            }
            for (from.first(); !from.eof(); from.next()) {
                to.append();
                for (const QString& column : columns)
                    to.setValue(column, from.value(column));
                to.post();
            }
        }
        transaction.commit();
    } catch (const LogError& e) {
        m_s.messages.error(e.text());
    }
}

void LogSession::offerStartingHours()
{
    const auto hours = m_s.dialogs.startingHours(m_s.clock.today());
    if (!hours || !m_log.isOpen() || !writeStartingHours)
        return;
    try {
        writeStartingHours(m_log, *hours);
    } catch (const LogError& e) {
        m_s.messages.error(e.text());
    }
}

void LogSession::New1Click()
{
    if (m_ended)
        return;
    if (m_s.settings.IniRead(QStringLiteral("ShowWarn"), QStringLiteral("NLW"), QString())
            .isEmpty()) {
        if (m_s.dialogs.newLogInformation())
            m_s.settings.IniWrite(QStringLiteral("ShowWarn"), QStringLiteral("NLW"),
                                  QStringLiteral("N"));
    }
    QString carryFrom;
    if (m_s.messages.show(Messages::Kind::Confirmation, QString::fromLatin1(logmsg::KeepLookups),
                          Messages::Buttons::YesNo) == Messages::Answer::Yes)
        carryFrom = m_s.settings.IniRead(Paths, DBPath, QString());
    const QString chosen = m_s.fileDialogs.saveFile(QStringLiteral("New Log"),
                                                    QFileInfo(m_currentPath).path(), LogFilter);
    if (chosen.isEmpty())
        return;
    const QString path = withMdbExtension(chosen);
    if (QFileInfo::exists(path) && !confirmReplace(path))
        return;
    {
        Busy busy(m_s.dialogs);
        if (!createLog(path, carryFrom))
            return;
    }
    if (m_s.messages.show(Messages::Kind::Confirmation,
                          QString::fromLatin1(logmsg::StartingHoursQuestion),
                          Messages::Buttons::YesNo) == Messages::Answer::Yes)
        offerStartingHours();
}

void LogSession::CreateNewLog1Click()
{
    if (m_ended)
        return;
    m_s.messages.information(QString::fromLatin1(logmsg::WizardIntro));
    const auto choice = m_s.dialogs.newLogWizard();
    if (!choice || choice->location.isEmpty())
        return;
    const QString path = withMdbExtension(choice->location);
    // An existing file is replaced only when the user says so.
    if (QFileInfo::exists(path) && !confirmReplace(path))
        return;
    const QString previous = m_s.settings.IniRead(Paths, DBPath, QString());
    const QString carryFrom = choice->keepLookups ? previous : QString();
    {
        Busy busy(m_s.dialogs);
        if (!createLog(path, carryFrom))
            return;
    }
    if (choice->setupHours)
        offerStartingHours();
    closeLog();
    if (choice->loadAfter) {
        m_s.settings.IniWrite(Paths, DBPath, path);
        OpenDataBase();
    } else if (!previous.isEmpty() && previous != path && QFileInfo::exists(previous)) {
        // Not loading the new log: the log that was open stays the one configured.
        m_s.settings.IniWrite(Paths, DBPath, previous);
        OpenDataBase();
    }
}

void LogSession::Load1Click()
{
    if (m_ended)
        return;
    if (m_s.settings.IniRead(QStringLiteral("ShowWarn"), QStringLiteral("OLW"), QString())
            .isEmpty()) {
        const LogDialogs::OpenWarning answer = m_s.dialogs.openLogWarning();
        if (answer.dontShowAgain)
            m_s.settings.IniWrite(QStringLiteral("ShowWarn"), QStringLiteral("OLW"),
                                  QStringLiteral("N"));
        if (!answer.ok)
            return;
    }
    const QString chosen = m_s.fileDialogs.openFile(QStringLiteral("Open Log"),
                                                    QFileInfo(m_currentPath).path(), LogFilter);
    if (chosen.isEmpty())
        return;
    const QString path = withMdbExtension(chosen);
    // A file that is not a log, or a log of a newer Helmbook, is refused before anything is
    // closed: the log that was open stays open and configured.
    if (const QString refusal = refusalToOpen(path); !refusal.isEmpty()) {
        m_s.messages.error(refusal);
        return;
    }
    {
        Busy busy(m_s.dialogs);
        m_s.settings.IniWrite(Paths, DBPath, path);
        OpenDataBase();
    }
    Q_EMIT statusMessage(QStringLiteral("Helmbook"));
    Q_EMIT coverPageRequested();
}

QString LogSession::refusalToOpen(const QString& path) const
{
    const QString shown = QDir::toNativeSeparators(path);
    const LogFileCheck check = checkLogFile(path);
    if (check.kind == LogFileCheck::Kind::Missing)
        return logmsg::notALog(shown, QStringLiteral("it does not exist"));
    if (check.kind == LogFileCheck::Kind::NotALog)
        return logmsg::notALog(shown, check.reason);
    const int version = readLogVersion(path);
    if (version < 0)
        return logmsg::notALog(shown, QStringLiteral("its structure version cannot be read"));
    try {
        if (const int current = currentStructureVersion(progStructPath()); version > current)
            return logmsg::newerLog(shown, version, current);
    } catch (const LogError&) {
        // Opening it reports the structure database.
    }
    return {};
}

bool LogSession::backupOffer()
{
    const QString folder = m_s.settings.IniRead(Paths, BackupPath, QString());
    const QString log = m_s.settings.IniRead(Paths, DBPath, QString());
    const QString name = backupName(folder, log, m_s.clock.today());
    if (m_s.messages.show(Messages::Kind::Confirmation,
                          QString::fromLatin1(logmsg::BackupQuestion1) +
                              QDir::toNativeSeparators(name) +
                              QString::fromLatin1(logmsg::BackupQuestion2),
                          Messages::Buttons::YesNo) != Messages::Answer::Yes)
        return true;
    closeLog();
    QString failure;     // the log could not be read
    QString copyFailure; // the copy could not be written
    {
        Busy busy(m_s.dialogs, QString::fromLatin1(logmsg::BackingUp));
        if (QFileInfo::exists(name) &&
            m_s.messages.show(Messages::Kind::Confirmation,
                              QString::fromLatin1(logmsg::BackupExists1) +
                                  QDir::toNativeSeparators(name) +
                                  QString::fromLatin1(logmsg::BackupExists2) +
                                  QString::fromLatin1(logmsg::BackupExists3),
                              Messages::Buttons::YesNo) != Messages::Answer::Yes)
            return false;
        QFile source(log);
        if (!source.open(QIODevice::ReadOnly) || !settleJournal(log).isEmpty()) {
            failure = QString::fromLatin1(logmsg::BackupInUse);
        } else {
            source.close();
            if (const QString error = copyFileSafely(log, name); !error.isEmpty())
                copyFailure = logmsg::backupFailed(name, error);
        }
    }
    if (failure.isEmpty() && copyFailure.isEmpty())
        return true;
    m_s.messages.error(failure.isEmpty() ? copyFailure : failure);
    // A copy that could not be written still counts as done; a log that could not be read
    // is offered again.
    return failure.isEmpty();
}

bool LogSession::backupCommand()
{
    if (m_ended)
        return false;
    closeLog();
    const bool done = backupOffer();
    if (done)
        m_s.settings.IniWrite(QStringLiteral("Backup"), QStringLiteral("runCount"),
                              QStringLiteral("0"));
    OpenDataBase();
    return done;
}

int LogSession::countQuitForBackup(int runCount)
{
    ++runCount;
    if (runCount > 8 && backupOffer())
        runCount = 0;
    m_s.settings.IniWrite(QStringLiteral("Backup"), QStringLiteral("runCount"),
                          QString::number(runCount));
    return runCount;
}

bool LogSession::tripLogHasRows()
{
    if (!m_log.isOpen())
        return false;
    try {
        RecordSet trips(m_log);
        trips.open(QStringLiteral("select Trip_ID from TripLog limit 1"));
        return !trips.isEmpty();
    } catch (const LogError&) {
        return false;
    }
}

} // namespace hb
