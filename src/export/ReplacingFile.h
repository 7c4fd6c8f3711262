#pragma once

#include <QFile>
#include <QSaveFile>
#include <QString>

// An export file that replaces its target in one step: written to a temporary file beside the
// target and moved into place by Commit, so a failed write leaves the earlier file as it was.
// Some folders let a user overwrite the files in them but not create new ones (shares, folders
// locked by a policy or an immutable flag); there no temporary file can be made, and an existing
// target is written directly instead, as a plain write would. Only then can a failure leave the
// target changed.
class ReplacingFile {
public:
    explicit ReplacingFile(const QString& fileName);

    // Opens for writing; false when neither a temporary file nor the target itself can be.
    bool Open();
    QIODevice* Device();
    // The written bytes must not replace the target; Commit then returns false.
    void CancelWriting();
    // Puts the file in place (or finishes the direct write); true when every byte arrived.
    bool Commit();

private:
    QSaveFile m_saveFile;
    QFile m_directFile;
    bool m_direct = false;
    bool m_cancelled = false;
};
