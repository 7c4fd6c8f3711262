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
template <int Columns> class DatafileReaderCore {
    static_assert(Columns == 2 || Columns == 3, "a data file has two or three columns");

public:
    // Appends to series[0] to series[count - 1]; they must outlive the core.
    DatafileReaderCore(SampleSeries* series, int count, qint64 startTime);

    // False when the file cannot be opened or read to its end, or when a series is full.
    bool Read(const QString& path);

private:
    void ReserveAhead(const TrendLineScanner& scanner);
    bool ReadBlock(const TrendLineScanner& scanner);
    bool ReadUnusualLine(const char* line, qsizetype length, qint64 fileOffset);

    SampleSeries* const m_series;
    const unsigned m_count;
    const qint64 m_startTime;
    QByteArray m_text; // scratch for lines that go the exact way
};
