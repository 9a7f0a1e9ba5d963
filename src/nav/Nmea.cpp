#include "nav/Nmea.h"

#include "common/Formats.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace hb::nmea {

namespace {

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// An unsigned decimal number written with ASCII digits and at most one ".", read without
// regard to the process locale.
std::optional<double> readNumber(QStringView text)
{
    bool point = false;
    bool digit = false;
    for (QChar c : text) {
        if (isAsciiDigit(c)) {
            digit = true;
        } else if (c == u'.' && !point) {
            point = true;
        } else {
            return std::nullopt;
        }
    }
    if (!digit)
        return std::nullopt;
    const QByteArray latin = text.toLatin1();
    double value = 0;
    const auto [end, ec] = std::from_chars(latin.constData(), latin.constData() + latin.size(),
                                           value, std::chars_format::fixed);
    if (ec != std::errc() || end != latin.constData() + latin.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// A whole number of exactly two ASCII digits.
std::optional<int> twoDigits(QStringView text)
{
    if (text.size() != 2 || !isAsciiDigit(text[0]) || !isAsciiDigit(text[1]))
        return std::nullopt;
    return (text[0].unicode() - u'0') * 10 + (text[1].unicode() - u'0');
}

// One sentence read from the front, a field at a time. The last field (the one running into
// "*") is handed out but makes the sentence invalid, as does any caller that finds a field
// unusable; an invalid sentence hands out nothing more.
class Sentence
{
public:
    explicit Sentence(QStringView text) : m_text(text), m_rest(text) {}

    bool valid() const { return m_valid; }
    void invalidate() { m_valid = false; }

    // Starts again from the front, just after the address.
    void restart()
    {
        m_rest = m_text;
        m_valid = true;
        next();
    }

    QStringView next()
    {
        if (!m_valid)
            return {};
        const qsizetype comma = m_rest.indexOf(u',');
        if (comma < 0) {
            const QStringView field = m_rest;
            m_rest = {};
            m_valid = false;
            return field;
        }
        const QStringView field = m_rest.first(comma);
        m_rest = m_rest.sliced(comma + 1);
        return field;
    }

    // Reads a field that must be usable: empty when the sentence has ended.
    std::optional<QStringView> usable()
    {
        const QStringView field = next();
        if (!m_valid)
            return std::nullopt;
        return field;
    }

    void skip(int fields)
    {
        for (int i = 0; i < fields && m_valid; ++i)
            next();
    }

private:
    QStringView m_text;
    QStringView m_rest;
    bool m_valid = true;
};

// A latitude "ddmm.mm…" or longitude "dddmm.mm…" field, checked and rounded for display.
struct Coordinate
{
    double degrees = 0; // unsigned decimal degrees
    QString degreeText; // "48", "011"; one more than the field's when the minutes carry
    QString minuteText; // "07.04"
};

std::optional<Coordinate> readCoordinate(QStringView field, int degreeDigits, int maxDegrees)
{
    if (field.size() <= degreeDigits)
        return std::nullopt;
    int whole = 0;
    for (int i = 0; i < degreeDigits; ++i) {
        if (!isAsciiDigit(field[i]))
            return std::nullopt;
        whole = whole * 10 + (field[i].unicode() - u'0');
    }
    const std::optional<double> minutes = readNumber(field.sliced(degreeDigits));
    if (!minutes || *minutes >= 60)
        return std::nullopt;
    Coordinate c;
    c.degrees = whole + *minutes / 60;
    if (c.degrees > maxDegrees)
        return std::nullopt;
    c.minuteText = formatNumber(*minutes, QStringLiteral("00.00"));
    if (c.minuteText == QLatin1String("60.00")) {
        ++whole;
        c.minuteText = QStringLiteral("00.00");
    }
    c.degreeText = formatNumber(whole, QString(degreeDigits, u'0'));
    return c;
}

class Decoder
{
public:
    Decoder(const QStringList& packets, int utcOffset) : m_packets(packets), m_offset(utcOffset) {}

    DecodeResult run(const QString& keeperName, const QString& todayText)
    {
        r.logLine = keeperName + QLatin1String(": ") + todayText + QLatin1String(", ");
        gga();
        if (!r.positionFound)
            gll();
        rmc();
        if (r.positionFound && !(m_rmcSpeed && m_rmcCourse))
            vtg();
        if (r.positionFound)
            rmb();
        if (r.positionFound)
            dbt();
        return std::move(r);
    }

private:
    // The first packet between the first and the last that carries the code.
    std::optional<QStringView> find(QLatin1String code) const
    {
        for (qsizetype i = 1; i + 1 < m_packets.size(); ++i) {
            if (m_packets.at(i).contains(code))
                return QStringView(m_packets.at(i));
        }
        return std::nullopt;
    }

    enum class TimeUse { TextOnly, EntryTime };

    bool readTime(Sentence& s, TimeUse use)
    {
        const std::optional<QStringView> field = s.usable();
        if (!field)
            return false;
        const bool allowed = std::all_of(field->begin(), field->end(),
                                         [](QChar c) { return isAsciiDigit(c) || c == u'.'; });
        const std::optional<int> hh =
            twoDigits(field->first(std::min<qsizetype>(2, field->size())));
        const std::optional<int> mm =
            field->size() >= 4 ? twoDigits(field->sliced(2, 2)) : std::nullopt;
        if (!allowed || !hh || !mm || *hh > 23 || *mm > 59) {
            s.invalidate();
            return false;
        }
        const int hour = m_offset == 0 ? *hh : ((*hh + m_offset % 24) % 24 + 24) % 24;
        if (!m_timeWritten) {
            const QString minutes = field->sliced(2, 2).toString();
            if (m_offset == 0) {
                r.logLine += field->first(2) + u':' + minutes + QLatin1String(" UTC, ");
            } else {
                r.logLine += u' ' + QString::number(hour).rightJustified(2, u'0') + u':' + minutes +
                             QLatin1String(" LOC, ");
            }
            m_timeWritten = true;
        }
        if (use == TimeUse::EntryTime)
            r.entryTime = QTime(hour, *mm);
        return true;
    }

    // Latitude, N/S, longitude, E/W. The vessel position updates the decimal position and the
    // watch texts; a waypoint's only goes into the log line.
    enum class Whose { Vessel, Waypoint };

    bool readPosition(Sentence& s, Whose whose)
    {
        std::optional<QStringView> field = s.usable();
        const std::optional<Coordinate> lat = field ? readCoordinate(*field, 2, 90) : std::nullopt;
        if (!lat) {
            s.invalidate();
            return false;
        }
        r.logLine += QLatin1String("Position= ") + lat->degreeText + u' ' + lat->minuteText + u' ';
        field = s.usable();
        if (!field || (*field != u"N" && *field != u"S")) {
            s.invalidate();
            return false;
        }
        const QChar ns = field->front();
        r.logLine += ns + QLatin1String(" ");
        if (whose == Whose::Vessel)
            r.crsLatt = lat->degreeText + u' ' + lat->minuteText + u' ' + ns;

        field = s.usable();
        const std::optional<Coordinate> lon = field ? readCoordinate(*field, 3, 180) : std::nullopt;
        if (!lon) {
            s.invalidate();
            return false;
        }
        r.logLine += lon->degreeText + u' ' + lon->minuteText + u' ';
        field = s.usable();
        if (!field || (*field != u"E" && *field != u"W")) {
            s.invalidate();
            return false;
        }
        const QChar ew = field->front();
        r.logLine += ew;
        if (whose == Whose::Vessel) {
            r.crsLong = lon->degreeText + u' ' + lon->minuteText + u' ' + ew;
            r.latitude = ns == u'S' ? -lat->degrees : lat->degrees;
            r.longitude = ew == u'W' ? -lon->degrees : lon->degrees;
            r.positionFound = true;
        }
        return true;
    }

    void speed(double knots)
    {
        const QString text = formatNumber(knots, QStringLiteral("00.0")) + QLatin1String(" K");
        r.logLine += QLatin1String(", SOG=") + text;
        r.boatSpd = text;
    }

    void course(double degrees, QChar reference)
    {
        const QString text = formatNumber(degrees, QStringLiteral("000")) + u' ' + reference;
        r.logLine += QLatin1String(", CMG=") + text;
        r.boatCourse = text;
    }

    void gga()
    {
        const auto text = find(QLatin1String("GGA"));
        if (!text)
            return;
        Sentence s(*text);
        s.next();
        if (!readTime(s, TimeUse::EntryTime))
            return;
        m_timeSet = true;
        readPosition(s, Whose::Vessel);
    }

    void gll()
    {
        const auto text = find(QLatin1String("GLL"));
        if (!text)
            return;
        Sentence s(*text);
        s.skip(5);
        if (!readTime(s, TimeUse::TextOnly))
            return;
        s.restart();
        readPosition(s, Whose::Vessel);
    }

    void rmc()
    {
        const auto text = find(QLatin1String("RMC"));
        if (!text)
            return;
        Sentence s(*text);
        s.next();
        if (!m_timeSet) {
            if (!readTime(s, TimeUse::EntryTime))
                return;
        } else {
            s.next();
        }
        s.next(); // status, not checked
        if (!r.positionFound) {
            if (!readPosition(s, Whose::Vessel))
                return;
        } else {
            s.skip(4);
        }
        if (const auto field = s.usable()) {
            if (const auto knots = readNumber(*field)) {
                speed(*knots);
                m_rmcSpeed = true;
            }
        }
        if (const auto field = s.usable()) {
            if (const auto degrees = readNumber(*field)) {
                course(*degrees, u'T');
                m_rmcCourse = true;
            }
        }
    }

    void vtg()
    {
        const auto text = find(QLatin1String("VTG"));
        if (!text)
            return;
        Sentence s(*text);
        s.next();
        // Value and unit letter pairs: true course, magnetic course, speed in knots.
        std::optional<double> values[3];
        const char16_t units[3] = {u'T', u'M', u'N'};
        for (int i = 0; i < 3; ++i) {
            const auto value = s.usable();
            const auto unit = s.usable();
            if (!value || !unit)
                break;
            if (*unit == QStringView(&units[i], 1))
                values[i] = readNumber(*value);
        }
        if (!m_rmcSpeed && values[2])
            speed(*values[2]);
        if (!m_rmcCourse) {
            if (values[0])
                course(*values[0], u'T');
            else if (values[1])
                course(*values[1], u'M');
        }
    }

    void rmb()
    {
        const auto text = find(QLatin1String("RMB"));
        if (!text)
            return;
        Sentence s(*text);
        s.next();
        const auto status = s.usable();
        if (!status || *status != u"A")
            return;
        const auto append = [&](QLatin1String label) {
            const auto field = s.usable();
            if (field)
                r.logLine += label + *field;
            return field.has_value();
        };
        if (!append(QLatin1String(", CTX=")) || !append(QLatin1String("")) ||
            !append(QLatin1String(", LastWP_ID=")) || !append(QLatin1String(", NextWP_ID=")))
            return;
        r.logLine += QLatin1String(" Next WP ");
        if (!readPosition(s, Whose::Waypoint))
            return;
        if (append(QLatin1String(", Next WP Range=")))
            append(QLatin1String(", Next WP Bearing="));
    }

    void dbt()
    {
        const auto text = find(QLatin1String("DBT"));
        if (!text)
            return;
        Sentence s(*text);
        s.next();
        if (const auto feet = s.usable())
            r.logLine += QLatin1String(", Depth: ") + *feet + QLatin1String("Feet");
    }

    const QStringList& m_packets;
    const int m_offset;
    DecodeResult r;
    bool m_timeSet = false;     // GGA gave the entry time
    bool m_timeWritten = false; // a time is in the log line
    bool m_rmcSpeed = false;
    bool m_rmcCourse = false;
};

} // namespace

DecodeResult decode(const QStringList& packets, const QString& keeperName, int utcOffset,
                    const QString& todayText)
{
    return Decoder(packets, utcOffset).run(keeperName, todayText);
}

} // namespace hb::nmea
