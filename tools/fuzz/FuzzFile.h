#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <cstdint>
#include <cstdlib>
#include <unistd.h>

// The readers take a path, so every input goes through a real file: in /dev/shm where there is
// one (a RAM disk keeps the fuzzers fast), otherwise in the temporary folder.
inline QString FuzzFilePath(const char* name)
{
    const QString folder
        = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    return QStringLiteral("%1/curvescope-fuzz-%2-%3")
        .arg(folder)
        .arg(qint64(getpid()))
        .arg(QLatin1String(name));
}

inline void WriteFuzzFile(const QString& path, const uint8_t* data, size_t size)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        abort();
    if (file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
        abort();
}
