#include "logdb/AggQuery.h"

#include "logdb/LogError.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace hb {

AggQuery::AggQuery(LogConnection& connection, const QString& sql, const Params& params)
{
    if (!connection.isOpen())
        throw LogError(QStringLiteral("No log is open."));
    QSqlQuery query(connection.database());
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        throw LogError(LogConnection::engineText(query.lastError()));
    LogConnection::bind(query, params);
    if (!query.exec())
        throw LogError(LogConnection::engineText(query.lastError()));
    const QSqlRecord record = query.record();
    if (query.next()) {
        for (int i = 0; i < record.count(); ++i)
            m_values.insert(record.fieldName(i).toLower(), query.value(i));
    } else {
        for (int i = 0; i < record.count(); ++i)
            m_values.insert(record.fieldName(i).toLower(), QVariant());
    }
}

QVariant AggQuery::raw(const QString& alias) const
{
    const auto it = m_values.constFind(alias.toLower());
    if (it == m_values.cend())
        throw LogError(QStringLiteral("Field '%1' not found").arg(alias));
    return *it;
}

QVariant AggQuery::value(const QString& alias) const
{
    const QVariant v = raw(alias);
    return v.isNull() ? QVariant() : v;
}

double AggQuery::number(const QString& alias) const
{
    return raw(alias).toDouble();
}

qint64 AggQuery::integer(const QString& alias) const
{
    return raw(alias).toLongLong();
}

Money AggQuery::money(const QString& alias) const
{
    return Money::fromUnits(raw(alias).toLongLong());
}

QString AggQuery::text(const QString& alias) const
{
    return raw(alias).toString();
}

} // namespace hb
