#include "DatafileReaderTwoColumns.h"

#include "DatafileReaderCore.h"

bool DatafileReaderTwoColumns::ReadFile(
    const QString& path, qint64 startTime, int numberOfCylinders)
{
    Q_UNUSED(numberOfCylinders)
    m_series.Clear();
    return DatafileReaderCore<2>(&m_series, 1, startTime).Read(path);
}

const QVector<double>& DatafileReaderTwoColumns::GetTimes(int) const { return m_series.Times(); }

const QVector<double>& DatafileReaderTwoColumns::GetValues(int) const { return m_series.Values(); }

const QVector<qint64>& DatafileReaderTwoColumns::GetTimestamps(int) const
{
    return m_series.Timestamps();
}

bool DatafileReaderTwoColumns::IsEmpty() const { return m_series.IsEmpty(); }
