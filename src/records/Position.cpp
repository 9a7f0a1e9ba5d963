#include "records/Position.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace hb {

namespace {

struct Parts
{
    int degrees;
    double minutes;
    QChar hemisphere;
};

std::optional<Parts> parse(const QString& typed, Axis axis)
{
    static const QRegularExpression form(QStringLiteral(
        "^\\s*(\\d{1,3})\\s*[°º]?\\s*(\\d{1,2}(?:[.,]\\d*)?)?\\s*['′]?\\s*([NSEWnsew])\\s*$"));
    const QRegularExpressionMatch m = form.match(typed);
    if (!m.hasMatch())
        return std::nullopt;
    Parts p;
    p.degrees = m.captured(1).toInt();
    QString minutes = m.captured(2);
    minutes.replace(u',', u'.');
    p.minutes = minutes.isEmpty() ? 0.0 : minutes.toDouble();
    p.hemisphere = m.captured(3).at(0).toUpper();
    const bool latitude = axis == Axis::Latitude;
    const QString letters = latitude ? QStringLiteral("NS") : QStringLiteral("EW");
    const int maxDegrees = latitude ? 90 : 180;
    if (!letters.contains(p.hemisphere) || p.minutes >= 60.0 || p.degrees > maxDegrees ||
        (p.degrees == maxDegrees && p.minutes > 0.0))
        return std::nullopt;
    return p;
}

QString format(int degrees, double minutes, QChar hemisphere, Axis axis)
{
    // Minutes are kept to two decimals; 59.999 rounds up into the next degree.
    long hundredths = std::lround(minutes * 100.0);
    if (hundredths >= 6000) {
        hundredths -= 6000;
        ++degrees;
    }
    const int width = axis == Axis::Latitude ? 2 : 3;
    return QStringLiteral("%1 %2.%3 %4")
        .arg(degrees, width, 10, QLatin1Char('0'))
        .arg(hundredths / 100, 2, 10, QLatin1Char('0'))
        .arg(hundredths % 100, 2, 10, QLatin1Char('0'))
        .arg(hemisphere);
}

} // namespace

std::optional<QString> normalisePosition(const QString& typed, Axis axis)
{
    // An empty box, or one holding only the blanks and marks of an unfilled position, is no
    // position.
    if (std::all_of(typed.cbegin(), typed.cend(), [](QChar c) {
            return c.isSpace() || c == u'.' || c == u'_' || c == u'°' || c == u'\'';
        }))
        return QString();
    const std::optional<Parts> p = parse(typed, axis);
    if (!p)
        return std::nullopt;
    const QString text = format(p->degrees, p->minutes, p->hemisphere, axis);
    // Rounding must not carry a position past the pole or the date line.
    if (!parse(text, axis))
        return std::nullopt;
    return text;
}

std::optional<double> positionDegrees(const QString& text, Axis axis)
{
    const std::optional<Parts> p = parse(text, axis);
    if (!p)
        return std::nullopt;
    const double value = p->degrees + p->minutes / 60.0;
    return p->hemisphere == u'S' || p->hemisphere == u'W' ? -value : value;
}

QString positionText(double degrees, Axis axis)
{
    const bool negative = degrees < 0;
    const double a = std::fabs(degrees);
    int whole = int(std::floor(a));
    const double minutes = (a - whole) * 60.0;
    const QChar hemisphere =
        axis == Axis::Latitude ? (negative ? u'S' : u'N') : (negative ? u'W' : u'E');
    return format(whole, minutes, hemisphere, axis);
}

} // namespace hb
