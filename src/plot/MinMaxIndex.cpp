#include "MinMaxIndex.h"

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
            int lo = begin;
            int hi = begin;
            for (int i = begin + 1; i < end; ++i) {
                if (Smaller(y[i], y[lo]))
                    lo = i;
                if (Larger(y[i], y[hi]))
                    hi = i;
            }
            level.minIndex[b] = lo;
            level.maxIndex[b] = hi;
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
