// The trend plot widget: construction, curve colours, skipped series, legend, zoom and pan.

#include "TimeScaleDraw.h"
#include "TrendCurve.h"
#include "TrendPlot.h"
#include "TrendPlotZoomer.h"
#include "TrendSeriesData.h"

#include <QApplication>
#include <functional>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QtTest>
#include <qwt_legend.h>
#include <qwt_legend_label.h>
#include <qwt_plot_canvas.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_layout.h>
#include <qwt_plot_panner.h>
#include <qwt_scale_div.h>

namespace {

QList<QwtPlotCurve*> Curves(const TrendPlot& plot)
{
    QList<QwtPlotCurve*> curves;
    for (QwtPlotItem* item : plot.itemList(QwtPlotItem::Rtti_PlotCurve))
        curves.append(static_cast<QwtPlotCurve*>(item));
    return curves;
}

QwtLegend* LegendOf(const TrendPlot& plot)
{
    return qobject_cast<QwtLegend*>(const_cast<TrendPlot&>(plot).legend());
}

QwtLegendLabel* LegendLabel(const TrendPlot& plot, QwtPlotCurve* curve)
{
    return qobject_cast<QwtLegendLabel*>(LegendOf(plot)->legendWidget(plot.itemToInfo(curve)));
}

QStringList LegendTexts(const TrendPlot& plot)
{
    QStringList texts;
    for (QwtPlotCurve* curve : Curves(plot)) {
        if (QwtLegendLabel* label = LegendLabel(plot, curve))
            texts.append(label->data().title().text());
    }
    return texts;
}

struct Intervals {
    QwtInterval x;
    QwtInterval y;
};

Intervals AxisIntervals(const TrendPlot& plot)
{
    return {plot.axisScaleDiv(QwtPlot::xBottom).interval(),
        plot.axisScaleDiv(QwtPlot::yLeft).interval()};
}

// A short ramp from t0 over the given number of seconds, values from low to high.
void AddRamp(TrendPlot& plot, const QString& title, double t0, int seconds, double low, double high)
{
    QVector<double> times;
    QVector<double> values;
    for (int i = 0; i <= seconds; ++i) {
        times.append(t0 + 1000.0 * i);
        values.append(low + (high - low) * i / seconds);
    }
    plot.AddCurve(times, values, title);
}

void SendMouse(QWidget* widget, QEvent::Type type, const QPoint& pos, Qt::MouseButton button,
    Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    QMouseEvent event(type, pos, widget->mapToGlobal(pos), button, buttons, modifiers);
    QApplication::sendEvent(widget, &event);
}

// Press, a few moves and a release, as a hand would drag.
void Drag(QWidget* widget, const QPoint& from, const QPoint& to, Qt::KeyboardModifiers modifiers,
    const std::function<void()>& whileDragging = {})
{
    SendMouse(widget, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton, modifiers);
    for (int step = 1; step <= 4; ++step) {
        const QPoint pos = from + (to - from) * step / 4;
        SendMouse(widget, QEvent::MouseMove, pos, Qt::NoButton, Qt::LeftButton, modifiers);
    }
    if (whileDragging)
        whileDragging();
    SendMouse(widget, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton, modifiers);
}

const double T0 = 1772436600000.0; // 2026-03-02 07:30 UTC

} // namespace

class TestTrendPlot : public QObject {
    Q_OBJECT

private slots:
    void construction();
    void curveColours();
    void skippedSeriesTakeNoColourAndNoLegendEntry();
    void curvesShareTheSamples();
    void zoomBaseSpansAllCurves();
    void legendClickHidesAndShows_data();
    void legendClickHidesAndShows();
    void ctrlDragPans();
    void dragZoomsAndButtonsZoomOut();
};

void TestTrendPlot::construction()
{
    TrendPlot plot;
    QCOMPARE(plot.axisTitle(QwtPlot::xBottom).text(), QString("Date and Time [MM-dd hh:mm:ss]"));
    QVERIFY(dynamic_cast<TrendPlot::TimeScaleDraw*>(plot.axisScaleDraw(QwtPlot::xBottom)));
    QCOMPARE(LegendOf(plot)->defaultItemMode(), QwtLegendData::Checkable);
    QCOMPARE(plot.plotLayout()->legendPosition(), QwtPlot::RightLegend);
    const auto panners = plot.canvas()->findChildren<QwtPlotPanner*>();
    QCOMPARE(panners.size(), 1);
    QCOMPARE(panners.first()->cursor().shape(), Qt::ClosedHandCursor);
    const auto zoomers = plot.canvas()->findChildren<TrendPlot::TrendPlotZoomer*>();
    QCOMPARE(zoomers.size(), 1);
    QCOMPARE(zoomers.first()->trackerMode(), QwtPicker::AlwaysOn);
    // The legend's slot keeps the name it is connected by.
    const QMetaObject* meta = &TrendPlot::staticMetaObject;
    QVERIFY(meta->indexOfSlot("legend_item_ckecked(QVariant,bool,int)") >= 0);
    // An empty plot: no curve, no legend entry, Qwt's automatic range.
    plot.AddCurve({}, {}, QStringLiteral("Nothing"));
    plot.replot();
    QVERIFY(Curves(plot).isEmpty() && LegendOf(plot)->isEmpty());
    QCOMPARE(AxisIntervals(plot).x, QwtInterval(0.0, 1000.0));
}

void TestTrendPlot::curveColours()
{
    const QList<QColor> cycle {Qt::darkRed, Qt::darkGreen, Qt::darkBlue, Qt::darkMagenta,
        Qt::yellow, Qt::darkCyan, QColor("#cd5c5c"), QColor("#90ee90"), QColor("#1e90ff"),
        QColor("#ff69b4"), QColor("#ff8c00"), QColor("#3cb371"), QColor("#dc143c"),
        QColor("#32cd32"), QColor("#87cefa"), QColor("#ba55d3"), QColor("#bdb76b"),
        QColor("#00ced1"), QColor("#f08080"), Qt::green};
    TrendPlot plot;
    for (int i = 0; i < 41; ++i)
        AddRamp(plot, QStringLiteral("C%1").arg(i), T0, 2, i, i + 1);
    QList<QColor> colours;
    for (QwtPlotCurve* curve : Curves(plot)) {
        colours << curve->pen().color();
        QCOMPARE(curve->pen().widthF(), 1.0);
        QCOMPARE(curve->style(), QwtPlotCurve::Lines);
    }
    QCOMPARE(colours, cycle + cycle + QList<QColor> {Qt::darkRed});
    // After the wrap the cycle goes on from its second row.
    TrendPlot pens;
    for (int i = 0; i < 21; ++i)
        pens.NextPen();
    QCOMPARE(pens.NextPen().color(), QColor(Qt::darkGreen));
}

void TestTrendPlot::skippedSeriesTakeNoColourAndNoLegendEntry()
{
    const QList<QPair<QVector<double>, QVector<double>>> skipped {
        {{}, {}}, {{}, {1.0}}, {{T0, T0 + 1000}, {1}}, {{T0}, {1, 2}}};
    for (const auto& series : skipped) {
        TrendPlot plot;
        plot.show();
        AddRamp(plot, QStringLiteral("Cyl 0"), T0, 10, 0, 5);
        plot.AddCurve(series.first, series.second, QStringLiteral("Cyl 1"));
        AddRamp(plot, QStringLiteral("Cyl 2"), T0, 10, 5, 8);
        const QList<QwtPlotCurve*> curves = Curves(plot);
        QCOMPARE(curves.size(), 2);
        QCOMPARE(curves.at(1)->pen().color(), QColor(Qt::darkGreen));
        QCOMPARE(LegendTexts(plot), QStringList({"Cyl 0", "Cyl 2"}));
    }
}

void TestTrendPlot::curvesShareTheSamples()
{
    QVector<double> times {T0, T0 + 10, T0 + 20, T0 + 30};
    QVector<double> values {1.5, -2.0, 7.25, 3.0};
    TrendPlot plot;
    plot.AddCurve(times, values, QStringLiteral("Speed"));
    auto* curve = dynamic_cast<TrendCurve*>(Curves(plot).value(0));
    QVERIFY(curve);
    QCOMPARE(curve->title().text(), QStringLiteral("Speed"));
    QCOMPARE(curve->Series()->Values().constData(), values.constData());
    // The reader may go away; the plot keeps the samples alive.
    const double* shared = times.constData();
    times = QVector<double>();
    QCOMPARE(curve->Series()->Times().constData(), shared);
    QCOMPARE(curve->sample(3), QPointF(T0 + 30, 3.0));
}

void TestTrendPlot::zoomBaseSpansAllCurves()
{
    TrendPlot plot;
    auto* zoomer = plot.canvas()->findChild<TrendPlot::TrendPlotZoomer*>();
    AddRamp(plot, QStringLiteral("A"), T0, 60, 10, 20);
    const QRectF firstBase = zoomer->zoomBase();
    QVERIFY(firstBase.contains(QPointF(T0, 10)));
    QVERIFY(firstBase.contains(QPointF(T0 + 60000, 20)));
    QVERIFY(!firstBase.contains(QPointF(T0 + 3600000, 20)));

    AddRamp(plot, QStringLiteral("B"), T0 + 3600000, 60, -500, 900);
    // The second curve restarts the zoom stack from a base around both.
    QCOMPARE(zoomer->zoomRectIndex(), 0u);
    QCOMPARE(zoomer->zoomStack().size(), 1);
    const QRectF base = zoomer->zoomBase();
    QVERIFY(base.contains(QPointF(T0, 10)));
    QVERIFY(base.contains(QPointF(T0 + 3660000, 900)));
    QVERIFY(base.contains(QPointF(T0 + 3660000, -500)));
    QCOMPARE(base, zoomer->zoomRect());
    QCOMPARE(AxisIntervals(plot).x.minValue(), base.left());
    QCOMPARE(AxisIntervals(plot).x.maxValue(), base.right());
}

void TestTrendPlot::legendClickHidesAndShows_data()
{
    QTest::addColumn<bool>("zoomed");
    QTest::newRow("full view") << false;
    QTest::newRow("zoomed in") << true;
}

void TestTrendPlot::legendClickHidesAndShows()
{
    QFETCH(bool, zoomed);

    TrendPlot plot;
    plot.resize(900, 600);
    // The second curve alone would give both axes a much smaller range: a rescale would show.
    AddRamp(plot, QStringLiteral("Wide"), T0, 3600, -1000, 5000);
    AddRamp(plot, QStringLiteral("Narrow"), T0 + 600000, 60, 100, 200);
    plot.show();
    QVERIFY(QTest::qWaitForWindowExposed(&plot));
    auto* zoomer = plot.canvas()->findChild<TrendPlot::TrendPlotZoomer*>();
    if (zoomed) {
        zoomer->zoom(QRectF(T0 + 300000, 0, 1200000, 3000));
        QCOMPARE(zoomer->zoomRectIndex(), 1u);
    }
    const Intervals before = AxisIntervals(plot);

    QwtPlotCurve* wide = Curves(plot).at(0);
    QwtLegendLabel* label = LegendLabel(plot, wide);
    QVERIFY(label);
    QVERIFY(label->isVisible());
    QVERIFY(!label->isChecked());

    QTest::mouseClick(label, Qt::LeftButton);
    QVERIFY(label->isChecked());
    QVERIFY(!wide->isVisible());
    QVERIFY(Curves(plot).at(1)->isVisible());
    QCOMPARE(AxisIntervals(plot).x, before.x);
    QCOMPARE(AxisIntervals(plot).y, before.y);

    QTest::mouseClick(label, Qt::LeftButton);
    QVERIFY(!label->isChecked());
    QVERIFY(wide->isVisible());
    QCOMPARE(AxisIntervals(plot).x, before.x);
    QCOMPARE(AxisIntervals(plot).y, before.y);
    QCOMPARE(zoomer->zoomRectIndex(), zoomed ? 1u : 0u);

    // Zooming back out still reaches the full view of all curves.
    zoomer->zoom(0);
    QCOMPARE(zoomer->zoomRect(), zoomer->zoomBase());
}

void TestTrendPlot::ctrlDragPans()
{
    TrendPlot plot;
    plot.resize(900, 600);
    AddRamp(plot, QStringLiteral("Speed"), T0, 3600, 0, 1000);
    plot.show();
    QVERIFY(QTest::qWaitForWindowExposed(&plot));
    auto* zoomer = plot.canvas()->findChild<TrendPlot::TrendPlotZoomer*>();
    const Intervals before = AxisIntervals(plot);
    const QwtScaleMap xMap = plot.canvasMap(QwtPlot::xBottom);

    QWidget* canvas = plot.canvas();
    const QPoint from = canvas->rect().center();
    const QPoint to = from + QPoint(-200, 0);
    Qt::CursorShape shapeWhileDragging = Qt::ArrowCursor;
    Drag(canvas, from, to, Qt::ControlModifier,
        [&] { shapeWhileDragging = canvas->cursor().shape(); });

    QCOMPARE(shapeWhileDragging, Qt::ClosedHandCursor);
    QVERIFY(canvas->cursor().shape() != Qt::ClosedHandCursor);
    // Dragged 200 pixels to the left: the view moved that far toward later times.
    const double shift = xMap.invTransform(from.x()) - xMap.invTransform(to.x());
    const Intervals after = AxisIntervals(plot);
    QVERIFY(shift > 0);
    QCOMPARE(after.x.minValue(), before.x.minValue() + shift);
    QCOMPARE(after.x.maxValue(), before.x.maxValue() + shift);
    QCOMPARE(after.y.minValue(), before.y.minValue());
    QCOMPARE(after.y.maxValue(), before.y.maxValue());
    QCOMPARE(zoomer->zoomRectIndex(), 0u);
}

void TestTrendPlot::dragZoomsAndButtonsZoomOut()
{
    TrendPlot plot;
    plot.resize(900, 600);
    AddRamp(plot, QStringLiteral("Speed"), T0, 3600, 0, 1000);
    plot.show();
    QVERIFY(QTest::qWaitForWindowExposed(&plot));
    auto* zoomer = plot.canvas()->findChild<TrendPlot::TrendPlotZoomer*>();
    QWidget* canvas = plot.canvas();
    const Intervals full = AxisIntervals(plot);

    const QPoint a(100, 100);
    const QPoint b(300, 250);
    const QwtScaleMap xMap = plot.canvasMap(QwtPlot::xBottom);
    Drag(canvas, a, b, Qt::NoModifier);
    QCOMPARE(zoomer->zoomRectIndex(), 1u);
    const Intervals first = AxisIntervals(plot);
    QVERIFY(first.x.width() < full.x.width() / 3);
    QVERIFY(qAbs(first.x.minValue() - xMap.invTransform(a.x())) < full.x.width() / 500);
    QVERIFY(qAbs(first.x.maxValue() - xMap.invTransform(b.x())) < full.x.width() / 500);

    Drag(canvas, a, b, Qt::NoModifier);
    QCOMPARE(zoomer->zoomRectIndex(), 2u);

    // Middle button: one level back; right button: the full view.
    QTest::mouseClick(canvas, Qt::MiddleButton, Qt::NoModifier, canvas->rect().center());
    QCOMPARE(zoomer->zoomRectIndex(), 1u);
    QCOMPARE(AxisIntervals(plot).x, first.x);
    QTest::mouseClick(canvas, Qt::RightButton, Qt::NoModifier, canvas->rect().center());
    QCOMPARE(zoomer->zoomRectIndex(), 0u);
    QCOMPARE(AxisIntervals(plot).x, full.x);
}

QTEST_MAIN(TestTrendPlot)
#include "tst_trendplot.moc"
