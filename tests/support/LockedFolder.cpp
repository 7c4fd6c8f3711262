#include "LockedFolder.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {
bool RunChattr(const QString& flag, const QString& path)
{
    QProcess chattr;
    chattr.start(QStringLiteral("chattr"), {flag, path});
    return chattr.waitForFinished(10000) && chattr.exitStatus() == QProcess::NormalExit
        && chattr.exitCode() == 0;
}
}

LockedFolder::LockedFolder(const QString& path)
    : m_path(path)
{
#ifdef Q_OS_UNIX
    if (::geteuid() == 0)
        m_immutable = m_locked = RunChattr(QStringLiteral("+i"), path);
    else
#endif
        m_locked = QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    // Check the lock with a real attempt: some file systems take the flag and ignore it.
    QFile probe(path + QStringLiteral("/.probe"));
    if (m_locked && probe.open(QIODevice::WriteOnly)) {
        probe.close();
        probe.remove();
        m_locked = false;
    }
}

LockedFolder::~LockedFolder()
{
    if (m_immutable)
        RunChattr(QStringLiteral("-i"), m_path);
    else
        QFile::setPermissions(
            m_path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}
