#include "ReplacingFile.h"

#include <QFileInfo>

ReplacingFile::ReplacingFile(const QString& fileName)
    : m_saveFile(fileName)
    , m_directFile(fileName)
{
    // Qt falls back by itself where creating the temporary file is refused for lack of
    // permission; an immutable folder refuses it differently, hence the second fallback below.
    m_saveFile.setDirectWriteFallback(true);
}

bool ReplacingFile::Open()
{
    if (m_saveFile.open(QIODevice::WriteOnly))
        return true;
    if (!QFileInfo(m_directFile.fileName()).isFile())
        return false;
    m_direct = m_directFile.open(QIODevice::WriteOnly | QIODevice::Truncate);
    return m_direct;
}

QIODevice* ReplacingFile::Device()
{
    if (m_direct)
        return &m_directFile;
    return &m_saveFile;
}

void ReplacingFile::CancelWriting()
{
    m_cancelled = true;
    if (!m_direct)
        m_saveFile.cancelWriting();
}

bool ReplacingFile::Commit()
{
    if (!m_direct)
        return m_saveFile.commit() && !m_cancelled;
    const bool flushed = m_directFile.flush();
    m_directFile.close();
    return flushed && m_directFile.error() == QFileDevice::NoError && !m_cancelled;
}
