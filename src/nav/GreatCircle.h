#pragma once

namespace hb::nav {

inline constexpr double EarthRadiusKm = 6371.0;
inline constexpr double NauticalMilesPerKm = 0.539956803;

// Great-circle distance in nautical miles by the spherical law of cosines, positions in
// signed radians (south and west negative). Rounding can push the cosine of the central angle
// just past 1 for nearly identical points; it is held within -1..1, so identical points give
// exactly 0 and antipodes the half circumference. Legs across the equator, the prime meridian
// and the antimeridian come out right because the positions carry their signs. A NaN
// coordinate gives NaN.
double greatCircleNm(double lat1, double lon1, double lat2, double lon2);

// The same with signed decimal degrees, as the NMEA decoder gives them.
double greatCircleNmDegrees(double lat1, double lon1, double lat2, double lon2);

double degreesToRadians(double degrees);

} // namespace hb::nav
