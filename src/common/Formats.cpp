#include "common/Formats.h"

#include <cmath>

namespace hb {

namespace {

struct NumberPattern
{
    int minInt = 0;
    int minDec = 0;
    int maxDec = 0;
    bool grouping = false;
};

NumberPattern parsePattern(const QString& pattern)
{
    NumberPattern p;
    const qsizetype point = pattern.indexOf(u'.');
    const QString intPart = point < 0 ? pattern : pattern.left(point);
    const QString decPart = point < 0 ? QString() : pattern.mid(point + 1);
    p.minInt = int(intPart.count(u'0'));
    p.grouping = intPart.contains(u',');
    p.minDec = int(decPart.count(u'0'));
    p.maxDec = p.minDec + int(decPart.count(u'#'));
    return p;
}

// Decimal digits of |value| rounded half away from zero to `decimals` places, taken from the
// 15 significant digits of the double (so 2.345 rounds to 2.35 as a user expects).
void roundedDigits(double value, int decimals, QString& intDigits, QString& decDigits)
{
    const QString sci = QString::number(std::fabs(value), 'e', 14); // d.dddddddddddddde+XX
    const qsizetype e = sci.indexOf(u'e');
    QString digits = sci.left(1) + sci.mid(2, e - 2);
    int exponent = sci.mid(e + 1).toInt();
    // Digits before the point: exponent + 1 (may be <= 0).
    int pointPos = exponent + 1;
    if (pointPos < 0) {
        digits.prepend(QString(-pointPos, u'0'));
        pointPos = 0;
    }
    const int keep = pointPos + decimals;
    if (digits.size() < keep)
        digits.append(QString(keep - digits.size(), u'0'));
    bool roundUp = keep < digits.size() && digits.at(keep) >= u'5';
    digits.truncate(keep);
    if (roundUp) {
        int i = keep - 1;
        while (i >= 0) {
            if (digits[i] == u'9') {
                digits[i] = u'0';
                --i;
            } else {
                digits[i] = QChar(digits[i].unicode() + 1);
                break;
            }
        }
        if (i < 0) {
            digits.prepend(u'1');
            ++pointPos;
        }
    }
    intDigits = digits.left(pointPos);
    decDigits = digits.mid(pointPos);
}

} // namespace

QString formatNumber(double value, const QString& pattern, QChar decimalPoint, QChar groupSeparator)
{
    if (std::isnan(value))
        return QStringLiteral("NaN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    const NumberPattern p = parsePattern(pattern);
    QString intDigits, decDigits;
    roundedDigits(value, p.maxDec, intDigits, decDigits);

    while (decDigits.size() > p.minDec && decDigits.endsWith(u'0'))
        decDigits.chop(1);
    while (!intDigits.isEmpty() && intDigits.front() == u'0')
        intDigits.remove(0, 1);
    if (intDigits.size() < p.minInt)
        intDigits.prepend(QString(p.minInt - intDigits.size(), u'0'));
    if (intDigits.isEmpty() && decDigits.isEmpty())
        intDigits = QStringLiteral("0");

    const bool isZero = !std::any_of(intDigits.cbegin(), intDigits.cend(), [](QChar c) {
        return c != u'0';
    }) && !std::any_of(decDigits.cbegin(), decDigits.cend(), [](QChar c) { return c != u'0'; });
    if (p.grouping) {
        for (qsizetype i = intDigits.size() - 3; i > 0; i -= 3)
            intDigits.insert(i, groupSeparator);
    }
    QString out;
    if (value < 0 && !isZero)
        out += u'-';
    out += intDigits;
    if (!decDigits.isEmpty())
        out += decimalPoint + decDigits;
    return out;
}

Formats::Formats(const QLocale& locale) : m_locale(locale)
{
    // The locale's short order of day, month and year, written with "/" and a full year.
    const QString qtShort = m_locale.dateFormat(QLocale::ShortFormat);
    QStringList parts;
    for (qsizetype i = 0; i < qtShort.size();) {
        const QChar c = qtShort.at(i);
        qsizetype j = i;
        while (j < qtShort.size() && qtShort.at(j) == c)
            ++j;
        const qsizetype len = j - i;
        if (c == u'd' && len <= 2)
            parts << QString(len, u'd');
        else if (c == u'M' && len <= 2)
            parts << QString(len, u'M');
        else if (c == u'y')
            parts << QStringLiteral("yyyy");
        i = j;
    }
    if (parts.size() != 3)
        parts = {QStringLiteral("M"), QStringLiteral("d"), QStringLiteral("yyyy")};
    m_shortDate = parts.join(u'/');
}

QString Formats::number(double value, const QString& pattern) const
{
    return formatNumber(value, pattern, m_locale.decimalPoint().at(0),
                        m_locale.groupSeparator().isEmpty() ? QChar(u',')
                                                            : m_locale.groupSeparator().at(0));
}

QString Formats::dateTime(const QDateTime& value, const QString& pattern) const
{
    const QDate d = value.date();
    const QTime t = value.time();
    const bool twelveHour = pattern.contains(QLatin1String("am/pm"), Qt::CaseInsensitive);
    QString out;
    bool afterHour = false;
    for (qsizetype i = 0; i < pattern.size();) {
        if (pattern.mid(i, 5).compare(QLatin1String("am/pm"), Qt::CaseInsensitive) == 0) {
            QString ampm = t.hour() < 12 ? QStringLiteral("am") : QStringLiteral("pm");
            if (pattern.at(i) == u'A')
                ampm = ampm.toUpper();
            out += ampm;
            i += 5;
            continue;
        }
        const QChar c = pattern.at(i);
        qsizetype j = i;
        while (j < pattern.size() && pattern.at(j).toLower() == c.toLower())
            ++j;
        const qsizetype len = j - i;
        const QChar lc = c.toLower();
        auto two = [](int n) { return QString::number(n).rightJustified(2, u'0'); };
        if (lc == u'y') {
            out +=
                len >= 4 ? QString::number(d.year()).rightJustified(4, u'0') : two(d.year() % 100);
            afterHour = false;
        } else if (lc == u'm') {
            const int n = afterHour ? t.minute() : d.month();
            out += len >= 2 ? two(n) : QString::number(n);
            afterHour = false;
        } else if (lc == u'd') {
            out += len >= 2 ? two(d.day()) : QString::number(d.day());
            afterHour = false;
        } else if (lc == u'h') {
            int h = t.hour();
            if (twelveHour) {
                h %= 12;
                if (h == 0)
                    h = 12;
            }
            out += len >= 2 ? two(h) : QString::number(h);
            afterHour = true;
        } else if (lc == u'n') {
            out += len >= 2 ? two(t.minute()) : QString::number(t.minute());
            afterHour = false;
        } else if (lc == u's') {
            out += len >= 2 ? two(t.second()) : QString::number(t.second());
            afterHour = false;
        } else {
            out += pattern.mid(i, len);
        }
        i = j;
    }
    return out;
}

QString Formats::date(const QDate& value, const QString& pattern) const
{
    return dateTime(QDateTime(value, QTime(0, 0)), pattern);
}

QString Formats::time(const QTime& value, const QString& pattern) const
{
    return dateTime(QDateTime(QDate(1899, 12, 30), value), pattern);
}

QString Formats::shortDate(const QDate& value) const
{
    return value.isValid() ? QLocale::c().toString(value, m_shortDate) : QString();
}

QDate Formats::parseShortDate(const QString& text) const
{
    const QString trimmed = text.trimmed();
    QDate d = QLocale::c().toDate(trimmed, m_shortDate);
    if (!d.isValid()) {
        QString twoDigit = m_shortDate;
        twoDigit.replace(QLatin1String("yyyy"), QLatin1String("yy"));
        d = QLocale::c().toDate(trimmed, twoDigit);
        if (d.isValid() && d.year() < 1950)
            d = d.addYears(100);
    }
    return d;
}

QString Formats::currencySymbol() const
{
    return m_locale.currencySymbol(QLocale::CurrencySymbol);
}

QString Formats::money(double value) const
{
    return currencySymbol() + number(value, QString::fromLatin1(fmt::Money));
}

} // namespace hb
