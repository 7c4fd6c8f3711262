// The level-of-detail curve against the plain QwtPlotCurve: same samples, same zoom base, same
// picture.

#include "MinMaxIndex.h"
#include "TrendCurve.h"
#include "TrendSeriesData.h"

#include <QPicture>
#include <QtTest>
#include <qwt_painter.h>
#include <qwt_plot_canvas.h>
#include <qwt_plot_renderer.h>
#include <qwt_point_data.h>
#include <qwt_plot.h>

#include <random>
#include <vector>

namespace {
struct Series {
    QVector<double> times, values;
};
// Grid: a few samples per pixel column on a few pixel rows, placed from the canvas maps.
enum class Shape { NoiseWithSpikes, OutOfOrder, Infinities, Noise, Grid, GridOutOfOrder };
const double Inf = std::numeric_limits<double>::infinity();
const double NaN = std::numeric_limits<double>::quiet_NaN();

// A slow wave with noise and single-sample knock spikes, runs of equal time stamps, times
// that jump back, or now and then an infinity (often both in one column).
Series MakeSeries(Shape shape, int count, quint32 seed)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> noise(-1.0, 1.0);
    Series s;
    for (int i = 0; i < count; ++i) {
        double v = 100.0 * std::sin(i * 1e-4) + 5.0 * noise(random);
        if (shape == Shape::NoiseWithSpikes)
            v += i % 4999 == 17 ? (i % 2 ? 400.0 : -400.0) : 0.0;
        else if (shape == Shape::Noise)
            v = 50.0 * noise(random);
        else if (shape == Shape::Infinities && noise(random) > 0.998)
            v = (i % 2 ? 1.0 : -1.0) * Inf;
        const double t = 1.7e12 + 10.0 * (i - (i % 1000 == 500));
        s.times << (shape == Shape::OutOfOrder && i % 97 == 0 ? t - 5.0e5 : t);
        s.values << v;
    }
    return s;
}

// One to twelve samples per pixel column (also just left of the canvas, and right of it out of
// order), on six pixel rows, often just inside the half pixel that Qwt rounds to the same pixel,
// now and then an infinity. Every order of the samples that a column keeps comes up over the rows.
Series MakeGrid(const QwtScaleMap& xMap, const QwtScaleMap& yMap, bool ordered, bool infinities)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<double> uniform(-0.4999, 0.4999);
    const auto fraction
        = [&] { return random() % 2 ? uniform(random) : 0.4 + uniform(random) / 5; };
    const double row0 = std::round((yMap.p1() + yMap.p2()) / 2);
    Series s;
    // In order, the curve ends inside the canvas, where its pen's cap shows.
    const int end = ordered ? int(xMap.p2()) - 5 : int(xMap.p2()) + 3;
    for (int column = -3; column < end; ++column) {
        QVector<double> fractions(1 + int(random() % 12));
        for (double& f : fractions)
            f = fraction();
        std::sort(fractions.begin(), fractions.end());
        for (const double f : fractions) {
            const int kind = int(random() % 64);
            s.times << xMap.invTransform(column + f);
            s.values << (infinities && kind >= 62
                    ? (kind % 2 ? Inf : -Inf)
                    : yMap.invTransform(row0 + kind % 6 + fraction()));
        }
    }
    if (!ordered) { // far above: the line back stays off the rows
        s.times << xMap.invTransform(xMap.p1() + 10);
        s.values << yMap.invTransform(row0 - 1000);
    }
    return s;
}

// A plot of one dark red curve over the given ranges of time and value.
struct PlotHolder {
    QwtPlot plot;
    PlotHolder(QwtPlotCurve* curve, const QRectF& view, const QSize& size, const QBrush& brush)
    {
        plot.setAxisScale(QwtPlot::xBottom, view.left(), view.right());
        plot.setAxisScale(QwtPlot::yLeft, view.top(), view.bottom());
        curve->setPen(QPen(Qt::darkRed));
        curve->setBrush(brush);
        curve->attach(&plot);
        plot.resize(size);
        plot.show();
    }
    // The canvas as on screen (dpi 0), or the plot through QwtPlotRenderer at that resolution.
    QImage Image(int dpi)
    {
        plot.replot();
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

// Pixels of `a` that differ from `b` or, without `b`, that have the colour `color`.
int CountPixels(const QImage& a, const QImage* b, QRgb color = 0)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x)
            count += b ? (a.pixel(x, y) & 0xffffff) != (b->pixel(x, y) & 0xffffff)
                       : (a.pixel(x, y) & 0xffffff) == (color & 0xffffff);
    }
    return count;
}
} // namespace

Q_DECLARE_METATYPE(Shape)

class TestCurveLod : public QObject {
    Q_OBJECT

private slots:
    void minMaxIndexMatchesScan();
    void columnRunsMerge();
    void pictureEqualsFullDrawing_data();
    void pictureEqualsFullDrawing();
};

// A NaN is never chosen unless the range holds nothing else, in full blocks as in the short rest.
void TestCurveLod::minMaxIndexMatchesScan()
{
    // Samples, distinct values (few give many ties), share of NaN in percent.
    constexpr int Samples = MinMaxIndex::SampleBlockSize;
    const int cases[][3] = {{1, 5, 0}, {Samples - 1, 1000, 0}, {Samples * 3 + 1, 1000, 40},
        {32 * 32 + 7, 3, 0}, {32 * 32 * 32 * 3 + 1, 17, 10}, {Samples * 5, 1, 100},
        {Samples * MinMaxIndex::BlockSize * 3 + 5, 2, 97}};
    for (const auto& c : cases) {
        std::mt19937 random(static_cast<quint32>(c[0]));
        QVector<double> values(c[0]);
        for (double& v : values)
            v = int(random() % 100) < c[2] ? NaN : int(random() % unsigned(c[1])) * 0.5 - 3.0;
        const MinMaxIndex index(values);
        // Every query once more in one batch, which must pick the very same samples.
        std::vector<int> firsts, lasts, mins, maxes;
        for (int query = 0; query < 3000; ++query) {
            // The whole range, ranges that start or end at block edges of every level, any range.
            const int edge = qMin((query % 2 ? 32 : 1024) * (query / 2), c[0] - 1);
            const int end = edge + 32 * (query % 5) + query % 3 + (query == 0) * c[0];
            int first = query < 40 ? edge : int(random() % unsigned(c[0]));
            int last = query < 40 ? qMin(end, c[0] - 1) : int(random() % unsigned(c[0]));
            if (first > last)
                std::swap(first, last);
            double low = NaN; // std::fmin and std::fmax pass over NaN
            double high = NaN;
            for (int i = first; i <= last; ++i) {
                low = std::fmin(low, values[i]);
                high = std::fmax(high, values[i]);
            }
            int minIndex = -1;
            int maxIndex = -1;
            index.Find(first, last, minIndex, maxIndex);
            QVERIFY(minIndex >= first && minIndex <= last && maxIndex >= first && maxIndex <= last);
            QCOMPARE(QString::number(values[minIndex]), QString::number(low));
            QCOMPARE(QString::number(values[maxIndex]), QString::number(high));
            firsts.push_back(first);
            lasts.push_back(last);
            mins.push_back(minIndex);
            maxes.push_back(maxIndex);
        }
        std::vector<int> batchMins(firsts.size()), batchMaxes(firsts.size());
        index.FindEach(firsts.data(), lasts.data(), int(firsts.size()), batchMins.data(),
            batchMaxes.data());
        QVERIFY(batchMins == mins && batchMaxes == maxes);
    }
}

// Filled pixel columns become the fewest disjoint rectangles whose rows each cover one stretch of
// columns: a pixel painted twice would not show, only cost time. Runs over gaps, touching, nested,
// equal and apart, against the stretches read off the pixels row by row, where equal stretches
// in neighbouring rows share a rectangle.
void TestCurveLod::columnRunsMerge()
{
    std::mt19937 random(3);
    for (int round = 0; round < 300; ++round) {
        QVector<QRect> runs;
        QSet<QPair<int, int>> pixels;
        for (int column = 0; column < 30; ++column) {
            const int top = int(random() % 12);
            if (random() % 5 == 0) // a column left empty
                continue;
            runs << (!runs.isEmpty() && random() % 3 == 0 // the same rows as a column before
                    ? runs.last().translated(column - runs.last().left(), 0)
                    : QRect(column, top, 1, 1 + int(random() % (13 - top))));
            for (int y = runs.last().top(); y <= runs.last().bottom(); ++y)
                pixels.insert({column, y});
        }
        QList<QRect> expected;
        for (int y = 0; y < 13; ++y) {
            for (int x = 0, right = 0; x < 30; x = right + 1) {
                right = x;
                if (!pixels.contains({x, y}))
                    continue;
                while (pixels.contains({right + 1, y}))
                    ++right;
                auto above = std::find_if(expected.begin(), expected.end(), [&](const QRect& r) {
                    return r.left() == x && r.right() == right && r.bottom() == y - 1;
                });
                if (above != expected.end())
                    above->setBottom(y);
                else
                    expected << QRect(QPoint(x, y), QPoint(right, y));
            }
        }
        for (const QRect& rect : TrendCurve::MergeColumnRuns(runs))
            QVERIFY(expected.removeOne(rect));
        QVERIFY(expected.isEmpty());
    }
    QVERIFY(TrendCurve::MergeColumnRuns({}).isEmpty());
}

void TestCurveLod::pictureEqualsFullDrawing_data()
{
    QTest::addColumn<Shape>("shape");
    QTest::addColumn<QRectF>("fractions"); // of the time and value range: x0, y0, width, height
    QTest::addColumn<int>("dpi"); // 0: the canvas on screen; else rendered, -1 at the plot's own
    QTest::addColumn<double>("tolerance"); // share of pixels that may differ
    QTest::addColumn<bool>("splitting"); // Qwt cuts the plain polyline, adding end caps
    QTest::addColumn<QBrush>("brush");
    const auto row = [](const char* name, Shape shape, const QRectF& fractions, int dpi = 0,
                         double tolerance = 0.0, bool splitting = false, QBrush brush = {}) {
        QTest::newRow(name) << shape << fractions << dpi << tolerance << splitting << brush;
    };
    const QRectF full(0.0, -0.02, 1.0, 1.04);
    row("spikes, full view", Shape::NoiseWithSpikes, full);
    row("noise, two curves", Shape::Noise, full);
    // Regression: a piece of the polyline that ended on a steep stroke got a pixel too many there.
    row("noise zoomed in", Shape::Noise, QRectF(0.4, -0.02, 0.05, 1.04));
    row("view starts before the data", Shape::NoiseWithSpikes, QRectF(-0.3, -0.02, 0.5, 1.04));
    row("view ends after the data", Shape::NoiseWithSpikes, QRectF(0.7, -0.02, 0.6, 1.04));
    row("curve leaves the canvas", Shape::NoiseWithSpikes, QRectF(0.1, 0.3, 0.5, 0.4));
    // Regression: a +inf and a -inf in one column lost the stroke between them.
    row("infinities", Shape::Infinities, full);
    row("times out of order", Shape::OutOfOrder, QRectF(0.3, 0.0, 0.05, 1.0));
    row("pixel grid", Shape::Grid, full);
    row("pixel grid, out of order", Shape::GridOutOfOrder, full);
    row("Qwt cuts the polyline", Shape::NoiseWithSpikes, full, 0, 0.0001, true);
    // A filled curve is left to Qwt as a whole.
    row("filled", Shape::NoiseWithSpikes, full, 0, 0.0, false, QBrush(Qt::gray));
    // Scaled painters put points between pixels: a few pixels on the band's edges may differ.
    row("image at the plot's resolution", Shape::NoiseWithSpikes, full, -1);
    row("image at 300 dpi", Shape::NoiseWithSpikes, full, 300, 0.0005);
    row("image at 72 dpi", Shape::NoiseWithSpikes, full, 72, 0.003);
    row("pixel grid image at 170 dpi", Shape::Grid, full, 170);
    // Regression: noisy knocking values froze Export Plot for minutes, the reduced polyline being
    // stroked as one outline (the test's CTest time limit fails it). Qwt's cuts add end caps.
    row("noise image at 170 dpi", Shape::Noise, full, 170, 0.001, true);
}

void TestCurveLod::pictureEqualsFullDrawing()
{
    QFETCH(Shape, shape);
    QFETCH(QRectF, fractions);
    QFETCH(int, dpi);
    QFETCH(double, tolerance);
    QFETCH(bool, splitting);
    QFETCH(QBrush, brush);
    const bool grid = shape == Shape::Grid || shape == Shape::GridOutOfOrder;
    Series s = MakeSeries(shape, grid ? 0 : 300000, 42);
    QVector<double> finite = s.values;
    for (double& v : finite)
        v = std::isfinite(v) ? v : 0.0;
    const QRectF b = grid ? QRectF(0, 0, 1, 1) : QwtPointArrayData(s.times, finite).boundingRect();
    const QRectF view(b.left() + fractions.left() * b.width(),
        b.top() + fractions.top() * b.height(), fractions.width() * b.width(),
        fractions.height() * b.height());
    auto* plainCurve = new QwtPlotCurve;
    PlotHolder plain(plainCurve, view, QSize(900, 500), brush);
    auto* lod = new TrendCurve;
    PlotHolder reduced(lod, view, QSize(900, 500), brush);
    if (grid) {
        // A scaled painter draws the far-off points of infinities a few hundred pixels off Qwt's;
        // there the grid goes without them.
        plain.plot.replot();
        s = MakeGrid(plain.plot.canvasMap(QwtPlot::xBottom), plain.plot.canvasMap(QwtPlot::yLeft),
            shape == Shape::Grid, dpi == 0);
    }
    // An infinity is drawn on the canvas edge on its side: the plain curve gets that value
    // instead. The zoom base spans all times and the finite values.
    plain.plot.replot();
    const QwtScaleMap yMap = plain.plot.canvasMap(QwtPlot::yLeft);
    const QRect inner = plain.plot.canvas()->contentsRect();
    QVector<double> drawn = s.values, finiteTimes, finiteValues;
    for (int i = 0; i < drawn.size(); ++i) {
        if (std::isinf(drawn[i])) {
            drawn[i] = yMap.invTransform(drawn[i] > 0 ? inner.top() : inner.bottom());
        } else {
            finiteTimes << s.times[i];
            finiteValues << s.values[i];
        }
    }
    plainCurve->setSamples(s.times, drawn);
    lod->SetSeries(s.times, s.values);
    if (shape == Shape::Noise) { // a second curve, drawn after the first with what it left
        QVector<double> half = s.values;
        for (double& v : half)
            v *= 0.5;
        QwtPlotCurve* second[] = {new QwtPlotCurve, new TrendCurve};
        second[0]->setSamples(s.times, half);
        static_cast<TrendCurve*>(second[1])->SetSeries(s.times, half);
        for (int k = 0; k < 2; ++k) {
            second[k]->setPen(QPen(Qt::darkBlue));
            second[k]->attach(k ? &reduced.plot : &plain.plot);
        }
    }
    const QRectF times = plainCurve->boundingRect();
    const QRectF values = QwtPointArrayData(finiteTimes, finiteValues).boundingRect();
    const QRectF zoomBase(times.left(), values.top(), times.width(), values.height());
    QCOMPARE(lod->boundingRect(), zoomBase);
    QCOMPARE(lod->Series()->TimesNonDecreasing(), std::is_sorted(s.times.begin(), s.times.end()));
    QwtPainter::setPolylineSplitting(splitting); // every row sets it
    dpi = dpi < 0 ? plain.plot.logicalDpiX() : dpi;
    const QImage expected = plain.Image(dpi);
    const QImage actual = reduced.Image(dpi);
    QVERIFY(
        CountPixels(expected, nullptr, QColor(Qt::darkRed).rgb()) > 200); // else it means nothing
    const int differing = CountPixels(expected, &actual);
    QVERIFY2(differing <= qMax(0.0, tolerance * actual.width() * actual.height()),
        qPrintable(QString::number(differing)));
    // Dense series in order get by with a few points per column, and on the screen most of
    // their columns are filled; a scaled painter or a filled curve fills none.
    const int points = lod->LastDrawnPointCount();
    const int filled = lod->LastFilledColumnCount();
    const bool scaled = dpi != 0 && dpi != plain.plot.logicalDpiX();
    if (shape == Shape::NoiseWithSpikes && brush == QBrush()) {
        QVERIFY2(
            points <= (dpi ? 96 : 7) * (actual.width() + 8), qPrintable(QString::number(points)));
        QVERIFY2(scaled || filled > actual.width() / 4, qPrintable(QString::number(filled)));
        // A document resolves columns of 1/300 inch, or draws every sample when told to.
        for (const double resolution : {TrendCurve::DefaultVectorResolution, 0.0}) {
            lod->SetVectorResolution(resolution);
            QPicture document;
            QPainter painter(&document);
            QwtPlotRenderer().render(&reduced.plot, &painter, reduced.plot.rect());
            QCOMPARE(lod->LastDrawnPointCount() == s.values.size(), resolution == 0.0);
        }
    }
    QVERIFY(!scaled || filled == 0);
}

QTEST_MAIN(TestCurveLod)
#include "tst_curvelod.moc"
