#pragma once

#include "FuzzFile.h"
#include "PlainReading.h"

#include <cstdlib>
#include <cstring>

// One input for a data reader: the first 8 bytes choose the start time (and the cylinder count),
// the rest is the file. The reader must agree bit for bit with the plain reading.
template <typename Reader>
int FuzzDataReader(const uint8_t* data, size_t size, int columns, const char* name)
{
    static const QString s_path = FuzzFilePath(name);
    qint64 startTime = 0;
    int cylinders = 1;
    if (size >= 8) {
        std::memcpy(&startTime, data, 8);
        // Mostly realistic start times, sometimes the extremes where the 64-bit sums overflow.
        if ((data[0] & 3) != 0)
            startTime = qint64(quint64(startTime) >> 24);
        cylinders = 1 + data[1] % 8;
        data += 8;
        size -= 8;
    }
    WriteFuzzFile(s_path, data, size);
    Reader reader;
    if (!reader.ReadFile(s_path, startTime, cylinders))
        abort();
    QVector<PlainSeries> expected;
    if (!ReadPlainly(s_path, startTime, columns, cylinders, &expected))
        abort();
    if (!ReaderDisagreement(reader, columns, expected).isEmpty())
        abort();
    return 0;
}
