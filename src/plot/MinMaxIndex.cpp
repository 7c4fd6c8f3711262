#include "MinMaxIndex.h"

#include <algorithm>
#include <cmath>

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

    // Level 0 from the raw samples.
    if (count > BlockSize) {
        Level level;
        const int blocks = (count + BlockSize - 1) / BlockSize;
        level.minIndex.resize(blocks);
        level.maxIndex.resize(blocks);
        for (int b = 0; b < blocks; ++b) {
            const int begin = b * BlockSize;
            const int end = begin + BlockSize < count ? begin + BlockSize : count;
            BlockExtremes(y, begin, end, level.minIndex[b], level.maxIndex[b]);
        }
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

void MinMaxIndex::Find(int first, int last, int& minIndex, int& maxIndex) const
{
    const double* y = m_values.constData();
    // Running extremes kept as values too, so that a comparison does not wait for a load.
    double low = y[first];
    double high = y[first];
    minIndex = first;
    maxIndex = first;
    // Without branches on the values: the loads of a run of entries then all go out at once
    // instead of waiting for mispredicted comparisons.
    const auto consider = [&](int lo, int hi) {
        const double a = y[lo];
        const double b = y[hi];
        const bool smaller = Smaller(a, low);
        const bool larger = Larger(b, high);
        low = smaller ? a : low;
        minIndex = smaller ? lo : minIndex;
        high = larger ? b : high;
        maxIndex = larger ? hi : maxIndex;
    };
    const auto considerEntries = [&](int level, int begin, int end) {
        if (level < 0) {
            for (int e = begin; e < end; ++e)
                consider(e, e);
            return;
        }
        const int* lows = m_levels[level].minIndex.data();
        const int* highs = m_levels[level].maxIndex.data();
        for (int e = begin; e < end; ++e)
            consider(lows[e], highs[e]);
    };

    // [lo, hi) in units of the current level: raw samples at level -1, blocks above.
    int lo = first + 1;
    int hi = last + 1;
    int level = -1;
    for (;;) {
        const bool canAscend = level + 1 < LevelCount() && hi - lo >= 2 * BlockSize;
        if (!canAscend) {
            considerEntries(level, lo, hi);
            return;
        }
        // Entries before the first and after the last whole block of the next level.
        const int upLo = (lo + BlockSize - 1) / BlockSize;
        const int upHi = hi / BlockSize;
        considerEntries(level, lo, upLo * BlockSize);
        considerEntries(level, upHi * BlockSize, hi);
        lo = upLo;
        hi = upHi;
        ++level;
    }
}
