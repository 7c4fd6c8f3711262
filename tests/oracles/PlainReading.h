#pragma once

#include "DatafileReaderInterface.h"

#include <QFile>
#include <QVector>

#include <cmath>
#include <cstring>

// The data file read the plain way, one QFile::readLine per line in text mode and Qt's own
// conversions, plus the two deliberate refusals of the readers (a value of blanks only, an offset
// that takes the time out of 64 bits). It is the reference that the differential test and the
// fuzzers hold the readers to, and the baseline of the reader benchmark.
struct PlainSeries {
    QVector<double> times;
    QVector<double> values;
    QVector<qint64> timestamps;
};

inline bool ReadPlainly(
    const QString& path, qint64 startTime, int columns, int cylinders, QVector<PlainSeries>* result)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    result->fill(PlainSeries(), columns == 2 ? 1 : cylinders);
    while (!file.atEnd()) {
        QByteArray line = file.readLine();
        if (line.endsWith('\n'))
            line.chop(1);
        const QList<QByteArray> fields = line.split('\t');
        bool cylinderOk = fields.size() == columns;
        const int cylinder = columns == 3 && cylinderOk ? fields.at(1).toInt(&cylinderOk, 10) : 0;
        bool offsetOk = false;
        bool valueOk = false;
        const qint64 offset = fields.at(0).toLongLong(&offsetOk, 16);
        const double value = fields.last().toDouble(&valueOk);
        const qint64 sum = qint64(quint64(startTime) + quint64(offset));
        const bool wrapped = (startTime < 0) == (offset < 0) && (sum < 0) != (startTime < 0);
        if (!cylinderOk || cylinder < 0 || cylinder >= result->size() || !offsetOk || !valueOk
            || std::isnan(value) || fields.last().trimmed().isEmpty() || wrapped)
            continue;
        PlainSeries& series = (*result)[cylinder];
        series.times.append(double(sum));
        series.values.append(value);
        series.timestamps.append(sum);
    }
    return true;
}

template <typename T> bool SameBits(const QVector<T>& a, const QVector<T>& b)
{
    return a.size() == b.size()
        && (a.isEmpty()
            || std::memcmp(a.constData(), b.constData(), sizeof(T) * size_t(a.size())) == 0);
}

// Empty when the reader holds exactly the plain reading of its file, bit for bit; otherwise what
// differs first. A cylinder out of range gives nothing for three columns, the one series for two.
inline QString ReaderDisagreement(
    const DatafileReaderInterface& reader, int columns, const QVector<PlainSeries>& expected)
{
    static const PlainSeries s_none;
    bool empty = true;
    for (int c = -1; c <= expected.size(); ++c) {
        const bool inside = c >= 0 && c < expected.size();
        const PlainSeries& e = inside ? expected.at(c) : columns == 3 ? s_none : expected.at(0);
        if (!SameBits(reader.GetValues(c), e.values) || !SameBits(reader.GetTimes(c), e.times)
            || !SameBits(reader.GetTimestamps(c), e.timestamps))
            return QStringLiteral("cylinder %1: %2 samples read, %3 expected")
                .arg(c)
                .arg(reader.GetValues(c).size())
                .arg(e.values.size());
        empty = empty && e.values.isEmpty();
    }
    return reader.IsEmpty() == empty ? QString()
                                     : QStringLiteral("IsEmpty() is %1").arg(reader.IsEmpty());
}
