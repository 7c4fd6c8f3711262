// Reading speed and memory of the data file readers on generated files of 10 million lines.
//
// Three readings of the same file, measured in the same run so the machine's speed cancels out:
// a plain memchr line count (the practical limit), the straightforward Qt reading (QFile::readLine
// in text mode, QByteArray::split, Qt's conversions, appending to QVectors) and the real reader.
// The last three lines are the figures to compare across runs:
//   reader_speedup_vs_qt         real reader speed / straightforward speed
//   reader_fraction_of_memchr    real reader speed / memchr line count speed
//   reader_peak_bytes_per_sample peak resident memory growth while reading / samples

#include "DatafileReaderThreeColumns.h"
#include "DatafileReaderTwoColumns.h"
#include "TrendSetGenerator.h"

#include "MemchrLineCount.h"
#include "PlainReading.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>

#ifdef Q_OS_LINUX
#include <sys/resource.h>
#endif

namespace {

const qint64 StartTime = 1772436600000;

// Resident memory now and its peak since the last reset, in bytes. Linux only; elsewhere both
// are 0 and the memory figure is not measured.
struct Memory {
    qint64 resident = 0;
    qint64 peak = 0;
};

#ifdef Q_OS_LINUX
qint64 StatusField(const QByteArray& status, const char* name)
{
    const int at = status.indexOf(name);
    if (at < 0)
        return 0;
    return status.mid(at + int(std::strlen(name))).trimmed().split(' ').value(0).toLongLong()
        * 1024;
}
#endif

Memory CurrentMemory()
{
    Memory memory;
#ifdef Q_OS_LINUX
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        const QByteArray text = status.readAll();
        memory.resident = StatusField(text, "VmRSS:");
        memory.peak = StatusField(text, "VmHWM:");
    }
#endif
    return memory;
}

// Starts a new peak at the current resident size (Linux 4.0 and later).
void ResetPeak()
{
#ifdef Q_OS_LINUX
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    if (clearRefs.open(QIODevice::WriteOnly))
        clearRefs.write("5");
#endif
}

double Seconds(const QElapsedTimer& timer) { return double(timer.nsecsElapsed()) / 1e9; }

// The straightforward reading, one readLine per line, with the same refusals as the readers.
qint64 ReadStraightforward(const QString& path, int columns, int cylinders)
{
    QVector<PlainSeries> series;
    if (!ReadPlainly(path, StartTime, columns, cylinders, &series))
        return -1;
    qint64 samples = 0;
    for (const PlainSeries& s : series)
        samples += s.values.size();
    return samples;
}

struct Figures {
    double memchrSeconds = 0;
    double qtSeconds = 0;
    double readerSeconds = 0;
    qint64 samples = 0;
    qint64 peakGrowth = 0;
};

Figures Measure(const QString& path, RecordingKind kind, int cylinders)
{
    const int columns = LayoutOf(kind) == ColumnLayout::TwoColumns ? 2 : 3;
    Figures figures;
    QElapsedTimer timer;

    // First a pass that brings the file into the page cache for all three readings.
    CountLinesWithMemchr(path);
    timer.start();
    const qint64 lines = CountLinesWithMemchr(path);
    figures.memchrSeconds = Seconds(timer);

    {
        ResetPeak();
        const Memory before = CurrentMemory();
        std::unique_ptr<DatafileReaderInterface> reader;
        if (columns == 2)
            reader = std::make_unique<DatafileReaderTwoColumns>();
        else
            reader = std::make_unique<DatafileReaderThreeColumns>();
        timer.start();
        if (!reader->ReadFile(path, StartTime, cylinders)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
            std::exit(1);
        }
        figures.readerSeconds = Seconds(timer);
        const Memory after = CurrentMemory();
        figures.peakGrowth = after.peak - before.resident;
        for (int c = 0; c < (columns == 2 ? 1 : cylinders); ++c)
            figures.samples += reader->GetValues(c).size();
        // The 64-bit time stamps are derived on first request (the CSV export): shown apart.
        qint64 stamps = 0;
        for (int c = 0; c < (columns == 2 ? 1 : cylinders); ++c)
            stamps += reader->GetTimestamps(c).size();
        const Memory withStamps = CurrentMemory();
        std::printf("%s: %lld lines, %lld samples; resident growth with time stamps requested: "
                    "%.1f bytes per sample\n",
            qPrintable(QFileInfo(path).fileName()), lines, figures.samples,
            double(withStamps.resident - before.resident) / double(qMax<qint64>(stamps, 1)));
    }

    timer.start();
    const qint64 qtSamples = ReadStraightforward(path, columns, cylinders);
    figures.qtSeconds = Seconds(timer);
    if (qtSamples != figures.samples) {
        std::fprintf(
            stderr, "sample counts differ: Qt %lld, reader %lld\n", qtSamples, figures.samples);
        std::exit(1);
    }

    std::printf("  memchr line count  %8.3f s\n  straightforward Qt %8.3f s\n  reader             "
                "%8.3f s\n  peak growth        %8.1f bytes per sample\n",
        figures.memchrSeconds, figures.qtSeconds, figures.readerSeconds,
        double(figures.peakGrowth) / double(qMax<qint64>(figures.samples, 1)));
    std::fflush(stdout);
    return figures;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    const qint64 lines = arguments.size() > 1 ? arguments.at(1).toLongLong() : 10000000;
    QTemporaryDir temporary;
    const QString folder = arguments.size() > 2 ? arguments.at(2) : temporary.path();
    QDir().mkpath(folder);
    const int cylinders = 16;

    const QString twoColumns = QDir(folder).filePath(SpeedFileName);
    const QString threeColumns = QDir(folder).filePath(TemperaturesFileName);
    QString error;
    if (!TrendSetGenerator::WriteDataFile(RecordingKind::Speed, twoColumns, lines, 1, 1, &error)
        || !TrendSetGenerator::WriteDataFile(
            RecordingKind::Temperatures, threeColumns, lines, cylinders, 1, &error)) {
        std::fprintf(stderr, "cannot generate the files: %s\n", qPrintable(error));
        return 1;
    }

    const Figures two = Measure(twoColumns, RecordingKind::Speed, 1);
    const Figures three = Measure(threeColumns, RecordingKind::Temperatures, cylinders);

    const double reader = two.readerSeconds + three.readerSeconds;
    const double peakPerSample = qMax(double(two.peakGrowth) / double(qMax<qint64>(two.samples, 1)),
        double(three.peakGrowth) / double(qMax<qint64>(three.samples, 1)));
    std::printf("reader_speedup_vs_qt=%.2f\n", (two.qtSeconds + three.qtSeconds) / reader);
    std::printf(
        "reader_fraction_of_memchr=%.3f\n", (two.memchrSeconds + three.memchrSeconds) / reader);
    std::printf("reader_peak_bytes_per_sample=%.1f\n", peakPerSample);
    return 0;
}
