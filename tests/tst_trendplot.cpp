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

QwtLegendLabel* LegendLabel(const TrendPlot& plot, QwtPlotCurve* curve)
{
    auto* legend = qobject_cast<QwtLegend*>(const_cast<TrendPlot&>(plot).legend());
    return qobject_cast<QwtLegendLabel*>(legend->legendWidget(plot.itemToInfo(curve)));
}

QwtInterval Interval(const TrendPlot& plot, int axis) { return plot.axisScaleDiv(axis).interval(); }

TrendPlot::TrendPlotZoomer* ZoomerOf(TrendPlot& plot)
{
    return plot.canvas()->findChild<TrendPlot::TrendPlotZoomer*>();
}

// A short ramp from t0 over the given number of seconds, values from low to high.
void AddRamp(TrendPlot& plot, const QString& title, double t0, int seconds, double low, double high)
{
    QVector<double> times, values;
    for (int i = 0; i <= seconds; ++i) {
        times.append(t0 + 1000.0 * i);
        values.append(low + (high - low) * i / seconds);
    }
    plot.AddCurve(times, values, title);
}

// Press, a few moves and a release, as a hand would drag.
void Drag(QWidget* widget, const QPoint& from, const QPoint& to, Qt::KeyboardModifiers modifiers,
    const std::function<void()>& whileDragging = {})
{
    auto send = [&](QEvent::Type type, const QPoint& pos, Qt::MouseButton button,
                    Qt::MouseButtons buttons) {
        QMouseEvent event(type, pos, widget->mapToGlobal(pos), button, buttons, modifiers);
        QApplication::sendEvent(widget, &event);
    };
    send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    for (int step = 1; step <= 4; ++step)
        send(QEvent::MouseMove, from + (to - from) * step / 4, Qt::NoButton, Qt::LeftButton);
    if (whileDragging)
        whileDragging();
    send(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
}

const double T0 = 1772436600000.0; // 2026-03-02 07:30 UTC
}

class TestTrendPlot : public QObject {
    Q_OBJECT

private slots:
    void emptyPlot();
    void curveColours();
    void skippedSeriesTakeNoColourAndNoLegendEntry();
    void curvesShareTheSamples();
    void zoomBaseSpansAllCurves();
    void legendClickHidesAndShows_data();
    void legendClickHidesAndShows();
    void mouseZoomsAndPans();
};

void TestTrendPlot::emptyPlot()
{
    TrendPlot plot;
    QCOMPARE(plot.axisTitle(QwtPlot::xBottom).text(), QString("Date and Time [MM-dd hh:mm:ss]"));
    // The legend's slot keeps the name it is connected by.
    QVERIFY(TrendPlot::staticMetaObject.indexOfSlot("legend_item_ckecked(QVariant,bool,int)") >= 0);
    // No curve, no legend entry, Qwt's automatic range.
    plot.AddCurve({}, {}, QStringLiteral("Nothing"));
    plot.replot();
    QVERIFY(Curves(plot).isEmpty() && qobject_cast<QwtLegend*>(plot.legend())->isEmpty());
    QCOMPARE(Interval(plot, QwtPlot::xBottom), QwtInterval(0.0, 1000.0));
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
        for (int i = 0; i < 2; ++i)
            QCOMPARE(LegendLabel(plot, curves.at(i))->data().title().text(),
                QString(i ? "Cyl 2" : "Cyl 0"));
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
    auto* zoomer = ZoomerOf(plot);
    AddRamp(plot, QStringLiteral("A"), T0, 60, 10, 20);
    QVERIFY(zoomer->zoomBase().contains(QPointF(T0 + 60000, 20)));
    QVERIFY(!zoomer->zoomBase().contains(QPointF(T0 + 3600000, 20)));
    // The second curve restarts the zoom stack from a base around both.
    AddRamp(plot, QStringLiteral("B"), T0 + 3600000, 60, -500, 900);
    QCOMPARE(zoomer->zoomRectIndex(), 0u);
    QCOMPARE(zoomer->zoomStack().size(), 1);
    const QRectF base = zoomer->zoomBase();
    for (const QPointF& corner :
        {QPointF(T0, 10), QPointF(T0 + 3660000, 900), QPointF(T0 + 3660000, -500)})
        QVERIFY(base.contains(corner));
    QCOMPARE(base, zoomer->zoomRect());
    QCOMPARE(Interval(plot, QwtPlot::xBottom), QwtInterval(base.left(), base.right()));
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
    auto* zoomer = ZoomerOf(plot);
    if (zoomed)
        zoomer->zoom(QRectF(T0 + 300000, 0, 1200000, 3000));
    const QwtInterval x = Interval(plot, QwtPlot::xBottom);
    const QwtInterval y = Interval(plot, QwtPlot::yLeft);
    QwtPlotCurve* wide = Curves(plot).at(0);
    QwtLegendLabel* label = LegendLabel(plot, wide);
    QVERIFY(label && label->isVisible() && !label->isChecked());
    for (const bool hidden : {true, false}) {
        QTest::mouseClick(label, Qt::LeftButton);
        QCOMPARE(label->isChecked(), hidden);
        QCOMPARE(wide->isVisible(), !hidden);
        QVERIFY(Curves(plot).at(1)->isVisible());
        QCOMPARE(Interval(plot, QwtPlot::xBottom), x);
        QCOMPARE(Interval(plot, QwtPlot::yLeft), y);
    }
    QCOMPARE(zoomer->zoomRectIndex(), zoomed ? 1u : 0u);
    // Zooming back out still reaches the full view of all curves.
    zoomer->zoom(0);
    QCOMPARE(zoomer->zoomRect(), zoomer->zoomBase());
}

// Ctrl-drag pans with a closed hand; a plain drag zooms in; middle button goes one level back,
// right button to the full view.
void TestTrendPlot::mouseZoomsAndPans()
{
    TrendPlot plot;
    plot.resize(900, 600);
    AddRamp(plot, QStringLiteral("Speed"), T0, 3600, 0, 1000);
    plot.show();
    QVERIFY(QTest::qWaitForWindowExposed(&plot));
    auto* zoomer = ZoomerOf(plot);
    QWidget* canvas = plot.canvas();
    const QwtInterval fullX = Interval(plot, QwtPlot::xBottom);
    const QwtInterval fullY = Interval(plot, QwtPlot::yLeft);
    const QwtScaleMap xMap = plot.canvasMap(QwtPlot::xBottom);

    const QPoint from = canvas->rect().center();
    const QPoint to = from + QPoint(-200, 0);
    Qt::CursorShape shapeWhileDragging = Qt::ArrowCursor;
    Drag(canvas, from, to, Qt::ControlModifier,
        [&] { shapeWhileDragging = canvas->cursor().shape(); });
    QCOMPARE(shapeWhileDragging, Qt::ClosedHandCursor);
    QVERIFY(canvas->cursor().shape() != Qt::ClosedHandCursor);
    // Dragged 200 pixels to the left: the view moved that far toward later times.
    const double shift = xMap.invTransform(from.x()) - xMap.invTransform(to.x());
    QVERIFY(shift > 0);
    QCOMPARE(Interval(plot, QwtPlot::xBottom).minValue(), fullX.minValue() + shift);
    QCOMPARE(Interval(plot, QwtPlot::xBottom).maxValue(), fullX.maxValue() + shift);
    QCOMPARE(Interval(plot, QwtPlot::yLeft).minValue(), fullY.minValue());
    QCOMPARE(Interval(plot, QwtPlot::yLeft).maxValue(), fullY.maxValue());
    QCOMPARE(zoomer->zoomRectIndex(), 0u);

    plot.setAxisScale(QwtPlot::xBottom, fullX.minValue(), fullX.maxValue());
    plot.replot();
    const QPoint a(100, 100);
    const QPoint b(300, 250);
    Drag(canvas, a, b, Qt::NoModifier);
    QCOMPARE(zoomer->zoomRectIndex(), 1u);
    const QwtInterval first = Interval(plot, QwtPlot::xBottom);
    QVERIFY(qAbs(first.minValue() - xMap.invTransform(a.x())) < fullX.width() / 500);
    QVERIFY(qAbs(first.maxValue() - xMap.invTransform(b.x())) < fullX.width() / 500);
    Drag(canvas, a, b, Qt::NoModifier);
    QCOMPARE(zoomer->zoomRectIndex(), 2u);
    QTest::mouseClick(canvas, Qt::MiddleButton, Qt::NoModifier, canvas->rect().center());
    QCOMPARE(zoomer->zoomRectIndex(), 1u);
    QCOMPARE(Interval(plot, QwtPlot::xBottom), first);
    QTest::mouseClick(canvas, Qt::RightButton, Qt::NoModifier, canvas->rect().center());
    QCOMPARE(zoomer->zoomRectIndex(), 0u);
    QCOMPARE(Interval(plot, QwtPlot::xBottom), fullX);
}

QTEST_MAIN(TestTrendPlot)
#include "tst_trendplot.moc"
