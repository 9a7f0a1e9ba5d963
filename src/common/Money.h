#pragma once

#include <QMetaType>
#include <QString>
#include <QtGlobal>

#include <compare>
#include <optional>

namespace hb {

// Money with four decimal places, kept as a whole number of ten-thousandths so that amounts
// round-trip and add up exactly (12.35 is stored as 123500).
class Money
{
public:
    static constexpr qint64 Scale = 10000;

    constexpr Money() = default;
    static constexpr Money fromUnits(qint64 units)
    {
        Money m;
        m.m_units = units;
        return m;
    }
    // Rounded half away from zero to four decimals.
    static Money fromDouble(double value);
    // "12.35", "-0.5", "1234" with "." as decimal point; no grouping. Empty on bad text or
    // more than four decimals.
    static std::optional<Money> parse(const QString& text);

    constexpr qint64 units() const { return m_units; }
    double toDouble() const { return double(m_units) / Scale; }
    // Plain decimal text with the decimals needed ("12.35", "3", "-0.0001").
    QString toString() const;

    constexpr Money operator+(Money o) const { return fromUnits(m_units + o.m_units); }
    constexpr Money operator-(Money o) const { return fromUnits(m_units - o.m_units); }
    constexpr auto operator<=>(const Money&) const = default;

private:
    qint64 m_units = 0;
};

} // namespace hb

Q_DECLARE_METATYPE(hb::Money)
