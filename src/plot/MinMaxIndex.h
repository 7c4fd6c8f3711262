#pragma once

#include <QVector>
#include <vector>

// Answers "which sample is the smallest and which the largest in samples first..last" without
// scanning the range: a pyramid of blocks, each level holding for every block of
// BlockSize entries of the level below the positions of its smallest and largest value. A query
// scans at most two partial blocks per level, so it costs a few hundred comparisons however
// many million samples the range covers. That keeps a full-view repaint of a long recording
// independent of its length.
class MinMaxIndex {
public:
    static constexpr int BlockSize = 32;

    MinMaxIndex() = default;
    // Shares the values (QVector is implicitly shared) and builds the pyramid in one pass per
    // level; the extra memory is about 2 / (BlockSize - 1) of the number of samples in ints.
    explicit MinMaxIndex(const QVector<double>& values);

    // Positions of the smallest and the largest value in [first, last] (inclusive, first <= last,
    // both valid). NaN values are never chosen unless the range holds nothing else.
    void Find(int first, int last, int& minIndex, int& maxIndex) const;

    int LevelCount() const { return static_cast<int>(m_levels.size()); }

private:
    struct Level {
        std::vector<int> minIndex;
        std::vector<int> maxIndex;
    };

    QVector<double> m_values;
    // m_levels[0] summarises blocks of raw samples, m_levels[1] blocks of m_levels[0], ...
    std::vector<Level> m_levels;
};
