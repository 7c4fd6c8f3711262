#include "RegularFile.h"

#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

bool RegularFile::Open(QFile* file, QIODevice::OpenMode mode)
{
    mode |= QIODevice::ReadOnly;
#ifdef Q_OS_UNIX
    // Non-blocking, so a pipe without a writer does not hold the open itself; the type is then
    // taken from what was really opened, not from a look at the path that another process could
    // have swapped in the meantime.
    const QByteArray native = QFile::encodeName(file->fileName());
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat status;
    const int flags = ::fcntl(fd, F_GETFL);
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || flags < 0
        || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0
        || !file->open(fd, mode, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
#else
    return QFileInfo(file->fileName()).isFile() && file->open(mode);
#endif
}
