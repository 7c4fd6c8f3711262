#pragma once

#include <QtGlobal>
#include <cstring>
#include <memory>
#include <vector>

class QIODevice;

// Collects the bytes of a CSV file and hands them to the device in large blocks, so the
// formatting loops never pay for a device call per cell. After the first failed write every
// further byte is dropped and the failure is kept for the caller to report.
//
// With Writing::Overlapped a second thread writes each full block while the caller formats the
// next one, so formatting, writing and the disk's own work run side by side instead of one
// after another. The bytes and their order are the same; the device belongs to that thread
// until Flush returns (or the buffer is destroyed) and must not be touched meanwhile.
class CsvOutputBuffer {
public:
    enum class Writing { Inline, Overlapped };

    explicit CsvOutputBuffer(
        QIODevice* device, qsizetype capacity = 1 << 20, Writing writing = Writing::Inline);
    ~CsvOutputBuffer();

    CsvOutputBuffer(const CsvOutputBuffer&) = delete;
    CsvOutputBuffer& operator=(const CsvOutputBuffer&) = delete;

    // Room for at least n bytes; fill it and hand the end back to Commit. n must not exceed
    // the capacity.
    char* Reserve(qsizetype n)
    {
        if (m_end - m_pos < n)
            Drain();
        return m_pos;
    }
    void Commit(char* end) { m_pos = end; }

    void Append(const char* data, qsizetype n)
    {
        if (m_end - m_pos >= n) {
            std::memcpy(m_pos, data, size_t(n));
            m_pos += n;
        } else {
            AppendLarge(data, n);
        }
    }
    void Append(char c)
    {
        char* p = Reserve(1);
        *p++ = c;
        Commit(p);
    }

    // Writes what is pending and waits until it is written; false when any write failed.
    bool Flush();
    bool HasFailed() const;
    qsizetype Capacity() const { return qsizetype(m_storage.size()); }

private:
    class Writer;

    void Drain();
    void AppendLarge(const char* data, qsizetype n);
    void UseStorage();

    QIODevice* m_device;
    std::vector<char> m_storage;
    char* m_begin;
    char* m_pos;
    char* m_end;
    bool m_failed = false;
    std::unique_ptr<Writer> m_writer;
};
