#include "reports/ReportData.h"

#include "logdb/LogConnection.h"
#include "logdb/LogError.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace hb::reports {

Rows Rows::read(LogConnection& log, const QString& sql, const QVariantMap& params)
{
    QSqlQuery query(log.database());
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        throw LogError(LogConnection::engineText(query.lastError()));
    LogConnection::bind(query, params);
    if (!query.exec())
        throw LogError(LogConnection::engineText(query.lastError()));
    const QSqlRecord record = query.record();
    QStringList names;
    for (int i = 0; i < record.count(); ++i)
        names << record.fieldName(i);
    std::vector<std::vector<QVariant>> data;
    while (query.next()) {
        std::vector<QVariant> values;
        values.reserve(size_t(names.size()));
        for (int i = 0; i < names.size(); ++i)
            values.push_back(query.value(i));
        data.push_back(std::move(values));
    }
    if (query.lastError().isValid())
        throw LogError(LogConnection::engineText(query.lastError()));
    return Rows(names, std::move(data));
}

Rows::Rows(QStringList columns, std::vector<std::vector<QVariant>> data) : m_data(std::move(data))
{
    for (int i = 0; i < columns.size(); ++i) {
        const QString key = columns.at(i).toLower();
        if (!m_index.contains(key))
            m_index.insert(key, i);
    }
    // Each name as the statement spells it too, so the usual look-up needs no lower-casing.
    for (const QString& name : columns) {
        if (!m_index.contains(name))
            m_index.insert(name, m_index.value(name.toLower()));
    }
}

int Rows::column(const QString& name) const
{
    const auto it = m_index.constFind(name);
    return it != m_index.constEnd() ? *it : m_index.value(name.toLower(), -1);
}

const QVariant& Rows::stored(int row, int column) const
{
    static const QVariant none;
    if (row < 0 || row >= size() || column < 0 || size_t(column) >= m_data[size_t(row)].size())
        return none;
    return m_data[size_t(row)][size_t(column)];
}

const QVariant& Rows::Ref::stored(const QString& name) const
{
    return m_rows->stored(m_row, m_rows->column(name));
}

QString Rows::Ref::text(const QString& name) const
{
    return stored(name).toString();
}

qint64 Rows::Ref::integer(const QString& name) const
{
    const QVariant& v = stored(name);
    if (v.typeId() == QMetaType::Double)
        return qRound64(v.toDouble());
    return v.toLongLong();
}

double Rows::Ref::number(const QString& name) const
{
    return stored(name).toDouble();
}

QDate Rows::Ref::date(const QString& name) const
{
    const QString s = text(name);
    if (s.size() < 10)
        return {};
    const QDate d = QDate::fromString(s.left(10), Qt::ISODate);
    return d == QDate(1899, 12, 30) ? QDate() : d;
}

QTime Rows::Ref::time(const QString& name) const
{
    const QString s = text(name);
    if (s.isEmpty())
        return {};
    return QTime::fromString(s.right(8), Qt::ISODate);
}

} // namespace hb::reports
