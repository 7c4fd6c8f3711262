// Opening a trend set end to end: configuration, classification, reading, the view of each
// recording kind, every failure message, and the state the window is left in.

#include "ConfigurationReader.h"
#include "MainWindow.h"
#include "ModalCatcher.h"
#include "TrendPlot.h"
#include "TrendSetFiles.h"

#include <QAction>
#include <QFileDialog>
#include <QLineEdit>
#include <QMainWindow>
#include <qwt_plot_curve.h>
#include <qwt_scale_div.h>
#include <qwt_scale_draw.h>
#include <qwt_scale_widget.h>
#include <qwt_text.h>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif
#ifdef Q_OS_LINUX
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace {
const qint64 Start = 1456823700000; // 2016-03-01 10:15:00 CET

// Whether every command that needs an open set is in the given state.
bool setCommandsEnabled(QWidget* window, bool enabled)
{
    const QStringList commands {"&Close", "&Export to CSV", "Export &Plot",
        "Copy plot to clipboard", "&Tips and Tricks..."};
    int matching = 0;
    for (QAction* action : window->findChildren<QAction*>())
        matching += commands.contains(action->text()) && action->isEnabled() == enabled;
    return matching == commands.size();
}

TrendPlot* plotOf(MainWindow& window) { return qobject_cast<TrendPlot*>(window.centralWidget()); }

// A full set with two samples per series; three-column files hold every cylinder.
void writeSet(const QString& dir, int cylinders, const QStringList& names = {},
    const QString& additions = QString())
{
    QVERIFY(TrendSetFiles::write(dir, "configuration.tlx",
        TrendSetFiles::configuration(Start, cylinders, names, additions)));
    const QByteArray two = TrendSetFiles::twoColumns({0, 1000}, {1500.5, 1510.25});
    for (const char* name : {"speed.tlx", "global_timing.tlx", "analog_output.tlx"})
        QVERIFY(TrendSetFiles::write(dir, name, two));
    QList<qint64> offsets;
    QList<int> cyl;
    QList<double> values;
    for (int c = 0; c < cylinders; ++c) {
        offsets << 0 << 1000;
        cyl << c << c;
        values << c << c + 0.5;
    }
    const QByteArray three = TrendSetFiles::threeColumns(offsets, cyl, values);
    for (const char* name : {"firing_angles.tlx", "secondary_voltages.tlx",
             "knocking_intensity.tlx", "temperatures.tlx"})
        QVERIFY(TrendSetFiles::write(dir, name, three));
}
}

#ifdef Q_OS_LINUX
const char* const MemoryProbeVariable = "CURVESCOPE_MEMORY_PROBE";
constexpr qint64 MemoryHeadroom = qint64(64) << 20;

// Child-process mode: with the address space limited to what the process uses now plus
// MemoryHeadroom, opens the data file named by the variable, then a small set beside it in
// "small/", and prints the title of every message and whether each opening succeeded. An
// allocation failure that escapes ends the process with SIGABRT instead.
int runMemoryProbe(int argc, char** argv)
{
    QApplication app(argc, argv);
    MainWindow window;
    window.show();
    ModalCatcher catcher;
    const QString path = qEnvironmentVariable(MemoryProbeVariable);
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 2;
    const qint64 used = statm.readAll().split(' ').value(0).toLongLong() * ::sysconf(_SC_PAGESIZE);
    const rlimit limit {rlim_t(used + MemoryHeadroom), rlim_t(used + MemoryHeadroom)};
    if (used <= 0 || ::setrlimit(RLIMIT_AS, &limit) != 0)
        return 2;
    QStringList report;
    report << QString::number(window.LoadTrendSet(path));
    report << QString::number(window.LoadTrendSet(QFileInfo(path).path() + "/small/speed.tlx"));
    for (const ModalCatcher::Message& m : catcher.messages())
        report << m.title;
    QTextStream(stdout) << report.join(QLatin1Char('|'));
    return 0;
}
#endif
// Looks at the first paint of every axis of a trend plot: whether all its labels lie inside it.
class FirstAxisPaints : public QObject {
public:
    QMap<int, bool> labelsInside; // by axis of the plot

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* axis = qobject_cast<QwtScaleWidget*>(watched);
        auto* plot = axis ? qobject_cast<TrendPlot*>(axis->parentWidget()) : nullptr;
        if (event->type() != QEvent::Paint || !plot)
            return false;
        const int id
            = axis == plot->axisWidget(QwtPlot::xBottom) ? QwtPlot::xBottom : QwtPlot::yLeft;
        if (labelsInside.contains(id))
            return false;
        bool inside = true;
        for (const double tick : plot->axisScaleDiv(id).ticks(QwtScaleDiv::MajorTick))
            inside
                &= axis->rect().contains(axis->scaleDraw()->boundingLabelRect(axis->font(), tick));
        labelsInside[id] = inside;
        return false;
    }
};

// Counts the paints of a main window whose central widget is no plot: the closed state.
class PaintsWithoutPlot : public QObject {
public:
    int count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const auto* window = qobject_cast<QMainWindow*>(watched);
        count += event->type() == QEvent::Paint && window
            && !qobject_cast<TrendPlot*>(window->centralWidget());
        return false;
    }
};

class TestOpening : public QObject {
    Q_OBJECT

private slots:
    void views_data();
    void views();
    void failures_data();
    void failures();
    void failedSecondOpeningLeavesNoSetOpen();
    void commandLine_data();
    void commandLine();
    void openDialogRemembersFolder();
    void memoryRunsOut_data();
    void memoryRunsOut();
    void demoKeepsTheWindowAndWholeLabels_data();
    void demoKeepsTheWindowAndWholeLabels();
    void openingPaintsTheClosedWindowBeforeReading();
};

void TestOpening::views_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("variant");
    QTest::addColumn<QString>("expected"); // title|axis title|curves

    const QString angle = QString::fromUtf8("Relative Angle [°CRANK]");
    const auto row
        = [](const char* tag, const char* file, const char* variant, const QString& expected) {
              QTest::newRow(tag) << file << variant << expected;
          };
    row("speed", "speed.tlx", "", "Speed Recording|RPM|Speed");
    row("global timing", "global_timing.tlx", "",
        "Global Timing Recording|" + angle + "|Global Timing");
    row("firing angles", "firing_angles.tlx", "",
        "Firing Angles Recording|" + angle + "|Global Timing,A1,B1,A2");
    row("secondary voltages", "secondary_voltages.tlx", "",
        "Secondary Voltages Recording|Voltage [kV]|A1,B1,A2");
    row("analog output", "analog_output.tlx", "",
        "Normalized Analog Output Recording|Normalized Analog Output [%]|Output");
    row("knocking intensity", "knocking_intensity.tlx", "",
        "Knocking Intensity Recording|Knocking Intensity [%]|A1,B1,A2");
    row("temperatures", "temperatures.tlx", "",
        QString::fromUtf8("Temperatures Recording|Temperature [°C]|A1,B1,A2"));
    row("temperatures in Fahrenheit", "temperatures.tlx", "fahrenheit",
        QString::fromUtf8("Temperatures Recording|Temperature [°F]|A1,B1,A2"));
    // Names are generated zero-based for cylinders the configuration leaves unnamed.
    row("firing angles without global timing", "firing_angles.tlx", "no timing",
        "Firing Angles Recording|" + angle + "|# 0,# 1,# 2");
    // An empty cylinder takes neither a legend entry nor a colour.
    row("cylinder without samples", "knocking_intensity.tlx", "empty cylinder",
        "Knocking Intensity Recording|Knocking Intensity [%]|A1,A2");
}

void TestOpening::views()
{
    QFETCH(QString, file);
    QFETCH(QString, variant);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    writeSet(dir.path(), 3, variant == "no timing" ? QStringList() : QStringList {"A1", "B1", "A2"},
        variant == "fahrenheit" ? "FAHRENHEIT" : QString());
    if (variant == "no timing")
        QVERIFY(QFile::remove(dir.filePath("global_timing.tlx")));
    if (variant == "empty cylinder")
        QVERIFY(TrendSetFiles::write(
            dir.path(), file, TrendSetFiles::threeColumns({0, 0}, {0, 2}, {1.0, 2.0})));
    MainWindow window;
    window.show();
    QSignalSpy spy(&window, &MainWindow::FileOpenedOrClosed);
    ModalCatcher catcher;
    QVERIFY(window.LoadTrendSet(dir.filePath(file)));
    QCOMPARE(catcher.messages().size(), 0);
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy.first().at(0).toBool(), true);
    QVERIFY(setCommandsEnabled(&window, true));
    TrendPlot* plot = plotOf(window);
    QVERIFY(plot);
    QStringList titles;
    QList<QColor> colours;
    for (QwtPlotItem* item : plot->itemList(QwtPlotItem::Rtti_PlotCurve)) {
        titles << item->title().text();
        colours << static_cast<QwtPlotCurve*>(item)->pen().color();
    }
    QCOMPARE(plot->title().text() + '|' + plot->axisTitle(QwtPlot::yLeft).text() + '|'
            + titles.join(','),
        expected);
    QCOMPARE(colours.mid(0, 3),
        (QList<QColor> {Qt::darkRed, Qt::darkGreen, Qt::darkBlue}).mid(0, colours.size()));
    // The first curve plots the file's samples as absolute times.
    auto* curve = static_cast<QwtPlotCurve*>(plot->itemList(QwtPlotItem::Rtti_PlotCurve).first());
    QCOMPARE(curve->sample(0).x(), double(Start));
    QCOMPARE(curve->sample(int(curve->dataSize()) - 1).x(),
        double(Start + (variant == "empty cylinder" ? 0 : 1000)));

    // Close returns to the empty window, and the plot with its samples is gone at once, before
    // the next set is read (not at some later turn of the event loop).
    QPointer<TrendPlot> closedPlot(plot);
    QVERIFY(QMetaObject::invokeMethod(&window, "CloseFile"));
    QVERIFY(!plotOf(window) && closedPlot.isNull());
    QVERIFY(setCommandsEnabled(&window, false));
}

void TestOpening::failures_data()
{
    QTest::addColumn<QString>("case_");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("text"); // icon|title|text; %P is replaced by the chosen path

    const QString missing = "3|Missing configuration file|Unable to read configuration from "
                            "configuration.tlx!\nThe configuration file configuration.tlx must be "
                            "present in the same folder as the selected data file and it must be "
                            "readable.";
    const QString invalid = "3|Invalid configuration|Unable to read configuration from "
                            "configuration.tlx!\nConfiguration is invalid.";
    const QString unreadable = "3|Reading file failed|Unable to read data from file %P!";
    const auto row = [](const char* tag, const char* case_, const char* file, const QString& text) {
        QTest::newRow(tag) << case_ << file << text;
    };
    row("no configuration", "noconfig", "speed.tlx", missing);
    row("renamed file without configuration", "noconfig", "Speed.tlx", missing);
    row("invalid configuration", "invalid", "speed.tlx", invalid);
    row("invalid configuration chosen itself", "invalid", "configuration.tlx", invalid);
    row("configuration chosen", "valid", "configuration.tlx", "2|Config file selected|%CONFIG");
    row("unknown name", "valid", "Speed.tlx",
        "3|Unknown file selected|Unknown file name Speed.tlx, cannot read data!\nPlease do not "
        "rename any tlx files  created by your Visorix device.");
    row("no cylinders", "nocylinders", "temperatures.tlx", unreadable);
    row("no usable line", "emptyspeed", "speed.tlx",
        "3|Data file is empty|File speed.tlx does not contain any usable data.");
    // Far larger than any configuration: refused without being read whole.
    row("configuration over 1 MiB", "hugeconfig", "speed.tlx", invalid);
#ifdef Q_OS_UNIX
    // Regression: pipes and devices were opened and read, blocking the window for good.
    row("configuration is a pipe", "fifoconfig", "speed.tlx", missing);
    row("configuration links to /dev/zero", "zeroconfig", "speed.tlx", missing);
    row("data file is a pipe", "fifodata", "speed.tlx", unreadable);
    row("data file links to /dev/urandom", "randomdata", "speed.tlx", unreadable);
#endif
}

void TestOpening::failures()
{
    QFETCH(QString, case_);
    QFETCH(QString, file);
    QFETCH(QString, text);
    QTemporaryDir dir;
    const QString path = dir.filePath(file);
    const QString configurationPath = dir.filePath("configuration.tlx");
#ifdef Q_OS_UNIX
    if (case_ == "fifoconfig" || case_ == "fifodata")
        QCOMPARE(
            ::mkfifo(QFile::encodeName(case_ == "fifodata" ? path : configurationPath), 0600), 0);
    if (case_ == "zeroconfig")
        QVERIFY(QFile::link("/dev/zero", configurationPath));
    if (case_ == "randomdata")
        QVERIFY(QFile::link("/dev/urandom", path));
#endif
    if (!case_.endsWith("config")) {
        QByteArray configuration = TrendSetFiles::configuration(Start, 4);
        if (case_ == "invalid")
            configuration.replace("DeviceId=17", "DeviceId=abc");
        if (case_ == "nocylinders")
            configuration.replace("NumberCylinder=4", "NumberCylinder=0");
        QVERIFY(TrendSetFiles::write(dir.path(), "configuration.tlx", configuration));
    }
    if (case_ == "hugeconfig")
        QVERIFY(TrendSetFiles::write(dir.path(), "configuration.tlx",
            TrendSetFiles::configuration(Start, 4) + QByteArray(1 << 20, '\n')));
    if (file != "configuration.tlx" && !case_.endsWith("data")) {
        const QByteArray data = case_ == "emptyspeed"
            ? QByteArray("\n\nxyz\n1,5\t2\n")
            : TrendSetFiles::threeColumns({0}, {0}, {1.0});
        QVERIFY(TrendSetFiles::write(dir.path(), file, data));
    }
    if (text.endsWith("%CONFIG")) {
        ConfigurationReader reader;
        QVERIFY(reader.ReadFile(dir.filePath("configuration.tlx")));
        text.replace("%CONFIG",
            "You have selected a configuration file:\n" + reader.ToString()
                + "\nPlease open a data file if you want to see a plot.");
        QVERIFY(reader.ToString().contains("Device type: KNK_A"));
    }
    text.replace("%P", path);

    MainWindow window;
    window.show();
    QSignalSpy spy(&window, &MainWindow::FileOpenedOrClosed);
    ModalCatcher catcher;
    QVERIFY(!window.LoadTrendSet(path));
    QCOMPARE(catcher.messages().size(), 1);
    const ModalCatcher::Message message = catcher.messages().first();
    QCOMPARE(QString("%1|%2|%3").arg(message.icon).arg(message.title, message.text), text);
    QCOMPARE(spy.size(), 0);
    QVERIFY(!plotOf(window));
    QVERIFY(setCommandsEnabled(&window, false));
}

void TestOpening::failedSecondOpeningLeavesNoSetOpen()
{
    QTemporaryDir good;
    QTemporaryDir bad;
    writeSet(good.path(), 2);
    QVERIFY(TrendSetFiles::write(bad.path(), "speed.tlx", "0\t1\n"));

    MainWindow window;
    ModalCatcher catcher;
    QSignalSpy spy(&window, &MainWindow::FileOpenedOrClosed);
    QVERIFY(window.LoadTrendSet(good.filePath("speed.tlx")));
    QVERIFY(plotOf(window));
    QVERIFY(!window.LoadTrendSet(bad.filePath("speed.tlx")));
    // The first set was closed before the second was read: true, then false, nothing more.
    QCOMPARE(spy.size(), 2);
    QCOMPARE(spy.at(1).at(0).toBool(), false);
    QVERIFY(!plotOf(window));
    QVERIFY(setCommandsEnabled(&window, false));
    QCOMPARE(catcher.messages().size(), 1);
    QCOMPARE(catcher.messages().first().title, QStringLiteral("Missing configuration file"));

    // The same window opens a good set again afterwards.
    QVERIFY(window.LoadTrendSet(good.filePath("analog_output.tlx")));
    QVERIFY(setCommandsEnabled(&window, true));
}

void TestOpening::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<int>("messages");

    QTest::newRow("one readable speed file") << QStringList {"speed.tlx"} << true << 0;
    for (const char* ignored : {"SPEED.TLX", "folder.tlx", "missing.tlx", "speed.csv"})
        QTest::addRow("%s ignored", ignored) << QStringList {ignored} << false << 0;
    QTest::newRow("two arguments ignored") << QStringList {"speed.tlx", "speed.tlx"} << false << 0;
    QTest::newRow("no argument") << QStringList {} << false << 0;
    // The suffix test passes, the exact name does not: the unknown-file message is shown.
    QTest::newRow("renamed file reported") << QStringList {"Speed.tlx"} << false << 1;
}

void TestOpening::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, opens);
    QFETCH(int, messages);

    QTemporaryDir dir;
    writeSet(dir.path(), 2);
    for (const char* name : {"SPEED.TLX", "speed.csv", "Speed.tlx"})
        QVERIFY(QFile::copy(dir.filePath("speed.tlx"), dir.filePath(name)));
    QVERIFY(QDir(dir.path()).mkdir("folder.tlx"));

    QList<QByteArray> storage {"curvescope"};
    for (const QString& argument : arguments)
        storage << dir.filePath(argument).toLocal8Bit();
    QVector<char*> argv;
    for (QByteArray& bytes : storage)
        argv << bytes.data();
    argv << nullptr;

    MainWindow window;
    window.show();
    ModalCatcher catcher;
    window.OpenFileFromCommandLine(storage.size(), argv.data());
    QCOMPARE(plotOf(window) != nullptr, opens);
    QCOMPARE(setCommandsEnabled(&window, opens), true);
    QCOMPARE(catcher.messages().size(), messages);
}

void TestOpening::openDialogRemembersFolder()
{
    QTemporaryDir first;
    QTemporaryDir second;
    writeSet(first.path(), 2);

    MainWindow window;
    window.show();
    ModalCatcher catcher;
    QStringList shownFolders;
    QStringList filters;
    QString choice;
    QPointer<QFileDialog> seen;
    catcher.setFileDialogHandler([&](QFileDialog* dialog) {
        if (dialog != seen) {
            // The folder the dialog opened in, recorded once per dialog.
            seen = dialog;
            shownFolders << QDir(dialog->directory()).canonicalPath();
            filters << dialog->nameFilters();
        }
        if (choice.isEmpty()) {
            dialog->reject();
            return;
        }
        // Choose the file the way a user does: go to its folder, pick it, and accept only once
        // the dialog reports it as the selection (its folder listing fills in asynchronously).
        const QFileInfo target(choice);
        if (QDir(dialog->directory()).canonicalPath() != QDir(target.path()).canonicalPath()) {
            dialog->setDirectory(target.path());
            return;
        }
        // selectFile() leaves the name field alone while it has the keyboard focus: type the
        // name into the field as a user would.
        if (auto* nameField = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
            nameField->setText(target.fileName());
        else
            dialog->selectFile(target.fileName());
        if (QFileInfo(dialog->selectedFiles().value(0)) == target)
            QMetaObject::invokeMethod(dialog, "accept");
    });

    // First use starts at home; closing without a choice changes nothing.
    QVERIFY(QMetaObject::invokeMethod(&window, "OpenFile"));
    choice = first.filePath("speed.tlx");
    QVERIFY(QMetaObject::invokeMethod(&window, "OpenFile"));
    QVERIFY(plotOf(window));
    // A failed opening still moves the remembered folder to the chosen file's folder.
    choice = second.filePath("speed.tlx");
    QVERIFY(TrendSetFiles::write(second.path(), "speed.tlx", "0\t1\n"));
    QVERIFY(QMetaObject::invokeMethod(&window, "OpenFile"));
    choice.clear();
    QVERIFY(QMetaObject::invokeMethod(&window, "OpenFile"));

    QCOMPARE(shownFolders,
        QStringList({QDir(QDir::homePath()).canonicalPath(), QDir(QDir::homePath()).canonicalPath(),
            QDir(first.path()).canonicalPath(), QDir(second.path()).canonicalPath()}));
    QCOMPARE(filters.first(), QStringLiteral("Trends (*.tlx)"));
    QCOMPARE(catcher.messages().size(), 1);
    QCOMPARE(catcher.messages().first().title, QStringLiteral("Missing configuration file"));
}

void TestOpening::memoryRunsOut_data()
{
    QTest::addColumn<QByteArray>("samples");
    QTest::addColumn<int>("junkLines");
    QTest::addColumn<QString>("report");

    // Regression: an allocation failure while reading ended the program with std::bad_alloc.
    QTest::newRow("samples beyond the limit")
        << QByteArray("3E8\t1.5\n").repeated(6000000) << 0 << "0|1|Reading file failed";
    // Regression: a first block of samples made the reservation count the junk behind it too.
    QTest::newRow("a dense start, then junk")
        << QByteArray("3E8\t1.5\n").repeated(120000) << 60000 << "1|1";
}

void TestOpening::memoryRunsOut()
{
#ifndef Q_OS_LINUX
    QSKIP("the address space is limited with setrlimit and measured in /proc");
#else
    QFETCH(QByteArray, samples);
    QFETCH(int, junkLines);
    QFETCH(QString, report);

    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("small"));
    writeSet(dir.path() + "/small", 1);
    QVERIFY(TrendSetFiles::write(
        dir.path(), "configuration.tlx", TrendSetFiles::configuration(Start, 1)));
    QFile data(dir.filePath("speed.tlx"));
    QVERIFY(data.open(QIODevice::WriteOnly));
    data.write(samples);
    const QByteArray junk = QByteArray(999, 'x') + '\n';
    for (int i = 0; i < junkLines; ++i)
        data.write(junk);
    data.close();

    QProcess probe;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(MemoryProbeVariable, data.fileName());
    probe.setProcessEnvironment(environment);
    probe.start(QCoreApplication::applicationFilePath(), QStringList());
    QVERIFY(probe.waitForFinished(120000));
    QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
    QCOMPARE(probe.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(probe.readAllStandardOutput()), report);
#endif
}

void TestOpening::demoKeepsTheWindowAndWholeLabels_data()
{
    QTest::addColumn<QString>("file");
    for (const QString& file : QDir(CURVESCOPE_SOURCE_DIR "/samples/demo").entryList({"*.tlx"})) {
        if (file != "configuration.tlx")
            QTest::newRow(qPrintable(file)) << file;
    }
}

// Regression: opening a set widened the window to make room for every time label, and the
// first paint cut the end labels of the value axis in half.
void TestOpening::demoKeepsTheWindowAndWholeLabels()
{
    QFETCH(QString, file);
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QSize size = window.size();
    FirstAxisPaints paints;
    qApp->installEventFilter(&paints);
    QVERIFY(window.LoadTrendSet(QStringLiteral(CURVESCOPE_SOURCE_DIR "/samples/demo/") + file));
    QTRY_COMPARE(paints.labelsInside.size(), 2);
    qApp->removeEventFilter(&paints);
    QVERIFY(paints.labelsInside.value(QwtPlot::xBottom));
    QVERIFY(paints.labelsInside.value(QwtPlot::yLeft));
    QCOMPARE(window.size(), size);
}

// Regression: a long file was read behind the frozen picture of the old plot and of the Open
// dialog.
void TestOpening::openingPaintsTheClosedWindowBeforeReading()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QString demo = QStringLiteral(CURVESCOPE_SOURCE_DIR "/samples/demo/");
    QVERIFY(window.LoadTrendSet(demo + QStringLiteral("speed.tlx")));
    PaintsWithoutPlot paints;
    window.installEventFilter(&paints);
    QVERIFY(window.LoadTrendSet(demo + QStringLiteral("global_timing.tlx")));
    window.removeEventFilter(&paints);
    QCOMPARE(paints.count, 1);
}

int main(int argc, char** argv)
{
#ifdef Q_OS_LINUX
    if (qEnvironmentVariableIsSet(MemoryProbeVariable))
        return runMemoryProbe(argc, argv);
#endif
    QApplication app(argc, argv);
    TestOpening test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_opening.moc"
