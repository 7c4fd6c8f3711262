#include "CsvOutputBuffer.h"

#include <QIODevice>
#include <cstring>

CsvOutputBuffer::CsvOutputBuffer(QIODevice* device, qsizetype capacity)
    : m_device(device)
    , m_storage(size_t(qMax<qsizetype>(capacity, 4096)))
{
    m_begin = m_storage.data();
    m_pos = m_begin;
    m_end = m_begin + m_storage.size();
}

CsvOutputBuffer::~CsvOutputBuffer() = default;

void CsvOutputBuffer::Drain()
{
    const qint64 pending = m_pos - m_begin;
    if (pending > 0 && !m_failed) {
        if (m_device->write(m_begin, pending) != pending)
            m_failed = true;
    }
    m_pos = m_begin;
}

void CsvOutputBuffer::AppendLarge(const char* data, qsizetype n)
{
    while (n > 0) {
        if (m_pos == m_end)
            Drain();
        const qsizetype chunk = qMin<qsizetype>(n, m_end - m_pos);
        std::memcpy(m_pos, data, size_t(chunk));
        m_pos += chunk;
        data += chunk;
        n -= chunk;
    }
}

bool CsvOutputBuffer::Flush()
{
    Drain();
    return !m_failed;
}
