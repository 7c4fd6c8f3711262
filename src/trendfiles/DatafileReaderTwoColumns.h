#pragma once

#include "DatafileReaderInterface.h"
#include "SampleSeries.h"

// A data file of one series: lines "time offset TAB value" (speed, global timing, analog output).
class DatafileReaderTwoColumns : public DatafileReaderInterface {
public:
    bool ReadFile(const QString& path, qint64 startTime, int numberOfCylinders) override;

    // The cylinder is ignored: there is one series.
    const QVector<double>& GetTimes(int cylinder) const override;
    const QVector<double>& GetValues(int cylinder) const override;
    const QVector<qint64>& GetTimestamps(int cylinder) const override;

    bool IsEmpty() const override;

private:
    SampleSeries m_series;
};
