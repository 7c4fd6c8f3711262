#include "MinMaxIndex.h"

#include <algorithm>
#include <cmath>
#include <limits>
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

// Smallest and largest value of one block of raw samples, NaN only when all are NaN. Four
// independent running extremes, so that one comparison need not wait for the last, started beyond
// every number: std::min and std::max keep their first argument when the comparison with a NaN
// fails, so NaN is passed over without a branch, and the compiler turns the loop into packed
// min/max instructions.
void BlockExtremes(const double* y, int begin, int end, double& low, double& high)
{
    constexpr double Inf = std::numeric_limits<double>::infinity();
    double lo[4] = {Inf, Inf, Inf, Inf};
    double hi[4] = {-Inf, -Inf, -Inf, -Inf};
    int i = begin;
    for (; i + 4 <= end; i += 4) {
        for (int k = 0; k < 4; ++k) {
            lo[k] = std::min(lo[k], y[i + k]);
            hi[k] = std::max(hi[k], y[i + k]);
        }
    }
    for (; i < end; ++i) {
        lo[0] = std::min(lo[0], y[i]);
        hi[0] = std::max(hi[0], y[i]);
    }
    low = std::min(std::min(lo[0], lo[1]), std::min(lo[2], lo[3]));
    high = std::max(std::max(hi[0], hi[1]), std::max(hi[2], hi[3]));
    if (low > high) // nothing but NaN
        low = high = std::numeric_limits<double>::quiet_NaN();
}

} // namespace

MinMaxIndex::MinMaxIndex(const QVector<double>& values)
    : m_values(values)
{
    const double* y = m_values.constData();
    const int count = m_values.size();
    if (count <= SampleBlockSize)
        return;
    const int sampleBlocks = (count + SampleBlockSize - 1) / SampleBlockSize;
    m_blockMin.resize(sampleBlocks);
    m_blockMax.resize(sampleBlocks);
    // The sample blocks do not depend on each other: for a long series a second thread takes the
    // second half of them.
    const auto summarise = [this, y, count](int from, int to) {
        for (int b = from; b < to; ++b) {
            const int begin = b * SampleBlockSize;
            BlockExtremes(
                y, begin, std::min(begin + SampleBlockSize, count), m_blockMin[b], m_blockMax[b]);
        }
    };
    int split = 0;
    if (count >= ParallelFrom && std::thread::hardware_concurrency() > 1) {
        try {
            std::thread second(summarise, sampleBlocks / 2, sampleBlocks);
            split = sampleBlocks / 2;
            summarise(0, split);
            second.join();
        } catch (const std::system_error&) {
            split = 0; // no second thread to be had
        }
    }
    if (split == 0)
        summarise(0, sampleBlocks);

    // The first level from the sample blocks: the first block with the extreme value holds it.
    int entries = sampleBlocks;
    if (entries > BlockSize) {
        Level level;
        const int blocks = (entries + BlockSize - 1) / BlockSize;
        level.minIndex.resize(blocks);
        level.maxIndex.resize(blocks);
        for (int b = 0; b < blocks; ++b) {
            const int begin = b * BlockSize;
            const int end = std::min(begin + BlockSize, entries);
            int lo = begin;
            int hi = begin;
            for (int e = begin + 1; e < end; ++e) {
                lo = Smaller(m_blockMin[e], m_blockMin[lo]) ? e : lo;
                hi = Larger(m_blockMax[e], m_blockMax[hi]) ? e : hi;
            }
            level.minIndex[b] = PositionIn(lo, m_blockMin[lo]);
            level.maxIndex[b] = PositionIn(hi, m_blockMax[hi]);
        }
        m_levels.push_back(std::move(level));
        entries = blocks;
    }

    // Higher levels from the level below, until one block covers everything.
    while (entries > BlockSize) {
        const Level& below = m_levels.back();
        Level level;
        const int blocks = (entries + BlockSize - 1) / BlockSize;
        level.minIndex.resize(blocks);
        level.maxIndex.resize(blocks);
        for (int b = 0; b < blocks; ++b) {
            const int begin = b * BlockSize;
            const int end = std::min(begin + BlockSize, entries);
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
        entries = blocks;
    }
}

int MinMaxIndex::PositionIn(int block, double value) const
{
    const double* y = m_values.constData();
    const int begin = block * SampleBlockSize;
    const int end = std::min(begin + SampleBlockSize, m_values.size());
    for (int i = begin; i < end; ++i) {
        if (y[i] == value)
            return i;
    }
    return begin; // a block of NaN
}

void MinMaxIndex::Find(int first, int last, int& minIndex, int& maxIndex) const
{
    const double* y = m_values.constData();
    // Running extremes kept as values too, so that a comparison does not wait for a load. A
    // sample block that holds the extreme so far is kept as -1 - block until the end.
    double low = y[first];
    double high = y[first];
    minIndex = first;
    maxIndex = first;
    // Without branches on the values: the loads of a run of entries then all go out at once
    // instead of waiting for mispredicted comparisons.
    const auto consider = [&](double a, int aIndex, double b, int bIndex) {
        const bool smaller = Smaller(a, low);
        const bool larger = Larger(b, high);
        low = smaller ? a : low;
        minIndex = smaller ? aIndex : minIndex;
        high = larger ? b : high;
        maxIndex = larger ? bIndex : maxIndex;
    };
    const auto samples = [&](int begin, int end) {
        for (int i = begin; i < end; ++i)
            consider(y[i], i, y[i], i);
    };
    const auto sampleBlocks = [&](int begin, int end) {
        for (int b = begin; b < end; ++b)
            consider(m_blockMin[b], -1 - b, m_blockMax[b], -1 - b);
    };
    const auto entries = [&](const Level& level, int begin, int end) {
        for (int e = begin; e < end; ++e) {
            const int lo = level.minIndex[e];
            const int hi = level.maxIndex[e];
            consider(y[lo], lo, y[hi], hi);
        }
    };
    const auto resolve = [&] {
        if (minIndex < 0)
            minIndex = PositionIn(-1 - minIndex, low);
        if (maxIndex < 0)
            maxIndex = PositionIn(-1 - maxIndex, high);
    };

    // [lo, hi) in raw samples, then in sample blocks, then in entries of the levels.
    int lo = first + 1;
    int hi = last + 1;
    if (m_blockMin.empty() || hi - lo < 2 * SampleBlockSize) {
        samples(lo, hi);
        return;
    }
    int upLo = (lo + SampleBlockSize - 1) / SampleBlockSize;
    int upHi = hi / SampleBlockSize;
    samples(lo, upLo * SampleBlockSize);
    samples(upHi * SampleBlockSize, hi);
    lo = upLo;
    hi = upHi;
    if (m_levels.empty() || hi - lo < 2 * BlockSize) {
        sampleBlocks(lo, hi);
        resolve();
        return;
    }
    upLo = (lo + BlockSize - 1) / BlockSize;
    upHi = hi / BlockSize;
    sampleBlocks(lo, upLo * BlockSize);
    sampleBlocks(upHi * BlockSize, hi);
    lo = upLo;
    hi = upHi;
    for (size_t level = 0;; ++level) {
        const bool canAscend = level + 1 < m_levels.size() && hi - lo >= 2 * BlockSize;
        if (!canAscend) {
            entries(m_levels[level], lo, hi);
            resolve();
            return;
        }
        // Entries before the first and after the last whole block of the next level.
        upLo = (lo + BlockSize - 1) / BlockSize;
        upHi = hi / BlockSize;
        entries(m_levels[level], lo, upLo * BlockSize);
        entries(m_levels[level], upHi * BlockSize, hi);
        lo = upLo;
        hi = upHi;
    }
}
