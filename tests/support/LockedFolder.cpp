#include "LockedFolder.h"

#include <QFile>
#include <QProcess>

#ifdef Q_OS_UNIX
#include <unistd.h>
static const bool s_root = ::geteuid() == 0;
#else
static const bool s_root = false;
#endif

LockedFolder::LockedFolder(const QString& path)
    : m_path(path)
{
    m_locked = s_root ? QProcess::execute("chattr", {"+i", path}) == 0
                      : QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    // Check the lock with a real attempt: some file systems take the flag and ignore it.
    QFile probe(path + QStringLiteral("/.probe"));
    if (m_locked && probe.open(QIODevice::WriteOnly)) {
        probe.remove();
        m_locked = false;
    }
}

LockedFolder::~LockedFolder()
{
    if (s_root)
        QProcess::execute("chattr", {"-i", m_path});
    else
        QFile::setPermissions(
            m_path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}
