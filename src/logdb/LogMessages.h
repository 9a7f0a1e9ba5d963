#pragma once

// The messages of opening, creating, updating and backing up logs, exactly as the user sees
// them ("\r\n" is a line break).

#include <QString>

namespace hb::logmsg {

inline constexpr const char* VersionReadHead =
    "There was an error encountered reading the current program version from your log file.";
inline constexpr const char* ProgStructReadHead =
    "There was an error encountered opening or reading the Program Structure DB.";

inline constexpr const char* UnknownUpdateError =
    "Unknown error attempting to update your database!  Please install previous version of "
    "Helmbook and load your backup log database.\r\n"
    "\r\n"
    "Contact Kelvane Software about this problem!";

// Ends every message after which the example log is configured and the program ends.
inline constexpr const char* UpdateFailedTail =
    "\r\n"
    "This is a non-recoverable error and the program will reset it's current log file to the\r\n"
    "Example log file that was shipped with the program and terminate execution at this point!\r\n"
    "\r\n"
    "When you run the program again, you can select a different log file to load by using the \r\n"
    "\"File.. Load Log..\" menu option.  If this problem persists contact Kelvane Software for "
    "help in\r\n"
    "resolving the problem.";

inline constexpr const char* SkipQuestion = "Are you sure you don't want to update your \r\n"
                                            " log database? The program will now close.";

inline constexpr const char* BackupWarning =
    "Your current log database will be backed up before changes are made!";

inline constexpr const char* BackupInUse =
    "Unable to backup file, the file may be currently in use!";

inline constexpr const char* BackupQuestion1 =
    "Would you like to backup your log at this time?  A copy will be made with the path ";

inline constexpr const char* BlankLogQuestion =
    "                   There was no database found to load!\r\n"
    "Do you want to create a new BLANK database (Yes) or attempt to solve\r\n"
    "        this problem by finding the desired database file manually (No)?";

inline constexpr const char* StartingHoursQuestion =
    "If you have a generator or water maker you might want\r\n"
    "to setup a starting hours value for either or both of these\r\n"
    "items.\r\n"
    "\r\n"
    "Do you want to set either a Generator or Water Maker\r\n"
    "starting hours value or do you want to leave them set\r\n"
    "at zero hours?  Click Yes to set the starting hours or click\r\n"
    "No to leave them at zero hours.\r\n"
    "\r\n"
    "          ! This can NOT be done at a latter time !";

inline constexpr const char* NoProgStruct =
    "The program structure database has been moved or deleted!  You will need to re-install "
    "Helmbook!  This program will now terminate!";

inline constexpr const char* BackupQuestion2 = ". You can change this using Preferences.";
inline constexpr const char* BackupExists1 = "A backup file with the name ";
inline constexpr const char* BackupExists2 = " already exists! ";
inline constexpr const char* BackupExists3 = "Do you want to overwrite that file?";
inline constexpr const char* BackupFailed =
    "There was an error encountered tying to backup the log!";
inline constexpr const char* UpdateFailedHead =
    "The program was unable to update this log file because ";
inline constexpr const char* CreateFailed1 =
    "Unable to create new log!  You need to contact Kelvane Software!";
inline constexpr const char* CreateFailed3 = "The new log will be deleted!";
inline constexpr const char* SupportAddress = "support@kelvane-software.example";
inline constexpr const char* KeepLookups = "Would you like to keep your current Lookup Tables?";
inline constexpr const char* WizardIntro =
    "This Wizard is used to Create a new log. Enter log name and location!";
inline constexpr const char* CopyingLookups = "Copying Lookup Tables";
inline constexpr const char* BackingUp = "Backing Up Log";

// A file refused as a log, with the reason.
inline QString notALog(const QString& path, const QString& reason)
{
    return QStringLiteral("The file \"%1\" cannot be opened as a log: %2.").arg(path, reason);
}

inline QString newerLog(const QString& path, int logVersion, int current)
{
    return QStringLiteral("The log \"%1\" was written by a newer version of Helmbook (log "
                          "structure %2; this program knows structures up to %3). Install the "
                          "newer Helmbook to open it.")
        .arg(path)
        .arg(logVersion)
        .arg(current);
}

// The backup error followed by what failed: the backup's name and the system's reason.
inline QString backupFailed(const QString& backupName, const QString& reason)
{
    return QLatin1String(BackupFailed) + QLatin1String("\r\n") + backupName + QLatin1String(": ") +
           reason;
}

inline QString versionReadError()
{
    return QLatin1String(VersionReadHead) + QLatin1String(UpdateFailedTail);
}

inline QString progStructReadError()
{
    return QLatin1String(ProgStructReadHead) + QLatin1String(UpdateFailedTail);
}

} // namespace hb::logmsg
