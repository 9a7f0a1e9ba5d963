#include "common/Money.h"

#include <cmath>

namespace hb {

Money Money::fromDouble(double value)
{
    // Round on the 15 significant digits a double holds, so 12.345 becomes 123450 units, not
    // 123449 from the binary value just below it.
    const double scaled = std::round(value * Scale * 1e6) / 1e6;
    return fromUnits(qint64(std::llround(scaled)));
}

std::optional<Money> Money::parse(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    qsizetype i = 0;
    bool negative = false;
    if (t.at(0) == u'-' || t.at(0) == u'+') {
        negative = t.at(0) == u'-';
        ++i;
    }
    qint64 whole = 0;
    int digits = 0;
    for (; i < t.size() && t.at(i).isDigit(); ++i, ++digits) {
        if (whole > (std::numeric_limits<qint64>::max() / Scale) / 10)
            return std::nullopt;
        whole = whole * 10 + t.at(i).digitValue();
    }
    qint64 frac = 0;
    int decimals = 0;
    if (i < t.size() && t.at(i) == u'.') {
        for (++i; i < t.size() && t.at(i).isDigit(); ++i, ++decimals) {
            if (decimals == 4)
                return std::nullopt;
            frac = frac * 10 + t.at(i).digitValue();
        }
    }
    if (i != t.size() || digits + decimals == 0)
        return std::nullopt;
    for (int d = decimals; d < 4; ++d)
        frac *= 10;
    const qint64 units = whole * Scale + frac;
    return fromUnits(negative ? -units : units);
}

QString Money::toString() const
{
    const qint64 a = m_units < 0 ? -m_units : m_units;
    QString s = QString::number(a / Scale);
    QString frac = QString::number(a % Scale).rightJustified(4, u'0');
    while (frac.endsWith(u'0'))
        frac.chop(1);
    if (!frac.isEmpty())
        s += u'.' + frac;
    return m_units < 0 ? u'-' + s : s;
}

} // namespace hb
