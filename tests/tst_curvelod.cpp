// The level-of-detail curve against the plain QwtPlotCurve: same samples, same picture.

#include "MinMaxIndex.h"
#include "TrendCurve.h"
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

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

namespace {

struct Series {
    QVector<double> times;
    QVector<double> values;
};

enum class Shape { NoiseWithSpikes, Steps, OutOfOrder, Sparse };

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
    const QRectF bounds = QwtPointArrayData(s.times, s.values).boundingRect();
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

} // namespace

Q_DECLARE_METATYPE(Shape)

class TestCurveLod : public QObject {
    Q_OBJECT

private slots:
    void minMaxIndexMatchesScan_data();
    void minMaxIndexMatchesScan();
    void seriesExposesEverySample_data();
    void seriesExposesEverySample();
    void seriesSharesTheVectors();
    void pictureEqualsFullDrawing_data();
    void pictureEqualsFullDrawing();
    void renderedImageEqualsFullDrawing_data();
    void renderedImageEqualsFullDrawing();
    void vectorDocumentIsReducedAtItsResolution();
    void vectorColumnsFollowTheFinerResolution_data();
    void vectorColumnsFollowTheFinerResolution();
    void vectorReductionCanBeSwitchedOff();
};

void TestCurveLod::minMaxIndexMatchesScan_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("levels"); // distinct values; few levels give many ties

    QTest::newRow("one sample") << 1 << 5;
    QTest::newRow("two samples") << 2 << 5;
    QTest::newRow("one block minus one") << MinMaxIndex::BlockSize - 1 << 1000;
    QTest::newRow("one block") << MinMaxIndex::BlockSize << 1000;
    QTest::newRow("one block plus one") << MinMaxIndex::BlockSize + 1 << 1000;
    QTest::newRow("two levels, ties") << 32 * 32 + 7 << 3;
    QTest::newRow("three levels") << 32 * 32 * 32 + 5 << 1000000;
    QTest::newRow("four levels, ties") << 32 * 32 * 32 * 3 + 1 << 17;
}

void TestCurveLod::minMaxIndexMatchesScan()
{
    QFETCH(int, count);
    QFETCH(int, levels);
    std::mt19937 random(static_cast<quint32>(count));
    std::uniform_int_distribution<int> level(0, levels - 1);
    QVector<double> values(count);
    for (double& v : values)
        v = level(random) * 0.5 - 3.0;
    const MinMaxIndex index(values);

    std::uniform_int_distribution<int> position(0, count - 1);
    for (int query = 0; query < 3000; ++query) {
        int first = position(random);
        int last = position(random);
        if (query == 0) {
            first = 0;
            last = count - 1;
        } else if (query < 40) {
            // Ranges that start or end at block edges of every level.
            const int edge = (query % 2 ? 32 : 1024) * (query / 2);
            first = qMin(edge, count - 1);
            last = qMin(first + 32 * (query % 5) + query % 3, count - 1);
        }
        if (first > last)
            std::swap(first, last);
        int minIndex = -1;
        int maxIndex = -1;
        index.Find(first, last, minIndex, maxIndex);
        const double expectedMin
            = *std::min_element(values.begin() + first, values.begin() + last + 1);
        const double expectedMax
            = *std::max_element(values.begin() + first, values.begin() + last + 1);
        QVERIFY2(minIndex >= first && minIndex <= last, qPrintable(QString::number(minIndex)));
        QVERIFY2(maxIndex >= first && maxIndex <= last, qPrintable(QString::number(maxIndex)));
        QCOMPARE(values[minIndex], expectedMin);
        QCOMPARE(values[maxIndex], expectedMax);
    }
}

void TestCurveLod::seriesExposesEverySample_data()
{
    QTest::addColumn<QVector<double>>("times");
    QTest::addColumn<QVector<double>>("values");
    QTest::addColumn<bool>("nonDecreasing");

    QTest::newRow("single sample") << QVector<double> {5.0} << QVector<double> {-2.0} << true;
    QTest::newRow("rising") << QVector<double> {1, 2, 3, 10} << QVector<double> {4, -1, 7, 0}
                            << true;
    QTest::newRow("equal stamps") << QVector<double> {1, 1, 1, 2} << QVector<double> {3, 2, 1, 0}
                                  << true;
    QTest::newRow("falls at the end")
        << QVector<double> {1, 2, 3, 2.5} << QVector<double> {0, 0, 0, 0} << false;
    QTest::newRow("falls at the start")
        << QVector<double> {2, 1, 3, 4} << QVector<double> {1, 2, 3, 4} << false;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("NaN time") << QVector<double> {1, nan, 3} << QVector<double> {1, 2, 3} << false;
    QTest::newRow("NaN first") << QVector<double> {nan, 2, 3} << QVector<double> {1, 2, 3} << false;
    const Series big = MakeSeries(Shape::NoiseWithSpikes, 100000, 3);
    QTest::newRow("noise with spikes") << big.times << big.values << true;
    const Series back = MakeSeries(Shape::OutOfOrder, 100000, 4);
    QTest::newRow("out of order") << back.times << back.values << false;
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

    QCOMPARE(curve.dataSize(), plain.dataSize());
    for (size_t i = 0; i < plain.dataSize(); ++i) {
        const QPointF expected = plain.sample(static_cast<int>(i));
        const QPointF actual = curve.sample(static_cast<int>(i));
        // Bitwise, so NaN time stamps compare too.
        QCOMPARE(std::memcmp(&actual, &expected, sizeof(QPointF)), 0);
    }
    const bool hasNaN
        = std::any_of(times.begin(), times.end(), [](double t) { return std::isnan(t); });
    if (!hasNaN)
        QCOMPARE(curve.boundingRect(), plain.boundingRect());
    QCOMPARE(curve.Series()->TimesNonDecreasing(), nonDecreasing);
}

void TestCurveLod::seriesSharesTheVectors()
{
    const Series s = MakeSeries(Shape::NoiseWithSpikes, 1000, 9);
    TrendCurve curve;
    curve.SetSeries(s.times, s.values);
    QCOMPARE(curve.Series()->Times().constData(), s.times.constData());
    QCOMPARE(curve.Series()->Values().constData(), s.values.constData());
}

void TestCurveLod::pictureEqualsFullDrawing_data()
{
    QTest::addColumn<Shape>("shape");
    QTest::addColumn<int>("count");
    QTest::addColumn<QRectF>("fractions"); // of the time and value range: x0, y0, width, height
    QTest::addColumn<bool>("reduced"); // the drawing must get by with few points
    QTest::addColumn<bool>("splitting"); // Qwt cuts the plain polyline into short pieces
    QTest::addColumn<double>("tolerance"); // share of the canvas pixels allowed to differ

    const QRectF full(0.0, -0.02, 1.0, 1.04);
    QTest::newRow("spikes, full view")
        << Shape::NoiseWithSpikes << 400000 << full << true << false << 0.0;
    QTest::newRow("spikes, 1% zoom") << Shape::NoiseWithSpikes << 400000
                                     << QRectF(0.42, -0.02, 0.01, 1.04) << true << false << 0.0;
    QTest::newRow("spikes, view starts before the data")
        << Shape::NoiseWithSpikes << 400000 << QRectF(-0.3, -0.02, 0.5, 1.04) << true << false
        << 0.0;
    QTest::newRow("spikes, view ends after the data")
        << Shape::NoiseWithSpikes << 400000 << QRectF(0.7, -0.02, 0.6, 1.04) << true << false
        << 0.0;
    QTest::newRow("spikes, curve leaves the canvas at top and bottom")
        << Shape::NoiseWithSpikes << 400000 << QRectF(0.1, 0.3, 0.5, 0.4) << true << false << 0.0;
    QTest::newRow("spikes, few samples per pixel")
        << Shape::NoiseWithSpikes << 400000 << QRectF(0.5, -0.02, 0.004, 1.04) << true << false
        << 0.0;
    QTest::newRow("spikes, fewer samples than pixels")
        << Shape::NoiseWithSpikes << 400000 << QRectF(0.5, -0.02, 0.0005, 1.04) << false << false
        << 0.0;
    QTest::newRow("steps, full view") << Shape::Steps << 300000 << full << true << false << 0.0;
    QTest::newRow("sparse, full view") << Shape::Sparse << 2000 << full << false << false << 0.0;
    QTest::newRow("times out of order, full view")
        << Shape::OutOfOrder << 300000 << full << false << false << 0.0;
    QTest::newRow("times out of order, zoom")
        << Shape::OutOfOrder << 300000 << QRectF(0.3, 0.0, 0.05, 1.0) << false << false << 0.0;
    // Qwt's default cuts of the full polyline add end caps of their own; they may show.
    QTest::newRow("spikes, full view, Qwt cuts the polyline")
        << Shape::NoiseWithSpikes << 400000 << full << true << true << 0.0001;
    QTest::newRow("spikes, 1% zoom, Qwt cuts the polyline")
        << Shape::NoiseWithSpikes << 400000 << QRectF(0.42, -0.02, 0.01, 1.04) << true << true
        << 0.0001;
}

void TestCurveLod::pictureEqualsFullDrawing()
{
    QFETCH(Shape, shape);
    QFETCH(int, count);
    QFETCH(QRectF, fractions);
    QFETCH(bool, reduced);
    QFETCH(bool, splitting);
    QFETCH(double, tolerance);

    const Series s = MakeSeries(shape, count, 42);
    const View view
        = ViewOf(s, fractions.left(), fractions.right(), fractions.top(), fractions.bottom());
    const QSize size(900, 500);

    const bool defaultSplitting = QwtPainter::polylineSplitting();
    QwtPainter::setPolylineSplitting(splitting);
    auto* plain = new QwtPlotCurve;
    plain->setSamples(s.times, s.values);
    PlotHolder plainPlot(plain, view, size);
    auto* lod = new TrendCurve;
    lod->SetSeries(s.times, s.values);
    PlotHolder lodPlot(lod, view, size);
    const QImage expected = plainPlot.Canvas();
    const QImage actual = lodPlot.Canvas();
    QwtPainter::setPolylineSplitting(defaultSplitting);

    QCOMPARE(actual.size(), expected.size());
    // The comparison means nothing unless the curve is drawn at all.
    QVERIFY(CountColor(expected, QColor(Qt::darkRed).rgb()) > 200);

    const int pixels = actual.width() * actual.height();
    const int differing = CountDifferingPixels(expected, actual);
    qInfo("%s: %d of %d pixels differ, %d of %d points drawn", QTest::currentDataTag(), differing,
        pixels, lod->LastDrawnPointCount(), count);
    QVERIFY2(differing <= qMax(2.0, tolerance * pixels), qPrintable(QString::number(differing)));
    if (reduced)
        QVERIFY2(lod->LastDrawnPointCount() <= 7 * (actual.width() + 8),
            qPrintable(QString::number(lod->LastDrawnPointCount())));
}

void TestCurveLod::renderedImageEqualsFullDrawing_data()
{
    QTest::addColumn<int>("dotsPerInch"); // 0: the plot's own
    QTest::addColumn<double>("tolerance");

    QTest::newRow("image at the screen's resolution") << 0 << 0.0;
    // Scaled painters put points between pixels, where a few pixels on the band's edges may
    // differ.
    QTest::newRow("image at 170 dpi") << 170 << 0.0005;
    QTest::newRow("image at 300 dpi") << 300 << 0.0005;
    QTest::newRow("image at 72 dpi") << 72 << 0.003;
}

void TestCurveLod::renderedImageEqualsFullDrawing()
{
    QFETCH(int, dotsPerInch);
    QFETCH(double, tolerance);

    const Series s = MakeSeries(Shape::NoiseWithSpikes, 300000, 7);
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
    const int curvePixels = CountColor(expected, QColor(Qt::darkRed).rgb());
    QVERIFY(curvePixels > 200);
    const int pixels = actual.width() * actual.height();
    const int differing = CountDifferingPixels(expected, actual);
    qInfo("%s: %d of %d pixels differ (%d curve pixels), %d points drawn", QTest::currentDataTag(),
        differing, pixels, curvePixels, lod->LastDrawnPointCount());
    QVERIFY2(differing <= qMax(2.0, tolerance * pixels), qPrintable(QString::number(differing)));
    QVERIFY(lod->LastDrawnPointCount() <= 6 * 16 * (actual.width() + 2));
}

void TestCurveLod::vectorDocumentIsReducedAtItsResolution()
{
    const Series s = MakeSeries(Shape::NoiseWithSpikes, 300000, 11);
    const View view = ViewOf(s, 0.0, 1.0, -0.02, 1.02);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString plainPath = dir.filePath(QStringLiteral("plain.svg"));
    const QString lodPath = dir.filePath(QStringLiteral("lod.svg"));
    const QSizeF sizeMm(200.0, 120.0);
    const int documentDpi = 170;

    auto* plain = new QwtPlotCurve;
    plain->setSamples(s.times, s.values);
    PlotHolder plainPlot(plain, view, QSize(800, 450));
    QwtPlotRenderer().renderDocument(
        &plainPlot.plot(), plainPath, QStringLiteral("svg"), sizeMm, documentDpi);
    auto* lod = new TrendCurve;
    lod->SetSeries(s.times, s.values);
    PlotHolder lodPlot(lod, view, QSize(800, 450));
    QwtPlotRenderer().renderDocument(
        &lodPlot.plot(), lodPath, QStringLiteral("svg"), sizeMm, documentDpi);

    // At most six points per column of the default resolution across the plot's width.
    const double columns = sizeMm.width() / 25.4 * TrendCurve::DefaultVectorResolution;
    QVERIFY2(lod->LastDrawnPointCount() <= 6 * columns + 16,
        qPrintable(QString::number(lod->LastDrawnPointCount())));
    const qint64 plainBytes = QFileInfo(plainPath).size();
    const qint64 lodBytes = QFileInfo(lodPath).size();
    qInfo("SVG: %lld bytes drawn in full, %lld bytes reduced", plainBytes, lodBytes);
    QVERIFY(lodBytes > 0);
    QVERIFY(lodBytes * 10 < plainBytes);

    // Printed at the document's own resolution both documents show the same curve: at most a
    // sliver of the pixels may differ.
    const QSize pixels(
        qRound(sizeMm.width() / 25.4 * documentDpi), qRound(sizeMm.height() / 25.4 * documentDpi));
    QImage expected(pixels, QImage::Format_RGB32);
    QImage actual(pixels, QImage::Format_RGB32);
    expected.fill(Qt::white);
    actual.fill(Qt::white);
    {
        QPainter painter(&expected);
        QSvgRenderer(plainPath).render(&painter);
    }
    {
        QPainter painter(&actual);
        QSvgRenderer(lodPath).render(&painter);
    }
    const QRgb curveColor = QColor(Qt::darkRed).rgb();
    const int curvePixels = CountColor(expected, curveColor);
    QVERIFY(curvePixels > 200);
    const int differing = CountDifferingPixels(expected, actual);
    // The curve's envelope, column by column: topmost and lowest curve pixel.
    int shiftedColumns = 0;
    for (int x = 0; x < pixels.width(); ++x) {
        int top[2] = {-1, -1};
        int bottom[2] = {-1, -1};
        const QImage* images[2] = {&expected, &actual};
        for (int k = 0; k < 2; ++k) {
            for (int y = 0; y < pixels.height(); ++y) {
                if ((images[k]->pixel(x, y) & 0xffffff) == (curveColor & 0xffffff)) {
                    if (top[k] < 0)
                        top[k] = y;
                    bottom[k] = y;
                }
            }
        }
        if (std::abs(top[0] - top[1]) > 1 || std::abs(bottom[0] - bottom[1]) > 1)
            ++shiftedColumns;
    }
    qInfo("SVG at %d dpi: %d of %d pixels differ (%d curve pixels), envelope off by more than "
          "a pixel in %d of %d columns",
        documentDpi, differing, pixels.width() * pixels.height(), curvePixels, shiftedColumns,
        pixels.width());
    QVERIFY2(shiftedColumns * 100 <= pixels.width(), qPrintable(QString::number(shiftedColumns)));
}

void TestCurveLod::vectorColumnsFollowTheFinerResolution_data()
{
    QTest::addColumn<int>("documentDpi");
    QTest::addColumn<double>("curveDpi"); // 0: the curve's default
    QTest::addColumn<double>("columnDpi");

    QTest::newRow("document coarser than the default") << 170 << 0.0 << 300.0;
    QTest::newRow("document finer than the default") << 600 << 0.0 << 600.0;
    QTest::newRow("curve set finer than the document") << 170 << 450.0 << 450.0;
}

void TestCurveLod::vectorColumnsFollowTheFinerResolution()
{
    QFETCH(int, documentDpi);
    QFETCH(double, curveDpi);
    QFETCH(double, columnDpi);

    const Series s = MakeSeries(Shape::NoiseWithSpikes, 300000, 13);
    auto* lod = new TrendCurve;
    lod->SetSeries(s.times, s.values);
    if (curveDpi > 0)
        lod->SetVectorResolution(curveDpi);
    PlotHolder plot(lod, ViewOf(s, 0.0, 1.0, -0.02, 1.02), QSize(800, 450));
    QTemporaryDir dir;
    const QSizeF sizeMm(200.0, 120.0);
    QwtPlotRenderer().renderDocument(&plot.plot(), dir.filePath(QStringLiteral("plot.svg")),
        QStringLiteral("svg"), sizeMm, documentDpi);

    // Every column of the canvas holds dozens of samples, so it gets its first and last sample,
    // their neighbours and the extremes: six points. The canvas takes most of the width.
    const double widthColumns = sizeMm.width() / 25.4 * columnDpi;
    const int points = lod->LastDrawnPointCount();
    qInfo("%d points for %.0f columns", points, widthColumns);
    QVERIFY2(points <= 6 * widthColumns + 16, qPrintable(QString::number(points)));
    QVERIFY2(points >= 4.5 * widthColumns, qPrintable(QString::number(points)));
}

void TestCurveLod::vectorReductionCanBeSwitchedOff()
{
    const Series s = MakeSeries(Shape::NoiseWithSpikes, 20000, 5);
    auto* lod = new TrendCurve;
    lod->SetSeries(s.times, s.values);
    lod->SetVectorResolution(0.0);
    PlotHolder plot(lod, ViewOf(s, 0.0, 1.0, 0.0, 1.0), QSize(600, 400));
    QTemporaryDir dir;
    QwtPlotRenderer().renderDocument(&plot.plot(), dir.filePath(QStringLiteral("all.svg")),
        QStringLiteral("svg"), QSizeF(100, 60), 170);
    QCOMPARE(lod->LastDrawnPointCount(), s.times.size());
}

QTEST_MAIN(TestCurveLod)
#include "tst_curvelod.moc"
