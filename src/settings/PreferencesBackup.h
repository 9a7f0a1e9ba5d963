#pragma once

#include <QString>

#include <functional>
#include <optional>

namespace hb {

class IniFile;
class Messages;

inline constexpr char PreferencesBackupFileName[] = "HbINIBU.ini";
inline constexpr char BackupPreferencesErrorMessage[] =
    "Error trying to backup preferences, the file may be currently in use!";
inline constexpr char PreferencesSavedMessage[] = "Your preferences have been saved!";
inline constexpr char RestorePreferencesErrorMessage[] =
    "Error trying to restore preferences, the file may be currently in use!";
inline constexpr char PreferencesRestoredMessage[] = "Your preferences have been restored!";

// The copy of the settings file kept by "Save Preferences": the user's documents folder itself
// (not the data folder) + "HbINIBU.ini".
QString preferencesBackupPath();
QString preferencesBackupPath(const QString& documentsFolder);

// "Restore Preferences" is offered at start only when the backup exists.
bool preferencesBackupExists(const QString& backupPath);

// What "Save Preferences" and "Restore Preferences" ask of the main window. Each may be empty.
struct PreferencesActions
{
    std::function<void(bool)> busy;                 // busy cursor on (true) or off
    std::function<void()> saveWindowState;          // before the copy is taken
    std::function<void()> restoreWindowState;       // after a good restore
    std::function<void(const QString&)> showSplash; // after a good restore, with the path
};

// "Save Preferences": does nothing unless `Paths`/`DBPath` holds a path. Otherwise saves the
// window state and copies the settings file byte for byte to the backup, replacing it, and
// reports the outcome. Returns whether "Restore Preferences" is to be enabled now; nothing
// when nothing was done.
std::optional<bool> savePreferences(IniFile& settings, Messages& messages,
                                    const QString& backupPath, const PreferencesActions& actions);

// "Restore Preferences": copies the backup byte for byte over the settings file, reapplies the
// window state, shows the splash picture named in the restored file and reports the outcome.
// Returns whether "Restore Preferences" is still to be enabled (the backup is still there).
bool restorePreferences(IniFile& settings, Messages& messages, const QString& backupPath,
                        const PreferencesActions& actions);

} // namespace hb
