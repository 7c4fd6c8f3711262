#pragma once

#include <QtGlobal>
#include <array>
#include <limits>

// Offsets from UTC to local time, looked up once per stretch of time instead of once per
// sample. The offset is whatever QDateTime itself applies for local time (the C library's
// zone rules, the standard offset before 1970, Qt's stand-in years after 2037), so a cell built
// from it shows exactly the date and time that QDateTime would show.
//
// Time is cut into buckets of one hour. For each bucket the offset is taken at both ends; when
// they differ the bucket holds a transition, whose exact millisecond is found by bisection.
// Zone rules never change twice within an hour, so a bucket holds at most one transition.
class LocalTimeOffsetCache {
public:
    // Marks a time stamp that QDateTime cannot show as a valid local date and time.
    static constexpr qint64 NoOffset = std::numeric_limits<qint64>::min();
    static constexpr qint64 BucketMsecs = 3600 * 1000;
    static constexpr qint64 MsecsPerDay = 86400 * 1000;

    LocalTimeOffsetCache();

    // Milliseconds to add to msecsSinceEpoch to get local wall-clock milliseconds, or NoOffset.
    // When given, [*validBegin, *validEnd) receives a stretch around the time stamp that has
    // the same offset (empty for time stamps that are not cached).
    qint64 OffsetAt(
        qint64 msecsSinceEpoch, qint64* validBegin = nullptr, qint64* validEnd = nullptr)
    {
        Entry& e = m_entries[size_t(quint64(FloorDiv(msecsSinceEpoch, BucketMsecs)) % EntryCount)];
        if (!(msecsSinceEpoch >= e.begin && msecsSinceEpoch < e.end) && !Fill(e, msecsSinceEpoch)) {
            if (validBegin)
                *validBegin = *validEnd = msecsSinceEpoch;
            return ReferenceOffset(msecsSinceEpoch);
        }
        const bool before = msecsSinceEpoch < e.split;
        if (validBegin) {
            *validBegin = before ? e.begin : e.split;
            *validEnd = before ? e.split : e.end;
        }
        return before ? e.offsetBefore : e.offsetAfter;
    }

    // The offset as QDateTime computes it, without any caching.
    static qint64 ReferenceOffset(qint64 msecsSinceEpoch);

    // a / b rounded toward minus infinity, for b > 0.
    static qint64 FloorDiv(qint64 a, qint64 b)
    {
        const qint64 q = a / b;
        return a % b < 0 ? q - 1 : q;
    }

private:
    struct Entry {
        qint64 begin = 0;
        qint64 end = 0; // empty until filled
        qint64 split = 0;
        qint64 offsetBefore = 0;
        qint64 offsetAfter = 0;
    };

    // False for buckets at the very ends of the 64-bit range, which are not cached.
    bool Fill(Entry& e, qint64 msecsSinceEpoch);

    static constexpr size_t EntryCount = 64;
    std::array<Entry, EntryCount> m_entries;
};
