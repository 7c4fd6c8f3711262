#pragma once

#include "DatafileReaderInterface.h"
#include "SampleSeries.h"

// A data file of one series per cylinder: lines "time offset TAB cylinder TAB value" (firing
// angles, secondary voltages, knocking intensity, temperatures), cylinders interleaved in any
// order and zero-based.
class DatafileReaderThreeColumns : public DatafileReaderInterface {
public:
    // False for fewer than one cylinder and, so that a corrupt count cannot exhaust memory, for
    // more than ConfigurationReader::MaxNumberOfCylinders.
    bool ReadFile(const QString& path, qint64 startTime, int numberOfCylinders) override;

    // The series of one cylinder; an index out of range gives empty vectors.
    const QVector<double>& GetTimes(int cylinder) const override;
    const QVector<double>& GetValues(int cylinder) const override;
    const QVector<qint64>& GetTimestamps(int cylinder) const override;

    bool IsEmpty() const override;

private:
    QVector<SampleSeries> m_series;
    const QVector<double> m_noTimes;
    const QVector<qint64> m_noTimestamps;
};
