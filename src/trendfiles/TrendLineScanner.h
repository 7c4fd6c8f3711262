#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <memory>

// Reads a data file in large blocks of whole lines, so the readers parse straight out of one
// buffer instead of paying a QIODevice::readLine call and a QByteArray per line. Only one block
// is held at a time: a file of any size is read in constant memory, apart from a single line
// longer than a block, which is held whole while it is read.
//
// The lines are the raw bytes of the file. What Qt's text mode makes of them (CR handling) is
// left to TextModeLine, which the readers call only for lines that contain a CR other than the
// one of a CR LF line end; for all other lines text mode changes nothing but that CR.
class TrendLineScanner {
public:
    // A line with more TABs than fieldsPerLine - 1 can never be a sample: such a line is skipped
    // as soon as this is known instead of being held whole.
    explicit TrendLineScanner(int fieldsPerLine);

    // Opens a regular file; its size at this moment is where reading ends. With a range, only
    // the bytes from `begin` to `end` (both at most that size) are read, as if they were the
    // whole file, except that offsets stay those of the file; `begin` is meant to be a line start.
    bool Open(const QString& path, qint64 begin = 0, qint64 end = -1);
    // Where reading ends: the file's size at the opening, or the end of the range.
    qint64 FileSize() const { return m_fileSize; }

    // Makes the next block available: [Begin(), End()) is a run of whole lines, each ending with
    // an LF except the last line of the file. Returns false when the file has been read through
    // (or a read fails). At the end of the file the byte at End() is a NUL, so a scanner that
    // stops at bytes outside a number never runs past the block.
    bool NextBlock();
    const char* Begin() const { return m_buffer.get(); }
    const char* End() const { return m_buffer.get() + m_blockEnd; }
    // File offset of Begin().
    qint64 Offset() const { return m_offset; }
    // NextBlock returned false because reading the file failed, not because it ended.
    bool Failed() const { return m_failed; }

    // The line that QIODevice::readLine returns in text mode for the raw line [line, line +
    // length) starting at file offset `offset` (the raw line ends just after its LF, or at the end
    // of the file). Qt 5 treats CRs differently depending on whether a line is served from its
    // 16 KiB read buffer (only a CR LF at the end of each 16 KiB piece becomes LF) or read while
    // that buffer is empty (every CR is dropped); both depend only on the file offset, so the
    // result is reproduced here exactly.
    static void TextModeLine(const char* line, qsizetype length, qint64 offset, QByteArray* text);

    // The line as Qt's text mode reads it, without its LF: the raw bytes where text mode changes
    // nothing, otherwise TextModeLine's result in *buffer. Sets *textLength.
    static const char* LineText(const char* line, qsizetype length, qint64 offset,
        QByteArray* buffer, qsizetype* textLength);

#ifdef CURVESCOPE_SCANNER_BLOCK_SIZE
    // The fuzzers shrink the block so that small inputs cross block boundaries and grow it.
    static constexpr qsizetype BlockSize = CURVESCOPE_SCANNER_BLOCK_SIZE;
#else
    static constexpr qsizetype BlockSize = qsizetype(1) << 20;
#endif
    // Longer lines are skipped unread: Qt itself could not hold them in one QByteArray.
    static constexpr qsizetype MaxLineLength = qsizetype(1) << 30;

private:
    bool Fill();
    bool Grow();
    qsizetype FindLastLineEnd() const;
    int CountTabs(qsizetype from, qsizetype to, int limit) const;

    const int m_fieldsPerLine;
    QFile m_file;
    qint64 m_fileSize = 0;
    std::unique_ptr<char[]> m_buffer;
    qsizetype m_capacity = 0; // bytes usable for data; one more is allocated for the sentinel
    qsizetype m_filled = 0; // bytes of data in the buffer
    qsizetype m_blockEnd = 0; // end of the block handed out last, start of the next one
    qint64 m_offset = 0; // file offset of the buffer's first byte
    qint64 m_read = 0; // bytes read from the file
    bool m_atEnd = false; // the file has been read to its end
    bool m_failed = false;
};
