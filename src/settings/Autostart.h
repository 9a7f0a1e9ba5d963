#pragma once

#include <QString>

namespace hb {

class IniFile;
class Messages;

inline constexpr char StartupRemindersTitle[] = "Startup Reminders";
inline constexpr char StartupRemindersQuestion[] =
    "Selecting this option will cause a small program to run each time your desktop is started "
    "up.  The program is small in size and will not display if there are no reminders to be "
    "shown. \r\n\r\nDo you want to implement this feature?";
inline constexpr char RemindersProgramName[] = "HBReminders";

// The companion reminder program is started at log-in through an XDG autostart entry:
// $XDG_CONFIG_HOME/autostart/HBReminders.desktop (~/.config when the variable is not set).
QString autostartEntryPath();
// "HBReminders" in the program's own folder.
QString remindersProgramPath();
// The entry's text, starting `program`.
QString autostartEntryText(const QString& program);
// `program` as one argument of an Exec line: in double quotes with '"', '`', '$' and '\'
// escaped, '%' doubled, then escaped as a desktop entry string value.
QString desktopExecArgument(const QString& program);

// Whether "Reminders at Startup.." is ticked: `Flags`/`RemindSU` (default "N") is "Y".
bool remindersAtStartup(IniFile& settings);

// "Reminders at Startup..": asks the question; Yes writes the autostart entry and "Y" to
// `Flags`/`RemindSU`, No removes the entry and writes "N". When the entry cannot be written
// or removed, the error is shown and the flag stays as it was. Returns the new tick state.
bool askRemindersAtStartup(Messages& messages, IniFile& settings);

} // namespace hb
