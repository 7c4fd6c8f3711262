// The level-of-detail curve against the plain QwtPlotCurve: same samples, same picture.

#include "MinMaxIndex.h"
#include "TrendCurve.h"
#include "TrendPlot.h"
#include "TrendSeriesData.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QtTest>
#include <qwt_painter.h>
#include <qwt_plot.h>
#include <qwt_plot_canvas.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_renderer.h>
#include <qwt_point_data.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

namespace {
struct Series {
    QVector<double> times, values;
};
enum class Shape { NoiseWithSpikes, Steps, OutOfOrder, Sparse, Infinities };
const double Inf = std::numeric_limits<double>::infinity();

// A slow wave with noise and single-sample knock spikes, runs of equal time stamps, steps,
// times that jump back, sparse samples, or now and then an infinity (often both in one column).
Series MakeSeries(Shape shape, int count, quint32 seed)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> noise(-1.0, 1.0);
    Series s;
    double t = 1.7e12;
    for (int i = 0; i < count; ++i) {
        double v = 100.0 * std::sin(i * 1e-4) + 5.0 * noise(random);
        t += shape == Shape::Sparse ? 1000.0 + 900.0 * noise(random) : 10.0;
        if (shape == Shape::NoiseWithSpikes) {
            v += i % 4999 == 17 ? (i % 2 ? 400.0 : -400.0) : 0.0;
            t -= i % 1000 == 500 ? 10.0 : 0.0;
        } else if (shape == Shape::Steps) {
            v = ((i / 20000) % 2 ? 50.0 : -50.0) + (i % 7 == 0 ? 1.0 : 0.0);
        } else if (shape == Shape::Infinities && noise(random) > 0.998) {
            v = (i % 2 ? 1.0 : -1.0) * Inf;
        }
        s.times << (shape == Shape::OutOfOrder && i % 97 == 0 ? t - 5.0e5 : t);
        s.values << v;
    }
    return s;
}

// A plot of one dark red curve over fractions (x0, y0, width, height) of the data's ranges.
struct PlotHolder {
    QwtPlot plot;
    PlotHolder(QwtPlotCurve* curve, const Series& s, const QRectF& f, const QSize& size)
    {
        QVector<double> finite = s.values;
        for (double& v : finite)
            v = std::isfinite(v) ? v : 0.0;
        const QRectF b = QwtPointArrayData(s.times, finite).boundingRect();
        plot.setAutoReplot(false);
        plot.setAxisScale(
            QwtPlot::xBottom, b.left() + f.left() * b.width(), b.left() + f.right() * b.width());
        plot.setAxisScale(
            QwtPlot::yLeft, b.top() + f.top() * b.height(), b.top() + f.bottom() * b.height());
        curve->setPen(QPen(Qt::darkRed));
        curve->attach(&plot);
        plot.resize(size);
        plot.show();
        plot.replot();
    }
    // The canvas as on screen (dpi 0), or the plot through QwtPlotRenderer at that resolution.
    QImage Image(int dpi)
    {
        if (dpi == 0)
            return plot.canvas()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QImage image(plot.size() * dpi / plot.logicalDpiX(), QImage::Format_RGB32);
        image.setDotsPerMeterX(qRound(dpi / 0.0254));
        image.setDotsPerMeterY(qRound(dpi / 0.0254));
        image.fill(Qt::white);
        QPainter painter(&image);
        QwtPlotRenderer().render(&plot, &painter, QRectF(QPointF(0, 0), image.size()));
        return image;
    }
};

TrendCurve* LodCurve(const Series& s)
{
    auto* curve = new TrendCurve;
    curve->SetSeries(s.times, s.values);
    return curve;
}

QwtPlotCurve* PlainCurve(const Series& s)
{
    auto* curve = new QwtPlotCurve;
    curve->setSamples(s.times, s.values);
    return curve;
}

// Pixels of `a` that differ from `b` or, without `b`, that have the colour `color`.
int CountPixels(const QImage& a, const QImage* b, QRgb color = 0)
{
    if (b && a.size() != b->size())
        return std::numeric_limits<int>::max();
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x)
            count += b ? (a.pixel(x, y) & 0xffffff) != (b->pixel(x, y) & 0xffffff)
                       : (a.pixel(x, y) & 0xffffff) == (color & 0xffffff);
    }
    return count;
}
const QRgb Red = QColor(Qt::darkRed).rgb();
}

Q_DECLARE_METATYPE(Shape)

class TestCurveLod : public QObject {
    Q_OBJECT

private slots:
    void minMaxIndexMatchesScan_data();
    void minMaxIndexMatchesScan();
    void minMaxIndexSkipsNaN();
    void seriesExposesEverySample_data();
    void seriesExposesEverySample();
    void pictureEqualsFullDrawing_data();
    void pictureEqualsFullDrawing();
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
        } else if (query < 40) { // ranges that start or end at block edges of every level
            first = qMin((query % 2 ? 32 : 1024) * (query / 2), count - 1);
            last = qMin(first + 32 * (query % 5) + query % 3, count - 1);
        }
        if (first > last)
            std::swap(first, last);
        int minIndex = -1;
        int maxIndex = -1;
        index.Find(first, last, minIndex, maxIndex);
        QVERIFY(minIndex >= first && minIndex <= last && maxIndex >= first && maxIndex <= last);
        QCOMPARE(values[minIndex], *std::min_element(&values[first], &values[last] + 1));
        QCOMPARE(values[maxIndex], *std::max_element(&values[first], &values[last] + 1));
    }
}

// A NaN is never chosen unless the range holds nothing else, in full blocks as in the short rest.
void TestCurveLod::minMaxIndexSkipsNaN()
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const QVector<double>& values : {QVector<double> {nan, 1, nan, -2, nan},
             QVector<double> {nan, nan, 5}, QVector<double>(3, nan), QVector<double>(35, nan)}) {
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

void TestCurveLod::seriesExposesEverySample_data()
{
    using V = QVector<double>;
    QTest::addColumn<V>("times");
    QTest::addColumn<V>("values");
    QTest::addColumn<bool>("nonDecreasing");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("equal stamps") << V {1, 1, 1, 2} << V {3, 2, 1, 0} << true;
    QTest::newRow("falls at the end") << V {1, 2, 3, 2.5} << V {0, 0, 0, 0} << false;
    QTest::newRow("falls at the start") << V {2, 1, 3, 4} << V {1, 2, 3, 4} << false;
    QTest::newRow("NaN time") << V {1, nan, 3} << V {1, 2, 3} << false;
    QTest::newRow("NaN first") << V {nan, 2, 3} << V {1, 2, 3} << false;
    QTest::newRow("infinite values") << V {1, 2, 3, 4} << V {5, Inf, -Inf, 2} << true;
    QTest::newRow("infinite times") << V {-Inf, 2, 3, Inf} << V {5, 1, 7, 2} << true;
    const Shape shapes[] = {Shape::NoiseWithSpikes, Shape::OutOfOrder, Shape::Infinities};
    for (const Shape shape : shapes) {
        const Series s = MakeSeries(shape, 100000, 3);
        QTest::newRow(qPrintable(QString("shape %1").arg(int(shape))))
            << s.times << s.values << (shape != Shape::OutOfOrder);
    }
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
    for (int i = 0; i < int(plain.dataSize()); ++i) {
        const QPointF expected = plain.sample(i);
        const QPointF actual = curve.sample(i);
        QCOMPARE(std::memcmp(&actual, &expected, sizeof(QPointF)), 0); // bitwise, for NaN
    }
    // The zoom base, bit for bit where infinities and NaN make it odd.
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
    QTest::addColumn<int>("dpi"); // 0: the canvas on screen; else rendered, -1 at the plot's own
    QTest::addColumn<bool>("reduced"); // the drawing must get by with few points
    QTest::addColumn<bool>("splitting"); // Qwt cuts the plain polyline, adding end caps
    QTest::addColumn<double>("tolerance"); // share of pixels that may differ

    const QRectF full(0.0, -0.02, 1.0, 1.04);
    const Shape spikes = Shape::NoiseWithSpikes;
    QTest::newRow("spikes, full view") << spikes << 400000 << full << 0 << true << false << 0.0;
    QTest::newRow("spikes, 1% zoom")
        << spikes << 400000 << QRectF(0.42, -0.02, 0.01, 1.04) << 0 << true << false << 0.0;
    QTest::newRow("spikes, view starts before the data")
        << spikes << 400000 << QRectF(-0.3, -0.02, 0.5, 1.04) << 0 << true << false << 0.0;
    QTest::newRow("spikes, view ends after the data")
        << spikes << 400000 << QRectF(0.7, -0.02, 0.6, 1.04) << 0 << true << false << 0.0;
    QTest::newRow("spikes, curve leaves the canvas")
        << spikes << 400000 << QRectF(0.1, 0.3, 0.5, 0.4) << 0 << true << false << 0.0;
    QTest::newRow("spikes, few samples per pixel")
        << spikes << 400000 << QRectF(0.5, -0.02, 0.004, 1.04) << 0 << true << false << 0.0;
    QTest::newRow("spikes, fewer samples than pixels")
        << spikes << 400000 << QRectF(0.5, -0.02, 0.0005, 1.04) << 0 << false << false << 0.0;
    QTest::newRow("steps") << Shape::Steps << 300000 << full << 0 << true << false << 0.0;
    QTest::newRow("sparse") << Shape::Sparse << 2000 << full << 0 << false << false << 0.0;
    // Regression: a +inf and a -inf in one column lost the stroke between them.
    QTest::newRow("infinities") << Shape::Infinities << 400000 << full << 0 << false << false
                                << 0.0;
    QTest::newRow("times out of order")
        << Shape::OutOfOrder << 300000 << QRectF(0.3, 0.0, 0.05, 1.0) << 0 << false << false << 0.0;
    QTest::newRow("spikes, Qwt cuts the polyline")
        << spikes << 400000 << full << 0 << true << true << 0.0001;
    // Scaled painters put points between pixels: a few pixels on the band's edges may differ.
    QTest::newRow("image at the plot's resolution")
        << spikes << 300000 << full << -1 << true << false << 0.0;
    QTest::newRow("image at 300 dpi") << spikes << 300000 << full << 300 << true << false << 0.0005;
    QTest::newRow("image at 72 dpi") << spikes << 300000 << full << 72 << true << false << 0.003;
    QTest::newRow("sparse image at 170 dpi")
        << Shape::Sparse << 3000 << full << 170 << true << false << 0.0;
}

void TestCurveLod::pictureEqualsFullDrawing()
{
    QFETCH(Shape, shape);
    QFETCH(int, count);
    QFETCH(QRectF, fractions);
    QFETCH(int, dpi);
    QFETCH(bool, reduced);
    QFETCH(bool, splitting);
    QFETCH(double, tolerance);
    const Series s = MakeSeries(shape, count, 42);
    const bool defaultSplitting = QwtPainter::polylineSplitting();
    QwtPainter::setPolylineSplitting(splitting);
    PlotHolder plain(PlainCurve(s), s, fractions, QSize(900, 500));
    TrendCurve* lod = LodCurve(s);
    PlotHolder reducedPlot(lod, s, fractions, QSize(900, 500));
    dpi = dpi < 0 ? plain.plot.logicalDpiX() : dpi;
    const QImage expected = plain.Image(dpi);
    const QImage actual = reducedPlot.Image(dpi);
    QwtPainter::setPolylineSplitting(defaultSplitting);
    QVERIFY(CountPixels(expected, nullptr, Red) > 200); // else the comparison means nothing
    const int differing = CountPixels(expected, &actual);
    QVERIFY2(differing <= qMax(2.0, tolerance * actual.width() * actual.height()),
        qPrintable(QString::number(differing)));
    if (reduced)
        QVERIFY2(lod->LastDrawnPointCount()
                <= (dpi ? 96 * (actual.width() + 2) : 7 * (actual.width() + 8)),
            qPrintable(QString::number(lod->LastDrawnPointCount())));
}

// Regression: six curves of noisy knocking values froze Export Plot for minutes, the reduced
// polyline being stroked as one outline (the test's CTest time limit fails it).
void TestCurveLod::noisyPlotExportFinishes()
{
    TrendPlot plot;
    std::mt19937 random(1);
    std::uniform_real_distribution<double> percent(0.0, 100.0);
    for (int c = 0; c < 6; ++c) {
        QVector<double> times, values;
        for (int i = 0; i < 50000; ++i) {
            times << 1.7e12 + 10.0 * i;
            values << percent(random);
        }
        plot.AddCurve(times, values, QString::number(c));
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("plot.png"));
    QwtPlotRenderer().renderDocument(&plot, path, QSizeF(300.0, 200.0), 170);
    const QImage image(path);
    QCOMPARE(image.size(), QSize(2008, 1339));
    QVERIFY(CountPixels(image, nullptr, QColor(Qt::darkCyan).rgb()) > 10000); // last, on top
}

void TestCurveLod::vectorDocumentIsReducedAtItsResolution()
{
    const Series s = MakeSeries(Shape::NoiseWithSpikes, 300000, 11);
    const QRectF full(0.0, -0.02, 1.0, 1.04);
    QTemporaryDir dir;
    const QSizeF sizeMm(200.0, 120.0);
    const QSize pixels(qRound(sizeMm.width() / 25.4 * 170), qRound(sizeMm.height() / 25.4 * 170));
    // The document drawn in full and reduced, each printed at its own resolution.
    qint64 bytes[2] = {};
    QImage printed[2];
    for (int k = 0; k < 2; ++k) {
        TrendCurve* lod = k ? LodCurve(s) : nullptr;
        PlotHolder plot(k ? lod : PlainCurve(s), s, full, QSize(800, 450));
        const QString path = dir.filePath(QString("%1.svg").arg(k));
        QwtPlotRenderer().renderDocument(&plot.plot, path, "svg", sizeMm, 170);
        bytes[k] = QFileInfo(path).size();
        printed[k] = QImage(pixels, QImage::Format_RGB32);
        printed[k].fill(Qt::white);
        QPainter painter(&printed[k]);
        QSvgRenderer(path).render(&painter);
        if (lod) // six points per column of the default resolution
            QVERIFY(lod->LastDrawnPointCount()
                <= 6 * sizeMm.width() / 25.4 * TrendCurve::DefaultVectorResolution + 16);
    }
    QVERIFY(bytes[1] > 0 && bytes[1] * 10 < bytes[0]);
    // Same envelope (topmost and lowest curve pixel) in all but one column of a hundred.
    QVERIFY(CountPixels(printed[0], nullptr, Red) > 200);
    int shiftedColumns = 0;
    for (int x = 0; x < pixels.width(); ++x) {
        int top[2] = {-1, -1};
        int bottom[2] = {-1, -1};
        for (int k = 0; k < 2; ++k) {
            for (int y = 0; y < pixels.height(); ++y) {
                if ((printed[k].pixel(x, y) & 0xffffff) == (Red & 0xffffff)) {
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
    TrendCurve* lod = LodCurve(s);
    if (curveDpi >= 0)
        lod->SetVectorResolution(curveDpi);
    PlotHolder plot(lod, s, QRectF(0.0, -0.02, 1.0, 1.04), QSize(800, 450));
    QTemporaryDir dir;
    QwtPlotRenderer().renderDocument(
        &plot.plot, dir.filePath("plot.svg"), "svg", QSizeF(200.0, 120.0), documentDpi);
    // Dozens of samples per column: first, last, their neighbours and the extremes, six points.
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
