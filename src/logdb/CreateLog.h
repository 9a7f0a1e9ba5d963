#pragma once

#include <QString>

namespace hb {

// Marks a SQLite file as a Helmbook log ("HBLG"); a log is recognised by it and its tables.
inline constexpr int LogApplicationId = 0x48424C47;

// Creates an empty log file. Never replaces a file that exists. Returns the error text,
// empty on success.
QString CreateAccessDatabase(const QString& file);

// Creates the 30 tables of a log, in their creation order, in the file at `path`, all in one
// transaction: on failure the file is left as it was. Throws LogError with the engine's text
// (for example when the file already has the tables).
void CreateNewTables(const QString& path);

} // namespace hb
