#include "ReplacingFile.h"

#include <QByteArray>
#include <QDir>
#include <QFileInfo>

namespace {

QString TemporaryTemplate() { return QDir::tempPath() + QLatin1String("/.curvescope-XXXXXX"); }

// Writes all of from over the start of to and cuts to to that length. Overwriting rather than
// truncating first keeps the blocks that to already holds, so writing its earlier content back
// over it needs no new room on the disk.
bool CopyContent(QFileDevice& from, QFileDevice& to)
{
    if (!from.seek(0) || !to.seek(0))
        return false;
    QByteArray block;
    while (!(block = from.read(1 << 20)).isEmpty()) {
        if (to.write(block) != block.size())
            return false;
    }
    return from.error() == QFileDevice::NoError && to.flush() && to.resize(from.size());
}

} // namespace

ReplacingFile::ReplacingFile(const QString& fileName)
    : m_saveFile(fileName)
    , m_target(fileName)
    , m_staged(TemporaryTemplate())
{
    // Qt's own fallback for a folder that refuses the temporary file writes straight into the
    // target, which a failure then leaves cut short.
    m_saveFile.setDirectWriteFallback(false);
}

bool ReplacingFile::Open()
{
    if (m_saveFile.open(QIODevice::WriteOnly))
        return true;
    // The folder refuses new files: an existing file that may be written is rewritten in place.
    if (!QFileInfo(m_target.fileName()).isFile() || !m_target.open(QIODevice::ReadWrite))
        return false;
    m_inPlace = m_staged.open();
    if (!m_inPlace)
        m_target.close();
    return m_inPlace;
}

QIODevice* ReplacingFile::Device()
{
    if (m_inPlace)
        return &m_staged;
    return &m_saveFile;
}

void ReplacingFile::CancelWriting()
{
    m_cancelled = true;
    if (!m_inPlace)
        m_saveFile.cancelWriting();
}

bool ReplacingFile::Commit()
{
    if (m_inPlace)
        return CommitInPlace();
    // QSaveFile's commit overlooks a failure to write the bytes still held in its buffer.
    if (!m_cancelled && !m_saveFile.flush())
        CancelWriting();
    return m_saveFile.commit() && !m_cancelled;
}

bool ReplacingFile::CommitInPlace()
{
    bool replaced = false;
    QTemporaryFile earlier(TemporaryTemplate());
    if (!m_cancelled && m_staged.flush() && m_staged.error() == QFileDevice::NoError
        && earlier.open() && CopyContent(m_target, earlier)) {
        replaced = CopyContent(m_staged, m_target);
        // Should even that fail, the copy stays in the temporary folder rather than be lost.
        if (!replaced && !CopyContent(earlier, m_target))
            earlier.setAutoRemove(false);
    }
    m_target.close();
    m_staged.remove();
    return replaced;
}
