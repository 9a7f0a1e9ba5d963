#include "records/Gpx.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <cmath>

namespace hb {

namespace {

QString where(const QXmlStreamReader& xml)
{
    return QStringLiteral(" (line %1)").arg(xml.lineNumber());
}

} // namespace

GpxRead readGpx(const QByteArray& data)
{
    GpxRead result;
    if (data.size() > GpxMaxBytes) {
        result.error = QStringLiteral("The file is larger than %1 MB.").arg(GpxMaxBytes >> 20);
        return result;
    }
    QXmlStreamReader xml(data);
    bool sawRoot = false;
    GpxWaypoint current;
    bool inWpt = false;
    QString field; // the child of wpt being read
    auto fail = [&](const QString& why) {
        result.waypoints.clear();
        result.error = why;
        return result;
    };
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        switch (token) {
        case QXmlStreamReader::DTD:
            return fail(QStringLiteral("The file declares a document type, which GPX files do "
                                       "not have."));
        case QXmlStreamReader::EntityReference:
            return fail(QStringLiteral("The file uses an entity that is not defined") + where(xml) +
                        u'.');
        case QXmlStreamReader::StartElement: {
            const QStringView name = xml.name();
            if (!sawRoot) {
                if (name != QLatin1String("gpx"))
                    return fail(QStringLiteral("The file is not a GPX file."));
                sawRoot = true;
                break;
            }
            if (name == QLatin1String("wpt") && !inWpt) {
                bool latOk = false, lonOk = false;
                const double lat = xml.attributes().value(QLatin1String("lat")).toDouble(&latOk);
                const double lon = xml.attributes().value(QLatin1String("lon")).toDouble(&lonOk);
                if (!latOk || !lonOk || !std::isfinite(lat) || !std::isfinite(lon))
                    return fail(QStringLiteral("A waypoint has no valid position") + where(xml) +
                                u'.');
                if (lat < -90 || lat > 90 || lon < -180 || lon > 180)
                    return fail(QStringLiteral("A waypoint's position is out of range") +
                                where(xml) + u'.');
                current = GpxWaypoint{lat, lon, {}, {}, {}};
                inWpt = true;
                field.clear();
            } else if (inWpt) {
                field = name.toString();
            }
            break;
        }
        case QXmlStreamReader::Characters:
            if (inWpt && !xml.isWhitespace()) {
                if (field == QLatin1String("name"))
                    current.name += xml.text();
                else if (field == QLatin1String("desc"))
                    current.desc += xml.text();
                else if (field == QLatin1String("time"))
                    current.time =
                        QDateTime::fromString(xml.text().toString().trimmed(), Qt::ISODate);
            }
            break;
        case QXmlStreamReader::EndElement:
            if (inWpt && xml.name() == QLatin1String("wpt")) {
                current.name = current.name.trimmed();
                current.desc = current.desc.trimmed();
                result.waypoints.push_back(current);
                inWpt = false;
            } else if (inWpt) {
                field.clear();
            }
            break;
        default:
            break;
        }
    }
    if (xml.hasError())
        return fail(QStringLiteral("The file is not well-formed XML: %1").arg(xml.errorString()) +
                    where(xml) + u'.');
    if (!sawRoot)
        return fail(QStringLiteral("The file is not a GPX file."));
    return result;
}

QByteArray writeGpx(const std::vector<GpxWaypoint>& waypoints)
{
    QByteArray out;
    QXmlStreamWriter xml(&out);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("gpx"));
    xml.writeDefaultNamespace(QStringLiteral("http://www.topografix.com/GPX/1/1"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.1"));
    xml.writeAttribute(QStringLiteral("creator"), QStringLiteral("Helmbook"));
    for (const GpxWaypoint& w : waypoints) {
        xml.writeStartElement(QStringLiteral("wpt"));
        xml.writeAttribute(QStringLiteral("lat"), QString::number(w.latitude, 'f', 6));
        xml.writeAttribute(QStringLiteral("lon"), QString::number(w.longitude, 'f', 6));
        if (w.time.isValid())
            xml.writeTextElement(QStringLiteral("time"), w.time.toUTC().toString(Qt::ISODate));
        if (!w.name.isEmpty())
            xml.writeTextElement(QStringLiteral("name"), w.name);
        if (!w.desc.isEmpty())
            xml.writeTextElement(QStringLiteral("desc"), w.desc);
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndDocument();
    return out;
}

} // namespace hb
