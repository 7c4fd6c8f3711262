// libFuzzer target: any bytes as a two-column data file, compared with the plain Qt reading.

#include "DataReaderFuzzing.h"
#include "DatafileReaderTwoColumns.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return FuzzDataReader<DatafileReaderTwoColumns>(data, size, 2, "speed.tlx");
}
