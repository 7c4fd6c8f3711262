// libFuzzer target: any bytes as a three-column data file, compared with the plain Qt reading.

#include "DataReaderFuzzing.h"
#include "DatafileReaderThreeColumns.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return FuzzDataReader<DatafileReaderThreeColumns>(data, size, 3, "temperatures.tlx");
}
