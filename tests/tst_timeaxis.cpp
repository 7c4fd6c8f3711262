// Time axis labels and the tracker text of the trend plot, in several time zones and under a
// German system locale.

#include "TimeScaleDraw.h"
#include "TrendPlot.h"
#include "TrendPlotZoomer.h"
#include "TrendTime.h"

#include <QApplication>
#include <QDateTime>
#include <QLocale>
#include <QtTest>
#include <qwt_plot_canvas.h>
#include <qwt_scale_div.h>
#include <qwt_scale_draw.h>
#include <qwt_scale_widget.h>
#include <qwt_widget_overlay.h>

#include <cmath>
#include <ctime>

namespace {

void SetTimeZone(const QByteArray& zone)
{
    qputenv("TZ", zone);
    tzset();
}

// Milliseconds since 1970 of a UTC date and time.
double Utc(int year, int month, int day, int hour, int minute, int second, int msec = 0)
{
    return static_cast<double>(
        QDateTime(QDate(year, month, day), QTime(hour, minute, second, msec), Qt::UTC)
            .toMSecsSinceEpoch());
}

// Where the labels of the major ticks are drawn, in the axis widget's coordinates.
QList<QRect> LabelRects(const QwtPlot& plot, int axis)
{
    const QwtScaleWidget* widget = plot.axisWidget(axis);
    QList<QRect> rects;
    for (const double tick : plot.axisScaleDiv(axis).ticks(QwtScaleDiv::MajorTick))
        rects.append(widget->scaleDraw()->boundingLabelRect(widget->font(), tick));
    return rects;
}

} // namespace

class TestTimeAxis : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup() { SetTimeZone("Europe/Berlin"); }
    void labels_data();
    void labels();
    void axisTicksOfANewYearRecording();
    void labelsNeverOverlap_data();
    void labelsNeverOverlap();
    void trackerShowsWhileTheMouseMoves();
};

void TestTimeAxis::initTestCase()
{
    // main() chose the German system locale before the application existed.
    QCOMPARE(QLocale::system().name(), QStringLiteral("de_DE"));
    // Positions of a degenerate scale get no date (converting them to 64 bits is undefined).
    for (const double x : {std::nan(""), 9.3e18, -9.3e18, HUGE_VAL})
        QVERIFY(!TrendTimeToDateTime(x).isValid());
    QCOMPARE(TrendTimeToDateTime(9.1e18).toMSecsSinceEpoch(), qint64(9.1e18));
}

void TestTimeAxis::labels_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QPointF>("position");
    QTest::addColumn<QString>("axisLabel");
    QTest::addColumn<QString>("trackerText");

    // Milliseconds are truncated toward zero, never rounded: a stamp a fraction of a millisecond
    // before a full second still belongs to the earlier second.
    const double newYear = Utc(2026, 12, 31, 23, 0, 0);
    const QByteArray berlin("Europe/Berlin");
    QTest::newRow("0.25 ms before the new year")
        << berlin << QPointF(newYear - 0.25, 850.004) << "12-31 23:59:59"
        << "26-12-31\n23:59:59\n850,00";
    QTest::newRow("0.001 ms before the new year")
        << berlin << QPointF(newYear - 0.001, 3.0) << "12-31 23:59:59"
        << "26-12-31\n23:59:59\n3,00";
    QTest::newRow("new year, no year on the axis")
        << berlin << QPointF(newYear + 999.9, 0.0) << "01-01 00:00:00"
        << "27-01-01\n00:00:00\n0,00";
    QTest::newRow("new year in Berlin, not yet in New York")
        << QByteArray("America/New_York") << QPointF(newYear + 999.9, 12.5) << "12-31 18:00:00"
        << "26-12-31\n18:00:00\n12,50";
    QTest::newRow("summer time, German grouping")
        << berlin << QPointF(Utc(2026, 7, 15, 10, 20, 30, 500), 1234.567) << "07-15 12:20:30"
        << "26-07-15\n12:20:30\n1.234,57";
    QTest::newRow("UTC, negative value")
        << QByteArray("UTC") << QPointF(Utc(2026, 7, 15, 10, 20, 30, 500), -1234567.891)
        << "07-15 10:20:30"
        << "26-07-15\n10:20:30\n-1.234.567,89";
    QTest::newRow("last second of winter time")
        << berlin << QPointF(Utc(2026, 3, 29, 0, 59, 59), 0) << "03-29 01:59:59"
        << "26-03-29\n01:59:59\n0,00";
    QTest::newRow("first second of summer time")
        << berlin << QPointF(Utc(2026, 3, 29, 1, 0, 0), 0) << "03-29 03:00:00"
        << "26-03-29\n03:00:00\n0,00";
    // Toward zero, not down: -1000.5 ms is 23:59:59.000, flooring would give 23:59:58.999.
    QTest::newRow("before 1970") << QByteArray("UTC") << QPointF(-1000.5, 0) << "12-31 23:59:59"
                                 << "69-12-31\n23:59:59\n0,00";
}

void TestTimeAxis::labels()
{
    QFETCH(QByteArray, zone);
    QFETCH(QPointF, position);
    QFETCH(QString, axisLabel);
    QFETCH(QString, trackerText);
    SetTimeZone(zone);
    QCOMPARE(TrendPlot::TimeScaleDraw().label(position.x()).text(), axisLabel);
    TrendPlot plot;
    QCOMPARE(plot.canvas()->findChild<TrendPlot::TrendPlotZoomer*>()->trackerTextF(position).text(),
        trackerText);
}

void TestTimeAxis::axisTicksOfANewYearRecording()
{
    // A recording from 23:00 on New Year's Eve to 01:00, Berlin time: the labels drawn on the
    // axis carry month and day, never the year.
    SetTimeZone("Europe/Berlin");
    TrendPlot plot;
    const double start = Utc(2026, 12, 31, 22, 0, 0);
    QVector<double> times;
    QVector<double> values;
    for (int i = 0; i <= 120; ++i) {
        times.append(start + i * 60000.0);
        values.append(i);
    }
    plot.AddCurve(times, values, QStringLiteral("Speed"));

    const QList<double> ticks = plot.axisScaleDiv(QwtPlot::xBottom).ticks(QwtScaleDiv::MajorTick);
    QStringList days;
    const QRegularExpression format(QStringLiteral("^(12-31|01-01) \\d\\d:\\d\\d:\\d\\d$"));
    for (double tick : ticks) {
        const QString label = plot.axisScaleDraw(QwtPlot::xBottom)->label(tick).text();
        QVERIFY2(format.match(label).hasMatch(), qPrintable(label));
        days.append(label.left(5));
    }
    QVERIFY(days.contains(QStringLiteral("12-31")) && days.contains(QStringLiteral("01-01")));
}

void TestTimeAxis::labelsNeverOverlap_data()
{
    QTest::addColumn<double>("span"); // of the recording, in ms
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("zooms"); // each to the middle half

    for (const double span : {10e3, 600e3, 5 * 3600e3, 3 * 86400e3}) {
        for (const int width : {500, 640, 1000, 1600}) {
            for (const int zooms : {0, 1, 4}) {
                QTest::addRow("%.0f s, %d px, %d zooms", span / 1e3, width, zooms)
                    << span << width << zooms;
            }
        }
    }
}

// Regression: zoomed in or in a narrow window the labels ran into each other.
void TestTimeAxis::labelsNeverOverlap()
{
    QFETCH(double, span);
    QFETCH(int, width);
    QFETCH(int, zooms);
    TrendPlot plot;
    const double start = Utc(2026, 5, 14, 6, 45, 0);
    plot.AddCurve({start, start + span / 3, start + span}, {1, 100, 2}, QStringLiteral("Cyl 1"));
    plot.resize(width, 500);
    plot.show();
    QVERIFY(QTest::qWaitForWindowExposed(&plot));
    auto* zoomer = plot.canvas()->findChild<TrendPlot::TrendPlotZoomer*>();
    for (int i = 0; i < zooms; ++i) {
        const QRectF view = zoomer->zoomRect();
        zoomer->zoom(view.adjusted(view.width() * 0.25, 0, -view.width() * 0.25, 0));
    }
    QTest::qWait(20); // the axis refits after each change of scale
    const QList<QRect> rects = LabelRects(plot, QwtPlot::xBottom);
    QVERIFY2(rects.size() >= 2, qPrintable(QString::number(rects.size())));
    for (int i = 1; i < rects.size(); ++i)
        QVERIFY2(!rects[i - 1].intersects(rects[i]), qPrintable(QString::number(i)));
}

void TestTimeAxis::trackerShowsWhileTheMouseMoves()
{
    SetTimeZone("Europe/Berlin");
    TrendPlot plot;
    plot.AddCurve({Utc(2026, 3, 2, 7, 30, 0), Utc(2026, 3, 2, 8, 30, 0)}, {100.0, 2000.0},
        QStringLiteral("Speed"));
    plot.resize(800, 500);
    plot.show();
    QVERIFY(QTest::qWaitForWindowExposed(&plot));

    auto* zoomer = plot.canvas()->findChild<TrendPlot::TrendPlotZoomer*>();
    const QPoint position = plot.canvas()->rect().center();
    QTest::mouseMove(plot.canvas(), position);
    QTRY_COMPARE(zoomer->trackerPosition(), position);

    // No button is pressed, yet the tracker is on the canvas with the text of that position.
    const auto overlays = plot.canvas()->findChildren<QwtWidgetOverlay*>();
    QVERIFY(std::any_of(overlays.begin(), overlays.end(), [](auto* o) { return o->isVisible(); }));
    QVERIFY(zoomer->trackerRect(plot.canvas()->font()).isValid());
    const QPointF value(plot.canvasMap(QwtPlot::xBottom).invTransform(position.x()),
        plot.canvasMap(QwtPlot::yLeft).invTransform(position.y()));
    const QString expected = QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(value.x()))
                                 .toString(QStringLiteral("yy-MM-dd\nhh:mm:ss\n"))
        + QLocale::system().toString(value.y(), 'f', 2);
    QCOMPARE(static_cast<const QwtPicker*>(zoomer)->trackerText(position).text(), expected);
}

int main(int argc, char* argv[])
{
    // The tracker follows the system's regional settings: make them German for this run, where
    // the decimal comma and the dot grouping show, before anything reads them.
    qputenv("LC_ALL", "de_DE.UTF-8");
    qputenv("LANG", "de_DE.UTF-8");
    QApplication app(argc, argv);
    TestTimeAxis test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_timeaxis.moc"
