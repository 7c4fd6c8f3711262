// Repaint speed of the trend plot with the level-of-detail curve against a plain QwtPlotCurve,
// and how much of opening a long speed file is reading, all measured in one run so that the
// machine's speed cancels out.
//
// Replot: a generated speed file of 20 million lines is read with the real reader and plotted
// twice at 1600x900 (offscreen): once with QwtPlotCurve::setSamples, once with TrendPlot::AddCurve.
// Both are replotted in the full view and zoomed to 1 % of the time range.
// Open: a generated set whose speed file has 10 million lines is opened through
// MainWindow::LoadTrendSet and painted once; its reading alone is timed with the same reader.
//
// Times are the CPU time of the GUI thread (on Linux), the fastest of several runs.
// The last lines are the figures to compare across runs:
//   replot_speedup_full   plain replot time / level-of-detail replot time, full view
//   replot_speedup_zoom   the same, zoomed to 1 % of the time range
//   lod_pixels_differing  canvas pixels that differ between the two pictures, full view
//   open_read_fraction    reading time / (reading + plot set-up + first paint)
//
// Export (also alone: curvescope-bench-replot export): six curves of one shape (noisy knocking
// values, a smooth wave, sparse samples, times out of order) exported as Export Plot does it
// (300 x 200 mm at 170 dpi, to png, pdf and svg), once drawn by plain QwtPlotCurves and once by
// TrendPlot::AddCurve, at 5,000 and at 500,000 samples per curve. Its figures:
//   export_speedup_<shape>_<samples>_<format>  plain export time / level-of-detail export time
//
// Frames (alone: curvescope-bench-replot frames [KNOCKING_SAMPLES] [SPEED_SAMPLES]): six knocking
// curves of 10,000,000 samples and one speed curve of 60,480,000 (a week at 100 Hz), made in
// memory like the trend generator's, drawn by TrendPlot::AddCurve: the full view, zoomed to 1 %
// and ten pan steps of 5 % at that zoom, each frame the fastest of five. The floor is the same
// pens drawing one vertical line per pixel column and curve, from its lowest to its highest
// sample, into a cleared image of the canvas's size. Its figures, per recording:
//   frames_<name>_{full,zoom,pan_worst}_per_floor  frame time / floor time (pan: slowest step)
//   frames_<name>_lod_pixels_differing  canvas pixels of the three views that differ from plain
//                                       QwtPlotCurves drawn in one piece

#include "ConfigurationReader.h"
#include "SampleSeries.h"
#include "DatafileReaderTwoColumns.h"
#include "MainWindow.h"
#include "TrendCurve.h"
#include "TrendFileNames.h"
#include "TrendPlot.h"
#include "TrendPlotZoomer.h"
#include "TrendSetGenerator.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QThread>
#include <QWindow>
#include <qwt_painter.h>
#include <qwt_plot_canvas.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_renderer.h>

#include <algorithm>
#include <cmath>
#include <ctime>
#include <cstdio>
#include <random>
#include <vector>

namespace {

const QSize PlotSize(1600, 900);

// Time spent by this thread, kernel time for its page faults included, so that what other
// processes on a busy machine do shows in no figure. Elsewhere wall-clock time.
class Stopwatch {
public:
    Stopwatch() { Restart(); }

    void Restart()
    {
        m_wall.start();
        m_start = CpuMs();
    }

    double ElapsedMs() const
    {
#ifdef Q_OS_LINUX
        return CpuMs() - m_start;
#else
        return m_wall.nsecsElapsed() / 1e6;
#endif
    }

    qint64 WallMs() const { return m_wall.elapsed(); }

private:
    static double CpuMs()
    {
#ifdef Q_OS_LINUX
        timespec now {};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
#else
        return 0.0;
#endif
    }

    QElapsedTimer m_wall;
    double m_start = 0.0;
};

// The fastest of several runs: the one least disturbed by whatever else the machine does.
double Fastest(const std::vector<double>& values)
{
    return *std::min_element(values.begin(), values.end());
}

// Milliseconds of one replot including the canvas paint, which Qwt otherwise leaves to the
// event loop.
double TimeReplot(QwtPlot& plot)
{
    const Stopwatch stopwatch;
    plot.replot();
    plot.canvas()->repaint();
    return stopwatch.ElapsedMs();
}

double FastestReplot(QwtPlot& plot, int runs)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i)
        times.push_back(TimeReplot(plot));
    return Fastest(times);
}

void ShowAndSettle(QWidget& widget)
{
    widget.resize(PlotSize);
    widget.show();
    for (int i = 0; i < 20; ++i) {
        QApplication::processEvents();
        QThread::msleep(5);
    }
}

int CountDifferingPixels(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return a.width() * a.height();
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* la = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* lb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x)
            count += (la[x] & 0xffffff) != (lb[x] & 0xffffff);
    }
    return count;
}

QImage CanvasImage(QwtPlot& plot)
{
    plot.replot();
    return plot.canvas()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

void Zoom(TrendPlot& plot, double from, double to)
{
    auto* zoomer = plot.canvas()->findChild<TrendPlot::TrendPlotZoomer*>();
    const QRectF base = zoomer->zoomBase();
    zoomer->zoom(QRectF(from, base.top(), to - from, base.height()));
}

bool Fail(const QString& message)
{
    std::fprintf(stderr, "%s\n", qPrintable(message));
    return false;
}

enum class ExportShape { Noisy, Smooth, Sparse, OutOfOrder };

// One curve of a knocking recording (random intensities in percent, 10 ms apart), a smooth
// temperature-like wave, samples minutes apart, or a series whose every 50th time jumps back.
void MakeExportSeries(
    ExportShape shape, int count, quint32 seed, QVector<double>& times, QVector<double>& values)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    times.resize(count);
    values.resize(count);
    double t = 1772436600000.0;
    for (int i = 0; i < count; ++i) {
        switch (shape) {
        case ExportShape::Noisy:
            t += 10.0;
            values[i] = 100.0 * unit(random);
            break;
        case ExportShape::Smooth:
            t += 10.0;
            values[i] = 80.0 + 20.0 * std::sin(i * 6.0 / count) + 0.01 * unit(random);
            break;
        case ExportShape::Sparse:
            t += 60000.0 * (0.5 + unit(random));
            values[i] = 50.0 + 10.0 * std::sin(i * 0.3) + unit(random);
            break;
        case ExportShape::OutOfOrder:
            t += 10.0;
            values[i] = 100.0 * unit(random);
            break;
        }
        times[i] = (shape == ExportShape::OutOfOrder && i % 50 == 49) ? t - 30000.0 : t;
    }
}

// The fastest of up to five exports of each plot, taken in turns so that a busy moment of the
// machine hits both alike; fewer turns when one export takes more than a few seconds.
void TimeExports(QwtPlot& plain, QwtPlot& lod, const QString& base, const char* format,
    double& plainMs, double& lodMs)
{
    std::vector<double> plainTimes;
    std::vector<double> lodTimes;
    const Stopwatch total;
    while (plainTimes.size() < 5 && (plainTimes.empty() || total.WallMs() < 20000)) {
        Stopwatch stopwatch;
        QwtPlotRenderer().renderDocument(&plain,
            base + QStringLiteral("-plain.") + QLatin1String(format), QSizeF(300.0, 200.0), 170);
        plainTimes.push_back(stopwatch.ElapsedMs());
        stopwatch.Restart();
        QwtPlotRenderer().renderDocument(&lod,
            base + QStringLiteral("-lod.") + QLatin1String(format), QSizeF(300.0, 200.0), 170);
        lodTimes.push_back(stopwatch.ElapsedMs());
    }
    plainMs = Fastest(plainTimes);
    lodMs = Fastest(lodTimes);
}

void BenchmarkExport(const QString& folder)
{
    const struct {
        ExportShape shape;
        const char* name;
    } shapes[] = {{ExportShape::Noisy, "noisy"}, {ExportShape::Smooth, "smooth"},
        {ExportShape::Sparse, "sparse"}, {ExportShape::OutOfOrder, "outoforder"}};
    const char* const formats[] = {"png", "pdf", "svg"};
    QStringList figures;
    for (const auto& shape : shapes) {
        for (const int count : {5000, 500000}) {
            TrendPlot plainPlot;
            TrendPlot lodPlot;
            for (int c = 0; c < 6; ++c) {
                QVector<double> times;
                QVector<double> values;
                MakeExportSeries(shape.shape, count, static_cast<quint32>(c + 1), times, values);
                auto* plain = new QwtPlotCurve(QStringLiteral("Cylinder %1").arg(c + 1));
                plain->setPen(plainPlot.NextPen());
                plain->attach(&plainPlot);
                plain->setSamples(times, values);
                lodPlot.AddCurve(times, values, QStringLiteral("Cylinder %1").arg(c + 1));
            }
            plainPlot.canvas()->findChild<TrendPlot::TrendPlotZoomer*>()->setZoomBase(true);
            ShowAndSettle(plainPlot);
            ShowAndSettle(lodPlot);
            for (const char* format : formats) {
                const QString base = folder
                    + QStringLiteral("/export-%1-%2").arg(QLatin1String(shape.name)).arg(count);
                double plainMs = 0.0;
                double lodMs = 0.0;
                TimeExports(plainPlot, lodPlot, base, format, plainMs, lodMs);
                std::printf("export_%s_%d_%s_plain_ms=%.1f\nexport_%s_%d_%s_lod_ms=%.1f\n",
                    shape.name, count, format, plainMs, shape.name, count, format, lodMs);
                std::fflush(stdout);
                figures << QStringLiteral("export_speedup_%1_%2_%3=%4")
                               .arg(QLatin1String(shape.name))
                               .arg(count)
                               .arg(QLatin1String(format))
                               .arg(plainMs / lodMs, 0, 'f', 2);
            }
        }
    }
    for (const QString& figure : figures)
        std::printf("%s\n", qPrintable(figure));
}

// A vector of `samples` zeros placed as the readers place theirs, on large pages where the system
// has them.
QVector<double> SampleVector(int samples)
{
    QVector<double> vector;
    vector.reserve(samples);
    SampleSeries::AdviseLargePages(vector.constData(), qint64(samples) * qint64(sizeof(double)));
    vector.resize(samples);
    return vector;
}

// One recording to draw frames of: shared times and one value vector per curve.
struct FrameSet {
    const char* name;
    QVector<double> times;
    QVector<QVector<double>> curves;
};

// Knocking intensities as the trend generator writes them (percent, one decimal, a baseline
// that follows the load and single hard knocks, more of them at full load), 10 ms apart.
FrameSet MakeKnocking(int samples, int cylinders)
{
    FrameSet set {"knocking", SampleVector(samples), {}};
    for (int i = 0; i < samples; ++i)
        set.times[i] = 1772436600000.0 + 10.0 * i;
    for (int c = 0; c < cylinders; ++c) {
        std::mt19937_64 random(static_cast<quint64>(c + 11));
        std::normal_distribution<double> noise(0.0, 0.7);
        std::uniform_real_distribution<double> unit(0.0, 1.0);
        const double bias = 2.0 * unit(random) - 1.0;
        QVector<double> values = SampleVector(samples);
        for (int i = 0; i < samples; ++i) {
            const double load = 0.5 + 0.5 * std::sin(i * 2e-6);
            double percent = std::max(0.0, 1.0 + 5.0 * load * load + 0.8 * bias + noise(random));
            if (unit(random) < 0.0004 + 0.006 * load * load * load)
                percent = 30.0 + 65.0 * unit(random);
            values[i] = std::round(percent * 10.0) / 10.0;
        }
        set.curves << values;
    }
    return set;
}

// A week of engine speed at 100 Hz: load steps on a slow wave, with noise, one decimal.
FrameSet MakeSpeed(int samples)
{
    FrameSet set {"speed", SampleVector(samples), {}};
    QVector<double> values = SampleVector(samples);
    std::mt19937_64 random(5);
    std::normal_distribution<double> noise(0.0, 2.5);
    for (int i = 0; i < samples; ++i) {
        set.times[i] = 1772436600000.0 + 10.0 * i;
        const double load = std::floor(4.0 + 4.0 * std::sin(i * 3e-7)) / 8.0;
        values[i] = std::round((1450.0 + 60.0 * load + noise(random)) * 10.0) / 10.0;
    }
    set.curves << values;
    return set;
}

// Milliseconds of the floor of the current view: the plot's pens drawing, for each curve, one
// vertical line per pixel column from its lowest to its highest sample into a cleared image of
// the canvas's size.
double FloorMs(QwtPlot& plot, const FrameSet& set, int runs)
{
    const QwtScaleMap xMap = plot.canvasMap(QwtPlot::xBottom);
    const QwtScaleMap yMap = plot.canvasMap(QwtPlot::yLeft);
    const QSize size = plot.canvas()->size();
    const QwtPlotItemList items = plot.itemList(QwtPlotItem::Rtti_PlotCurve);
    std::vector<QVector<QLineF>> lines;
    for (const QVector<double>& values : set.curves) {
        std::vector<double> low(size.width(), HUGE_VAL);
        std::vector<double> high(size.width(), -HUGE_VAL);
        for (int i = 0; i < set.times.size(); ++i) {
            const long column = std::lround(xMap.transform(set.times[i]));
            if (column < 0 || column >= size.width())
                continue;
            const double row = yMap.transform(values[i]);
            low[column] = std::min(low[column], row);
            high[column] = std::max(high[column], row);
        }
        QVector<QLineF> curveLines;
        for (int x = 0; x < size.width(); ++x) {
            if (low[x] <= high[x])
                curveLines << QLineF(x, std::round(low[x]), x, std::round(high[x]));
        }
        lines.push_back(curveLines);
    }
    std::vector<double> times;
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    for (int run = 0; run < runs; ++run) {
        const Stopwatch stopwatch;
        image.fill(Qt::white);
        QPainter painter(&image);
        // As on the canvas, whose painter clips to it (unclipped, Qt's raster engine takes a
        // path several times slower for such lines).
        painter.setClipRect(image.rect());
        for (size_t c = 0; c < lines.size(); ++c) {
            painter.setPen(static_cast<QwtPlotCurve*>(items.at(int(c)))->pen());
            painter.drawLines(lines[c]);
        }
        painter.end();
        times.push_back(stopwatch.ElapsedMs());
    }
    return Fastest(times);
}

// Frames of one recording drawn by TrendPlot::AddCurve: the full view, zoomed to 1 % of the
// time range, and pan steps of 5 % of that width, each the fastest of `runs`, against the floor
// of the full view; and the pictures of the three views against plain QwtPlotCurves.
void BenchmarkFrames(const FrameSet& set, int runs)
{
    TrendPlot lodPlot;
    TrendPlot plainPlot;
    for (int c = 0; c < set.curves.size(); ++c) {
        const QString title = QStringLiteral("Cylinder %1").arg(c + 1);
        lodPlot.AddCurve(set.times, set.curves[c], title);
        auto* plain = new QwtPlotCurve(title);
        plain->setPen(plainPlot.NextPen());
        plain->attach(&plainPlot);
        plain->setSamples(set.times, set.curves[c]);
    }
    plainPlot.canvas()->findChild<TrendPlot::TrendPlotZoomer*>()->setZoomBase(true);
    ShowAndSettle(lodPlot);
    ShowAndSettle(plainPlot);

    const char* name = set.name;
    // Against the plain polyline drawn in one piece: Qwt's cutting adds the pen's caps at its cuts.
    QwtPainter::setPolylineSplitting(false);
    const double floor = FloorMs(lodPlot, set, runs);
    const double full = FastestReplot(lodPlot, runs);
    int differing = CountDifferingPixels(CanvasImage(plainPlot), CanvasImage(lodPlot));

    const double first = set.times.first();
    const double width = 0.01 * (set.times.last() - first);
    double from = first + 0.5 * (set.times.last() - first);
    Zoom(lodPlot, from, from + width);
    Zoom(plainPlot, from, from + width);
    const double zoom = FastestReplot(lodPlot, runs);
    differing += CountDifferingPixels(CanvasImage(plainPlot), CanvasImage(lodPlot));

    // Each pan step timed `runs` times; the slowest step counts.
    double pan = 0.0;
    for (int step = 0; step < 10; ++step) {
        from += 0.05 * width;
        lodPlot.setAxisScale(QwtPlot::xBottom, from, from + width);
        pan = std::max(pan, FastestReplot(lodPlot, runs));
    }
    plainPlot.setAxisScale(QwtPlot::xBottom, from, from + width);
    differing += CountDifferingPixels(CanvasImage(plainPlot), CanvasImage(lodPlot));

    QwtPainter::setPolylineSplitting(true);
    std::printf("frames_%s_curves=%d\nframes_%s_samples_per_curve=%d\n", name, set.curves.size(),
        name, set.times.size());
    std::printf("frames_%s_floor_ms=%.2f\nframes_%s_full_ms=%.2f\nframes_%s_zoom_ms=%.2f\n"
                "frames_%s_pan_worst_ms=%.2f\n",
        name, floor, name, full, name, zoom, name, pan);
    std::printf("frames_%s_full_per_floor=%.2f\nframes_%s_zoom_per_floor=%.2f\n"
                "frames_%s_pan_worst_per_floor=%.2f\nframes_%s_lod_pixels_differing=%d\n",
        name, full / floor, name, zoom / floor, name, pan / floor, name, differing);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() > 1 && args.at(1) == QLatin1String("export")) {
        QTemporaryDir exportFolder;
        BenchmarkExport(exportFolder.path());
        return 0;
    }
    if (args.size() > 1 && args.at(1) == QLatin1String("frames")) {
        const int knocking = args.size() > 2 ? args.at(2).toInt() : 10000000;
        const int speed = args.size() > 3 ? args.at(3).toInt() : 60480000;
        BenchmarkFrames(MakeKnocking(knocking, 6), 5);
        BenchmarkFrames(MakeSpeed(speed), 5);
        return 0;
    }
    const qint64 samples = args.size() > 1 ? args.at(1).toLongLong() : 20000000;
    const qint64 openLines = args.size() > 2 ? args.at(2).toLongLong() : 10000000;
    QTemporaryDir temporary;
    const QString folder = args.size() > 3 ? args.at(3) : temporary.path();
    QDir().mkpath(folder);

    // The replot data: one speed file read by the real reader.
    const QString replotFolder = folder + QStringLiteral("/replot");
    QDir().mkpath(replotFolder);
    const QString replotFile = replotFolder + QLatin1Char('/') + SpeedFileName;
    QString error;
    if (!QFileInfo::exists(replotFile)
        && !TrendSetGenerator::WriteDataFile(
            RecordingKind::Speed, replotFile, samples, 6, 7, &error))
        return Fail(error), 1;
    DatafileReaderTwoColumns reader;
    if (!reader.ReadFile(replotFile, 1772436600000, 6))
        return Fail(QStringLiteral("cannot read ") + replotFile), 1;
    const QVector<double>& times = reader.GetTimes(-1);
    const QVector<double>& values = reader.GetValues(-1);
    std::printf("samples=%d\n", times.size());

    TrendPlot plainPlot;
    auto* plain = new QwtPlotCurve(QStringLiteral("Speed"));
    plain->setPen(plainPlot.NextPen());
    plain->attach(&plainPlot);
    plain->setSamples(times, values);
    TrendPlot lodPlot;
    lodPlot.AddCurve(times, values, QStringLiteral("Speed"));
    plainPlot.canvas()->findChild<TrendPlot::TrendPlotZoomer*>()->setZoomBase(true);
    ShowAndSettle(plainPlot);
    ShowAndSettle(lodPlot);

    const double plainFull = FastestReplot(plainPlot, 3);
    const double lodFull = FastestReplot(lodPlot, 21);
    std::printf("replot_full_plain_ms=%.3f\nreplot_full_lod_ms=%.3f\n", plainFull, lodFull);

    // The pictures, with Qwt's default cutting of the plain polyline and without it.
    const QImage lodImage = CanvasImage(lodPlot);
    const int differing = CountDifferingPixels(CanvasImage(plainPlot), lodImage);
    const bool splitting = QwtPainter::polylineSplitting();
    QwtPainter::setPolylineSplitting(false);
    const int differingUncut = CountDifferingPixels(CanvasImage(plainPlot), lodImage);
    QwtPainter::setPolylineSplitting(splitting);
    std::printf("canvas_pixels=%d\nlod_pixels_differing_from_uncut_polyline=%d\n",
        lodImage.width() * lodImage.height(), differingUncut);

    const double first = times.first();
    const double span = times.last() - first;
    Zoom(plainPlot, first + 0.5 * span, first + 0.51 * span);
    Zoom(lodPlot, first + 0.5 * span, first + 0.51 * span);
    const double plainZoom = FastestReplot(plainPlot, 3);
    const double lodZoom = FastestReplot(lodPlot, 21);
    std::printf("replot_zoom_plain_ms=%.3f\nreplot_zoom_lod_ms=%.3f\n", plainZoom, lodZoom);

    // Opening: a set whose speed file has openLines lines.
    const QString openFolder = folder + QStringLiteral("/open");
    const QString openFile = openFolder + QLatin1Char('/') + SpeedFileName;
    if (!QFileInfo::exists(openFile)) {
        TrendSetGenerator::Options options;
        options.outputFolder = openFolder;
        options.kinds = {RecordingKind::Speed};
        options.linesPerFile = openLines;
        if (!TrendSetGenerator::WriteSet(options, &error))
            return Fail(error), 1;
    }
    {
        // Warm the file cache first, so every timing reads from memory.
        DatafileReaderTwoColumns warm;
        warm.ReadFile(openFile, 0, 6);
    }
    MainWindow window;
    ShowAndSettle(window);
    // Reading alone and opening with the first frame, alternately, five times each.
    std::vector<double> readTimes;
    std::vector<double> loadTimes;
    std::vector<double> openTimes;
    for (int run = 0; run < 5; ++run) {
        // Closing the previous set is not part of opening this one; both timings start with its
        // memory given back.
        // The closed plot goes with deleteLater, which processEvents() alone does not carry out.
        QMetaObject::invokeMethod(&window, "CloseFile");
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Stopwatch timer;
        {
            ConfigurationReader configuration;
            configuration.ReadFile(openFolder + QLatin1Char('/') + ConfigurationFileName);
            DatafileReaderTwoColumns data;
            data.ReadFile(
                openFile, configuration.GetStartTime(), configuration.GetNumberOfCylinders());
            readTimes.push_back(timer.ElapsedMs());
            if (run == 0)
                std::printf("open_lines=%d\n", data.GetTimes(-1).size());
        }
        timer.Restart();
        if (!window.LoadTrendSet(openFile))
            return Fail(QStringLiteral("cannot open ") + openFile), 1;
        loadTimes.push_back(timer.ElapsedMs());
        // The new plot is shown, laid out and painted by the event loop; the frame counts once
        // the curve has been drawn in it.
        const auto paintedCurve = [&window]() -> const TrendCurve* {
            const auto* plot = qobject_cast<TrendPlot*>(window.centralWidget());
            const QwtPlotItemList curves
                = plot ? plot->itemList(QwtPlotItem::Rtti_PlotCurve) : QwtPlotItemList();
            const auto* curve
                = curves.isEmpty() ? nullptr : dynamic_cast<TrendCurve*>(curves.first());
            return curve && curve->LastDrawnPointCount() > 0 ? curve : nullptr;
        };
        while (!paintedCurve() && timer.WallMs() < 60000)
            QApplication::processEvents();
        openTimes.push_back(timer.ElapsedMs());
        if (!paintedCurve())
            return Fail(QStringLiteral("the opened curve was not painted")), 1;
    }
    const double readMs = Fastest(readTimes);
    const double openMs = Fastest(openTimes);
    std::printf("open_read_ms=%.3f\nopen_load_ms=%.3f\nopen_first_paint_ms=%.3f\n", readMs,
        Fastest(loadTimes), openMs);

    std::printf("replot_speedup_full=%.1f\n", plainFull / lodFull);
    std::printf("replot_speedup_zoom=%.1f\n", plainZoom / lodZoom);
    std::printf("lod_pixels_differing=%d\n", differing);
    std::printf("open_read_fraction=%.3f\n", readMs / openMs);
    BenchmarkExport(folder);
    return 0;
}
