#include "DatafileReaderThreeColumns.h"

#include "ConfigurationReader.h"
#include "DatafileReaderCore.h"

bool DatafileReaderThreeColumns::ReadFile(
    const QString& path, qint64 startTime, int numberOfCylinders)
{
    if (numberOfCylinders < 1 || numberOfCylinders > ConfigurationReader::MaxNumberOfCylinders)
        return false;
    m_series.clear();
    m_series.resize(numberOfCylinders);
    return DatafileReaderCore<3>(m_series.data(), m_series.size(), startTime).Read(path);
}

const QVector<double>& DatafileReaderThreeColumns::GetTimes(int cylinder) const
{
    return cylinder >= 0 && cylinder < m_series.size() ? m_series.at(cylinder).Times() : m_noTimes;
}

const QVector<double>& DatafileReaderThreeColumns::GetValues(int cylinder) const
{
    return cylinder >= 0 && cylinder < m_series.size() ? m_series.at(cylinder).Values() : m_noTimes;
}

const QVector<qint64>& DatafileReaderThreeColumns::GetTimestamps(int cylinder) const
{
    return cylinder >= 0 && cylinder < m_series.size() ? m_series.at(cylinder).Timestamps()
                                                       : m_noTimestamps;
}

bool DatafileReaderThreeColumns::IsEmpty() const
{
    for (const SampleSeries& series : m_series) {
        if (!series.IsEmpty())
            return false;
    }
    return true;
}
