// The trend plot widget: curve colours, skipped series, legend, zoom base, the time axis labels
// and the tracker text, in several time zones and under a German system locale.

#include "TrendCurve.h"
#include "TrendPlot.h"
#include "TrendPlotZoomer.h"
#include "TrendSeriesData.h"
#include "TrendTime.h"

#include <QAccessible>
#include <QApplication>
#include <QtTest>
#include <qwt_legend.h>
#include <qwt_legend_label.h>
#include <qwt_plot_canvas.h>
#include <qwt_scale_draw.h>
#include <qwt_scale_widget.h>

namespace {
using V = QVector<double>;

QwtPlotCurve* CurveAt(const TrendPlot& plot, int i)
{
    return static_cast<QwtPlotCurve*>(plot.itemList(QwtPlotItem::Rtti_PlotCurve).value(i));
}

QwtLegendLabel* LegendLabel(TrendPlot& plot, int curve)
{
    auto* legend = qobject_cast<QwtLegend*>(plot.legend());
    return qobject_cast<QwtLegendLabel*>(
        legend->legendWidget(plot.itemToInfo(CurveAt(plot, curve))));
}

TrendPlot::TrendPlotZoomer* ZoomerOf(TrendPlot& plot)
{
    return plot.canvas()->findChild<TrendPlot::TrendPlotZoomer*>();
}

const double T0 = 1772436600000.0; // 2026-03-02 07:30 UTC

} // namespace

class TestTrendPlot : public QObject {
    Q_OBJECT

private slots:
    void curvesAndLegend();
    void labels_data();
    void labels();
    void labelsNeverOverlap();
    void accessibleNames();
};

void TestTrendPlot::curvesAndLegend()
{
    for (const bool zoomed : {false, true}) {
        TrendPlot plot;
        plot.resize(900, 600);
        // Either curve alone would give both axes another range: a rescale would show. The second
        // one restarts the zoom stack from a base around both and shares its samples. Series
        // without samples or of unequal lengths give no curve and take no colour.
        plot.AddCurve({T0, T0 + 3600000}, {-1000, 5000}, QStringLiteral("Wide"));
        const QList<QPair<V, V>> skipped {{{}, {}}, {{}, {1}}, {{T0, T0 + 1}, {1}}, {{T0}, {1, 2}}};
        for (const auto& series : skipped)
            plot.AddCurve(series.first, series.second, QStringLiteral("Skipped"));
        const V times {T0 + 600000, T0 + 4200000};
        plot.AddCurve(times, {100, 6000}, QStringLiteral("Narrow"));
        auto* narrow = dynamic_cast<TrendCurve*>(CurveAt(plot, 1));
        QCOMPARE(narrow->Series()->Times().constData(), times.constData());
        QCOMPARE(LegendLabel(plot, 1)->data().title().text(), QStringLiteral("Narrow"));
        QCOMPARE(CurveAt(plot, 0)->pen().color(), QColor(Qt::darkRed));
        QCOMPARE(narrow->pen().color(), QColor(Qt::darkGreen));
        const QRectF base = ZoomerOf(plot)->zoomBase();
        QVERIFY(base.contains(QPointF(T0, -1000)) && base.contains(QPointF(T0 + 4200000, 6000)));
        plot.show();
        QVERIFY(QTest::qWaitForWindowExposed(&plot));
        if (zoomed)
            ZoomerOf(plot)->zoom(QRectF(T0 + 300000, 0, 1200000, 3000));
        const QwtInterval x = plot.axisInterval(QwtPlot::xBottom);
        const QwtInterval y = plot.axisInterval(QwtPlot::yLeft);
        for (const bool hidden : {true, false}) {
            QTest::mouseClick(LegendLabel(plot, 0), Qt::LeftButton);
            QCOMPARE(CurveAt(plot, 0)->isVisible(), !hidden);
            QVERIFY(narrow->isVisible());
            QCOMPARE(plot.axisInterval(QwtPlot::xBottom), x);
            QCOMPARE(plot.axisInterval(QwtPlot::yLeft), y);
        }
        QCOMPARE(ZoomerOf(plot)->zoomRectIndex(), zoomed ? 1u : 0u);
    }
    // Twenty distinct colours, then the cycle starts again.
    TrendPlot pens;
    QSet<QRgb> colours;
    for (int i = 0; i < 20; ++i)
        colours.insert(pens.NextPen().color().rgb());
    QCOMPARE(colours.size(), 20);
    QCOMPARE(pens.NextPen().color(), QColor(Qt::darkRed));
}

void TestTrendPlot::labels_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QPointF>("position");
    QTest::addColumn<QString>("tracker"); // the lines joined by spaces; the axis drops the year
    // Milliseconds are truncated toward zero, never rounded: a stamp a fraction of a millisecond
    // before a full second still belongs to the earlier second, -1000.5 ms is 23:59:59.000.
    const double newYear = 1798758000000.0; // 2026-12-31 23:00 UTC
    const double summerTime = 1774746000000.0; // 2026-03-29 01:00 UTC
    QTest::newRow("0.001 ms before the new year")
        << QByteArray("Europe/Berlin") << QPointF(newYear - 0.001, 3.0) << "26-12-31 23:59:59 3,00";
    QTest::newRow("new year in Berlin, not yet in New York") << QByteArray(
        "America/New_York") << QPointF(newYear + 999.9, 12.5) << "26-12-31 18:00:00 12,50";
    QTest::newRow("first second of summer time")
        << QByteArray("Europe/Berlin") << QPointF(summerTime, -1234567.891)
        << "26-03-29 03:00:00 -1.234.567,89";
    QTest::newRow("before 1970") << QByteArray("UTC") << QPointF(-1000.5, 0)
                                 << "69-12-31 23:59:59 0,00";
}

void TestTrendPlot::labels()
{
    QFETCH(QByteArray, zone);
    QFETCH(QPointF, position);
    QFETCH(QString, tracker);
    qputenv("TZ", zone); // each row sets its own zone
    tzset();
    TrendPlot plot;
    QCOMPARE(plot.axisScaleDraw(QwtPlot::xBottom)->label(position.x()).text(), tracker.mid(3, 14));
    QCOMPARE(ZoomerOf(plot)->trackerTextF(position).text(), tracker.replace(' ', '\n'));
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
            const double start = 1778741100000.0; // 2026-05-14 06:45 UTC
            plot.AddCurve({start, start + span / 3, start + span}, {1, 100, 2}, "Cyl 1");
            plot.resize(width, 500);
            plot.show();
            QVERIFY(QTest::qWaitForWindowExposed(&plot));
            for (int zooms = 0; zooms <= 4; ++zooms) {
                QTest::qWait(20); // the axis refits after each change of scale
                const QwtScaleWidget* axis = plot.axisWidget(QwtPlot::xBottom);
                QList<QRect> rects;
                for (const double tick :
                    axis->scaleDraw()->scaleDiv().ticks(QwtScaleDiv::MajorTick))
                    rects.append(axis->scaleDraw()->boundingLabelRect(axis->font(), tick));
                QVERIFY2(rects.size() >= 2, qPrintable(QString::number(zooms)));
                for (int i = 1; i < rects.size(); ++i)
                    QVERIFY(!rects[i - 1].intersects(rects[i]));
                // Each zoom to the middle half.
                const QRectF view = ZoomerOf(plot)->zoomRect();
                ZoomerOf(plot)->zoom(view.adjusted(view.width() / 4, 0, -view.width() / 4, 0));
            }
        }
    }
}

// What a screen reader gets: the canvas named after the plot, the axes after their titles in the
// interface language, each legend entry after its curve, checked while the curve is shown.
void TestTrendPlot::accessibleNames()
{
    QTranslator german;
    QVERIFY(german.load("CurveScope_de", CURVESCOPE_LANGUAGE_DIR));
    QCoreApplication::installTranslator(&german);
    TrendPlot plot;
    QCoreApplication::removeTranslator(&german);
    plot.setTitle(QStringLiteral("Drehzahl"));
    plot.setAxisTitle(QwtPlot::yLeft, QStringLiteral("Drehzahl [U/min]"));
    for (const char* title : {"Zyl 0", "Zyl 1"})
        plot.AddCurve({T0, T0 + 1000}, {1, 2}, QString::fromUtf8(title));
    plot.show();
    QVERIFY(QTest::qWaitForWindowExposed(&plot));
    const auto name = [](QWidget* widget) {
        return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
    };
    QCOMPARE(name(plot.canvas()), QStringLiteral("Drehzahl"));
    QCOMPARE(name(plot.axisWidget(QwtPlot::yLeft)), QStringLiteral("Drehzahl [U/min]"));
    QCOMPARE(name(plot.axisWidget(QwtPlot::xBottom)),
        german.translate("TrendPlot", "Date and Time [MM-dd hh:mm:ss]"));
    QVERIFY(!name(plot.axisWidget(QwtPlot::xBottom)).startsWith("Date"));
    const auto states = [&] {
        QString text;
        for (int i = 0; i < 2; ++i) {
            const QAccessibleInterface* entry
                = QAccessible::queryAccessibleInterface(LegendLabel(plot, i));
            text += QString("%1 %2 %3 %4;")
                        .arg(entry->text(QAccessible::Name))
                        .arg(entry->role())
                        .arg(entry->state().checkable)
                        .arg(entry->state().checked);
        }
        return text;
    };
    QCOMPARE(states(), QString("Zyl 0 %1 1 1;Zyl 1 %1 1 1;").arg(QAccessible::CheckBox));
    // Hidden by the mouse and by the screen reader's own action.
    QTest::mouseClick(LegendLabel(plot, 1), Qt::LeftButton);
    QAccessible::queryAccessibleInterface(LegendLabel(plot, 0))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::toggleAction());
    QVERIFY(!CurveAt(plot, 0)->isVisible() && !CurveAt(plot, 1)->isVisible());
    QCOMPARE(states(), QString("Zyl 0 %1 1 0;Zyl 1 %1 1 0;").arg(QAccessible::CheckBox));
}

int main(int argc, char* argv[])
{
    // The tracker follows the system's regional settings: make them German for this run, where the
    // decimal comma and the dot grouping show, before anything reads them.
    qputenv("LC_ALL", "de_DE.UTF-8");
    QApplication app(argc, argv);
    TestTrendPlot test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_trendplot.moc"
