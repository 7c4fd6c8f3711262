// The trend plot widget: curve colours, skipped series, legend, zoom and pan, the time axis
// labels and the tracker text, in several time zones and under a German system locale.

#include "TimeScaleDraw.h"
#include "TrendCurve.h"
#include "TrendPlot.h"
#include "TrendPlotZoomer.h"
#include "TrendSeriesData.h"
#include "TrendTime.h"

#include <QApplication>
#include <QtTest>
#include <qwt_legend.h>
#include <qwt_legend_label.h>
#include <qwt_plot_canvas.h>
#include <qwt_scale_div.h>
#include <qwt_scale_draw.h>
#include <qwt_scale_widget.h>
#include <qwt_widget_overlay.h>

#include <cmath>
#include <ctime>

namespace {
using V = QVector<double>;

QList<QwtPlotCurve*> Curves(const TrendPlot& plot)
{
    QList<QwtPlotCurve*> curves;
    for (QwtPlotItem* item : plot.itemList(QwtPlotItem::Rtti_PlotCurve))
        curves.append(static_cast<QwtPlotCurve*>(item));
    return curves;
}

QwtLegendLabel* LegendLabel(TrendPlot& plot, QwtPlotCurve* curve)
{
    auto* legend = qobject_cast<QwtLegend*>(plot.legend());
    return qobject_cast<QwtLegendLabel*>(legend->legendWidget(plot.itemToInfo(curve)));
}

QwtInterval Interval(const TrendPlot& plot, int axis) { return plot.axisScaleDiv(axis).interval(); }

TrendPlot::TrendPlotZoomer* ZoomerOf(TrendPlot& plot)
{
    return plot.canvas()->findChild<TrendPlot::TrendPlotZoomer*>();
}

// Milliseconds since 1970 of a UTC date and time.
double Utc(int year, int month, int day, int hour, int minute, int second, int msec = 0)
{
    return double(QDateTime(QDate(year, month, day), QTime(hour, minute, second, msec), Qt::UTC)
                      .toMSecsSinceEpoch());
}

const double T0 = Utc(2026, 3, 2, 7, 30, 0);

// A ramp from t0 over the given number of seconds, values from low to high.
void AddRamp(TrendPlot& plot, const QString& title, double t0, int seconds, double low, double high)
{
    V times, values;
    for (int i = 0; i <= seconds; ++i) {
        times.append(t0 + 1000.0 * i);
        values.append(low + (high - low) * i / seconds);
    }
    plot.AddCurve(times, values, title);
}

// Press, a few moves and a release, as a hand would drag; `during` looks at the drag.
void Drag(
    QWidget* widget, QPoint from, QPoint to, Qt::KeyboardModifiers modifiers,
    const std::function<void()>& during = [] {})
{
    const auto send = [&](QEvent::Type type, QPoint pos, Qt::MouseButtons buttons) {
        QMouseEvent event(type, pos, widget->mapToGlobal(pos),
            type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons, modifiers);
        QApplication::sendEvent(widget, &event);
    };
    send(QEvent::MouseButtonPress, from, Qt::LeftButton);
    for (int step = 1; step <= 4; ++step)
        send(QEvent::MouseMove, from + (to - from) * step / 4, Qt::LeftButton);
    during();
    send(QEvent::MouseButtonRelease, to, Qt::NoButton);
}

void SetTimeZone(const QByteArray& zone)
{
    qputenv("TZ", zone);
    tzset();
}
} // namespace

class TestTrendPlot : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { SetTimeZone("Europe/Berlin"); }
    void curvesTakeTheColourCycle();
    void zoomBaseSpansAllCurves();
    void legendClickHidesAndShows();
    void mouseZoomsAndPans();
    void labels_data();
    void labels();
    void labelsNeverOverlap();
    void trackerShowsWhileTheMouseMoves();
};

void TestTrendPlot::curvesTakeTheColourCycle()
{
    TrendPlot plot;
    QCOMPARE(plot.axisTitle(QwtPlot::xBottom).text(), QString("Date and Time [MM-dd hh:mm:ss]"));
    // Series without samples or of unequal lengths give no curve and take no colour.
    const QList<QPair<V, V>> skipped {
        {{}, {}}, {{}, {1.0}}, {{T0, T0 + 1000}, {1}}, {{T0}, {1, 2}}};
    for (int i = 0; i < 41; ++i) {
        if (i < skipped.size())
            plot.AddCurve(skipped[i].first, skipped[i].second, QStringLiteral("Skipped"));
        AddRamp(plot, QStringLiteral("C%1").arg(i), T0, 2, i, i + 1);
    }
    plot.show();
    const QList<QwtPlotCurve*> curves = Curves(plot);
    QCOMPARE(curves.size(), 41);
    QSet<QRgb> colours;
    for (int i = 0; i < curves.size(); ++i) {
        QCOMPARE(LegendLabel(plot, curves[i])->data().title().text(), QString("C%1").arg(i));
        colours.insert(curves[i]->pen().color().rgb());
        // After twenty colours the cycle starts again.
        QCOMPARE(curves[i]->pen().color(), curves[i % 20]->pen().color());
    }
    QCOMPARE(colours.size(), 20);
    QCOMPARE(curves[0]->pen().color(), QColor(Qt::darkRed));
    QCOMPARE(curves[1]->pen().color(), QColor(Qt::darkGreen));
}

void TestTrendPlot::zoomBaseSpansAllCurves()
{
    TrendPlot plot;
    auto* zoomer = ZoomerOf(plot);
    AddRamp(plot, QStringLiteral("A"), T0, 60, 10, 20);
    QVERIFY(!zoomer->zoomBase().contains(QPointF(T0 + 3600000, 20)));
    // The second curve restarts the zoom stack from a base around both. The plot keeps the
    // samples, shared with the reader.
    const V times {T0 + 3600000, T0 + 3660000};
    plot.AddCurve(times, {-500, 900}, QStringLiteral("B"));
    QCOMPARE(dynamic_cast<TrendCurve*>(Curves(plot)[1])->Series()->Times().constData(),
        times.constData());
    QCOMPARE(zoomer->zoomStack().size(), 1);
    const QRectF base = zoomer->zoomBase();
    for (const QPointF& corner : {QPointF(T0, 10), QPointF(T0 + 3660000, 900), QPointF(T0, -500)})
        QVERIFY(base.contains(corner));
    QCOMPARE(Interval(plot, QwtPlot::xBottom), QwtInterval(base.left(), base.right()));
}

void TestTrendPlot::legendClickHidesAndShows()
{
    for (const bool zoomed : {false, true}) {
        TrendPlot plot;
        plot.resize(900, 600);
        // The second curve alone would give both axes a much smaller range: a rescale would show.
        AddRamp(plot, QStringLiteral("Wide"), T0, 3600, -1000, 5000);
        AddRamp(plot, QStringLiteral("Narrow"), T0 + 600000, 60, 100, 200);
        plot.show();
        QVERIFY(QTest::qWaitForWindowExposed(&plot));
        if (zoomed)
            ZoomerOf(plot)->zoom(QRectF(T0 + 300000, 0, 1200000, 3000));
        const QwtInterval x = Interval(plot, QwtPlot::xBottom);
        const QwtInterval y = Interval(plot, QwtPlot::yLeft);
        QwtPlotCurve* wide = Curves(plot).at(0);
        for (const bool hidden : {true, false}) {
            QTest::mouseClick(LegendLabel(plot, wide), Qt::LeftButton);
            QCOMPARE(wide->isVisible(), !hidden);
            QVERIFY(Curves(plot).at(1)->isVisible());
            QCOMPARE(Interval(plot, QwtPlot::xBottom), x);
            QCOMPARE(Interval(plot, QwtPlot::yLeft), y);
        }
        QCOMPARE(ZoomerOf(plot)->zoomRectIndex(), zoomed ? 1u : 0u);
    }
}

// Ctrl-drag pans with a closed hand; a plain drag zooms in, the right button back to the full
// view.
void TestTrendPlot::mouseZoomsAndPans()
{
    TrendPlot plot;
    plot.resize(900, 600);
    AddRamp(plot, QStringLiteral("Speed"), T0, 3600, 0, 1000);
    plot.show();
    QVERIFY(QTest::qWaitForWindowExposed(&plot));
    QWidget* canvas = plot.canvas();
    const QwtInterval fullX = Interval(plot, QwtPlot::xBottom);
    const QwtScaleMap xMap = plot.canvasMap(QwtPlot::xBottom);
    const QPoint from = canvas->rect().center();
    Qt::CursorShape shape = Qt::ArrowCursor;
    Drag(canvas, from, from - QPoint(200, 0), Qt::ControlModifier,
        [&] { shape = canvas->cursor().shape(); });
    QCOMPARE(shape, Qt::ClosedHandCursor);
    const double shift = xMap.invTransform(from.x()) - xMap.invTransform(from.x() - 200);
    QCOMPARE(Interval(plot, QwtPlot::xBottom).minValue(), fullX.minValue() + shift);
    plot.setAxisScale(QwtPlot::xBottom, fullX.minValue(), fullX.maxValue());
    plot.replot();
    Drag(canvas, QPoint(100, 100), QPoint(300, 250), Qt::NoModifier);
    QCOMPARE(ZoomerOf(plot)->zoomRectIndex(), 1u);
    QVERIFY(std::abs(Interval(plot, QwtPlot::xBottom).minValue() - xMap.invTransform(100))
        < fullX.width() / 500);
    QTest::mouseClick(canvas, Qt::RightButton, Qt::NoModifier, canvas->rect().center());
    QCOMPARE(Interval(plot, QwtPlot::xBottom), fullX);
}

void TestTrendPlot::labels_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QPointF>("position");
    QTest::addColumn<QString>("axisLabel");
    QTest::addColumn<QString>("trackerText");
    // Milliseconds are truncated toward zero, never rounded: a stamp a fraction of a millisecond
    // before a full second still belongs to the earlier second.
    const double newYear = Utc(2026, 12, 31, 23, 0, 0);
    const QByteArray berlin("Europe/Berlin");
    QTest::newRow("0.001 ms before the new year")
        << berlin << QPointF(newYear - 0.001, 3.0) << "12-31 23:59:59"
        << "26-12-31\n23:59:59\n3,00";
    QTest::newRow("new year in Berlin, not yet in New York")
        << QByteArray("America/New_York") << QPointF(newYear + 999.9, 12.5) << "12-31 18:00:00"
        << "26-12-31\n18:00:00\n12,50";
    QTest::newRow("UTC, negative value, German grouping")
        << QByteArray("UTC") << QPointF(Utc(2026, 7, 15, 10, 20, 30, 500), -1234567.891)
        << "07-15 10:20:30"
        << "26-07-15\n10:20:30\n-1.234.567,89";
    QTest::newRow("first second of summer time")
        << berlin << QPointF(Utc(2026, 3, 29, 1, 0, 0), 0) << "03-29 03:00:00"
        << "26-03-29\n03:00:00\n0,00";
    // Toward zero, not down: -1000.5 ms is 23:59:59.000, flooring would give 23:59:58.999.
    QTest::newRow("before 1970") << QByteArray("UTC") << QPointF(-1000.5, 0) << "12-31 23:59:59"
                                 << "69-12-31\n23:59:59\n0,00";
}

void TestTrendPlot::labels()
{
    QFETCH(QByteArray, zone);
    QFETCH(QPointF, position);
    QFETCH(QString, axisLabel);
    QFETCH(QString, trackerText);
    SetTimeZone(zone);
    TrendPlot plot;
    QCOMPARE(plot.axisScaleDraw(QwtPlot::xBottom)->label(position.x()).text(), axisLabel);
    QCOMPARE(ZoomerOf(plot)->trackerTextF(position).text(), trackerText);
    // Positions of a degenerate scale get no date (converting them to 64 bits is undefined).
    for (const double x : {std::nan(""), 9.3e18, -9.3e18, HUGE_VAL})
        QVERIFY(!TrendTimeToDateTime(x).isValid());
}

// Regression: zoomed in or in a narrow window the labels ran into each other.
void TestTrendPlot::labelsNeverOverlap()
{
    for (const double span : {10e3, 5 * 3600e3, 3 * 86400e3}) {
        for (const int width : {500, 1000, 1600}) {
            TrendPlot plot;
            const double start = Utc(2026, 5, 14, 6, 45, 0);
            plot.AddCurve({start, start + span / 3, start + span}, {1, 100, 2}, "Cyl 1");
            plot.resize(width, 500);
            plot.show();
            QVERIFY(QTest::qWaitForWindowExposed(&plot));
            for (int zooms = 0; zooms <= 4; ++zooms) {
                QTest::qWait(20); // the axis refits after each change of scale
                const QwtScaleWidget* axis = plot.axisWidget(QwtPlot::xBottom);
                QList<QRect> rects;
                for (const double tick :
                    plot.axisScaleDiv(QwtPlot::xBottom).ticks(QwtScaleDiv::MajorTick))
                    rects.append(axis->scaleDraw()->boundingLabelRect(axis->font(), tick));
                QVERIFY2(rects.size() >= 2,
                    qPrintable(QString("%1 %2 %3").arg(span).arg(width).arg(zooms)));
                for (int i = 1; i < rects.size(); ++i)
                    QVERIFY(!rects[i - 1].intersects(rects[i]));
                // Each zoom to the middle half.
                const QRectF view = ZoomerOf(plot)->zoomRect();
                ZoomerOf(plot)->zoom(view.adjusted(view.width() / 4, 0, -view.width() / 4, 0));
            }
        }
    }
}

void TestTrendPlot::trackerShowsWhileTheMouseMoves()
{
    TrendPlot plot;
    AddRamp(plot, QStringLiteral("Speed"), T0, 3600, 100, 2000);
    plot.resize(800, 500);
    plot.show();
    QVERIFY(QTest::qWaitForWindowExposed(&plot));
    const QPoint position = plot.canvas()->rect().center();
    QTest::mouseMove(plot.canvas(), position);
    QTRY_COMPARE(ZoomerOf(plot)->trackerPosition(), position);
    // No button is pressed, yet the tracker is on the canvas.
    const auto overlays = plot.canvas()->findChildren<QwtWidgetOverlay*>();
    QVERIFY(std::any_of(overlays.begin(), overlays.end(), [](auto* o) { return o->isVisible(); }));
    QVERIFY(ZoomerOf(plot)->trackerRect(plot.canvas()->font()).isValid());
}

int main(int argc, char* argv[])
{
    // The tracker follows the system's regional settings: make them German for this run, where
    // the decimal comma and the dot grouping show, before anything reads them.
    qputenv("LC_ALL", "de_DE.UTF-8");
    qputenv("LANG", "de_DE.UTF-8");
    QApplication app(argc, argv);
    TestTrendPlot test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_trendplot.moc"
