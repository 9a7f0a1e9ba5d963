#pragma once

#include <QString>

namespace hb {

class IniFile;

// `FormInfo`/`RemindFlag`: whether the start-up alert check runs on the cover page. "Show
// Reminders" writes it as "-1" (ticked) or "0"; older files hold "True" or "False".

// Reads the flag (writing "True" when it is missing or empty). "True"/"False" in any case and
// whole numbers (zero is false) read as expected; anything else reads as the default, true.
bool readRemindFlag(IniFile& settings);
void writeRemindFlag(IniFile& settings, bool on);

// The text as a boolean, `fallback` when it is neither "True"/"False" nor a whole number.
bool iniBoolean(const QString& text, bool fallback);

} // namespace hb
