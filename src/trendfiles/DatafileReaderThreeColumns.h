#pragma once

#include "DatafileReaderBase.h"

// A data file of one series per cylinder: lines "time offset TAB cylinder TAB value" (firing
// angles, secondary voltages, knocking intensity, temperatures), cylinders interleaved in any
// order and zero-based.
class DatafileReaderThreeColumns : public DatafileReaderBase {
public:
    // False for fewer than one cylinder and, so that a corrupt count cannot exhaust memory, for
    // more than ConfigurationReader::MaxNumberOfCylinders.
    bool ReadFile(const QString& path, qint64 startTime, int numberOfCylinders) override;
};
