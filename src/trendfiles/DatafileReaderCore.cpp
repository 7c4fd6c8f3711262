#include "DatafileReaderCore.h"

#include "RegularFile.h"
#include "TrendLineScanner.h"
#include "TrendNumberParser.h"

#include <QFile>

#ifdef Q_OS_LINUX
#include <sys/mman.h>
#endif

#include <cstdint>
#include <cstring>
#include <exception>
#include <system_error>
#include <thread>
#include <vector>

namespace {

// Appends to the reader's series; refuses when a series is full.
struct SeriesSink {
    SampleSeries* series;
    bool Append(unsigned s, qint64 timestamp, double value)
    {
        return series[s].Append(timestamp, value);
    }
};

// Counts the samples per series.
struct CountingSink {
    std::vector<qint64> counts;
    bool Append(unsigned s, qint64, double)
    {
        ++counts[s];
        return true;
    }
};

// Writes into a fixed stretch of memory per series; refuses a sample beyond it, and a time that
// would need the 64-bit time stamps kept.
struct StretchSink {
    struct Stretch {
        double* times;
        double* values;
        qint64 size;
        qint64 room;
    };
    std::vector<Stretch> stretches;
    bool Append(unsigned s, qint64 timestamp, double value)
    {
        Stretch& stretch = stretches[s];
        if (stretch.size == stretch.room || !SampleSeries::FitsDouble(timestamp))
            return false;
        stretch.times[stretch.size] = double(timestamp);
        stretch.values[stretch.size] = value;
        ++stretch.size;
        return true;
    }
};

// The storage of a QVector<double> of a fixed capacity whose elements are written before the
// vector exists: QVector::resize would first zero them, touching every page in one thread.
class VectorStorage {
public:
    VectorStorage() = default;
    VectorStorage(const VectorStorage&) = delete;
    VectorStorage& operator=(const VectorStorage&) = delete;
    VectorStorage(VectorStorage&& other) noexcept
        : m_data(other.m_data)
    {
        other.m_data = nullptr;
    }
    ~VectorStorage()
    {
        if (m_data)
            QTypedArrayData<double>::deallocate(m_data);
    }

    bool Allocate(qint64 capacity)
    {
        m_data = QTypedArrayData<double>::allocate(size_t(capacity));
        if (!m_data)
            return false;
        SampleSeries::AdviseLargePages(m_data->data(), capacity * qint64(sizeof(double)));
        return true;
    }
    double* Data() { return m_data->data(); }
    // Gives the pages beyond the first `size` elements back to the system: written there once,
    // they are no longer needed. Only a hint.
    void ReleasePagesAfter(qint64 size, qint64 end)
    {
#ifdef Q_OS_LINUX
        constexpr std::uintptr_t Page = 4096;
        const auto data = reinterpret_cast<std::uintptr_t>(Data());
        const std::uintptr_t from
            = (data + std::uintptr_t(size) * sizeof(double) + Page - 1) & ~(Page - 1);
        const std::uintptr_t to = (data + std::uintptr_t(end) * sizeof(double)) & ~(Page - 1);
        if (to > from)
            madvise(reinterpret_cast<void*>(from), to - from, MADV_DONTNEED);
#else
        Q_UNUSED(size)
        Q_UNUSED(end)
#endif
    }
    QVector<double> Release(int size)
    {
        m_data->size = size;
        QVector<double> vector(QArrayDataPointerRef<double> {m_data});
        m_data = nullptr;
        return vector;
    }

private:
    QTypedArrayData<double>* m_data = nullptr;
};

// Offset just after the first LF at or after `at`, or -1 when there is none before `end`.
qint64 LineStartAfter(const QString& path, qint64 at, qint64 end)
{
    QFile file(path);
    if (!RegularFile::Open(&file, QIODevice::Unbuffered) || !file.seek(at))
        return -1;
    char block[1 << 16];
    while (at < end) {
        const qint64 got = file.read(block, qMin<qint64>(sizeof block, end - at));
        if (got <= 0)
            return -1;
        if (const void* lf = std::memchr(block, '\n', size_t(got)))
            return at + (static_cast<const char*>(lf) - block) + 1;
        at += got;
    }
    return -1;
}

} // namespace

template <int Columns>
DatafileReaderCore<Columns>::DatafileReaderCore(SampleSeries* series, int count, qint64 startTime)
    : m_series(series)
    , m_count(unsigned(qMax(count, 0)))
    , m_startTime(startTime)
{
}

template <int Columns> bool DatafileReaderCore<Columns>::Read(const QString& path)
{
    const Outcome outcome = ReadInHalves(path);
    m_inHalves = outcome == Outcome::Read;
    if (outcome != Outcome::Declined)
        return outcome == Outcome::Read;
    return ReadWhole(path);
}

template <int Columns> bool DatafileReaderCore<Columns>::ReadWhole(const QString& path)
{
    TrendLineScanner scanner(Columns);
    if (!scanner.Open(path))
        return false;
    SeriesSink sink {m_series};
    QByteArray text;
    while (scanner.NextBlock()) {
        if (!ReadBlock(scanner, sink, &text))
            return false;
        ReserveAhead(scanner);
    }
    for (unsigned i = 0; i < m_count; ++i)
        m_series[i].ReleaseSpare();
    // A file that cannot be read to its end is not shown half.
    return !scanner.Failed();
}

template <int Columns>
typename DatafileReaderCore<Columns>::Outcome DatafileReaderCore<Columns>::ReadInHalves(
    const QString& path)
{
    // The file is cut at the line start nearest its middle. A sample of 256 KiB from each half
    // tells how many samples of each series it will give; the final vectors get room for both
    // estimates, a little more generously than measured, and each thread writes its half into
    // its own stretch of them. The second half's samples are then moved down to follow the
    // first half's directly. Whatever does not fit this plan (a half giving more samples than
    // its stretch holds, times beyond what a double holds exactly, memory that cannot be had)
    // gives up the halves, and the file is read whole by one thread as usual, which keeps
    // growing the vectors only from what has been read.
    if (std::thread::hardware_concurrency() < 2 || m_count == 0)
        return Outcome::Declined;
    qint64 size = 0;
    {
        QFile file(path);
        if (!RegularFile::Open(&file))
            return Outcome::Declined;
        size = file.size();
    }
    if (size < HalvesFrom)
        return Outcome::Declined;
    const qint64 middle = LineStartAfter(path, size / 2, size);
    if (middle <= 0 || middle >= size)
        return Outcome::Declined;

    // The sample is taken from the middle of each half: the time offsets of a recording grow
    // by a hexadecimal digit now and then, so its first lines are shorter than most.
    constexpr qint64 SampleBytes = qint64(256) << 10;
    const qint64 begins[2] = {0, middle};
    const qint64 ends[2] = {middle, size};
    std::vector<qint64> estimates[2];
    for (int half = 0; half < 2; ++half) {
        CountingSink counter {std::vector<qint64>(m_count)};
        const qint64 length = ends[half] - begins[half];
        qint64 sampleBegin = begins[half];
        if (length > 2 * SampleBytes)
            sampleBegin
                = LineStartAfter(path, begins[half] + length / 2 - SampleBytes / 2, ends[half]);
        // A line of megabytes there: the start of the half then.
        if (sampleBegin < 0 || ends[half] - sampleBegin < SampleBytes)
            sampleBegin = begins[half];
        const qint64 sampleEnd = qMin(ends[half], sampleBegin + SampleBytes);
        if (ReadRange(path, sampleBegin, sampleEnd, counter) != Outcome::Read)
            return Outcome::Declined;
        const double scale = double(length) / double(sampleEnd - sampleBegin);
        for (qint64 count : counter.counts)
            estimates[half].push_back(qint64(double(count) * scale * 1.04) + 4096);
    }

    std::vector<VectorStorage> times(m_count);
    std::vector<VectorStorage> values(m_count);
    StretchSink sinks[2];
    for (unsigned i = 0; i < m_count; ++i) {
        const qint64 room = estimates[0][i] + estimates[1][i];
        if (room > SampleSeries::MaxSamples || !times[i].Allocate(room)
            || !values[i].Allocate(room))
            return Outcome::Declined;
        for (int half = 0; half < 2; ++half) {
            const qint64 at = half == 0 ? 0 : estimates[0][i];
            sinks[half].stretches.push_back(
                {times[i].Data() + at, values[i].Data() + at, 0, estimates[half][i]});
        }
    }

    Outcome outcomes[2] = {Outcome::Declined, Outcome::Declined};
    const auto readHalf = [&](int half) {
        try {
            outcomes[half] = ReadRange(path, begins[half], ends[half], sinks[half]);
        } catch (...) {
            outcomes[half] = Outcome::Declined; // out of memory for a line: read whole instead
        }
    };
    try {
        std::thread second(readHalf, 1);
        readHalf(0);
        second.join();
    } catch (const std::system_error&) {
        return Outcome::Declined; // no thread to be had
    }
    for (const Outcome outcome : outcomes) {
        if (outcome != Outcome::Read)
            return outcome;
    }

    for (unsigned i = 0; i < m_count; ++i) {
        const qint64 first = sinks[0].stretches[i].size;
        const qint64 second = sinks[1].stretches[i].size;
        if (first != estimates[0][i]) {
            std::memmove(times[i].Data() + first, sinks[1].stretches[i].times,
                size_t(second) * sizeof(double));
            std::memmove(values[i].Data() + first, sinks[1].stretches[i].values,
                size_t(second) * sizeof(double));
            // The end of the second half's stretch was written once and is free again.
            const qint64 written = estimates[0][i] + second;
            times[i].ReleasePagesAfter(first + second, written);
            values[i].ReleasePagesAfter(first + second, written);
        }
        m_series[i].Adopt(
            times[i].Release(int(first + second)), values[i].Release(int(first + second)));
        m_series[i].ReleaseSpare();
    }
    return Outcome::Read;
}

template <int Columns>
template <typename Sink>
typename DatafileReaderCore<Columns>::Outcome DatafileReaderCore<Columns>::ReadRange(
    const QString& path, qint64 begin, qint64 end, Sink& sink) const
{
    TrendLineScanner scanner(Columns);
    if (!scanner.Open(path, begin, end))
        return Outcome::Failed;
    QByteArray text;
    while (scanner.NextBlock()) {
        if (!ReadBlock(scanner, sink, &text))
            return Outcome::Declined;
    }
    return scanner.Failed() ? Outcome::Failed : Outcome::Read;
}

template <int Columns>
void DatafileReaderCore<Columns>::ReserveAhead(const TrendLineScanner& scanner)
{
    // The lines read so far tell how many bytes a sample of each series takes in this file:
    // when a series is about to fill its room, room for the rest of the file is reserved at
    // once, so the vectors are rarely copied while growing. The estimate never exceeds
    // MaxGrowth times the samples already read: a file whose first megabyte is samples and
    // whose remaining gigabytes are junk asks for a little more room, not for gigabytes. Growing
    // by at least MinGrowth keeps an estimate that falls short from copying the vectors often.
    // The room is topped up only when it is nearly used up: an estimate that was right leaves
    // the 2 % it was given, and growing then would copy the vectors just before the end.
    constexpr double MaxGrowth = 16.0;
    constexpr double MinGrowth = 1.5;
    const qint64 read = scanner.Offset() + (scanner.End() - scanner.Begin());
    if (read <= 0 || read >= scanner.FileSize())
        return;
    const double scale
        = qBound(MinGrowth, double(scanner.FileSize()) / double(read) * 1.02, MaxGrowth);
    for (unsigned i = 0; i < m_count; ++i) {
        SampleSeries& series = m_series[i];
        const int size = series.Size();
        if (size > 0 && series.Capacity() - size < size / 128 + 65536)
            series.Reserve(qint64(double(size) * scale) + 1024);
    }
}

template <int Columns>
template <typename Sink>
bool DatafileReaderCore<Columns>::ReadBlock(
    const TrendLineScanner& scanner, Sink& sink, QByteArray* text) const
{
    const char* const begin = scanner.Begin();
    const char* const end = scanner.End();
    const unsigned count = m_count;
    const qint64 startTime = m_startTime;
    const char* p = begin;
    while (p < end) {
        // The device's own shape: plain hex offset, TAB, for three columns plain cylinder index
        // and TAB, plain decimal value, LF or CR LF. Anything else goes the exact way, line by
        // line.
        const char* const line = p;
        quint64 offset;
        int cylinder = 0;
        double value;
        bool plain = TrendNumberParser::ScanPlainHex(&p, &offset) && *p++ == '\t';
        if constexpr (Columns == 3)
            plain = plain && TrendNumberParser::ScanPlainDecimal(&p, &cylinder) && *p++ == '\t';
        if (plain && TrendNumberParser::ScanPlainDecimalNumber(&p, &value)) {
            const int lineEnd = *p == '\n' ? 1 : (*p == '\r' && p[1] == '\n') ? 2 : 0;
            if (lineEnd) {
                p += lineEnd;
                qint64 timestamp;
                if ((Columns == 2 || unsigned(cylinder) < count)
                    && TrendNumberParser::AddOffset(startTime, qint64(offset), &timestamp)
                    && !sink.Append(unsigned(cylinder), timestamp, value))
                    return false;
                continue;
            }
        }
        const char* lf = static_cast<const char*>(std::memchr(line, '\n', size_t(end - line)));
        p = lf ? lf + 1 : end;
        if (!ReadUnusualLine(line, p - line, scanner.Offset() + (line - begin), sink, text))
            return false;
    }
    return true;
}

template <int Columns>
template <typename Sink>
bool DatafileReaderCore<Columns>::ReadUnusualLine(
    const char* line, qsizetype length, qint64 fileOffset, Sink& sink, QByteArray* scratch) const
{
    qsizetype textLength;
    const char* text = TrendLineScanner::LineText(line, length, fileOffset, scratch, &textLength);
    qint64 offset;
    int cylinder = 0; // stays 0 for two columns: their one series
    double value;
    qint64 timestamp;
    if (!TrendNumberParser::ParseLine(text, textLength, Columns, &offset, &cylinder, &value)
        || unsigned(cylinder) >= m_count || qIsNaN(value)
        || !TrendNumberParser::AddOffset(m_startTime, offset, &timestamp))
        return true;
    return sink.Append(unsigned(cylinder), timestamp, value);
}

template class DatafileReaderCore<2>;
template class DatafileReaderCore<3>;
