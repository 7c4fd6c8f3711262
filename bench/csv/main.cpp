// Exports a large three-column recording to CSV twice per layout: once with the straightforward
// Qt formatting (a QTextStream, QDateTime::toString and QLocale::toString for every cell, a
// stable sort for the Timestamp List) and once with CCsvWriter. Prints both times, and as the
// last lines the speed-ups and whether both wrote the same bytes.
//
// Usage: curvescope-bench-csv [samples] [cylinders] [folder]   (defaults: 10000000 16 system temp)

#include "CCsvWriter.h"
#include "PlainCsvWriting.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

using Recording = PlainCsvSeries;

// One hour of firing angles with three decimals: the cylinders are sampled a few milliseconds
// apart and all at the same stamp on every 50th sample; each cylinder in time order, as the
// device writes them.
Recording MakeRecording(qint64 samples, int cylinders)
{
    Recording recording;
    const qint64 start = Q_INT64_C(1772436600000);
    const qint64 perCylinder = samples / cylinders;
    const double step = 3600000.0 / double(perCylinder);
    quint32 noise = 12345;
    for (int c = 0; c < cylinders; ++c) {
        QVector<qint64> ts;
        QVector<double> vs;
        ts.reserve(int(perCylinder));
        vs.reserve(int(perCylinder));
        for (qint64 i = 0; i < perCylinder; ++i) {
            noise = noise * 1664525u + 1013904223u;
            ts << start + qint64(double(i) * step) + (i % 50 == 0 ? 0 : c % 3);
            const double angle
                = 22.0 + 6.0 * std::sin(double(i) * 1e-4 + c) + double(noise >> 22) * 1e-3;
            vs << std::round(angle * 1000.0) / 1000.0;
        }
        recording.timestamps << ts;
        recording.values << vs;
        recording.names << QStringLiteral("A%1").arg(c + 1);
    }
    return recording;
}

QByteArray HashAndRemove(const QString& path)
{
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return QByteArray();
    file.close();
    file.remove();
    return hash.result();
}

struct Timing {
    double straightforward = 0;
    double real = 0;
    bool identical = false;
};

Timing Measure(const Recording& recording, bool timestampList, const QString& folder)
{
    Timing timing;
    const QString basePath = folder + "/straightforward.csv";
    const QString realPath = folder + "/real.csv";
    QElapsedTimer clock;

    clock.start();
    const bool baseOk = WritePlainCsv(recording, timestampList, basePath);
    timing.straightforward = double(clock.nsecsElapsed()) / 1e9;
    const QByteArray baseHash = HashAndRemove(basePath);

    clock.restart();
    CCsvWriter writer;
    for (int k = 0; k < recording.names.size(); ++k)
        writer.AddSeries(recording.timestamps[k], recording.values[k], recording.names[k]);
    const bool realOk = timestampList ? writer.WriteTimestampList(realPath)
                                      : writer.WriteTimeDataPairs(realPath, true);
    timing.real = double(clock.nsecsElapsed()) / 1e9;
    const QByteArray realHash = HashAndRemove(realPath);

    timing.identical = baseOk && realOk && !baseHash.isEmpty() && baseHash == realHash;
    return timing;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const qint64 samples = arguments.size() > 1 ? arguments[1].toLongLong() : 10000000;
    const int cylinders = arguments.size() > 2 ? arguments[2].toInt() : 16;
    QTemporaryDir temporary;
    const QString folder = arguments.size() > 3 ? arguments[3] : temporary.path();
    if (samples < cylinders || cylinders < 1 || folder.isEmpty()) {
        std::fprintf(stderr, "usage: curvescope-bench-csv [samples] [cylinders] [folder]\n");
        return 2;
    }

    const Recording recording = MakeRecording(samples, cylinders);
    std::printf("samples=%lld cylinders=%d locale=%s\n", samples, cylinders,
        qPrintable(QLocale::system().name()));

    const Timing pairs = Measure(recording, false, folder);
    std::printf("csv_pairs_straightforward_s=%.3f\ncsv_pairs_real_s=%.3f\n", pairs.straightforward,
        pairs.real);
    const Timing list = Measure(recording, true, folder);
    std::printf(
        "csv_list_straightforward_s=%.3f\ncsv_list_real_s=%.3f\n", list.straightforward, list.real);

    std::printf("csv_pairs_speedup=%.2f\n", pairs.straightforward / pairs.real);
    std::printf("csv_list_speedup=%.2f\n", list.straightforward / list.real);
    std::printf("csv_identical=%d\n", pairs.identical && list.identical ? 1 : 0);
    return 0;
}
