#include "SampleSeries.h"

#include <new>
#include <utility>

#ifdef Q_OS_LINUX
#include <sys/mman.h>
#include <cstdint>
#endif

namespace {

template <typename T> void ReserveWithLargePages(QVector<T>& vector, int size)
{
    if (size <= vector.capacity())
        return;
    vector.reserve(size);
    SampleSeries::AdviseLargePages(vector.constData(), qint64(size) * qint64(sizeof(T)));
}

} // namespace

void SampleSeries::AdviseLargePages(const void* data, qint64 bytes)
{
#ifdef Q_OS_LINUX
    // The vectors are filled front to back exactly once: with transparent huge pages the kernel
    // faults them in 2 MiB at a time instead of 4 KiB, which is most of the cost of a big file.
    // Only the whole huge pages inside the block are advised.
    constexpr std::uintptr_t HugePage = std::uintptr_t(2) << 20;
    const auto begin = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t end = begin + std::uintptr_t(bytes);
    const std::uintptr_t alignedBegin = (begin + HugePage - 1) & ~(HugePage - 1);
    const std::uintptr_t alignedEnd = end & ~(HugePage - 1);
    if (alignedEnd > alignedBegin)
        madvise(reinterpret_cast<void*>(alignedBegin), alignedEnd - alignedBegin, MADV_HUGEPAGE);
#else
    Q_UNUSED(data)
    Q_UNUSED(bytes)
#endif
}

void SampleSeries::Reserve(qint64 samples)
{
    const int size = int(qBound(qint64(0), samples, qint64(MaxSamples)));
    try {
        ReserveWithLargePages(m_times, size);
        ReserveWithLargePages(m_values, size);
        if (m_keepTimestamps)
            ReserveWithLargePages(m_timestamps, size);
    } catch (const std::bad_alloc&) {
        // A vector that failed to grow keeps its samples; the others may keep their new room.
    }
}

void SampleSeries::ReleaseSpare()
{
    if (m_times.capacity() <= 2 * m_times.size() + 1024)
        return;
    try {
        m_times.squeeze();
        m_values.squeeze();
        m_timestamps.squeeze();
    } catch (const std::bad_alloc&) {
        // The copy without the spare room needs memory of its own; without it the room stays.
    }
}

void SampleSeries::Clear()
{
    m_times.clear();
    m_values.clear();
    m_timestamps.clear();
    m_keepTimestamps = false;
}

void SampleSeries::Adopt(QVector<double> times, QVector<double> values)
{
    Clear();
    m_times = std::move(times);
    m_values = std::move(values);
}

const QVector<qint64>& SampleSeries::Timestamps() const
{
    if (m_timestamps.size() != m_times.size())
        DeriveTimestamps();
    return m_timestamps;
}

void SampleSeries::KeepTimestamps()
{
    DeriveTimestamps();
    m_timestamps.reserve(m_times.capacity());
    m_keepTimestamps = true;
}

void SampleSeries::DeriveTimestamps() const
{
    // Every time stored so far fits a double exactly, so the conversion back is exact.
    m_timestamps.resize(m_times.size());
    qint64* out = m_timestamps.data();
    for (double t : m_times)
        *out++ = qint64(t);
}
