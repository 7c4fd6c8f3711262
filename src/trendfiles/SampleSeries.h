#pragma once

#include <QVector>

#include <limits>

// One series of samples as it is read: times and values, and the 64-bit time stamps only when
// they cannot be recovered from the double times. A double holds every whole number of
// milliseconds up to 2^53 (about 285,000 years) exactly, so for real recordings the time stamps
// are derived from the times on first request instead of costing another 8 bytes per sample
// while reading. The first time stamp beyond that range switches the series to keeping them.
class SampleSeries {
public:
    // A QVector cannot hold more elements of 8 bytes than this.
    static constexpr int MaxSamples = (std::numeric_limits<int>::max() - 64) / 8;

    bool IsEmpty() const { return m_times.isEmpty(); }
    int Size() const { return m_times.size(); }

    // Appends a sample; false when the series is full.
    bool Append(qint64 timestamp, double value)
    {
        if (!FitsDouble(timestamp) && !m_keepTimestamps)
            KeepTimestamps();
        if (m_times.size() >= MaxSamples)
            return false;
        m_times.append(double(timestamp));
        m_values.append(value);
        if (m_keepTimestamps)
            m_timestamps.append(timestamp);
        return true;
    }

    int Capacity() const { return m_times.capacity(); }

    // Reserves room for the expected number of samples in one allocation per vector and asks
    // for large pages where the platform offers them. Only a hint: where the memory cannot be
    // had, the vectors stay as they are and grow as samples come.
    void Reserve(qint64 samples);
    // Gives back a reservation that the file did not fill (junk where samples were expected).
    void ReleaseSpare();

    void Clear();

    // Takes over vectors filled elsewhere, in place of an empty series; their times must all
    // be whole milliseconds that a double holds exactly (FitsDouble).
    void Adopt(QVector<double> times, QVector<double> values);

    static bool FitsDouble(qint64 t)
    {
        constexpr qint64 Limit = qint64(1) << 53;
        return t >= -Limit && t <= Limit;
    }
    // Asks for large pages for the whole ones inside [data, data + bytes); only a hint.
    static void AdviseLargePages(const void* data, qint64 bytes);

    const QVector<double>& Times() const { return m_times; }
    const QVector<double>& Values() const { return m_values; }
    const QVector<qint64>& Timestamps() const;

private:
    void KeepTimestamps();
    void DeriveTimestamps() const;

    QVector<double> m_times;
    QVector<double> m_values;
    // Filled while reading once m_keepTimestamps is set, otherwise on the first request.
    mutable QVector<qint64> m_timestamps;
    bool m_keepTimestamps = false;
};
