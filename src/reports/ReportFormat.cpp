#include "reports/ReportFormat.h"

namespace hb::reports {

QString moneyText(Money value, const Formats& formats)
{
    qint64 units = value.units();
    const bool negative = units < 0;
    if (negative)
        units = -units;
    const qint64 cents = (units + 50) / 100; // half away from zero
    const QString whole = formats.locale().toString(cents / 100);
    const QString text = formats.currencySymbol() + whole + formats.locale().decimalPoint() +
                         QStringLiteral("%1").arg(cents % 100, 2, 10, QLatin1Char('0'));
    return negative && cents ? QLatin1Char('-') + text : text;
}

QString groupedText(double value, const Formats& formats)
{
    return formats.number(value, QStringLiteral("#,##0.00"));
}

QString fixedText(double value, const Formats& formats)
{
    return formats.number(value, QStringLiteral("0.00"));
}

QString blankZero(qint64 value)
{
    return value == 0 ? QString() : QString::number(value);
}

QString dateText(const QDate& date, const Formats& formats)
{
    return formats.shortDate(date);
}

QString time12Text(const QTime& time, const Formats& formats)
{
    return time.isValid() ? formats.time(time, QString::fromLatin1(fmt::Time12)) : QString();
}

QString hhmmText(qint64 hhmm)
{
    if (hhmm == 0)
        return {};
    const qint64 h = hhmm / 100, m = hhmm % 100;
    if (hhmm < 0 || h > 23 || m > 59)
        return QString::number(hhmm);
    return QStringLiteral("%1:%2").arg(h, 2, 10, QLatin1Char('0')).arg(m, 2, 10, QLatin1Char('0'));
}

void UnitTotals::add(const QString& unit, double amount)
{
    const QString written = unit.trimmed();
    auto& slot = m_totals[written.toLower()];
    if (slot.first.isEmpty())
        slot.first = written;
    slot.second += amount;
}

QString UnitTotals::text(const Formats& formats) const
{
    QStringList parts;
    for (const auto& [key, total] : m_totals) {
        const QString amount = fixedText(total.second, formats);
        parts << (total.first.isEmpty() ? amount : amount + QLatin1Char(' ') + total.first);
    }
    return parts.join(QLatin1String("   "));
}

double UnitTotals::total(const QString& unit) const
{
    const auto it = m_totals.find(unit.trimmed().toLower());
    return it == m_totals.end() ? 0 : it->second.second;
}

SchedDue schedDue(const QString& type, qint64 hourInterval, qint64 dayInterval, qint64 nextHours,
                  const QDate& nextDate, const Formats& formats)
{
    const QString t = type.trimmed().toUpper();
    const bool hours = t == QLatin1String("H") || t == QLatin1String("B");
    const bool days = t == QLatin1String("D") || t == QLatin1String("B");
    SchedDue due;
    QStringList interval;
    if (hours)
        interval << QString::number(hourInterval) + QLatin1String(" Hrs");
    if (days)
        interval << QString::number(dayInterval) + QLatin1String(" Days");
    due.interval = interval.join(QLatin1String(" / "));
    if (hours)
        due.nextHours = QString::number(nextHours);
    if (days)
        due.nextDate = dateText(nextDate, formats);
    return due;
}

} // namespace hb::reports
