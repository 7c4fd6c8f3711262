#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>
#endif

// Real file system failures for the export tests, each undone when it goes out of scope.

// No file grows beyond `bytes` (unless negative) while it lives: a write past that fails as on a
// full disk (EFBIG; the signal that would end the process is ignored meanwhile). POSIX only:
// Active() is false elsewhere.
class FileSizeLimit {
public:
    explicit FileSizeLimit([[maybe_unused]] qint64 bytes)
    {
#ifdef Q_OS_UNIX
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes < 0 ? m_saved.rlim_cur : rlim_t(bytes);
        m_active = setrlimit(RLIMIT_FSIZE, &limit) == 0;
#endif
    }
    ~FileSizeLimit()
    {
#ifdef Q_OS_UNIX
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
#endif
    }
    bool Active() const { return m_active; }

private:
    bool m_active = false;
#ifdef Q_OS_UNIX
    rlimit m_saved {};
    void (*m_handler)(int) = SIG_DFL;
#endif
};

// With lock, a folder whose files may be rewritten but that refuses new files: read-only for its
// owner, and immutable too where the tests run as root, who ignores permission bits (ext4 and
// the like). Active() is false where neither works.
class FolderRefusingNewFiles {
public:
    FolderRefusingNewFiles(const QString& path, bool lock)
        : m_path(lock ? path : QString())
    {
        if (!lock)
            return;
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        m_immutable = QProcess::execute("chattr", {"-f", "+i", path}) == 0;
        QFile probe(QDir(path).filePath(".probe"));
        m_active = !probe.open(QIODevice::WriteOnly);
        if (!m_active)
            probe.remove();
    }
    ~FolderRefusingNewFiles()
    {
        if (m_immutable)
            QProcess::execute("chattr", {"-i", m_path});
        if (!m_path.isEmpty())
            QFile::setPermissions(
                m_path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    bool Active() const { return m_active; }

private:
    QString m_path;
    bool m_immutable = false;
    bool m_active = false;
};

// A private system temporary folder (TMPDIR) while it lives, so a test sees exactly the files
// that the code under test leaves there. Qt takes an empty TMPDIR as unset.
class PrivateTempFolder {
public:
    PrivateTempFolder() { qputenv("TMPDIR", m_dir.path().toLocal8Bit()); }
    ~PrivateTempFolder() { qputenv("TMPDIR", m_saved); }
    QStringList Files() const { return QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden); }

private:
    QByteArray m_saved = qgetenv("TMPDIR");
    QTemporaryDir m_dir;
};

#ifdef Q_OS_LINUX
// Ends this process's address space `margin` bytes above what it uses now, as on a machine whose
// memory runs out there; false where that fails.
inline bool LimitAddressSpace(qint64 margin)
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    const qint64 used = statm.open(QIODevice::ReadOnly)
        ? statm.readAll().split(' ').value(0).toLongLong() * ::sysconf(_SC_PAGESIZE)
        : 0;
    const rlimit both {rlim_t(used + margin), rlim_t(used + margin)};
    return used > 0 && ::setrlimit(RLIMIT_AS, &both) == 0;
}
#endif
