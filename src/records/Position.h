#pragma once

#include <QString>

#include <optional>

namespace hb {

// Positions as the log keeps them: degrees, a blank, minutes with two decimals, a blank and
// the hemisphere letter ("48 07.04 N", "011 31.00 E"). Latitudes have two degree digits,
// longitudes three.
enum class Axis { Latitude, Longitude };

// A position as the user typed it ("48 7.04 n", "9 07.04S", "48°07.04'N", "48 07 N") in the
// stored form; an empty text (or one of only blanks, "." and "_") stays empty; none when it is not a position on that axis
// (degrees or minutes out of range, a wrong hemisphere letter).
std::optional<QString> normalisePosition(const QString& typed, Axis axis);

// Signed decimal degrees of a stored position (south and west negative); none when the text
// is not a position.
std::optional<double> positionDegrees(const QString& text, Axis axis);

// The stored form of signed decimal degrees.
QString positionText(double degrees, Axis axis);

} // namespace hb
