#pragma once

#include "logdb/LogDialogs.h"

namespace hb {

class LogConnection;

// The starting hours of a new log: one run per unit with hours typed, dated the setting date,
// 12:00 to 12:00, carrying the hours the unit ran before the log began, so that every total
// includes them.
void writeStartingHours(LogConnection& log, const LogDialogs::StartingHours& hours);

} // namespace hb
