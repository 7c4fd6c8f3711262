#pragma once

#include <QChar>
#include <QString>
#include <QStringList>
#include <QVector>

class QIODevice;
class QTextCodec;

// Collects the series of one recording and writes them as a CSV file, either side by side
// (Time/Data Pairs) or merged into one list ordered by time (Timestamp List). Cells follow the
// system's regional settings; the file is in the local 8-bit encoding.
//
// A file replaces its earlier version only when every byte was written (see ReplacingFile), so
// a full disk or a lost drive leaves the previous file as it was and the write reports false.
// While one thread formats, a second one writes the formatted blocks (see CsvOutputBuffer); a
// write returns only when both are done.
class CCsvWriter {
public:
    CCsvWriter();

    // Shares the vectors (no element copy). False, and nothing added, when their lengths differ.
    bool AddSeries(
        const QVector<qint64>& timestamps, const QVector<double>& values, const QString& name);

    bool WriteTimeDataPairs(const QString& fileName, bool withTitleLine);
    bool WriteTimestampList(const QString& fileName);

    // The same bytes onto an open device, which a second thread writes until the call returns;
    // false, after stopping early, when a write fails.
    bool WriteTimeDataPairs(QIODevice& device, bool withTitleLine);
    bool WriteTimestampList(QIODevice& device);

    // Accepts a tab or ';' only; applies to every writer.
    static bool SetSeparator(QChar separator);
    static QChar Separator();

    int SeriesCount() const { return m_timestampSeries.size(); }
    int MaximumLength() const { return m_maximumLength; }
    QStringList ColumnTitles() const { return m_columnTitles; }

private:
    QVector<QVector<qint64>> m_timestampSeries;
    QVector<QVector<double>> m_valueSeries;
    int m_maximumLength = 0;
    QStringList m_columnTitles;

    static QChar s_separator;
};
