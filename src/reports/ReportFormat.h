#pragma once

#include "common/Formats.h"
#include "common/Money.h"

#include <QDate>
#include <QString>
#include <QTime>

#include <map>
#include <optional>

namespace hb::reports {

// The display formats of the reports, as plain functions.

// Money in the user's currency format with two decimals ("$1,234.50", "-$0.25"); rounded
// half away from zero from the stored ten-thousandths, so totals print exactly.
QString moneyText(Money value, const Formats& formats);
// Two decimals with digit grouping ("1,234.50") or without ("1234.50").
QString groupedText(double value, const Formats& formats);
QString fixedText(double value, const Formats& formats);
// A whole number, or blank when it is 0 (columns that print nothing for 0).
QString blankZero(qint64 value);
// The user's short date; blank for no date.
QString dateText(const QDate& date, const Formats& formats);
// A time of day on the 12-hour clock ("09:30 AM"); blank for no time.
QString time12Text(const QTime& time, const Formats& formats);
// A time of day kept as a whole number hhmm: 930 prints "09:30"; 0 (no time) prints blank;
// a number that is no time of day prints as it is.
QString hhmmText(qint64 hhmm);

// Sums of amounts per unit ("Lit", "Gal", ...), so litres and gallons are never added
// together. Units are compared without regard to case and blanks around them.
class UnitTotals
{
public:
    void add(const QString& unit, double amount);
    // "Lit 120.50  Gal 30.00" in order of the units' names; blank when nothing was added.
    QString text(const Formats& formats) const;
    double total(const QString& unit) const;

private:
    std::map<QString, std::pair<QString, double>> m_totals; // key -> (unit as written, sum)
};

// An average that is blank over no values.
class Average
{
public:
    void add(double value)
    {
        m_sum += value;
        ++m_count;
    }
    std::optional<double> value() const
    {
        return m_count ? std::optional<double>(m_sum / m_count) : std::nullopt;
    }

private:
    double m_sum = 0;
    qint64 m_count = 0;
};

// The due of a scheduled maintenance item by its interval type: "H" hours, "D" days, "B"
// both. The interval of its type ("250 Hrs", "365 Days", "250 Hrs / 365 Days"), the next
// hours (types H and B) and the next date (types D and B).
struct SchedDue
{
    QString interval;
    QString nextHours;
    QString nextDate;
};
SchedDue schedDue(const QString& type, qint64 hourInterval, qint64 dayInterval, qint64 nextHours,
                  const QDate& nextDate, const Formats& formats);

} // namespace hb::reports
