#pragma once

#include <QString>
#include <QStringList>
#include <QTime>

#include <optional>

namespace hb::nmea {

// What one decoding of a burst of packets produced.
//
// The texts for the watch page are optional: each is set only when the decoding produced its
// value, and the caller leaves the field on the page alone otherwise.
struct DecodeResult
{
    // "<keeper>: <today>, " followed by time, position, speed, course, waypoint and depth.
    // Without a position the line is not meant to be logged.
    QString logLine;
    // A complete vessel position (latitude, N/S, longitude, E/W) was read.
    bool positionFound = false;
    // Vessel position in signed decimal degrees: south and west are negative. Meaningful only
    // when positionFound; always finite, |latitude| <= 90, |longitude| <= 180.
    double latitude = 0;
    double longitude = 0;

    std::optional<QString> crsLatt;    // "48 07.04 N"
    std::optional<QString> crsLong;    // "011 31.00 E"
    std::optional<QString> boatSpd;    // "22.4 K"
    std::optional<QString> boatCourse; // "084 T" (or "084 M" from a magnetic VTG course)
    std::optional<QTime> entryTime;    // hours and minutes, in local time when an offset is set
};

// Decodes a burst of NMEA 0183 packets as the GPS capture collects them: each packet from "$"
// up to and including "*", the checksum characters not captured and never checked.
//
// `keeperName` and `todayText` (today in the user's short date format) start the log line;
// `utcOffset` is the watch page's offset in whole hours (0 writes "hh:mm UTC", anything else
// the local "hh:mm LOC"; any value is taken modulo 24).
//
// Finding a sentence: only the second to the second-to-last packet are searched, and the first
// packet that contains the three-letter code anywhere is the one decoded (the talker is not
// checked, so "$GNGGA" and "$IIGGA" count like "$GPGGA").
//
// Fields are read from the front, one "," at a time, after the address. The field before "*"
// is never usable, and the first missing, empty or malformed time, latitude, hemisphere or
// longitude ends the sentence: it keeps what it had appended to the log line and nothing more
// happens in it. Numbers are read with "." whatever the process locale. Hemisphere letters
// must be upper case. A latitude over 90 degrees, a longitude over 180, minutes of 60 or more
// and digits that are not ASCII make the field unusable.
//
// The sentences, in this order:
// - GGA: time (also the entry time), then the vessel position.
// - GLL, only when GGA gave no position: its time (field 5) must be usable, then the position.
// - RMC: time and entry time when GGA gave no usable time; the position when none was found
//   yet; speed over ground and track made good.
// - VTG, only with a position and when RMC did not supply both speed and course (see below).
// - RMB, only with a position and status "A": cross-track error and steering direction,
//   origin and destination waypoint IDs, destination position (in the line only), range and
//   bearing.
// - DBT, only with a position: depth in feet.
//
// Positions: the log line shows the degree digits, the minutes as "00.00" and the hemisphere
// letter; the minutes are rounded first, so 47 59.996 N shows as "48 00.00 N", never "60.00".
//
// The time text goes into the log line once: when a later sentence reads another time (GLL
// after GGA, RMC after GLL) it is checked as usual but not written again, so the line never
// reads "…E14:35 UTC, , SOG=…".
//
// Speed and course of RMC: an empty or non-numeric speed (or course) adds nothing for that
// item and leaves its watch text alone; the sentence continues with the next field. Each
// item counts as supplied by RMC only when it was a number.
//
// VTG fills in only what RMC did not supply: the speed from field 5 when field 6 is "N"
// (", SOG=" + "00.0" + " K"), the course from field 1 when field 2 is "T" (", CMG=" + "000" +
// " T"), otherwise from field 3 when field 4 is "M" (the same with " M"). Speed comes before
// course in the line, as with RMC. The pre-2.0 form without unit letters is not read.
DecodeResult decode(const QStringList& packets, const QString& keeperName, int utcOffset,
                    const QString& todayText);

} // namespace hb::nmea
