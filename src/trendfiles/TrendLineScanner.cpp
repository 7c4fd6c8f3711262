#include "TrendLineScanner.h"

#include "RegularFile.h"

#include <cstring>
#include <new>

namespace {

// The size of QIODevice's read buffer chunks in Qt 5.
constexpr qint64 QtReadChunk = 16384;

} // namespace

TrendLineScanner::TrendLineScanner(int fieldsPerLine)
    : m_fieldsPerLine(fieldsPerLine)
{
}

bool TrendLineScanner::Open(const QString& path, qint64 begin, qint64 end)
{
    m_file.setFileName(path);
    // Unbuffered: the blocks are read straight into the scanner's buffer.
    if (!RegularFile::Open(&m_file, QIODevice::Unbuffered))
        return false;
    const qint64 size = m_file.size();
    m_fileSize = end < 0 ? size : qMin(end, size);
    begin = qBound(qint64(0), begin, m_fileSize);
    if (begin > 0 && !m_file.seek(begin))
        return false;
    m_capacity = BlockSize;
    m_buffer.reset(new char[size_t(m_capacity) + 1]);
    m_filled = 0;
    m_blockEnd = 0;
    m_offset = begin;
    m_read = begin;
    m_atEnd = false;
    return true;
}

bool TrendLineScanner::Fill()
{
    while (m_filled < m_capacity && !m_atEnd) {
        // The file ends where it ended when it was opened: a recording that is still being
        // written would otherwise keep the reading going for as long as the device writes.
        const qint64 wanted = qMin(qint64(m_capacity - m_filled), m_fileSize - m_read);
        const qint64 got = wanted > 0 ? m_file.read(m_buffer.get() + m_filled, wanted) : 0;
        if (got < 0) {
            m_failed = true;
            return false;
        }
        if (got == 0)
            m_atEnd = true;
        m_filled += qsizetype(got);
        m_read += got;
    }
    return true;
}

bool TrendLineScanner::Grow()
{
    // A line this long is a damaged file: when its memory cannot be had, the line is dropped
    // rather than the program.
    const qsizetype capacity = qMin(m_capacity * 2, MaxLineLength);
    std::unique_ptr<char[]> buffer(new (std::nothrow) char[size_t(capacity) + 1]);
    if (!buffer)
        return false;
    std::memcpy(buffer.get(), m_buffer.get(), size_t(m_filled));
    m_buffer = std::move(buffer);
    m_capacity = capacity;
    return true;
}

qsizetype TrendLineScanner::FindLastLineEnd() const
{
    for (qsizetype i = m_filled; i > 0; --i) {
        if (m_buffer[i - 1] == '\n')
            return i;
    }
    return 0;
}

int TrendLineScanner::CountTabs(qsizetype from, qsizetype to, int limit) const
{
    int tabs = 0;
    const char* p = m_buffer.get() + from;
    const char* const end = m_buffer.get() + to;
    while (tabs <= limit && (p = static_cast<const char*>(std::memchr(p, '\t', size_t(end - p))))) {
        ++tabs;
        ++p;
    }
    return tabs;
}

bool TrendLineScanner::NextBlock()
{
    if (!m_buffer)
        return false;
    // Keep the unfinished line behind the last block and start the buffer with it.
    const qsizetype rest = m_filled - m_blockEnd;
    std::memmove(m_buffer.get(), m_buffer.get() + m_blockEnd, size_t(rest));
    m_offset += m_blockEnd;
    m_filled = rest;
    m_blockEnd = 0;

    for (;;) {
        if (!Fill())
            return false;
        const qsizetype lineEnd = FindLastLineEnd();
        if (lineEnd > 0) {
            m_blockEnd = lineEnd;
            return true;
        }
        if (m_atEnd) {
            // The last line of the file, without an LF.
            m_blockEnd = m_filled;
            m_buffer[m_filled] = '\0';
            return m_filled > 0;
        }
        // A single line fills the whole buffer. Hold it whole only while it can still be a
        // sample line and Qt could still hold it.
        if (CountTabs(0, m_filled, m_fieldsPerLine - 1) < m_fieldsPerLine
            && m_capacity < MaxLineLength && Grow())
            continue;
        // Drop it: read on to its LF without keeping anything.
        for (;;) {
            const char* lf
                = static_cast<const char*>(std::memchr(m_buffer.get(), '\n', size_t(m_filled)));
            if (lf) {
                const qsizetype dropped = lf + 1 - m_buffer.get();
                std::memmove(m_buffer.get(), lf + 1, size_t(m_filled - dropped));
                m_offset += dropped;
                m_filled -= dropped;
                break;
            }
            m_offset += m_filled;
            m_filled = 0;
            if (m_atEnd)
                return false;
            if (!Fill())
                return false;
        }
    }
}

void TrendLineScanner::TextModeLine(
    const char* line, qsizetype length, qint64 offset, QByteArray* text)
{
    // Follows QIODevice::readLine() of Qt 5: it asks the device for pieces of at most one chunk
    // (readLine(char *, chunk + 1)) until a piece ends with LF. Each piece first takes the raw
    // bytes left in the read buffer; when the buffer runs dry, the rest comes byte by byte
    // through read(), which drops every CR in text mode and refills the buffer from the file
    // in chunk-sized reads, so the buffer runs dry exactly at file offsets that are multiples
    // of the chunk size. A piece that ends with CR LF then has that CR LF turned into LF.
    text->clear();
    text->reserve(int(qMin(length, MaxLineLength)));
    qsizetype i = 0;
    qint64 total = 0;
    for (;;) {
        qint64 produced = 0;
        bool lineFeed = false;
        if ((offset + i) % QtReadChunk != 0) {
            while (produced < QtReadChunk && i < length) {
                const char c = line[i++];
                text->append(c);
                ++produced;
                if (c == '\n') {
                    lineFeed = true;
                    break;
                }
                if ((offset + i) % QtReadChunk == 0)
                    break;
            }
        }
        qint64 result = produced;
        if (!lineFeed && produced < QtReadChunk) {
            const qint64 fromBuffer = produced;
            while (produced < QtReadChunk && i < length) {
                const char c = line[i++];
                if (c == '\r')
                    continue;
                text->append(c);
                ++produced;
                if (c == '\n') {
                    lineFeed = true;
                    break;
                }
            }
            result = produced == fromBuffer ? (fromBuffer > 0 ? fromBuffer : -1) : produced;
        }
        if (lineFeed && produced > 1 && text->at(text->size() - 2) == '\r') {
            text->chop(2);
            text->append('\n');
            --result;
        }
        if (result > 0 || total == 0)
            total += result;
        if (result != QtReadChunk || text->isEmpty() || text->at(text->size() - 1) == '\n')
            break;
    }
    if (total <= 0)
        text->clear();
}

const char* TrendLineScanner::LineText(
    const char* line, qsizetype length, qint64 offset, QByteArray* buffer, qsizetype* textLength)
{
    // Text mode only ever changes CRs: a line without one is parsed where it lies.
    const char* text = line;
    qsizetype size = length;
    if (std::memchr(line, '\r', size_t(length))) {
        TextModeLine(line, length, offset, buffer);
        text = buffer->constData();
        size = buffer->size();
    }
    if (size > 0 && text[size - 1] == '\n')
        --size;
    *textLength = size;
    return text;
}
