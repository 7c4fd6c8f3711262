#include "DatafileReaderTwoColumns.h"

bool DatafileReaderTwoColumns::ReadFile(
    const QString& path, qint64 startTime, int numberOfCylinders)
{
    Q_UNUSED(numberOfCylinders)
    return ReadSeries(path, startTime, 2, 1);
}
