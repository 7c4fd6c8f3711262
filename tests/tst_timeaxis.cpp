// Time axis labels and the tracker text of the trend plot, in several time zones and under a
// German system locale.

#include "TimeScaleDraw.h"
#include "TrendPlot.h"
#include "TrendPlotZoomer.h"

#include <QApplication>
#include <QDateTime>
#include <QLocale>
#include <QtTest>
#include <qwt_plot_canvas.h>
#include <qwt_scale_div.h>
#include <qwt_scale_widget.h>
#include <qwt_widget_overlay.h>

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

} // namespace

class TestTimeAxis : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void axisLabel_data();
    void axisLabel();
    void trackerText_data();
    void trackerText();
    void axisTicksOfANewYearRecording();
    void trackerShowsWhileTheMouseMoves();
};

void TestTimeAxis::initTestCase()
{
    // main() chose the German system locale before the application existed.
    QCOMPARE(QLocale::system().name(), QStringLiteral("de_DE"));
}

void TestTimeAxis::cleanup() { SetTimeZone("Europe/Berlin"); }

void TestTimeAxis::axisLabel_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("label");

    const double newYearBerlin = Utc(2026, 12, 31, 23, 0, 0);
    QTest::newRow("fraction of a ms before a full second keeps the earlier second")
        << QByteArray("Europe/Berlin") << newYearBerlin - 0.25 << "12-31 23:59:59";
    QTest::newRow("0.999 ms before a full second keeps the earlier second")
        << QByteArray("Europe/Berlin") << newYearBerlin - 0.001 << "12-31 23:59:59";
    QTest::newRow("new year, no year in the label")
        << QByteArray("Europe/Berlin") << newYearBerlin + 5000.7 << "01-01 00:00:05";
    QTest::newRow("summer time in Berlin")
        << QByteArray("Europe/Berlin") << Utc(2026, 7, 15, 10, 20, 30, 500) << "07-15 12:20:30";
    QTest::newRow("same instant in New York")
        << QByteArray("America/New_York") << Utc(2026, 7, 15, 10, 20, 30, 500) << "07-15 06:20:30";
    QTest::newRow("same instant in UTC")
        << QByteArray("UTC") << Utc(2026, 7, 15, 10, 20, 30, 500) << "07-15 10:20:30";
    QTest::newRow("last minute of winter time")
        << QByteArray("Europe/Berlin") << Utc(2026, 3, 29, 0, 59, 59) << "03-29 01:59:59";
    QTest::newRow("first second of summer time")
        << QByteArray("Europe/Berlin") << Utc(2026, 3, 29, 1, 0, 0) << "03-29 03:00:00";
    // Toward zero, not down: -1000.5 ms is 23:59:59.000, flooring would give 23:59:58.999.
    QTest::newRow("before 1970, truncated toward zero")
        << QByteArray("UTC") << -1000.5 << "12-31 23:59:59";
    QTest::newRow("epoch") << QByteArray("UTC") << 0.0 << "01-01 00:00:00";
}

void TestTimeAxis::axisLabel()
{
    QFETCH(QByteArray, zone);
    QFETCH(double, value);
    QFETCH(QString, label);

    SetTimeZone(zone);
    const TrendPlot::TimeScaleDraw draw;
    const QwtText text = draw.label(value);
    QCOMPARE(text.text(), label);
}

void TestTimeAxis::trackerText_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QPointF>("position");
    QTest::addColumn<QString>("text");

    const double newYearBerlin = Utc(2026, 12, 31, 23, 0, 0);
    QTest::newRow("whole value gets two decimals")
        << QByteArray("Europe/Berlin") << QPointF(Utc(2026, 3, 2, 7, 30, 0), 3.0)
        << "26-03-02\n08:30:00\n3,00";
    QTest::newRow("rounded to the hundredth, German grouping")
        << QByteArray("Europe/Berlin") << QPointF(Utc(2026, 3, 2, 7, 30, 0), 1234.567)
        << "26-03-02\n08:30:00\n1.234,57";
    QTest::newRow("negative value")
        << QByteArray("Europe/Berlin") << QPointF(Utc(2026, 3, 2, 7, 30, 0), -1234567.891)
        << "26-03-02\n08:30:00\n-1.234.567,89";
    QTest::newRow("last instant of the old year")
        << QByteArray("Europe/Berlin") << QPointF(newYearBerlin - 0.4, 850.004)
        << "26-12-31\n23:59:59\n850,00";
    QTest::newRow("first second of the new year")
        << QByteArray("Europe/Berlin") << QPointF(newYearBerlin + 999.9, 0.0)
        << "27-01-01\n00:00:00\n0,00";
    QTest::newRow("new year already in Berlin, not yet in New York") << QByteArray(
        "America/New_York") << QPointF(newYearBerlin + 999.9, 12.5) << "26-12-31\n18:00:00\n12,50";
}

void TestTimeAxis::trackerText()
{
    QFETCH(QByteArray, zone);
    QFETCH(QPointF, position);
    QFETCH(QString, text);

    SetTimeZone(zone);
    TrendPlot plot;
    auto* zoomer = plot.canvas()->findChild<TrendPlot::TrendPlotZoomer*>();
    QVERIFY(zoomer);
    const QwtText tracker = zoomer->trackerTextF(position);
    QCOMPARE(tracker.text(), text);
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
    QVERIFY(ticks.size() >= 3);
    const QwtScaleDraw* draw = plot.axisScaleDraw(QwtPlot::xBottom);
    QVERIFY(dynamic_cast<const TrendPlot::TimeScaleDraw*>(draw));
    QStringList days;
    for (double tick : ticks) {
        const QString label = draw->label(tick).text();
        QVERIFY2(QRegularExpression(QStringLiteral("^(12-31|01-01) \\d\\d:\\d\\d:\\d\\d$"))
                     .match(label)
                     .hasMatch(),
            qPrintable(label));
        days.append(label.left(5));
    }
    QVERIFY(days.contains(QStringLiteral("12-31")));
    QVERIFY(days.contains(QStringLiteral("01-01")));
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
    QVERIFY(zoomer);
    QCOMPARE(zoomer->trackerMode(), QwtPicker::AlwaysOn);
    const QPoint position = plot.canvas()->rect().center();
    QTest::mouseMove(plot.canvas(), position);
    QTRY_COMPARE(zoomer->trackerPosition(), position);

    // No button is pressed, yet the tracker is on the canvas with the text of that position.
    const auto overlays = plot.canvas()->findChildren<QwtWidgetOverlay*>();
    const bool trackerShown = std::any_of(
        overlays.begin(), overlays.end(), [](const QwtWidgetOverlay* o) { return o->isVisible(); });
    QVERIFY(trackerShown);
    QVERIFY(zoomer->trackerRect(plot.canvas()->font()).isValid());
    const QPointF value(plot.canvasMap(QwtPlot::xBottom).invTransform(position.x()),
        plot.canvasMap(QwtPlot::yLeft).invTransform(position.y()));
    const QString expected = QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(value.x()))
                                 .toString(QStringLiteral("yy-MM-dd\nhh:mm:ss\n"))
        + QLocale::system().toString(value.y(), 'f', 2);
    const QwtPicker* picker = zoomer;
    QCOMPARE(picker->trackerText(position).text(), expected);
    QVERIFY2(QRegularExpression(QStringLiteral("^26-03-02\n(08|09):\\d\\d:\\d\\d\n[\\d.]+,\\d\\d$"))
                 .match(expected)
                 .hasMatch(),
        qPrintable(expected));
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
