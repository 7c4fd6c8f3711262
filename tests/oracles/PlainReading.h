#pragma once

#include "DatafileReaderInterface.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>
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
    QVector<PlainSeries>& series = *result;
    series.fill(PlainSeries(), columns == 2 ? 1 : cylinders);
    while (!file.atEnd()) {
        QByteArray line = file.readLine();
        if (line.isEmpty())
            continue;
        if (line.endsWith('\n'))
            line.chop(1);
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() != columns)
            continue;
        int cylinder = 0;
        if (columns == 3) {
            bool ok = false;
            cylinder = fields.at(1).toInt(&ok, 10);
            if (!ok || cylinder < 0 || cylinder >= cylinders)
                continue;
        }
        bool offsetOk = false;
        bool valueOk = false;
        const qint64 offset = fields.at(0).toLongLong(&offsetOk, 16);
        const double value = fields.last().toDouble(&valueOk);
        if (!offsetOk || !valueOk || std::isnan(value) || fields.last().trimmed().isEmpty())
            continue;
        const qint64 sum = qint64(quint64(startTime) + quint64(offset));
        if ((startTime < 0) == (offset < 0) && (sum < 0) != (startTime < 0))
            continue;
        PlainSeries& s = series[cylinder];
        s.times.append(double(sum));
        s.values.append(value);
        s.timestamps.append(sum);
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
    bool empty = true;
    for (int c = 0; c < expected.size(); ++c) {
        const PlainSeries& e = expected.at(c);
        if (!SameBits(reader.GetValues(c), e.values) || !SameBits(reader.GetTimes(c), e.times)
            || !SameBits(reader.GetTimestamps(c), e.timestamps))
            return QStringLiteral("cylinder %1: %2 samples read, %3 expected")
                .arg(c)
                .arg(reader.GetValues(c).size())
                .arg(e.values.size());
        empty = empty && e.values.isEmpty();
    }
    if (reader.IsEmpty() != empty)
        return QStringLiteral("IsEmpty() is %1").arg(reader.IsEmpty());
    for (const int outside : {-1, int(expected.size())}) {
        const QVector<double>& values = reader.GetValues(outside);
        if (columns == 3 ? !values.isEmpty() : !SameBits(values, expected.at(0).values))
            return QStringLiteral("cylinder %1 out of range holds %2 values")
                .arg(outside)
                .arg(values.size());
    }
    return QString();
}
