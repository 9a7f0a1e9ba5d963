#pragma once

#include "logdb/LogConnection.h"
#include "logdb/LogDialogs.h"
#include "logdb/RecordSet.h"

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

namespace hb {

class Clock;
class FileDialogs;
class Formats;
class IniFile;
class Messages;

// The log the program works on: opening it (falling back to the example log or a blank
// one), creating new logs, switching to another log, and backing it up. The main window owns
// one session for the whole run and calls these operations from its menus; they need no
// window of their own.
//
// "Ending the program" is a request: the session emits endProgram() once and refuses further
// work; the main window then quits cleanly (tests just check endRequested()).
class LogSession : public QObject
{
    Q_OBJECT
public:
    struct Services
    {
        Messages& messages;
        FileDialogs& fileDialogs;
        LogDialogs& dialogs;
        Clock& clock;
        IniFile& settings;
        const Formats& formats;
    };

    LogSession(const Services& services, const QString& dataFolder, QObject* parent = nullptr);
    ~LogSession() override;

    LogConnection& connection() { return m_log; }
    // The vessel record, opened last by OpenDataBase.
    RecordSet& boatInfo() { return *m_boatInfo; }

    QString dataFolder() const { return m_dataFolder; }
    QString exampleLogPath() const;
    QString progStructPath() const;

    // The log-open flag: set when OpenDataBase opened every record set, cleared when it
    // starts, after a failed open and when the main window becomes active again.
    bool isLogOpen() const { return m_logOpen; }
    void clearLogOpen() { m_logOpen = false; }
    // Opens the log unless it is open; false when it could not be opened.
    bool ensureOpen();

    QString currentPath() const { return m_currentPath; }
    // "Helmbook - " and the log's name.
    QString caption() const;
    bool endRequested() const { return m_ended; }

    // Record sets of the pages, opened in the order they were added each time the log opens.
    void addOpener(std::function<void(LogConnection&)> opener);
    // Writes the starting hours of a new log (the generator and watermaker log's rule).
    std::function<void(LogConnection&, const LogDialogs::StartingHours&)> writeStartingHours;
    // Whether a log file may be written; read-only logs are opened for reading only.
    std::function<bool(const QString&)> isWritable;

    bool OpenDataBase();
    void New1Click();
    void CreateNewLog1Click();
    void Load1Click();
    // Closes the log and every record set on it.
    void closeLog();

    // The backup offer: true when it counts as done.
    bool backupOffer();
    // The backup command of the menus and tool bar; true when the backup counts as done (the
    // quit counter starts again).
    bool backupCommand();
    // The quit step: one more quit; every ninth offers a backup. Returns the new counter,
    // which is also written to the settings.
    int countQuitForBackup(int runCount);

    // True when the trip log has rows (the watch page's button is enabled only then).
    bool tripLogHasRows();

Q_SIGNALS:
    void captionChanged(const QString& caption);
    void endProgram();
    // Show the cover page and withdraw the search command.
    void coverPageRequested();
    void statusMessage(const QString& text);
    void logOpened();

private:
    void requestEnd();
    // The no-log procedure: a path to open, or empty (the program may have been ended).
    QString noLogProcedure();
    // Creates a log at `path` (replacing a file there only once the new log is complete) with
    // the lookup lists of `carryFrom` (none when empty), its first rows, and opens it. False when
    // creation failed (the program is then ended).
    bool createLog(const QString& path, const QString& carryFrom);
    bool confirmReplace(const QString& path);
    // Why a chosen file cannot be opened as a log (not a log, a log of a newer Helmbook);
    // empty when it can.
    QString refusalToOpen(const QString& path) const;
    // "Unable to create new log!" with the support address.
    void showCreateFailed();
    // Builds a whole new log (every table, the first rows, the lookup lists of `carryFrom`
    // when given) under a temporary name beside `path` and returns that name. Throws LogError;
    // nothing is left behind then.
    QString buildLogAside(const QString& path, const QString& carryFrom);
    void copyLookups(const QString& fromPath, LogConnection& target);
    void offerStartingHours();

    Services m_s;
    QString m_dataFolder;
    LogConnection m_log;
    std::unique_ptr<RecordSet> m_boatInfo;
    std::vector<std::function<void(LogConnection&)>> m_openers;
    QString m_currentPath;
    bool m_logOpen = false;
    bool m_ended = false;
    QString m_warnedReadOnly; // the read-only log already warned about
};

} // namespace hb
