// The trend plot widget: curve colours, skipped series, legend, zoom base, the time axis labels
// and the tracker text, in several time zones and under a German system locale.

#include "PlotFileWriter.h"
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
    void labelsStayReadable();
    void infiniteAndHugeValues();
    void accessibleNames();
};

void TestTrendPlot::curvesAndLegend()
{
    TrendPlot plot;
    // Series without samples or of unequal lengths give no curve and take no colour; a curve
    // shares its samples. What legend clicks, zooming and resizing do to the axes is checked
    // with the main window, on every recording kind.
    plot.AddCurve({T0, T0 + 3600000}, {-1000, 5000}, QStringLiteral("Wide"));
    const QList<QPair<V, V>> skipped {{{}, {}}, {{}, {1}}, {{T0, T0 + 1}, {1}}, {{T0}, {1, 2}}};
    for (const auto& series : skipped)
        plot.AddCurve(series.first, series.second, QStringLiteral("Skipped"));
    const V times {T0 + 600000, T0 + 4200000};
    plot.AddCurve(times, {100, 6000}, QStringLiteral("Narrow"));
    auto* narrow = dynamic_cast<TrendCurve*>(CurveAt(plot, 1));
    QCOMPARE(narrow->Series()->Times().constData(), times.constData());
    QCOMPARE(CurveAt(plot, 0)->pen().color(), QColor(Qt::darkRed));
    QCOMPARE(narrow->pen().color(), QColor(Qt::darkGreen));
    // The colour cycle of twenty, then dark red again.
    TrendPlot pens;
    QStringList colours;
    for (int i = 0; i < 21; ++i)
        colours << pens.NextPen().color().name();
    const auto name = [](Qt::GlobalColor c) { return QColor(c).name(); };
    QCOMPARE(colours,
        QStringList({name(Qt::darkRed), name(Qt::darkGreen), name(Qt::darkBlue),
            name(Qt::darkMagenta), name(Qt::yellow), name(Qt::darkCyan), "#cd5c5c", "#90ee90",
            "#1e90ff", "#ff69b4", "#ff8c00", "#3cb371", "#dc143c", "#32cd32", "#87cefa", "#ba55d3",
            "#bdb76b", "#00ced1", "#f08080", name(Qt::green), name(Qt::darkRed)}));
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

// Regression: zoomed in or in a narrow window the labels ran into each other, or only one was
// left (a 5 h recording zoomed to 1/25 at 520 px: 200 s steps overlap, 500 s steps leave one).
// Exports chose their labels by the window's width instead of their own. Zoom depths are the
// full view, 1/5 and 1/25 of the recording.
void TestTrendPlot::labelsStayReadable()
{
    const double start = 1778741100000.0; // 2026-05-14 06:45 UTC
    const QSizeF document = QSizeF(PlotFileWriter::WidthMm, PlotFileWriter::HeightMm) / 25.4;
    for (const double span : {10e3, 1200e3, 5 * 3600e3, 3 * 86400e3}) {
        QList<double> exported;
        for (const int width : {500, 520, 640, 800, 1000, 1280, 1600, 0}) {
            TrendPlot plot;
            plot.AddCurve({start, start + span / 3, start + span}, {1, 100, 2}, "Cyl 1");
            // Width 0: a window of the document's size at the plot's resolution.
            plot.resize(width ? QSize(width, 500)
                              : QSize(qRound(document.width() * plot.logicalDpiX()),
                                  qRound(document.height() * plot.logicalDpiY())));
            plot.show();
            QVERIFY(QTest::qWaitForWindowExposed(&plot));
            const QwtScaleWidget* axis = plot.axisWidget(QwtPlot::xBottom);
            const auto ticks
                = [axis] { return axis->scaleDraw()->scaleDiv().ticks(QwtScaleDiv::MajorTick); };
            // Depths 0 to 2 zoom in; at depth 3 the window has been made narrow.
            for (int depth = 0; depth < 4; ++depth) {
                QTest::qWait(20); // the axis refits after each change of scale
                const QString where = QString::asprintf(
                    "span %g s, %d px, depth %d", span / 1000, plot.width(), depth);
                QList<QRect> rects;
                for (const double tick : ticks())
                    rects.append(axis->scaleDraw()->boundingLabelRect(axis->font(), tick));
                // Round steps grow by up to twice: two labels are sure to fit on an axis of
                // four, and on the example of 1/25 of 5 h at 520 px (250 s steps).
                const double length = std::abs(plot.canvasMap(QwtPlot::xBottom).pDist());
                const bool two = rects.isEmpty() || length >= 4 * (rects[0].width() + 2)
                    || (span == 5 * 3600e3 && depth == 2);
                QVERIFY2(rects.size() >= (two ? 2 : 1), qPrintable(where));
                // Apart, and none cut at the ends of the axis.
                int widest = 0;
                for (int i = 0; i < rects.size(); ++i) {
                    QVERIFY2(axis->rect().contains(rects[i])
                            && (i == 0 || !rects[i - 1].intersects(rects[i])),
                        qPrintable(where));
                    widest = std::max(widest, rects[i].width());
                }
                // As many as fit: labels at the next finer round step (1, 2 or 5 times a power
                // of ten; 2.5 only where 5 leaves one) would not fit side by side, or the range
                // would hold more than eight such steps.
                if (rects.size() >= 2) {
                    const double step = ticks()[1] - ticks()[0];
                    const double power = std::pow(10.0, std::floor(std::log10(step) + 1e-9));
                    const double mantissa = std::round(step / power * 2) / 2;
                    const double finer = mantissa == 1 ? power / 2
                        : mantissa == 2                ? power
                                                       : 2 * power;
                    const QwtInterval range = plot.axisScaleDiv(QwtPlot::xBottom).interval();
                    const double count = std::floor(range.maxValue() / finer)
                        - std::ceil(range.minValue() / finer) + 1;
                    QVERIFY2(
                        finer < range.width() / 8 || count * (widest + 4) > axis->width() - widest,
                        qPrintable(where + QString::asprintf(", %g ms steps", step)));
                }
                if (depth == 0) {
                    // The document gets the labels of a window of its size, whatever the
                    // window's width.
                    QList<double> rendered;
                    const auto connection = connect(axis, &QwtScaleWidget::scaleDivChanged,
                        [&] { rendered += rendered.isEmpty() ? ticks() : QList<double>(); });
                    QTemporaryDir dir;
                    QVERIFY(PlotFileWriter::Write(&plot, dir.filePath("plot.svg")));
                    disconnect(connection);
                    if (rendered.isEmpty()) // the same as on screen
                        rendered = ticks();
                    if (exported.isEmpty())
                        exported = rendered;
                    QCOMPARE(rendered, exported);
                    if (width == 0)
                        QCOMPARE(ticks(), exported);
                }
                if (depth == 2) {
                    plot.resize(500, 400);
                    continue;
                }
                // Then to the middle fifth of the recording, and to the middle 1/25.
                const QRectF view = ZoomerOf(plot)->zoomRect();
                const double shown = span / (depth ? 25 : 5);
                ZoomerOf(plot)->zoom(
                    QRectF(start + (span - shown) / 2, view.top(), shown, view.height()));
            }
        }
    }
}

// Regression: one infinite sample gave the value axis an infinite range, on which Qwt built ticks
// for seconds and gigabytes. The axis shows the finite samples as if alone; without finite values
// it keeps Qwt's default range. The strokes of infinities to the canvas edge are compared with
// Qwt's own drawing in the level-of-detail curve's test.
void TestTrendPlot::infiniteAndHugeValues()
{
    const double inf = qInf();
    const double max = std::numeric_limits<double>::max();
    const V times {T0, T0 + 1000, T0 + 2000, T0 + 3000, T0 + 4000};
    for (const V& values :
        {V {1, inf, 2, -inf, 1.5}, V {inf, inf, inf, -inf, inf}, V {-max, -1e308, 0, 1e308, max}}) {
        TrendPlot plot;
        TrendPlot finite;
        plot.AddCurve(times, values, QStringLiteral("Cyl 1"));
        finite.AddCurve({T0, T0 + 2000, T0 + 4000}, {values[0], values[2], values[4]}, "Cyl 1");
        QCOMPARE(plot.axisInterval(QwtPlot::xBottom), QwtInterval(T0, T0 + 4000));
        const QwtInterval range = plot.axisInterval(QwtPlot::yLeft);
        if (values[0] == 1)
            QCOMPARE(range, finite.axisInterval(QwtPlot::yLeft));
        if (values[0] == inf)
            QCOMPARE(range, QwtInterval(0, 1000));
        QVERIFY(std::isfinite(range.width()) && ZoomerOf(plot)->zoomBase().height() > 0);
        QVERIFY(plot.axisScaleDiv(QwtPlot::yLeft).ticks(QwtScaleDiv::MajorTick).size() >= 2);
        // Documents draw every sample of a short curve, infinities at the edge.
        QTemporaryDir dir;
        for (const char* name : {"plot.svg", "plot.pdf"})
            QVERIFY(PlotFileWriter::Write(&plot, dir.filePath(name))
                && PlotFileWriter::IsComplete(dir.filePath(name), QFileInfo(name).suffix()));
    }
    // Any Qwt plot is written, also one whose time labels are not fitted.
    QwtPlot bare;
    QTemporaryDir dir;
    QVERIFY(PlotFileWriter::Write(&bare, dir.filePath("bare.png")));
}

// What a screen reader gets: the canvas named after the plot, the axes after their titles in the
// interface language, each legend entry after its curve (once: its description does not repeat
// the name), checked while the curve is shown.
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
                        .arg(entry->text(QAccessible::Name) + entry->text(QAccessible::Description))
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
