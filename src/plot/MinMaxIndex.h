#pragma once

#include <QVector>
#include <QtGlobal>
#include <vector>

// Answers "which sample is the smallest and which the largest in samples first..last" without
// scanning the range: the smallest and largest value of every block of SampleBlockSize samples,
// and above them a pyramid of levels, each holding for every block of BlockSize entries of the
// level below the positions of its smallest and largest sample. A query scans at most two
// partial blocks per level, so it costs a few hundred comparisons however many million samples
// the range covers. Every level keeps the extreme values beside their positions, so a query
// touches the samples only in its two partial sample blocks. That keeps a full-view repaint of
// a long recording independent of its length.
class MinMaxIndex {
public:
    static constexpr int SampleBlockSize = 64;
    static constexpr int BlockSize = 32;
    // From this many samples on the sample blocks are summarised by two threads.
    static constexpr int ParallelFrom = 1 << 20;

    MinMaxIndex() = default;
    // Shares the values (QVector is implicitly shared) and builds the levels in one pass each;
    // the extra memory is about 19 / SampleBlockSize bytes per sample.
    explicit MinMaxIndex(const QVector<double>& values);

    // Positions of the smallest and the largest value in [first, last] (inclusive, first <= last,
    // both valid). NaN values are never chosen unless the range holds nothing else. Of equal
    // values the one found first is chosen, the first of its sample block.
    void Find(int first, int last, int& minIndex, int& maxIndex) const;
    // Find for each of `count` ranges [first[k], last[k]], loading the samples and blocks that
    // later queries read while the earlier ones are answered: the columns of a long recording
    // lie megabytes apart, and one query at a time would wait for memory at every one of them.
    void FindEach(const int* first, const int* last, int count, int* minIndex, int* maxIndex) const;

private:
    // Starts loading what Find(first, last) reads at the two ends of the range.
    void Prefetch(int first, int last) const;

    // Per block of the level below: where its smallest and largest sample sit, and their values
    // side by side, so that a query reads the values without a jump into the samples per entry.
    struct Level {
        std::vector<int> minIndex;
        std::vector<int> maxIndex;
        std::vector<double> minValue;
        std::vector<double> maxValue;
    };

    QVector<double> m_values;
    // Smallest and largest value of each sample block (NaN only for a block of NaN).
    std::vector<double> m_blockMin;
    std::vector<double> m_blockMax;
    // Where in its block the first sample with that value sits.
    std::vector<quint8> m_blockMinAt;
    std::vector<quint8> m_blockMaxAt;
    // m_levels[0] summarises blocks of sample blocks, m_levels[1] blocks of m_levels[0], ...
    std::vector<Level> m_levels;
};
