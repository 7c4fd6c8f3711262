#include "DatafileReaderTwoColumns.h"

#include "TrendLineScanner.h"
#include "TrendNumberParser.h"

#include <cstring>

bool DatafileReaderTwoColumns::ReadFile(
    const QString& path, qint64 startTime, int numberOfCylinders)
{
    Q_UNUSED(numberOfCylinders)
    TrendLineScanner scanner(2);
    if (!scanner.Open(path))
        return false;
    m_series.Clear();
    bool reserved = false;
    while (scanner.NextBlock()) {
        if (!ReadBlock(scanner, startTime))
            return false;
        if (!reserved) {
            // The first block tells how many bytes a sample takes in this file: room for the
            // whole file is reserved once, so the vectors are never copied while growing.
            reserved = true;
            const qint64 read = scanner.Offset() + (scanner.End() - scanner.Begin());
            if (read > 0 && read < scanner.FileSize())
                m_series.Reserve(qint64(double(m_series.Size()) * double(scanner.FileSize())
                                     / double(read) * 1.02)
                    + 1024);
        }
    }
    // A file that cannot be read to its end is not shown half.
    return !scanner.Failed();
}

bool DatafileReaderTwoColumns::ReadBlock(const TrendLineScanner& scanner, qint64 startTime)
{
    const char* const begin = scanner.Begin();
    const char* const end = scanner.End();
    const char* p = begin;
    while (p < end) {
        // The device's own shape: plain hex offset, TAB, plain decimal value, LF or CR LF.
        // Anything else goes the exact way, line by line.
        const char* const line = p;
        quint64 offset;
        double value;
        if (TrendNumberParser::ScanPlainHex(&p, &offset) && *p == '\t') {
            ++p;
            if (TrendNumberParser::ScanPlainDecimalNumber(&p, &value)) {
                const int lineEnd = *p == '\n' ? 1 : (*p == '\r' && p[1] == '\n') ? 2 : 0;
                if (lineEnd) {
                    p += lineEnd;
                    qint64 timestamp;
                    if (TrendNumberParser::AddOffset(startTime, qint64(offset), &timestamp)
                        && !m_series.Append(timestamp, value))
                        return false;
                    continue;
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

bool DatafileReaderTwoColumns::ReadUnusualLine(
    const char* line, qsizetype length, qint64 fileOffset, qint64 startTime)
{
    qsizetype textLength;
    const char* text = TrendLineScanner::LineText(line, length, fileOffset, &m_text, &textLength);
    qint64 offset;
    int cylinder;
    double value;
    qint64 timestamp;
    if (!TrendNumberParser::ParseLine(text, textLength, 2, &offset, &cylinder, &value)
        || qIsNaN(value) || !TrendNumberParser::AddOffset(startTime, offset, &timestamp))
        return true;
    return m_series.Append(timestamp, value);
}

const QVector<double>& DatafileReaderTwoColumns::GetTimes(int) const { return m_series.Times(); }

const QVector<double>& DatafileReaderTwoColumns::GetValues(int) const { return m_series.Values(); }

const QVector<qint64>& DatafileReaderTwoColumns::GetTimestamps(int) const
{
    return m_series.Timestamps();
}

bool DatafileReaderTwoColumns::IsEmpty() const { return m_series.IsEmpty(); }
