#pragma once

#include <QDate>
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

class LogConnection;

// The first rows of a new log: the vessel record carrying the structure version (engine 1
// starting hours 0), and the cruise "All Cruises" (number 0) dated the day of creation.
void insertVesselRecord(LogConnection& log, int structureVersion);
void insertAllCruises(LogConnection& log, const QDate& today);

} // namespace hb
