#include "DatafileReaderBase.h"

#include "DatafileReaderCore.h"

#include <new>

bool DatafileReaderBase::ReadSeries(const QString& path, qint64 startTime, int columns, int count)
{
    m_series.clear();
    m_oneSeries = columns == 2;
    m_readInHalves = false;
    try {
        m_series.resize(count);
        const auto read = [&](auto&& core) {
            const bool complete = core.Read(path);
            m_readInHalves = core.ReadInTwoHalves();
            return complete;
        };
        if (m_oneSeries)
            return read(DatafileReaderCore<2>(m_series.data(), 1, startTime));
        return read(DatafileReaderCore<3>(m_series.data(), count, startTime));
    } catch (const std::bad_alloc&) {
        // A file larger than the memory left: reported like an unreadable one, and what was
        // read so far is given back at once.
        m_series.clear();
        m_series.squeeze();
        return false;
    }
}

const SampleSeries* DatafileReaderBase::SeriesOf(int cylinder) const
{
    if (m_oneSeries)
        cylinder = 0;
    return cylinder >= 0 && cylinder < m_series.size() ? &m_series.at(cylinder) : nullptr;
}

const QVector<double>& DatafileReaderBase::GetTimes(int cylinder) const
{
    const SampleSeries* series = SeriesOf(cylinder);
    return series ? series->Times() : m_noTimes;
}

const QVector<double>& DatafileReaderBase::GetValues(int cylinder) const
{
    const SampleSeries* series = SeriesOf(cylinder);
    return series ? series->Values() : m_noTimes;
}

const QVector<qint64>& DatafileReaderBase::GetTimestamps(int cylinder) const
{
    const SampleSeries* series = SeriesOf(cylinder);
    return series ? series->Timestamps() : m_noTimestamps;
}

bool DatafileReaderBase::IsEmpty() const
{
    for (const SampleSeries& series : m_series) {
        if (!series.IsEmpty())
            return false;
    }
    return true;
}
