#pragma once

#include <QFile>
#include <QIODevice>
#include <QString>

#include <cstring>
#include <memory>

// The baseline that the reading benchmarks measure against: the lines of a file counted with a
// plain memchr scan of 1 MiB blocks, about as fast as the file can be looked at once.
inline qint64 CountLinesWithMemchr(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return -1;
    const qint64 blockSize = 1 << 20;
    std::unique_ptr<char[]> block(new char[blockSize]);
    qint64 lines = 0;
    qint64 got;
    while ((got = file.read(block.get(), blockSize)) > 0) {
        const char* p = block.get();
        const char* const end = p + got;
        while ((p = static_cast<const char*>(std::memchr(p, '\n', size_t(end - p))))) {
            ++lines;
            ++p;
        }
    }
    return lines;
}
