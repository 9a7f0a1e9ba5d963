#pragma once

#include "common/Money.h"

#include <QDate>
#include <QHash>
#include <QTime>
#include <QVariant>
#include <QVariantMap>

#include <vector>

namespace hb {
class LogConnection;
}

namespace hb::reports {

// The rows a report prints, read by its own select statement with bound values. Values are
// kept as the log stores them and read with the report's own idea of each column.
class Rows
{
public:
    // Throws LogError with the engine's text when the statement fails.
    static Rows read(LogConnection& log, const QString& sql, const QVariantMap& params = {});
    // For tests and fixed data: named columns and stored values.
    Rows(QStringList columns, std::vector<std::vector<QVariant>> data);
    Rows() = default;

    int size() const { return int(m_data.size()); }
    bool empty() const { return m_data.empty(); }
    // A column by name, without regard to case; -1 when there is none.
    int column(const QString& name) const;
    const QVariant& stored(int row, int column) const;

    class Ref;
    Ref at(int row) const;

private:
    QHash<QString, int> m_index; // lower-case and as-returned name -> column
    std::vector<std::vector<QVariant>> m_data;
};

// One row. A column the statement did not return reads as empty.
class Rows::Ref
{
public:
    Ref(const Rows& rows, int row) : m_rows(&rows), m_row(row) {}

    const QVariant& stored(const QString& name) const;
    bool isNull(const QString& name) const { return stored(name).isNull(); }
    QString text(const QString& name) const;
    qint64 integer(const QString& name) const;
    double number(const QString& name) const;
    bool boolean(const QString& name) const { return integer(name) != 0; }
    // A money column: its ten-thousandths.
    Money money(const QString& name) const { return Money::fromUnits(integer(name)); }
    // No date, and the zero date 30 December 1899, read as an invalid date.
    QDate date(const QString& name) const;
    QTime time(const QString& name) const;

private:
    const Rows* m_rows;
    int m_row;
};

inline Rows::Ref Rows::at(int row) const
{
    return Ref(*this, row);
}

} // namespace hb::reports
