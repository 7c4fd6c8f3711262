// Opening and exporting one week of speed samples at 100 Hz (60,480,000 lines), each against
// what the machine can do at best with the same bytes, measured alternately in the same run so
// that a busy machine hits both sides alike. Times are wall-clock: the work may use more than
// one thread.
//
//   open_vs_memchr          MainWindow::LoadTrendSet until the curve is painted / a plain memchr
//                           line count of the same file (warm page cache)
//   open_bytes_per_sample   peak resident memory growth while opening / samples
//   csv_pairs_vs_plain      Time/Data Pairs export time / writing as many bytes in 1 MiB blocks
//                           to the same folder and syncing them (the plain write's bandwidth
//                           fraction reached is its inverse)
//
// Usage: curvescope-bench-week [FOLDER] [LINES] [open,csv]. FOLDER keeps the generated set for
// later runs (default: a temporary folder removed at the end); the export files are written there
// too.

#include "CCsvWriter.h"
#include "DatafileReaderTwoColumns.h"
#include "MainWindow.h"
#include "TrendCurve.h"
#include "TrendFileNames.h"
#include "TrendPlot.h"
#include "TrendSetGenerator.h"

#include "MemchrLineCount.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

namespace {

double Seconds(const QElapsedTimer& timer) { return double(timer.nsecsElapsed()) / 1e9; }

qint64 StatusBytes(const char* name)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray text = status.readAll();
    const int at = text.indexOf(name);
    if (at < 0)
        return 0;
    return text.mid(at + int(std::strlen(name))).trimmed().split(' ').value(0).toLongLong() * 1024;
}

// Starts a new peak at the current resident size (Linux 4.0 and later; elsewhere no figure).
void ResetPeak()
{
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    if (clearRefs.open(QIODevice::WriteOnly))
        clearRefs.write("5");
}

// The same number of bytes as the export, written in 1 MiB blocks and synced as QSaveFile does.
bool WritePlainly(const QString& path, qint64 bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray block(1 << 20, 'x');
    for (qint64 left = bytes; left > 0; left -= block.size()) {
        const qint64 n = qMin<qint64>(left, block.size());
        if (file.write(block.constData(), n) != n)
            return false;
    }
    return file.commit();
}

const TrendCurve* PaintedCurve(const MainWindow& window)
{
    const auto* plot = qobject_cast<TrendPlot*>(window.centralWidget());
    const QwtPlotItemList curves
        = plot ? plot->itemList(QwtPlotItem::Rtti_PlotCurve) : QwtPlotItemList();
    const auto* curve = curves.isEmpty() ? nullptr : dynamic_cast<TrendCurve*>(curves.first());
    return curve && curve->LastDrawnPointCount() > 0 ? curve : nullptr;
}

void Settle()
{
    for (int i = 0; i < 20; ++i) {
        QApplication::processEvents();
        QThread::msleep(5);
    }
}

bool Fail(const QString& message)
{
    std::fprintf(stderr, "%s\n", qPrintable(message));
    return false;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

bool MeasureOpen(MainWindow& window, const QString& file, int run, std::vector<double>* ratios,
    std::vector<double>* bytesPerSample)
{
    QElapsedTimer timer;
    timer.start();
    const qint64 counted = CountLinesWithMemchr(file);
    const double memchrSeconds = Seconds(timer);

    // Closing the previous set is not part of opening this one; the closed plot goes with
    // deleteLater, which processEvents() alone does not carry out.
    QMetaObject::invokeMethod(&window, "CloseFile");
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ResetPeak();
    const qint64 before = StatusBytes("VmRSS:");
    timer.restart();
    if (!window.LoadTrendSet(file))
        return Fail(QStringLiteral("cannot open ") + file);
    while (!PaintedCurve(window) && timer.elapsed() < 120000)
        QApplication::processEvents();
    const double openSeconds = Seconds(timer);
    const qint64 peak = StatusBytes("VmHWM:");
    if (!PaintedCurve(window))
        return Fail(QStringLiteral("the opened curve was not painted"));
    ratios->push_back(openSeconds / memchrSeconds);
    bytesPerSample->push_back(double(peak - before) / double(counted));
    std::printf("run %d: %lld lines, memchr %.3f s, open %.3f s, peak growth %.1f MB\n", run,
        counted, memchrSeconds, openSeconds, double(peak - before) / 1e6);
    std::fflush(stdout);
    return true;
}

// The export as the command does it, from a reader of its own whose time stamps are requested
// for the first time, then the plain write of its size.
bool MeasureCsv(const QString& file, const QString& folder, int run, std::vector<double>* ratios)
{
    const QString csvPath = folder + QStringLiteral("/export.csv");
    const QString plainPath = folder + QStringLiteral("/plain.bin");
    DatafileReaderTwoColumns reader;
    ResetPeak();
    const qint64 before = StatusBytes("VmRSS:");
    if (!reader.ReadFile(file, 1772436600000, 1))
        return Fail(QStringLiteral("cannot read ") + file);
    std::printf("run %d: reader alone, peak growth %.1f MB, resident growth after %.1f MB\n", run,
        double(StatusBytes("VmHWM:") - before) / 1e6, double(StatusBytes("VmRSS:") - before) / 1e6);
    QElapsedTimer timer;
    timer.start();
    CCsvWriter writer;
    writer.AddSeries(reader.GetTimestamps(-1), reader.GetValues(-1), QStringLiteral("Speed"));
    if (!writer.WriteTimeDataPairs(csvPath, true))
        return Fail(QStringLiteral("cannot export to ") + csvPath);
    const double csvSeconds = Seconds(timer);
    const qint64 bytes = QFileInfo(csvPath).size();
    QFile::remove(csvPath);
    timer.restart();
    if (!WritePlainly(plainPath, bytes))
        return Fail(QStringLiteral("cannot write ") + plainPath);
    const double plainSeconds = Seconds(timer);
    QFile::remove(plainPath);
    ratios->push_back(csvSeconds / plainSeconds);
    std::printf("run %d: csv %.0f MB, export %.3f s, plain write %.3f s\n", run,
        double(bytes) / 1e6, csvSeconds, plainSeconds);
    std::fflush(stdout);
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTemporaryDir temporary;
    const QString folder = args.size() > 1 ? args.at(1) : temporary.path();
    const qint64 lines = args.size() > 2 ? args.at(2).toLongLong() : 60480000;
    const QString parts = args.size() > 3 ? args.at(3) : QStringLiteral("open,csv");
    const QString file = folder + QLatin1Char('/') + SpeedFileName;
    if (!QFileInfo::exists(file)) {
        TrendSetGenerator::Options options;
        options.outputFolder = folder;
        options.kinds = {RecordingKind::Speed};
        options.durationSeconds = 604800.0;
        options.linesPerFile = lines;
        QString error;
        if (!TrendSetGenerator::WriteSet(options, &error))
            return Fail(error), 1;
    }

    MainWindow window;
    window.resize(1600, 900);
    window.show();
    Settle();
    CountLinesWithMemchr(file); // into the page cache

    const int runs = 3;
    std::vector<double> openRatios;
    std::vector<double> bytesPerSample;
    std::vector<double> csvRatios;
    for (int run = 0; run < runs; ++run) {
        if (parts.contains(QLatin1String("open"))) {
            if (!MeasureOpen(window, file, run, &openRatios, &bytesPerSample))
                return 1;
        }
        if (parts.contains(QLatin1String("csv"))) {
            if (!MeasureCsv(file, folder, run, &csvRatios))
                return 1;
        }
    }
    if (!openRatios.empty()) {
        std::printf("open_vs_memchr=%.2f\n", Median(openRatios));
        std::printf("open_bytes_per_sample=%.1f\n", Median(bytesPerSample));
    }
    if (!csvRatios.empty()) {
        std::printf("csv_pairs_vs_plain=%.2f\n", Median(csvRatios));
        std::printf("csv_pairs_fraction_of_plain=%.2f\n", 1.0 / Median(csvRatios));
    }
    return 0;
}
