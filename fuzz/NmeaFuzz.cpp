#include "NmeaFuzz.h"

#include "nav/Nmea.h"
#include "nav/NmeaFramer.h"

#include <QRegularExpression>

#include <cmath>

namespace hb::fuzz {

namespace {

const QString Prefix = QStringLiteral("F: 1/1/2000, ");

// A watch-page position text; returns its value in degrees or a negative number when the text
// is malformed, out of range or shows 60 minutes.
double positionText(const QString& text, const QRegularExpression& form, int maxDegrees)
{
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch())
        return -1;
    const int degrees = m.captured(1).toInt();
    const double minutes = m.captured(2).toDouble();
    if (minutes >= 60 || degrees + minutes / 60 > maxDegrees)
        return -1;
    return degrees + minutes / 60;
}

QString checkResult(const nmea::DecodeResult& r)
{
    static const QRegularExpression latForm(QStringLiteral("^(\\d\\d) (\\d\\d\\.\\d\\d) ([NS])$"));
    static const QRegularExpression lonForm(QStringLiteral("^(\\d{3}) (\\d\\d\\.\\d\\d) ([EW])$"));
    static const QRegularExpression speedForm(QStringLiteral("^\\d{2,}\\.\\d K$"));
    static const QRegularExpression courseForm(QStringLiteral("^\\d{3,} [TM]$"));

    if (!r.logLine.startsWith(Prefix))
        return QStringLiteral("log line lost its start: ") + r.logLine;
    double latText = 0;
    double lonText = 0;
    if (r.crsLatt && (latText = positionText(*r.crsLatt, latForm, 90)) < 0)
        return QStringLiteral("bad latitude text: ") + *r.crsLatt;
    if (r.crsLong && (lonText = positionText(*r.crsLong, lonForm, 180)) < 0)
        return QStringLiteral("bad longitude text: ") + *r.crsLong;
    if (r.boatSpd && !speedForm.match(*r.boatSpd).hasMatch())
        return QStringLiteral("bad speed text: ") + *r.boatSpd;
    if (r.boatCourse && !courseForm.match(*r.boatCourse).hasMatch())
        return QStringLiteral("bad course text: ") + *r.boatCourse;
    if (r.entryTime && !r.entryTime->isValid())
        return QStringLiteral("invalid entry time");
    if (!r.positionFound)
        return {};

    const QString where =
        QStringLiteral(" (%1, %2)").arg(r.latitude, 0, 'g', 17).arg(r.longitude, 0, 'g', 17);
    if (!std::isfinite(r.latitude) || !std::isfinite(r.longitude))
        return QStringLiteral("position not finite") + where;
    if (std::abs(r.latitude) > 90 || std::abs(r.longitude) > 180)
        return QStringLiteral("position out of range") + where;
    if (!r.crsLatt || !r.crsLong)
        return QStringLiteral("position without its texts") + where;
    // The texts show the position rounded to hundredths of a minute, with its hemisphere.
    const bool south = r.crsLatt->endsWith(u'S');
    const bool west = r.crsLong->endsWith(u'W');
    if ((south ? r.latitude > 0 : r.latitude < 0) || (west ? r.longitude > 0 : r.longitude < 0))
        return QStringLiteral("sign differs from hemisphere") + where;
    const double tolerance = 0.0051 / 60;
    if (std::abs(std::abs(r.latitude) - latText) > tolerance ||
        std::abs(std::abs(r.longitude) - lonText) > tolerance)
        return QStringLiteral("texts differ from position: ") + *r.crsLatt + u' ' + *r.crsLong +
               where;
    return {};
}

QString decodeBursts(const QStringList& packets)
{
    for (qsizetype i = 0; i < packets.size(); i += 20) {
        const QString failure = checkResult(
            nmea::decode(packets.mid(i, 20), QStringLiteral("F"), 0, QStringLiteral("1/1/2000")));
        if (!failure.isEmpty())
            return failure;
    }
    return {};
}

} // namespace

QString checkDecode(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return {};
    const int offset = static_cast<std::int8_t>(data[0]);
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));
    const QStringList packets = text.split(u'\n');
    return checkResult(
        nmea::decode(packets, QStringLiteral("F"), offset, QStringLiteral("1/1/2000")));
}

QString checkFramer(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView stream(reinterpret_cast<const char*>(data), qsizetype(size));

    nmea::Framer whole;
    const QStringList packets = whole.feed(stream);

    // Pieces of 1 to 16 bytes, each length taken from the byte that starts the piece.
    nmea::Framer pieces;
    QStringList again;
    for (qsizetype at = 0; at < stream.size();) {
        const qsizetype length = std::min<qsizetype>(1 + data[at] % 16, stream.size() - at);
        again << pieces.feed(stream.sliced(at, length));
        at += length;
    }
    if (again != packets)
        return QStringLiteral("packets depend on how the stream is cut");

    qsizetype from = 0;
    for (const QString& p : packets) {
        if (p.size() < 2 || p.size() > nmea::Framer::MaxPacketLength || !p.startsWith(u'$') ||
            !p.endsWith(u'*'))
            return QStringLiteral("bad packet bounds: ") + p;
        for (qsizetype i = 1; i + 1 < p.size(); ++i) {
            const char16_t c = p.at(i).unicode();
            if (c < 0x20 || c > 0x7E || c == u'$' || c == u'*')
                return QStringLiteral("bad character inside packet: ") + p;
        }
        // Packets are copied from the stream in order.
        const qsizetype at = stream.indexOf(QByteArrayView(p.toLatin1()), from);
        if (at < 0)
            return QStringLiteral("packet not in the stream: ") + p;
        from = at + p.size();
    }
    return decodeBursts(packets);
}

} // namespace hb::fuzz
