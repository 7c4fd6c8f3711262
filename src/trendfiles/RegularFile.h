#pragma once

#include <QFile>

// Opens trend files for reading only when they are regular files. A named pipe would block the
// opening until some writer appears, and a link to a device such as /dev/zero never ends: the
// program reads its files on the GUI thread, so either would freeze the window for good.
class RegularFile {
public:
    // Opens `file` (its name already set) read-only with the extra `mode` flags. False, with
    // nothing read and nothing waited for, when the path is not a readable regular file.
    static bool Open(QFile* file, QIODevice::OpenMode mode = QIODevice::NotOpen);
};
