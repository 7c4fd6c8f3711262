// The level-of-detail curve against the plain QwtPlotCurve: same samples, same picture.

#include "MinMaxIndex.h"
#include "TrendCurve.h"
#include "TrendPlot.h"
#include "TrendSeriesData.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QtTest>
#include <qwt_plot.h>
#include <qwt_plot_canvas.h>
#include <qwt_plot_curve.h>
#include <qwt_painter.h>
#include <qwt_plot_renderer.h>
#include <qwt_point_data.h>
#include <qwt_series_data.h>

#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstring>
#include <limits>
#include <mutex>
#include <random>
#include <thread>

namespace {

struct Series {
    QVector<double> times;
    QVector<double> values;
};

enum class Shape { NoiseWithSpikes, Steps, OutOfOrder, Sparse, Infinities };

// A recording of a few hundred thousand samples: a slow wave with noise, single-sample spikes
// up and down (knock events), runs of equal time stamps, or times that jump back.
Series MakeSeries(Shape shape, int count, quint32 seed)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> noise(-1.0, 1.0);
    Series s;
    s.times.resize(count);
    s.values.resize(count);
    double t = 1.7e12;
    for (int i = 0; i < count; ++i) {
        double v = 100.0 * std::sin(i * 1e-4) + 5.0 * noise(random);
        switch (shape) {
        case Shape::NoiseWithSpikes:
            t += 10.0;
            if (i % 4999 == 17)
                v += (i % 2 ? 400.0 : -400.0);
            if (i % 1000 == 500) // a few samples share their time stamp
                t -= 10.0;
            break;
        case Shape::Steps:
            t += 10.0;
            v = ((i / 20000) % 2 ? 50.0 : -50.0) + (i % 7 == 0 ? 1.0 : 0.0);
            break;
        case Shape::OutOfOrder:
            // Mostly forward, every 97th sample far back in time.
            t += 10.0;
            s.times[i] = (i % 97 == 0) ? t - 5.0e5 : t;
            s.values[i] = v;
            continue;
        case Shape::Sparse:
            t += 1000.0 + 900.0 * noise(random);
            break;
        case Shape::Infinities:
            // Now and then +inf or -inf, often both within one pixel column.
            t += 10.0;
            if (noise(random) > 0.998)
                v = (i % 2 ? 1.0 : -1.0) * std::numeric_limits<double>::infinity();
            break;
        }
        s.times[i] = t;
        s.values[i] = v;
    }
    return s;
}

struct View {
    double x0;
    double x1;
    double y0;
    double y1;
};

// Fractions of the data's time range and of its value range, turned into axis intervals.
View ViewOf(const Series& s, double fx0, double fx1, double fy0, double fy1)
{
    QVector<double> finite = s.values;
    for (double& v : finite)
        v = std::isfinite(v) ? v : 0.0;
    const QRectF bounds = QwtPointArrayData(s.times, finite).boundingRect();
    return {bounds.left() + fx0 * bounds.width(), bounds.left() + fx1 * bounds.width(),
        bounds.top() + fy0 * bounds.height(), bounds.top() + fy1 * bounds.height()};
}

class PlotHolder {
public:
    PlotHolder(QwtPlotCurve* curve, const View& view, const QSize& size)
    {
        m_plot.setAutoReplot(false);
        m_plot.setAxisScale(QwtPlot::xBottom, view.x0, view.x1);
        m_plot.setAxisScale(QwtPlot::yLeft, view.y0, view.y1);
        curve->setPen(QPen(Qt::darkRed));
        curve->attach(&m_plot);
        m_plot.resize(size);
        m_plot.show();
        m_plot.replot();
    }

    QwtPlot& plot() { return m_plot; }

    QImage Canvas()
    {
        return m_plot.canvas()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    // Through QwtPlotRenderer, as raster exports are; at a resolution of the image's own.
    QImage Rendered(int dotsPerInch)
    {
        QImage image(m_plot.size() * dotsPerInch / m_plot.logicalDpiX(), QImage::Format_RGB32);
        image.setDotsPerMeterX(qRound(dotsPerInch / 0.0254));
        image.setDotsPerMeterY(qRound(dotsPerInch / 0.0254));
        image.fill(Qt::white);
        QPainter painter(&image);
        QwtPlotRenderer().render(&m_plot, &painter, QRectF(QPointF(0, 0), image.size()));
        return image;
    }

private:
    QwtPlot m_plot;
};

int CountDifferingPixels(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return std::numeric_limits<int>::max();
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* la = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* lb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x)
            count += (la[x] & 0xffffff) != (lb[x] & 0xffffff);
    }
    return count;
}

int CountColor(const QImage& image, QRgb color)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            count += (line[x] & 0xffffff) == (color & 0xffffff);
    }
    return count;
}

// Ends the test run with a message when its scope takes longer than the limit, so that a
// drawing that never finishes fails instead of hanging.
class Watchdog {
public:
    Watchdog(int seconds, const char* what)
        : m_thread([this, seconds, what] {
            std::unique_lock<std::mutex> lock(m_mutex);
            if (!m_done.wait_for(
                    lock, std::chrono::seconds(seconds), [this] { return m_finished; }))
                qFatal("%s did not finish within %d s", what, seconds);
        })
    {
    }

    ~Watchdog()
    {
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_finished = true;
        }
        m_done.notify_one();
        m_thread.join();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_done;
    bool m_finished = false;
    std::thread m_thread;
};

} // namespace

Q_DECLARE_METATYPE(Shape)

class TestCurveLod : public QObject {
    Q_OBJECT

private slots:
    void minMaxIndexMatchesScan_data();
    void minMaxIndexMatchesScan();
    void minMaxIndexSkipsNaN()
    {
        // A NaN is never chosen unless the range holds nothing else, in full blocks of four as
        // in the short rest.
        const double nan = std::numeric_limits<double>::quiet_NaN();
        for (const QVector<double>& values :
            {QVector<double> {nan, 1, nan, -2, nan}, QVector<double> {nan, nan, 5},
                QVector<double>(3, nan), QVector<double>(35, nan)}) {
            int low = -1;
            int high = -1;
            MinMaxIndex(values).Find(0, values.size() - 1, low, high);
            QVERIFY(low >= 0 && low < values.size() && high >= 0 && high < values.size());
            if (!std::isnan(values.last()))
                QCOMPARE(QString("%1 %2").arg(low).arg(high), QString("2 2"));
            else if (values.size() == 5)
                QCOMPARE(QString("%1 %2").arg(low).arg(high), QString("3 1"));
        }
    }
    void seriesExposesEverySample_data();
    void seriesExposesEverySample();
    void pictureEqualsFullDrawing_data();
    void pictureEqualsFullDrawing();
    void renderedImageEqualsFullDrawing_data();
    void renderedImageEqualsFullDrawing();
    void noisyPlotExportFinishes();
    void vectorDocumentIsReducedAtItsResolution();
    void vectorColumnsFollowTheFinerResolution_data();
    void vectorColumnsFollowTheFinerResolution();
};

void TestCurveLod::minMaxIndexMatchesScan_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("levels"); // distinct values; few levels give many ties
    QTest::newRow("one sample") << 1 << 5;
    QTest::newRow("one block minus one") << MinMaxIndex::BlockSize - 1 << 1000;
    QTest::newRow("one block plus one") << MinMaxIndex::BlockSize + 1 << 1000;
    QTest::newRow("two levels, ties") << 32 * 32 + 7 << 3;
    QTest::newRow("four levels, ties") << 32 * 32 * 32 * 3 + 1 << 17;
}

void TestCurveLod::minMaxIndexMatchesScan()
{
    QFETCH(int, count);
    QFETCH(int, levels);
    std::mt19937 random(static_cast<quint32>(count));
    QVector<double> values(count);
    for (double& v : values)
        v = int(random() % unsigned(levels)) * 0.5 - 3.0;
    const MinMaxIndex index(values);
    for (int query = 0; query < 3000; ++query) {
        int first = int(random() % unsigned(count));
        int last = int(random() % unsigned(count));
        if (query == 0) {
            first = 0;
            last = count - 1;
        } else if (query < 40) {
            // Ranges that start or end at block edges of every level.
            first = qMin((query % 2 ? 32 : 1024) * (query / 2), count - 1);
            last = qMin(first + 32 * (query % 5) + query % 3, count - 1);
        }
        if (first > last)
            std::swap(first, last);
        int minIndex = -1;
        int maxIndex = -1;
        index.Find(first, last, minIndex, maxIndex);
        QVERIFY(minIndex >= first && minIndex <= last && maxIndex >= first && maxIndex <= last);
        QCOMPARE(
            values[minIndex], *std::min_element(values.begin() + first, values.begin() + last + 1));
        QCOMPARE(
            values[maxIndex], *std::max_element(values.begin() + first, values.begin() + last + 1));
    }
}

void TestCurveLod::seriesExposesEverySample_data()
{
    QTest::addColumn<QVector<double>>("times");
    QTest::addColumn<QVector<double>>("values");
    QTest::addColumn<bool>("nonDecreasing");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("equal stamps") << QVector<double> {1, 1, 1, 2} << QVector<double> {3, 2, 1, 0}
                                  << true;
    QTest::newRow("falls at the end")
        << QVector<double> {1, 2, 3, 2.5} << QVector<double> {0, 0, 0, 0} << false;
    QTest::newRow("falls at the start")
        << QVector<double> {2, 1, 3, 4} << QVector<double> {1, 2, 3, 4} << false;
    QTest::newRow("NaN time") << QVector<double> {1, nan, 3} << QVector<double> {1, 2, 3} << false;
    QTest::newRow("NaN first") << QVector<double> {nan, 2, 3} << QVector<double> {1, 2, 3} << false;
    const Series big = MakeSeries(Shape::NoiseWithSpikes, 100000, 3);
    QTest::newRow("noise with spikes") << big.times << big.values << true;
    const Series back = MakeSeries(Shape::OutOfOrder, 100000, 4);
    QTest::newRow("out of order") << back.times << back.values << false;
    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("infinite values")
        << QVector<double> {1, 2, 3, 4} << QVector<double> {5, inf, -inf, 2} << true;
    QTest::newRow("infinite times")
        << QVector<double> {-inf, 2, 3, inf} << QVector<double> {5, 1, 7, 2} << true;
    const Series infinities = MakeSeries(Shape::Infinities, 100000, 5);
    QTest::newRow("noise with infinities") << infinities.times << infinities.values << true;
}

void TestCurveLod::seriesExposesEverySample()
{
    QFETCH(QVector<double>, times);
    QFETCH(QVector<double>, values);
    QFETCH(bool, nonDecreasing);
    TrendCurve curve;
    curve.SetSeries(times, values);
    QwtPlotCurve plain;
    plain.setSamples(times, values);
    QCOMPARE(curve.Series()->Times().constData(), times.constData()); // shared, not copied
    QCOMPARE(curve.dataSize(), plain.dataSize());
    for (size_t i = 0; i < plain.dataSize(); ++i) {
        const QPointF expected = plain.sample(static_cast<int>(i));
        const QPointF actual = curve.sample(static_cast<int>(i));
        // Bitwise, so NaN time stamps compare too.
        QCOMPARE(std::memcmp(&actual, &expected, sizeof(QPointF)), 0);
    }
    // The zoom base: the rectangle of a plain curve, bit for bit where infinities and NaN make it
    // odd.
    const QRectF expected = plain.boundingRect();
    const QRectF actual = curve.boundingRect();
    if (std::isfinite(expected.left() + expected.top() + expected.width() + expected.height()))
        QCOMPARE(actual, expected);
    else
        QCOMPARE(std::memcmp(&actual, &expected, sizeof(QRectF)), 0);
    QCOMPARE(curve.Series()->TimesNonDecreasing(), nonDecreasing);
}

void TestCurveLod::pictureEqualsFullDrawing_data()
{
    QTest::addColumn<Shape>("shape");
    QTest::addColumn<int>("count");
    QTest::addColumn<QRectF>("fractions"); // of the time and value range: x0, y0, width, height
    QTest::addColumn<bool>("reduced"); // the drawing must get by with few points
    QTest::addColumn<bool>("splitting"); // Qwt cuts the plain polyline into short pieces

    const QRectF full(0.0, -0.02, 1.0, 1.04);
    const Shape spikes = Shape::NoiseWithSpikes;
    QTest::newRow("spikes, full view") << spikes << 400000 << full << true << false;
    QTest::newRow("spikes, 1% zoom")
        << spikes << 400000 << QRectF(0.42, -0.02, 0.01, 1.04) << true << false;
    QTest::newRow("spikes, view starts before the data")
        << spikes << 400000 << QRectF(-0.3, -0.02, 0.5, 1.04) << true << false;
    QTest::newRow("spikes, view ends after the data")
        << spikes << 400000 << QRectF(0.7, -0.02, 0.6, 1.04) << true << false;
    QTest::newRow("spikes, curve leaves the canvas")
        << spikes << 400000 << QRectF(0.1, 0.3, 0.5, 0.4) << true << false;
    QTest::newRow("spikes, few samples per pixel")
        << spikes << 400000 << QRectF(0.5, -0.02, 0.004, 1.04) << true << false;
    QTest::newRow("spikes, fewer samples than pixels")
        << spikes << 400000 << QRectF(0.5, -0.02, 0.0005, 1.04) << false << false;
    QTest::newRow("steps") << Shape::Steps << 300000 << full << true << false;
    QTest::newRow("sparse") << Shape::Sparse << 2000 << full << false << false;
    // Regression: a +inf and a -inf in one column lost the stroke between them.
    QTest::newRow("infinities") << Shape::Infinities << 400000 << full << false << false;
    QTest::newRow("times out of order")
        << Shape::OutOfOrder << 300000 << QRectF(0.3, 0.0, 0.05, 1.0) << false << false;
    // Qwt's default cuts of the full polyline add end caps of their own; they may show.
    QTest::newRow("spikes, Qwt cuts the polyline") << spikes << 400000 << full << true << true;
}

void TestCurveLod::pictureEqualsFullDrawing()
{
    QFETCH(Shape, shape);
    QFETCH(int, count);
    QFETCH(QRectF, fractions);
    QFETCH(bool, reduced);
    QFETCH(bool, splitting);
    const Series s = MakeSeries(shape, count, 42);
    const View view
        = ViewOf(s, fractions.left(), fractions.right(), fractions.top(), fractions.bottom());
    const bool defaultSplitting = QwtPainter::polylineSplitting();
    QwtPainter::setPolylineSplitting(splitting);
    auto* plain = new QwtPlotCurve;
    plain->setSamples(s.times, s.values);
    PlotHolder plainPlot(plain, view, QSize(900, 500));
    auto* lod = new TrendCurve;
    lod->SetSeries(s.times, s.values);
    PlotHolder lodPlot(lod, view, QSize(900, 500));
    const QImage expected = plainPlot.Canvas();
    const QImage actual = lodPlot.Canvas();
    QwtPainter::setPolylineSplitting(defaultSplitting);
    // The comparison means nothing unless the curve is drawn at all.
    QVERIFY(CountColor(expected, QColor(Qt::darkRed).rgb()) > 200);
    const int differing = CountDifferingPixels(expected, actual);
    QVERIFY2(differing <= qMax(2.0, (splitting ? 0.0001 : 0.0) * actual.width() * actual.height()),
        qPrintable(QString::number(differing)));
    if (reduced)
        QVERIFY2(lod->LastDrawnPointCount() <= 7 * (actual.width() + 8),
            qPrintable(QString::number(lod->LastDrawnPointCount())));
}

void TestCurveLod::renderedImageEqualsFullDrawing_data()
{
    QTest::addColumn<int>("dotsPerInch"); // 0: the plot's own
    QTest::addColumn<Shape>("shape");
    QTest::addColumn<int>("count");
    QTest::addColumn<double>("tolerance");
    QTest::newRow("image at the screen's resolution")
        << 0 << Shape::NoiseWithSpikes << 300000 << 0.0;
    // Scaled painters put points between pixels, where a few pixels on the band's edges may
    // differ.
    QTest::newRow("image at 300 dpi") << 300 << Shape::NoiseWithSpikes << 300000 << 0.0005;
    QTest::newRow("image at 72 dpi") << 72 << Shape::NoiseWithSpikes << 300000 << 0.003;
    // Nothing to reduce: the same points, drawn in pieces instead of one polyline.
    QTest::newRow("sparse image at 170 dpi") << 170 << Shape::Sparse << 3000 << 0.0;
}

void TestCurveLod::renderedImageEqualsFullDrawing()
{
    QFETCH(int, dotsPerInch);
    QFETCH(Shape, shape);
    QFETCH(int, count);
    QFETCH(double, tolerance);
    const Series s = MakeSeries(shape, count, 7);
    const View view = ViewOf(s, 0.0, 1.0, -0.02, 1.02);
    // Compared with the full polyline drawn in one piece: Qwt's cuts add end caps of their own.
    const bool defaultSplitting = QwtPainter::polylineSplitting();
    QwtPainter::setPolylineSplitting(false);
    auto* plain = new QwtPlotCurve;
    plain->setSamples(s.times, s.values);
    PlotHolder plainPlot(plain, view, QSize(800, 450));
    auto* lod = new TrendCurve;
    lod->SetSeries(s.times, s.values);
    PlotHolder lodPlot(lod, view, QSize(800, 450));
    if (dotsPerInch == 0)
        dotsPerInch = plainPlot.plot().logicalDpiX();
    const QImage expected = plainPlot.Rendered(dotsPerInch);
    const QImage actual = lodPlot.Rendered(dotsPerInch);
    QwtPainter::setPolylineSplitting(defaultSplitting);
    QVERIFY(CountColor(expected, QColor(Qt::darkRed).rgb()) > 200);
    const int differing = CountDifferingPixels(expected, actual);
    QVERIFY2(differing <= qMax(2.0, tolerance * actual.width() * actual.height()),
        qPrintable(QString::number(differing)));
    QVERIFY(lod->LastDrawnPointCount() <= 6 * 16 * (actual.width() + 2));
}

// Regression: six curves of noisy knocking values froze Export Plot for minutes, the reduced
// polyline being stroked as one outline.
void TestCurveLod::noisyPlotExportFinishes()
{
    TrendPlot plot;
    std::mt19937 random(1);
    std::uniform_real_distribution<double> percent(0.0, 100.0);
    for (int c = 0; c < 6; ++c) {
        QVector<double> times(50000);
        QVector<double> values(50000);
        for (int i = 0; i < times.size(); ++i) {
            times[i] = 1.7e12 + 10.0 * i;
            values[i] = percent(random);
        }
        plot.AddCurve(times, values, QString::number(c));
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("plot.png"));
    {
        const Watchdog watchdog(60, "Exporting six noisy curves");
        QwtPlotRenderer().renderDocument(&plot, path, QSizeF(300.0, 200.0), 170);
    }
    const QImage image(path);
    QCOMPARE(image.size(), QSize(2008, 1339));
    QVERIFY(CountColor(image, QColor(Qt::darkCyan).rgb()) > 10000); // the last curve, on top
}

void TestCurveLod::vectorDocumentIsReducedAtItsResolution()
{
    const Series s = MakeSeries(Shape::NoiseWithSpikes, 300000, 11);
    const View view = ViewOf(s, 0.0, 1.0, -0.02, 1.02);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QSizeF sizeMm(200.0, 120.0);
    const QSize pixels(qRound(sizeMm.width() / 25.4 * 170), qRound(sizeMm.height() / 25.4 * 170));
    // The document drawn in full and reduced, each also printed at its own resolution.
    qint64 bytes[2] = {};
    QImage printed[2];
    for (int k = 0; k < 2; ++k) {
        QwtPlotCurve* curve = k == 0 ? new QwtPlotCurve : new TrendCurve;
        k == 0 ? curve->setSamples(s.times, s.values)
               : static_cast<TrendCurve*>(curve)->SetSeries(s.times, s.values);
        PlotHolder plot(curve, view, QSize(800, 450));
        const QString path = dir.filePath(QString("%1.svg").arg(k));
        QwtPlotRenderer().renderDocument(&plot.plot(), path, "svg", sizeMm, 170);
        bytes[k] = QFileInfo(path).size();
        printed[k] = QImage(pixels, QImage::Format_RGB32);
        printed[k].fill(Qt::white);
        QPainter painter(&printed[k]);
        QSvgRenderer(path).render(&painter);
        // At most six points per column of the default resolution across the plot's width.
        if (k == 1)
            QVERIFY2(static_cast<TrendCurve*>(curve)->LastDrawnPointCount()
                    <= 6 * sizeMm.width() / 25.4 * TrendCurve::DefaultVectorResolution + 16,
                qPrintable(
                    QString::number(static_cast<TrendCurve*>(curve)->LastDrawnPointCount())));
    }
    QVERIFY(bytes[1] > 0 && bytes[1] * 10 < bytes[0]);
    // Both show the same curve: its envelope, column by column (topmost and lowest curve pixel),
    // is off by more than a pixel in at most one column of a hundred.
    const QRgb curveColor = QColor(Qt::darkRed).rgb() & 0xffffff;
    QVERIFY(CountColor(printed[0], curveColor) > 200);
    int shiftedColumns = 0;
    for (int x = 0; x < pixels.width(); ++x) {
        int top[2] = {-1, -1};
        int bottom[2] = {-1, -1};
        for (int k = 0; k < 2; ++k) {
            for (int y = 0; y < pixels.height(); ++y) {
                if ((printed[k].pixel(x, y) & 0xffffff) == curveColor) {
                    top[k] = top[k] < 0 ? y : top[k];
                    bottom[k] = y;
                }
            }
        }
        shiftedColumns += std::abs(top[0] - top[1]) > 1 || std::abs(bottom[0] - bottom[1]) > 1;
    }
    QVERIFY2(shiftedColumns * 100 <= pixels.width(), qPrintable(QString::number(shiftedColumns)));
}

void TestCurveLod::vectorColumnsFollowTheFinerResolution_data()
{
    QTest::addColumn<int>("documentDpi");
    QTest::addColumn<double>("curveDpi"); // -1: the curve's default
    QTest::addColumn<double>("columnDpi"); // 0: every sample drawn
    QTest::newRow("document coarser than the default") << 170 << -1.0 << 300.0;
    QTest::newRow("document finer than the default") << 600 << -1.0 << 600.0;
    QTest::newRow("curve set finer than the document") << 170 << 450.0 << 450.0;
    QTest::newRow("reduction switched off") << 170 << 0.0 << 0.0;
}

void TestCurveLod::vectorColumnsFollowTheFinerResolution()
{
    QFETCH(int, documentDpi);
    QFETCH(double, curveDpi);
    QFETCH(double, columnDpi);
    const Series s = MakeSeries(Shape::NoiseWithSpikes, 300000, 13);
    auto* lod = new TrendCurve;
    lod->SetSeries(s.times, s.values);
    if (curveDpi >= 0)
        lod->SetVectorResolution(curveDpi);
    PlotHolder plot(lod, ViewOf(s, 0.0, 1.0, -0.02, 1.02), QSize(800, 450));
    QTemporaryDir dir;
    QwtPlotRenderer().renderDocument(
        &plot.plot(), dir.filePath("plot.svg"), "svg", QSizeF(200.0, 120.0), documentDpi);
    // Every column of the canvas holds dozens of samples, so it gets its first and last sample,
    // their neighbours and the extremes: six points. The canvas takes most of the width.
    const double columns = 200.0 / 25.4 * columnDpi;
    const int points = lod->LastDrawnPointCount();
    if (columnDpi == 0)
        QCOMPARE(points, s.times.size());
    else
        QVERIFY2(points <= 6 * columns + 16 && points >= 4.5 * columns,
            qPrintable(QString::number(points)));
}

QTEST_MAIN(TestCurveLod)
#include "tst_curvelod.moc"
