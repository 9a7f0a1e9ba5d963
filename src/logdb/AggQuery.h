#pragma once

#include "common/Money.h"
#include "logdb/LogConnection.h"

#include <QVariant>

namespace hb {

// A one-row select of aliased aggregates, read once and discarded:
//   AggQuery q(log, "select sum(TotTime) as totalHours from GenUse where GenSet = :set",
//              {{"set", 2}});
//   double hours = q.number("totalHours");
// A sum or maximum over no rows (NULL) reads as 0. Sums of a money column add the stored
// ten-thousandths exactly: read them with money().
class AggQuery
{
public:
    AggQuery(LogConnection& connection, const QString& sql, const Params& params = {});

    QVariant value(const QString& alias) const; // invalid when NULL
    double number(const QString& alias) const;
    qint64 integer(const QString& alias) const;
    Money money(const QString& alias) const; // for sums of money columns
    QString text(const QString& alias) const;

private:
    QVariant raw(const QString& alias) const;
    QVariantMap m_values; // lower-case alias -> value
};

} // namespace hb
