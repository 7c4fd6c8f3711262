#include "DatafileReaderCore.h"

#include "TrendLineScanner.h"
#include "TrendNumberParser.h"

#include <cstring>

template <int Columns>
DatafileReaderCore<Columns>::DatafileReaderCore(SampleSeries* series, int count, qint64 startTime)
    : m_series(series)
    , m_count(unsigned(qMax(count, 0)))
    , m_startTime(startTime)
{
}

template <int Columns> bool DatafileReaderCore<Columns>::Read(const QString& path)
{
    TrendLineScanner scanner(Columns);
    if (!scanner.Open(path))
        return false;
    while (scanner.NextBlock()) {
        if (!ReadBlock(scanner))
            return false;
        ReserveAhead(scanner);
    }
    for (unsigned i = 0; i < m_count; ++i)
        m_series[i].ReleaseSpare();
    // A file that cannot be read to its end is not shown half.
    return !scanner.Failed();
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
        if (size > 0 && series.Capacity() - size < size / 4 + 1024)
            series.Reserve(qint64(double(size) * scale) + 1024);
    }
}

template <int Columns> bool DatafileReaderCore<Columns>::ReadBlock(const TrendLineScanner& scanner)
{
    const char* const begin = scanner.Begin();
    const char* const end = scanner.End();
    SampleSeries* const series = m_series;
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
                    && !series[cylinder].Append(timestamp, value))
                    return false;
                continue;
            }
        }
        const char* lf = static_cast<const char*>(std::memchr(line, '\n', size_t(end - line)));
        p = lf ? lf + 1 : end;
        if (!ReadUnusualLine(line, p - line, scanner.Offset() + (line - begin)))
            return false;
    }
    return true;
}

template <int Columns>
bool DatafileReaderCore<Columns>::ReadUnusualLine(
    const char* line, qsizetype length, qint64 fileOffset)
{
    qsizetype textLength;
    const char* text = TrendLineScanner::LineText(line, length, fileOffset, &m_text, &textLength);
    qint64 offset;
    int cylinder = 0; // stays 0 for two columns: their one series
    double value;
    qint64 timestamp;
    if (!TrendNumberParser::ParseLine(text, textLength, Columns, &offset, &cylinder, &value)
        || unsigned(cylinder) >= m_count || qIsNaN(value)
        || !TrendNumberParser::AddOffset(m_startTime, offset, &timestamp))
        return true;
    return m_series[cylinder].Append(timestamp, value);
}

template class DatafileReaderCore<2>;
template class DatafileReaderCore<3>;
