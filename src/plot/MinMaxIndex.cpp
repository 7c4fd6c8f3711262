#include "MinMaxIndex.h"

#include <algorithm>
#include <cmath>
#include <system_error>
#include <thread>

namespace {

// A NaN never replaces a number, but a number always replaces a NaN: comparisons with NaN are
// false, so "less" alone would let a leading NaN stick forever.
inline bool Smaller(double candidate, double current)
{
    return candidate < current || (std::isnan(current) && !std::isnan(candidate));
}

inline bool Larger(double candidate, double current)
{
    return candidate > current || (std::isnan(current) && !std::isnan(candidate));
}

} // namespace

namespace {

// Smallest and largest position of one block of raw samples. The common case, a block without
// NaN, takes two passes that the compiler turns into packed min/max instructions and a short
// search, instead of a data-dependent branch per sample.
void BlockExtremes(const double* y, int begin, int end, int& minIndex, int& maxIndex)
{
    // Four independent running extremes, so that one comparison need not wait for the last.
    double lo[4] = {y[begin], y[begin], y[begin], y[begin]};
    double hi[4] = {y[begin], y[begin], y[begin], y[begin]};
    bool numbers = true;
    int i = begin;
    for (; i + 4 <= end; i += 4) {
        for (int k = 0; k < 4; ++k) {
            const double v = y[i + k];
            lo[k] = v < lo[k] ? v : lo[k];
            hi[k] = v > hi[k] ? v : hi[k];
            numbers &= v == v;
        }
    }
    for (; i < end; ++i) {
        const double v = y[i];
        lo[0] = v < lo[0] ? v : lo[0];
        hi[0] = v > hi[0] ? v : hi[0];
        numbers &= v == v;
    }
    const double low = std::min(std::min(lo[0], lo[1]), std::min(lo[2], lo[3]));
    const double high = std::max(std::max(hi[0], hi[1]), std::max(hi[2], hi[3]));
    if (!numbers) {
        minIndex = begin;
        maxIndex = begin;
        for (int i = begin + 1; i < end; ++i) {
            if (Smaller(y[i], y[minIndex]))
                minIndex = i;
            if (Larger(y[i], y[maxIndex]))
                maxIndex = i;
        }
        return;
    }
    minIndex = begin;
    while (y[minIndex] != low)
        ++minIndex;
    maxIndex = begin;
    while (y[maxIndex] != high)
        ++maxIndex;
}

} // namespace

MinMaxIndex::MinMaxIndex(const QVector<double>& values)
    : m_values(values)
{
    const double* y = m_values.constData();
    int count = m_values.size();

    // Level 0 from the raw samples. The blocks do not depend on each other: for a long series
    // a second thread takes the second half of them.
    if (count > BlockSize) {
        Level level;
        const int blocks = (count + BlockSize - 1) / BlockSize;
        level.minIndex.resize(blocks);
        level.maxIndex.resize(blocks);
        const auto summarise = [&level, y, count](int from, int to) {
            for (int b = from; b < to; ++b) {
                const int begin = b * BlockSize;
                const int end = begin + BlockSize < count ? begin + BlockSize : count;
                BlockExtremes(y, begin, end, level.minIndex[b], level.maxIndex[b]);
            }
        };
        int split = 0;
        if (count >= ParallelFrom && std::thread::hardware_concurrency() > 1) {
            try {
                std::thread second(summarise, blocks / 2, blocks);
                split = blocks / 2;
                summarise(0, split);
                second.join();
            } catch (const std::system_error&) {
                split = 0; // no second thread to be had
            }
        }
        if (split == 0)
            summarise(0, blocks);
        m_levels.push_back(std::move(level));
        count = blocks;
    }

    // Higher levels from the level below, until one block covers everything.
    while (count > BlockSize) {
        const Level& below = m_levels.back();
        Level level;
        const int blocks = (count + BlockSize - 1) / BlockSize;
        level.minIndex.resize(blocks);
        level.maxIndex.resize(blocks);
        for (int b = 0; b < blocks; ++b) {
            const int begin = b * BlockSize;
            const int end = begin + BlockSize < count ? begin + BlockSize : count;
            int lo = below.minIndex[begin];
            int hi = below.maxIndex[begin];
            for (int e = begin + 1; e < end; ++e) {
                if (Smaller(y[below.minIndex[e]], y[lo]))
                    lo = below.minIndex[e];
                if (Larger(y[below.maxIndex[e]], y[hi]))
                    hi = below.maxIndex[e];
            }
            level.minIndex[b] = lo;
            level.maxIndex[b] = hi;
        }
        m_levels.push_back(std::move(level));
        count = blocks;
    }
}

inline void MinMaxIndex::Consider(int index, int& minIndex, int& maxIndex) const
{
    const double* y = m_values.constData();
    if (Smaller(y[index], y[minIndex]))
        minIndex = index;
    if (Larger(y[index], y[maxIndex]))
        maxIndex = index;
}

inline void MinMaxIndex::ConsiderEntry(int level, int entry, int& minIndex, int& maxIndex) const
{
    const double* y = m_values.constData();
    const int lo = m_levels[level].minIndex[entry];
    const int hi = m_levels[level].maxIndex[entry];
    if (Smaller(y[lo], y[minIndex]))
        minIndex = lo;
    if (Larger(y[hi], y[maxIndex]))
        maxIndex = hi;
}

void MinMaxIndex::Find(int first, int last, int& minIndex, int& maxIndex) const
{
    minIndex = first;
    maxIndex = first;

    // [lo, hi) in units of the current level: raw samples at level -1, blocks above.
    int lo = first + 1;
    int hi = last + 1;
    int level = -1;
    for (;;) {
        const bool canAscend = level + 1 < LevelCount() && hi - lo >= 2 * BlockSize;
        if (!canAscend) {
            for (int e = lo; e < hi; ++e) {
                if (level < 0)
                    Consider(e, minIndex, maxIndex);
                else
                    ConsiderEntry(level, e, minIndex, maxIndex);
            }
            return;
        }
        // Entries before the first and after the last whole block of the next level.
        const int upLo = (lo + BlockSize - 1) / BlockSize;
        const int upHi = hi / BlockSize;
        for (int e = lo; e < upLo * BlockSize; ++e) {
            if (level < 0)
                Consider(e, minIndex, maxIndex);
            else
                ConsiderEntry(level, e, minIndex, maxIndex);
        }
        for (int e = upHi * BlockSize; e < hi; ++e) {
            if (level < 0)
                Consider(e, minIndex, maxIndex);
            else
                ConsiderEntry(level, e, minIndex, maxIndex);
        }
        lo = upLo;
        hi = upHi;
        ++level;
    }
}
