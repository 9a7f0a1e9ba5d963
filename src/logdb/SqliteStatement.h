#pragma once

#include "logdb/LogConnection.h"

#include <QByteArray>
#include <QVariant>

struct sqlite3;
struct sqlite3_stmt;

namespace hb {

// One prepared statement on the log's own SQLite handle, for the record sets: reading
// straight from the engine keeps text in UTF-8 as the log holds it (half the memory of
// UTF-16, no conversion until a field is used).
//
// Values read come back as QVariant: NULL as an invalid QVariant, integers as qlonglong,
// reals as double, text (and any binary value) as a UTF-8 QByteArray. Values bound are
// first turned into their stored forms (LogConnection::toStorage).
class SqliteStatement
{
public:
    // Throws LogError with the engine's text; one statement only.
    SqliteStatement(LogConnection& connection, const QString& sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    void bind(const Params& params);               // by name, ":name" or "name"
    void bindAt(int index, const QVariant& value); // 1-based
    // Runs to the next row: true when there is one. Throws LogError.
    bool step();

    int columnCount() const;
    QString columnName(int i) const;
    QString tableName(int i) const;  // empty for an expression
    QString originName(int i) const; // the column's name in its table
    QVariant value(int i) const;
    int bytes(int i) const; // size of a text value in bytes

    qint64 lastInsertRowId() const;
    int changes() const;

private:
    [[noreturn]] void fail() const;

    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_stmt = nullptr;
};

// A stored value as text: UTF-8 bytes read from the log, or a QString set since.
inline QString storedText(const QVariant& v)
{
    return v.typeId() == QMetaType::QByteArray ? QString::fromUtf8(v.toByteArray()) : v.toString();
}

} // namespace hb
