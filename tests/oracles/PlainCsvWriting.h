#pragma once

#include <QDateTime>
#include <QFile>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <QVector>

#include <algorithm>
#include <vector>

// Series to export: time stamps (ms since 1970, UTC), values and names, one entry per series.
struct PlainCsvSeries {
    QVector<QVector<qint64>> timestamps;
    QVector<QVector<double>> values;
    QStringList names;
};

// The straightforward CSV writer: a QTextStream in text mode, the plain Qt calls for every
// cell and a stable sort for the Timestamp List. The fast writer must give its bytes exactly:
// the differential tests compare with it and the CSV benchmark measures against it.
inline bool WritePlainCsv(const PlainCsvSeries& set, bool timestampList, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text | QIODevice::Truncate))
        return false;
    QTextStream stream(&file);
    const QLocale locale = QLocale::system();
    const QString pattern = QStringLiteral("yyyy-MM-dd hh:mm:ss") + locale.decimalPoint() + "zzz";
    auto cell = [&](qint64 ms) { return QDateTime::fromMSecsSinceEpoch(ms).toString(pattern); };
    if (!timestampList) {
        QStringList titles;
        int longest = 0;
        for (int k = 0; k < set.names.size(); ++k) {
            titles << "Date Time" << '"' + QString(set.names[k]).remove('"') + '"';
            longest = qMax(longest, set.timestamps[k].size());
        }
        stream << titles.join(';') << '\n';
        for (int r = 0; r < longest; ++r) {
            for (int k = 0; k < set.names.size(); ++k) {
                if (k > 0)
                    stream << ';';
                if (r < set.timestamps[k].size())
                    stream << cell(set.timestamps[k][r]) << ';'
                           << locale.toString(set.values[k][r], 'f', 2);
                else
                    stream << " ;";
            }
            stream << '\n';
        }
    } else {
        struct Entry {
            qint64 t;
            int series;
            double value;
        };
        std::vector<Entry> entries;
        for (int k = 0; k < set.names.size(); ++k)
            for (int i = 0; i < set.timestamps[k].size(); ++i)
                entries.push_back({set.timestamps[k][i], k, set.values[k][i]});
        std::stable_sort(entries.begin(), entries.end(),
            [](const Entry& a, const Entry& b) { return a.t < b.t; });
        for (const Entry& e : entries)
            stream << cell(e.t) << ';' << e.series << ';' << locale.toString(e.value, 'f', 2)
                   << '\n';
    }
    stream.flush();
    return stream.status() == QTextStream::Ok;
}
