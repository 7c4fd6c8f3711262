#include "CsvOutputBuffer.h"

#include <QFileDevice>
#include <QIODevice>

#include <atomic>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <mutex>
#include <new>
#include <system_error>
#include <thread>
#include <utility>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#endif

// The thread that writes the full blocks, in the order they were handed over. A few blocks
// circulate between it and the formatting thread, so memory stays a few blocks whatever the
// size of the file.
class CsvOutputBuffer::Writer {
public:
    Writer(QIODevice* device, qsizetype capacity)
        : m_device(device)
        , m_file(qobject_cast<QFileDevice*>(device))
    {
        for (int i = 0; i < SpareBlocks; ++i)
            m_empty.emplace_back(size_t(capacity));
        m_synced = m_file ? m_file->pos() : 0;
        m_thread = std::thread([this] { Run(); });
    }

    ~Writer()
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_stop = true;
        }
        m_changed.notify_all();
        m_thread.join();
    }

    // Hands over a block holding `used` bytes and returns an empty one.
    std::vector<char> Exchange(std::vector<char> full, qsizetype used)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_full.emplace_back(std::move(full), used);
        m_changed.notify_all();
        m_changed.wait(lock, [this] { return !m_empty.empty(); });
        std::vector<char> empty = std::move(m_empty.back());
        m_empty.pop_back();
        return empty;
    }

    // Waits until every block handed over is written.
    void Wait()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_changed.wait(lock, [this] { return m_full.empty() && !m_writing; });
    }

    bool Failed() const { return m_failed.load(std::memory_order_relaxed); }

private:
    static constexpr int SpareBlocks = 3;
    // Written bytes are handed to the disk in steps of this size, see StartWriteBack.
    static constexpr qint64 WriteBackStep = qint64(8) << 20;

    void Run()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        for (;;) {
            m_changed.wait(lock, [this] { return m_stop || !m_full.empty(); });
            if (m_full.empty())
                return;
            std::pair<std::vector<char>, qsizetype> block = std::move(m_full.front());
            m_full.pop_front();
            m_writing = true;
            lock.unlock();
            const qint64 used = block.second;
            if (used > 0 && !Failed()) {
                if (m_device->write(block.first.data(), used) != used)
                    m_failed.store(true, std::memory_order_relaxed);
                else
                    StartWriteBack();
            }
            lock.lock();
            m_writing = false;
            m_empty.push_back(std::move(block.first));
            m_changed.notify_all();
        }
    }

    // The kernel would otherwise hold the whole file in memory until the final sync and only
    // then write it to the disk; asking it to start on each written stretch lets the disk work
    // while the rest is formatted. Only a hint, for files on Linux.
    void StartWriteBack()
    {
#ifdef Q_OS_LINUX
        if (!m_file || !m_file->flush())
            return;
        const qint64 written = m_file->pos();
        if (written - m_synced < WriteBackStep)
            return;
        ::sync_file_range(m_file->handle(), m_synced, written - m_synced, SYNC_FILE_RANGE_WRITE);
        m_synced = written;
#endif
    }

    QIODevice* const m_device;
    QFileDevice* const m_file;
    qint64 m_synced = 0;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<std::pair<std::vector<char>, qsizetype>> m_full;
    std::vector<std::vector<char>> m_empty;
    bool m_writing = false;
    bool m_stop = false;
    std::atomic<bool> m_failed {false};
    std::thread m_thread;
};

CsvOutputBuffer::CsvOutputBuffer(QIODevice* device, qsizetype capacity, Writing writing)
    : m_device(device)
    , m_storage(size_t(qMax<qsizetype>(capacity, 4096)))
{
    // Without a second thread (none can be started when memory is short) the blocks are written
    // in turn with the formatting.
    if (writing == Writing::Overlapped) {
        try {
            m_writer = std::make_unique<Writer>(device, Capacity());
        } catch (const std::system_error&) {
            m_writer.reset();
        } catch (const std::bad_alloc&) {
            m_writer.reset();
        }
    }
    UseStorage();
}

CsvOutputBuffer::~CsvOutputBuffer() = default;

void CsvOutputBuffer::UseStorage()
{
    m_begin = m_storage.data();
    m_pos = m_begin;
    m_end = m_begin + m_storage.size();
}

bool CsvOutputBuffer::HasFailed() const { return m_failed || (m_writer && m_writer->Failed()); }

void CsvOutputBuffer::Drain()
{
    const qint64 pending = m_pos - m_begin;
    if (m_writer) {
        if (pending > 0 && !HasFailed()) {
            m_storage = m_writer->Exchange(std::move(m_storage), pending);
            UseStorage();
        }
        m_pos = m_begin;
        return;
    }
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
    if (m_writer)
        m_writer->Wait();
    return !HasFailed();
}
