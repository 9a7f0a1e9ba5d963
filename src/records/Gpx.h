#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <vector>

namespace hb {

// A waypoint as GPX 1.1 carries it (`wpt` with `name`, `desc`, `time`).
struct GpxWaypoint
{
    double latitude = 0;  // decimal degrees, south negative
    double longitude = 0; // decimal degrees, west negative
    QString name;
    QString desc;
    QDateTime time; // invalid when the file has none
};

struct GpxRead
{
    std::vector<GpxWaypoint> waypoints;
    QString error; // empty when the whole file was read
};

// Files larger than this are refused before they are parsed.
inline constexpr qint64 GpxMaxBytes = 16 * 1024 * 1024;

// Reads the waypoints of a GPX file. Anything that is not plain GPX is refused as a whole,
// with the reason: not XML, a document type declaration (entities), no `gpx` root, a `wpt`
// without valid coordinates or with coordinates out of range.
GpxRead readGpx(const QByteArray& data);

// Writes waypoints as a GPX 1.1 document.
QByteArray writeGpx(const std::vector<GpxWaypoint>& waypoints);

} // namespace hb
