#pragma once

#include <QString>

#include <vector>

namespace hb {

// The column types of a log and how each is kept in SQLite:
//   Counter   INTEGER PRIMARY KEY AUTOINCREMENT
//   Text(n)   TEXT, at most n characters
//   SmallInt  INTEGER, -32768..32767
//   Integer   INTEGER, 32-bit
//   Float     REAL
//   Currency  INTEGER, ten-thousandths of the unit (12.35 is 123500)
//   DateTime  TEXT, "YYYY-MM-DD", "HH:MM:SS" or "YYYY-MM-DD HH:MM:SS"; NULL is no date
//   YesNo     INTEGER NOT NULL DEFAULT 0, 0 or 1
//   Memo      TEXT
// Tables are STRICT, so a value of the wrong kind is refused by the engine as well.
enum class LogType { Counter, Text, SmallInt, Integer, Float, Currency, DateTime, YesNo, Memo };

struct ColumnDef
{
    const char* name;
    LogType type;
    int size = 0; // characters, for Text
};

struct TableDef
{
    const char* name;
    std::vector<ColumnDef> columns;

    const ColumnDef* column(const QString& name) const; // without regard to case
    QString primaryKey() const;                         // the Counter column
};

// The 30 tables of a log, in creation order.
const std::vector<TableDef>& logTables();
const TableDef* findLogTable(const QString& name); // without regard to case

// "CREATE TABLE <name> (...) STRICT" for one table.
QString createTableSql(const TableDef& table);
// The column clause ("VesName TEXT CHECK(length(VesName) <= 25)"), also used by ALTER TABLE.
QString columnSql(const ColumnDef& column);
// The type name as the log's own type list writes it: "TEXT(25)", "SMALLINT", "COUNTER"...
QString logTypeName(const ColumnDef& column);

} // namespace hb
