#pragma once

#include <QString>

// A folder in which existing files may be overwritten but no file may be created, renamed or
// removed, as on shares where users may update their own files only. Root ignores permission
// bits, so there the folder is made immutable (chattr +i); any other user gets a folder without
// write permission. IsLocked() is false where neither works, and the caller skips.
class LockedFolder {
public:
    explicit LockedFolder(const QString& path);
    ~LockedFolder();

    bool IsLocked() const { return m_locked; }

private:
    QString m_path;
    bool m_locked = false;
};
