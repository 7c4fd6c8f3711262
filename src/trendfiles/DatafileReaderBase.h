#pragma once

#include "DatafileReaderInterface.h"
#include "SampleSeries.h"

// What both data file readers share: the series they hold (one per cylinder, or the one series
// of a two-column file), the accessors, and the reading itself. The readers only say how many
// series a file has.
class DatafileReaderBase : public DatafileReaderInterface {
public:
    // A two-column reader ignores the cylinder; a three-column reader gives empty vectors for an
    // index out of range.
    const QVector<double>& GetTimes(int cylinder) const override;
    const QVector<double>& GetValues(int cylinder) const override;
    const QVector<qint64>& GetTimestamps(int cylinder) const override;

    bool IsEmpty() const override;

    // Whether the last file was read in two halves at once (a large file on two threads).
    bool ReadInHalves() const { return m_readInHalves; }

protected:
    // Replaces the series by `count` empty ones and reads the file of `columns` (2 or 3) fields
    // a line into them; with two columns every sample goes to the first series.
    bool ReadSeries(const QString& path, qint64 startTime, int columns, int count);

private:
    const SampleSeries* SeriesOf(int cylinder) const;

    QVector<SampleSeries> m_series;
    bool m_oneSeries = false; // two columns: every index means the one series
    bool m_readInHalves = false;
    const QVector<double> m_noTimes;
    const QVector<qint64> m_noTimestamps;
};
