#include "TrendTime.h"

#include <cmath>
#include <limits>

QDateTime TrendTimeToDateTime(double milliseconds)
{
    // Converting NaN or a double beyond the 64-bit range to an integer is undefined; such
    // positions only come from a degenerate scale and get no date.
    constexpr double limit = 9.2e18;
    if (std::isnan(milliseconds) || milliseconds >= limit || milliseconds <= -limit)
        return QDateTime();
    return QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(milliseconds));
}
