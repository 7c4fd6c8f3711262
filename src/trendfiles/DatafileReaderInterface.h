#pragma once

#include <QString>
#include <QVector>

// A data file of a trend set in memory: one series for a two-column file, one per cylinder for a
// three-column file. Times are absolute milliseconds since 1970 (UTC), kept as doubles for the
// plot and as 64-bit integers for the CSV export. Each reader reads one file once.
class DatafileReaderInterface {
public:
    virtual ~DatafileReaderInterface();

    // False when the file cannot be opened or read to its end, when one series would outgrow
    // what a QVector can hold, or, for three columns, when there are no cylinders; true
    // otherwise, even when no line held a usable sample.
    virtual bool ReadFile(const QString& path, qint64 startTime, int numberOfCylinders) = 0;

    virtual const QVector<double>& GetTimes(int cylinder) const = 0;
    virtual const QVector<double>& GetValues(int cylinder) const = 0;
    virtual const QVector<qint64>& GetTimestamps(int cylinder) const = 0;

    virtual bool IsEmpty() const = 0;
};
