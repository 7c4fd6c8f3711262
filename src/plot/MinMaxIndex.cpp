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

// Smallest of lows[begin..end) and largest of highs[begin..end), NaN only when all are NaN. Four
// independent running extremes, so that one comparison need not wait for the last, started beyond
// every number: std::min and std::max keep their first argument when the comparison with a NaN
// fails, so NaN is passed over without a branch (each is one min/max instruction on x86).
void Extremes(
    const double* lows, const double* highs, int begin, int end, double& low, double& high)
{
    constexpr double Inf = std::numeric_limits<double>::infinity();
    double lo[4] = {Inf, Inf, Inf, Inf};
    double hi[4] = {-Inf, -Inf, -Inf, -Inf};
    int i = begin;
    for (; i + 4 <= end; i += 4) {
        for (int k = 0; k < 4; ++k) {
            lo[k] = std::min(lo[k], lows[i + k]);
            hi[k] = std::max(hi[k], highs[i + k]);
        }
    }
    for (; i < end; ++i) {
        lo[0] = std::min(lo[0], lows[i]);
        hi[0] = std::max(hi[0], highs[i]);
    }
    low = std::min(std::min(lo[0], lo[1]), std::min(lo[2], lo[3]));
    high = std::max(std::max(hi[0], hi[1]), std::max(hi[2], hi[3]));
    if (low > high) // nothing but NaN
        low = high = std::numeric_limits<double>::quiet_NaN();
}

// Asks for the cache lines of bytes [begin, end) to be loaded.
inline void PrefetchBytes(const void* begin, const void* end)
{
#if defined(__GNUC__) || defined(__clang__)
    constexpr quintptr Line = 64;
    for (quintptr at = quintptr(begin) & ~(Line - 1); at < quintptr(end); at += Line)
        __builtin_prefetch(reinterpret_cast<const void*>(at));
#else
    Q_UNUSED(begin)
    Q_UNUSED(end)
#endif
}

// Position of the first of values[begin..] that equals `value`, which is a number found there.
inline int FirstEqual(const double* values, int begin, double value)
{
    while (!(values[begin] == value))
        ++begin;
    return begin;
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
    m_blockMinAt.resize(sampleBlocks);
    m_blockMaxAt.resize(sampleBlocks);
    // The sample blocks do not depend on each other: for a long series a second thread takes the
    // second half of them.
    const auto summarise = [this, y, count](int from, int to) {
        for (int b = from; b < to; ++b) {
            const int begin = b * SampleBlockSize;
            double& low = m_blockMin[b];
            double& high = m_blockMax[b];
            Extremes(y, y, begin, std::min(begin + SampleBlockSize, count), low, high);
            // A block of NaN keeps its first sample.
            m_blockMinAt[b] = std::isnan(low) ? 0 : quint8(FirstEqual(y, begin, low) - begin);
            m_blockMaxAt[b] = std::isnan(high) ? 0 : quint8(FirstEqual(y, begin, high) - begin);
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
        level.minValue.resize(blocks);
        level.maxValue.resize(blocks);
        for (int b = 0; b < blocks; ++b) {
            const int begin = b * BlockSize;
            const int end = std::min(begin + BlockSize, entries);
            int lo = begin;
            int hi = begin;
            for (int e = begin + 1; e < end; ++e) {
                lo = Smaller(m_blockMin[e], m_blockMin[lo]) ? e : lo;
                hi = Larger(m_blockMax[e], m_blockMax[hi]) ? e : hi;
            }
            level.minIndex[b] = lo * SampleBlockSize + m_blockMinAt[lo];
            level.maxIndex[b] = hi * SampleBlockSize + m_blockMaxAt[hi];
            level.minValue[b] = m_blockMin[lo];
            level.maxValue[b] = m_blockMax[hi];
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
        level.minValue.resize(blocks);
        level.maxValue.resize(blocks);
        for (int b = 0; b < blocks; ++b) {
            const int begin = b * BlockSize;
            const int end = std::min(begin + BlockSize, entries);
            int lo = begin;
            int hi = begin;
            for (int e = begin + 1; e < end; ++e) {
                lo = Smaller(below.minValue[e], below.minValue[lo]) ? e : lo;
                hi = Larger(below.maxValue[e], below.maxValue[hi]) ? e : hi;
            }
            level.minIndex[b] = below.minIndex[lo];
            level.maxIndex[b] = below.maxIndex[hi];
            level.minValue[b] = below.minValue[lo];
            level.maxValue[b] = below.maxValue[hi];
        }
        m_levels.push_back(std::move(level));
        entries = blocks;
    }
}

void MinMaxIndex::Find(int first, int last, int& minIndex, int& maxIndex) const
{
    const double* y = m_values.constData();
    double low = y[first];
    double high = y[first];
    minIndex = first;
    maxIndex = first;
    // A run of samples or of sample blocks (with where in each block its extremes sit) is
    // summarised without branches on the values, and only the run that beats the extreme so far
    // is searched for the position.
    const auto run = [&](const double* lows, const double* highs, int begin, int end,
                         const quint8* minAt, const quint8* maxAt) {
        const auto position
            = [](int i, const quint8* at) { return at ? i * SampleBlockSize + at[i] : i; };
        double lo = 0.0;
        double hi = 0.0;
        Extremes(lows, highs, begin, end, lo, hi);
        if (Smaller(lo, low)) {
            low = lo;
            minIndex = position(FirstEqual(lows, begin, lo), minAt);
        }
        if (Larger(hi, high)) {
            high = hi;
            maxIndex = position(FirstEqual(highs, begin, hi), maxAt);
        }
    };
    const auto samples = [&](int begin, int end) { run(y, y, begin, end, nullptr, nullptr); };
    const auto sampleBlocks = [&](int begin, int end) {
        run(m_blockMin.data(), m_blockMax.data(), begin, end, m_blockMinAt.data(),
            m_blockMaxAt.data());
    };
    const auto entries = [&](const Level& level, int begin, int end) {
        for (int e = begin; e < end; ++e) {
            const bool smaller = Smaller(level.minValue[e], low);
            const bool larger = Larger(level.maxValue[e], high);
            low = smaller ? level.minValue[e] : low;
            minIndex = smaller ? level.minIndex[e] : minIndex;
            high = larger ? level.maxValue[e] : high;
            maxIndex = larger ? level.maxIndex[e] : maxIndex;
        }
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

void MinMaxIndex::Prefetch(int first, int last) const
{
    // Find scans the samples from each end to the next sample block boundary and the sample
    // blocks from there to the next block boundary of the first level.
    const double* y = m_values.constData();
    const int firstBlock = first / SampleBlockSize;
    const int lastBlock = last / SampleBlockSize;
    PrefetchBytes(y + first, y + std::min(last + 1, (firstBlock + 1) * SampleBlockSize));
    PrefetchBytes(y + std::max(first, lastBlock * SampleBlockSize), y + last + 1);
    if (m_blockMin.empty() || lastBlock - firstBlock < 2)
        return;
    const auto blocks = [this](int from, int to) {
        PrefetchBytes(m_blockMin.data() + from, m_blockMin.data() + to);
        PrefetchBytes(m_blockMax.data() + from, m_blockMax.data() + to);
        PrefetchBytes(m_blockMinAt.data() + from, m_blockMinAt.data() + to);
        PrefetchBytes(m_blockMaxAt.data() + from, m_blockMaxAt.data() + to);
    };
    blocks(firstBlock, std::min(lastBlock, (firstBlock / BlockSize + 1) * BlockSize));
    blocks(std::max(firstBlock, lastBlock / BlockSize * BlockSize), lastBlock);
}

void MinMaxIndex::FindEach(
    const int* first, const int* last, int count, int* minIndex, int* maxIndex) const
{
    // Far enough ahead for the loads to arrive while the queries before are answered.
    constexpr int Ahead = 6;
    for (int k = 0; k < std::min(Ahead, count); ++k)
        Prefetch(first[k], last[k]);
    for (int k = 0; k < count; ++k) {
        if (k + Ahead < count)
            Prefetch(first[k + Ahead], last[k + Ahead]);
        Find(first[k], last[k], minIndex[k], maxIndex[k]);
    }
}
