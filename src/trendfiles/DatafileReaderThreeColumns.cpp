#include "DatafileReaderThreeColumns.h"

#include "ConfigurationReader.h"
#include "TrendLineScanner.h"
#include "TrendNumberParser.h"

#include <cstring>

bool DatafileReaderThreeColumns::ReadFile(
    const QString& path, qint64 startTime, int numberOfCylinders)
{
    if (numberOfCylinders < 1 || numberOfCylinders > ConfigurationReader::MaxNumberOfCylinders)
        return false;
    m_series.clear();
    m_series.resize(numberOfCylinders);
    TrendLineScanner scanner(3);
    if (!scanner.Open(path))
        return false;
    bool reserved = false;
    while (scanner.NextBlock()) {
        if (!ReadBlock(scanner, startTime))
            return false;
        if (!reserved) {
            // The first block tells how many bytes a sample of each cylinder takes in this file:
            // room for the whole file is reserved once, so the vectors are never copied while
            // growing.
            reserved = true;
            const qint64 read = scanner.Offset() + (scanner.End() - scanner.Begin());
            if (read > 0 && read < scanner.FileSize()) {
                const double scale = double(scanner.FileSize()) / double(read) * 1.02;
                for (SampleSeries& series : m_series) {
                    if (!series.IsEmpty())
                        series.Reserve(qint64(double(series.Size()) * scale) + 1024);
                }
            }
        }
    }
    // A file that cannot be read to its end is not shown half.
    return !scanner.Failed();
}

bool DatafileReaderThreeColumns::ReadBlock(const TrendLineScanner& scanner, qint64 startTime)
{
    const char* const begin = scanner.Begin();
    const char* const end = scanner.End();
    const unsigned cylinders = unsigned(m_series.size());
    SampleSeries* const series = m_series.data();
    const char* p = begin;
    while (p < end) {
        // The device's own shape: plain hex offset, TAB, plain cylinder index, TAB, plain
        // decimal value, LF or CR LF. Anything else goes the exact way, line by line.
        const char* const line = p;
        quint64 offset;
        int cylinder;
        double value;
        if (TrendNumberParser::ScanPlainHex(&p, &offset) && *p == '\t') {
            ++p;
            if (TrendNumberParser::ScanPlainDecimal(&p, &cylinder) && *p == '\t') {
                ++p;
                if (TrendNumberParser::ScanPlainDecimalNumber(&p, &value)) {
                    const int lineEnd = *p == '\n' ? 1 : (*p == '\r' && p[1] == '\n') ? 2 : 0;
                    if (lineEnd) {
                        p += lineEnd;
                        qint64 timestamp;
                        if (unsigned(cylinder) < cylinders
                            && TrendNumberParser::AddOffset(startTime, qint64(offset), &timestamp)
                            && !series[cylinder].Append(timestamp, value))
                            return false;
                        continue;
                    }
                }
            }
        }
        const char* lf = static_cast<const char*>(std::memchr(line, '\n', size_t(end - line)));
        p = lf ? lf + 1 : end;
        if (!ReadUnusualLine(line, p - line, scanner.Offset() + (line - begin), startTime))
            return false;
    }
    return true;
}

bool DatafileReaderThreeColumns::ReadUnusualLine(
    const char* line, qsizetype length, qint64 fileOffset, qint64 startTime)
{
    qsizetype textLength;
    const char* text = TrendLineScanner::LineText(line, length, fileOffset, &m_text, &textLength);
    qint64 offset;
    int cylinder;
    double value;
    qint64 timestamp;
    if (!TrendNumberParser::ParseLine(text, textLength, 3, &offset, &cylinder, &value)
        || cylinder < 0 || cylinder >= m_series.size() || qIsNaN(value)
        || !TrendNumberParser::AddOffset(startTime, offset, &timestamp))
        return true;
    return m_series[cylinder].Append(timestamp, value);
}

const QVector<double>& DatafileReaderThreeColumns::GetTimes(int cylinder) const
{
    return cylinder >= 0 && cylinder < m_series.size() ? m_series.at(cylinder).Times() : m_noTimes;
}

const QVector<double>& DatafileReaderThreeColumns::GetValues(int cylinder) const
{
    return cylinder >= 0 && cylinder < m_series.size() ? m_series.at(cylinder).Values() : m_noTimes;
}

const QVector<qint64>& DatafileReaderThreeColumns::GetTimestamps(int cylinder) const
{
    return cylinder >= 0 && cylinder < m_series.size() ? m_series.at(cylinder).Timestamps()
                                                       : m_noTimestamps;
}

bool DatafileReaderThreeColumns::IsEmpty() const
{
    for (const SampleSeries& series : m_series) {
        if (!series.IsEmpty())
            return false;
    }
    return true;
}
