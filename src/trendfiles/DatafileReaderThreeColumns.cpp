#include "DatafileReaderThreeColumns.h"

#include "ConfigurationReader.h"

bool DatafileReaderThreeColumns::ReadFile(
    const QString& path, qint64 startTime, int numberOfCylinders)
{
    if (numberOfCylinders < 1 || numberOfCylinders > ConfigurationReader::MaxNumberOfCylinders)
        return false;
    return ReadSeries(path, startTime, 3, numberOfCylinders);
}
