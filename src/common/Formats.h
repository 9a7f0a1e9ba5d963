#pragma once

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QTime>

namespace hb {

// Display patterns used on the pages, in one place.
namespace fmt {
inline constexpr const char* Money = "#,##0.00"; // money and totals in lists
inline constexpr const char* TwoDecimals = "#0.00";
inline constexpr const char* Minutes = "00.00"; // minutes of a position
inline constexpr const char* Speed = "00.0";
inline constexpr const char* Course = "000";
inline constexpr const char* Distance = "###,##0.0#"; // nautical miles
inline constexpr const char* Hours = "#,###.##";
inline constexpr const char* Hours6 = "###,###.##";
inline constexpr const char* Amount = "##,###.00";
inline constexpr const char* Rate = "###.00";
inline constexpr const char* Total = "###,##0.00";
inline constexpr const char* Time24 = "HH:nn";
inline constexpr const char* Time12 = "hh:nn am/pm";
inline constexpr const char* UsDate = "mm/dd/yyyy";
inline constexpr const char* FileDate = "mmddyyyy"; // backup file names
} // namespace fmt

// Formats numbers and dates with the patterns the pages use, in the user's locale.
//
// Number patterns: "0" is a required digit, "#" an optional one, "," anywhere before the
// decimal point asks for digit grouping, "." places the decimal point. Decimals are rounded
// half away from zero to the number of "0"/"#" after the point; trailing optional decimals
// that are zero are dropped (with the point when none remain). A value that would show no
// digit at all shows "0".
//
// Date and time patterns: "yyyy", "yy", "mm", "dd", "m", "d" for dates (an "mm" or "m" right
// after an hour means minutes), "HH"/"hh"/"H"/"h" hours, "nn"/"n" minutes, "ss" seconds,
// "am/pm" switches to the 12-hour clock; "/" and ":" stand as written.
class Formats
{
public:
    explicit Formats(const QLocale& locale = QLocale());

    QString number(double value, const QString& pattern) const;
    QString dateTime(const QDateTime& value, const QString& pattern) const;
    QString date(const QDate& value, const QString& pattern) const;
    QString time(const QTime& value, const QString& pattern) const;

    // The user's short date: the locale's order with "/" as separator and a four-digit year.
    QString shortDate(const QDate& value) const;
    QDate parseShortDate(const QString& text) const;
    QString shortDatePattern() const { return m_shortDate; } // Qt pattern, e.g. "M/d/yyyy"

    QString currencySymbol() const;
    // Money in lists: currency symbol + "#,##0.00".
    QString money(double value) const;

    const QLocale& locale() const { return m_locale; }

private:
    QLocale m_locale;
    QString m_shortDate;
};

// Pattern formatting with an explicit decimal point and group separator; Formats::number uses
// the locale's. Exposed for code that must write numbers with "." whatever the locale.
QString formatNumber(double value, const QString& pattern, QChar decimalPoint = u'.',
                     QChar groupSeparator = u',');

} // namespace hb
