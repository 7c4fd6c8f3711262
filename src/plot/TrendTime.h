#pragma once

#include <QDateTime>

// Local date-time of a plot x value (ms since 1970-01-01 UTC). The value is truncated toward
// zero to whole milliseconds, never rounded: a stamp a fraction of a millisecond before a full
// second still belongs to the earlier second.
QDateTime TrendTimeToDateTime(double milliseconds);
