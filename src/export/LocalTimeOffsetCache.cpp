#include "LocalTimeOffsetCache.h"

#include <QDateTime>
#include <limits>

namespace {
// Julian day number of 1970-01-01.
constexpr qint64 EpochJulianDay = 2440588;
}

LocalTimeOffsetCache::LocalTimeOffsetCache() = default;

qint64 LocalTimeOffsetCache::ReferenceOffset(qint64 msecsSinceEpoch)
{
    const QDateTime local = QDateTime::fromMSecsSinceEpoch(msecsSinceEpoch);
    if (!local.isValid())
        return NoOffset;
    const QDate date = local.date();
    const QTime time = local.time();
    if (!date.isValid() || !time.isValid())
        return NoOffset;
    // Near the ends of the qint64 range the wall clock in milliseconds does not fit: no offset.
    const qint64 days = date.toJulianDay() - EpochJulianDay;
    if (days <= std::numeric_limits<qint64>::min() / MsecsPerDay
        || days >= std::numeric_limits<qint64>::max() / MsecsPerDay - 1)
        return NoOffset;
    const qint64 wallClock = days * MsecsPerDay + time.msecsSinceStartOfDay();
    return wallClock - msecsSinceEpoch;
}

bool LocalTimeOffsetCache::Fill(Entry& e, qint64 msecsSinceEpoch)
{
    const qint64 bucket = FloorDiv(msecsSinceEpoch, BucketMsecs);
    if (bucket <= std::numeric_limits<qint64>::min() / BucketMsecs + 1
        || bucket >= std::numeric_limits<qint64>::max() / BucketMsecs - 1)
        return false;

    const qint64 begin = bucket * BucketMsecs;
    const qint64 last = begin + BucketMsecs - 1;
    const qint64 first = ReferenceOffset(begin);
    const qint64 final = ReferenceOffset(last);

    e.begin = begin;
    e.end = last + 1;
    e.offsetBefore = first;
    e.offsetAfter = final;
    if (first == final) {
        e.split = e.end;
    } else {
        // Smallest time in (begin, last] that already has the later offset.
        qint64 low = begin;
        qint64 high = last;
        while (high - low > 1) {
            const qint64 middle = low + (high - low) / 2;
            if (ReferenceOffset(middle) == first)
                low = middle;
            else
                high = middle;
        }
        e.split = high;
    }
    return true;
}
