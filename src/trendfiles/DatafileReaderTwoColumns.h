#pragma once

#include "DatafileReaderBase.h"

// A data file of one series: lines "time offset TAB value" (speed, global timing, analog output).
class DatafileReaderTwoColumns : public DatafileReaderBase {
public:
    // The number of cylinders plays no part.
    bool ReadFile(const QString& path, qint64 startTime, int numberOfCylinders) override;
};
