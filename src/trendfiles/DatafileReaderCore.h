#pragma once

#include "SampleSeries.h"

#include <QByteArray>
#include <QString>

class TrendLineScanner;

// The reading that both data file formats share: lines "time offset TAB value" (Columns = 2,
// every sample goes to the one series) or "time offset TAB cylinder TAB value" (Columns = 3, the
// cylinder picks one of the series and lines of other cylinders are skipped). The common shape
// of a line is parsed inline straight out of the scanner's block; any other line goes the exact
// way of TrendNumberParser::ParseLine, so both give the same samples.
//
// A large file is read by two threads at once, each taking one half straight into its part of
// the final vectors; the call still returns only when the whole file is read, with the same
// samples as one thread reading it from start to end (see ReadInHalves).
template <int Columns> class DatafileReaderCore {
    static_assert(Columns == 2 || Columns == 3, "a data file has two or three columns");

public:
    // Appends to series[0] to series[count - 1]; they must outlive the core.
    DatafileReaderCore(SampleSeries* series, int count, qint64 startTime);

    // False when the file cannot be opened or read to its end, or when a series is full.
    bool Read(const QString& path);
    // Whether the last Read read the file in two halves at once.
    bool ReadInTwoHalves() const { return m_inHalves; }

    // Files from this size on are read in halves where the machine has two threads.
    static constexpr qint64 HalvesFrom = qint64(8) << 20;

private:
    enum class Outcome { Read, Failed, Declined };

    bool ReadWhole(const QString& path);
    Outcome ReadInHalves(const QString& path);
    void ReserveAhead(const TrendLineScanner& scanner);
    // Reads [begin, end) of the file into the sink; Declined when the sink refuses a sample.
    template <typename Sink>
    Outcome ReadRange(const QString& path, qint64 begin, qint64 end, Sink& sink) const;
    template <typename Sink>
    bool ReadBlock(const TrendLineScanner& scanner, Sink& sink, QByteArray* text) const;
    template <typename Sink>
    bool ReadUnusualLine(
        const char* line, qsizetype length, qint64 fileOffset, Sink& sink, QByteArray* text) const;

    SampleSeries* const m_series;
    const unsigned m_count;
    bool m_inHalves = false;
    const qint64 m_startTime;
};
