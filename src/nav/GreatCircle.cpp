#include "nav/GreatCircle.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace hb::nav {

double greatCircleNm(double lat1, double lon1, double lat2, double lon2)
{
    const double c =
        std::sin(lat1) * std::sin(lat2) + std::cos(lat1) * std::cos(lat2) * std::cos(lon2 - lon1);
    if (std::isnan(c))
        return c;
    return std::acos(std::clamp(c, -1.0, 1.0)) * EarthRadiusKm * NauticalMilesPerKm;
}

double greatCircleNmDegrees(double lat1, double lon1, double lat2, double lon2)
{
    return greatCircleNm(degreesToRadians(lat1), degreesToRadians(lon1), degreesToRadians(lat2),
                         degreesToRadians(lon2));
}

double degreesToRadians(double degrees)
{
    return degrees * std::numbers::pi / 180.0;
}

} // namespace hb::nav
