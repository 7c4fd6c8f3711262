#pragma once

#include <QFile>
#include <QSaveFile>
#include <QString>
#include <QTemporaryFile>

// An export file that replaces its target only with complete content, so a failed write (a
// full disk, a lost drive) leaves the earlier file of that name as it was, and no temporary
// file behind.
//
// The content goes to a temporary file beside the target, which Commit moves into place in one
// step. Some folders let a user rewrite the files in them but not create new ones (shares,
// folders locked by a policy or an immutable flag); there the content goes to the system's
// temporary folder first, together with a copy of the earlier file, and Commit rewrites the
// target only then, putting the earlier content back when that rewrite fails. Without room for
// both copies it refuses and leaves the target untouched.
class ReplacingFile {
public:
    explicit ReplacingFile(const QString& fileName);

    // Opens for writing; false when neither a temporary file nor the target itself can be.
    bool Open();
    QIODevice* Device();
    // The written bytes must not replace the target; Commit then returns false.
    void CancelWriting();
    // Puts the content in place; true when every byte arrived, false with the target as it was.
    bool Commit();

private:
    bool CommitInPlace();

    QSaveFile m_saveFile;
    QFile m_target;
    QTemporaryFile m_staged;
    bool m_inPlace = false;
    bool m_cancelled = false;
};
