// The main window: its commands, their states and the dialogs they open, the three roads to a
// trend set (Open dialog, drop, command line), and what each trend-set situation a user meets
// leads to (a plot or a message, and the state of the window). At the end the demo script
// runs the real executable on a private X server: its window shows the demo set's speed curve.

// Mouse events go through the window system's road, so that moves carry the pressed buttons
// and reach the widget under the pointer, as a user's do.
#define QTEST_QPA_MOUSE_HANDLING

#include "FileFailures.h"
#include "MainWindow.h"
#include "ModalCatcher.h"
#include "TipsAndTricks.h"
#include "TrendPlot.h"
#include "TrendPlotZoomer.h"
#include "TrendSetFiles.h"

#include <QtWidgets>
#include <qwt_legend.h>
#include <qwt_legend_label.h>
#include <qwt_plot_canvas.h>
#include <qwt_plot_curve.h>
#include <qwt_scale_div.h>
#include <qwt_scale_engine.h>
#include <qwt_scale_map.h>
#include <QtTest>

namespace {
const qint64 Start = 1456823700000; // 2016-03-01 10:15:00 CET
const QString Demo = QStringLiteral(CURVESCOPE_SOURCE_DIR "/samples/demo/");

TrendPlot* plotOf(MainWindow& window) { return qobject_cast<TrendPlot*>(window.centralWidget()); }

// Whether the nine commands are there and those that need an open set follow the given state.
bool commandsShow(MainWindow& window, bool open)
{
    const QStringList always {"&Open", "&Quit", "&Set Language", "&About"};
    const auto actions = window.findChildren<QAction*>(QString(), Qt::FindDirectChildrenOnly);
    return actions.size() == 9 && std::all_of(actions.begin(), actions.end(), [&](QAction* a) {
        return a->isEnabled() == (open || always.contains(a->text()));
    });
}

// A full set with two samples per series; three-column files hold every cylinder.
void writeSet(const QString& dir, int cylinders, const QStringList& names = {})
{
    QByteArray three;
    for (int c = 0; c < cylinders; ++c)
        three += TrendSetFiles::threeColumns({0, 1000}, {c, c}, {double(c), c + 0.5});
    const QByteArray two = TrendSetFiles::twoColumns({0, 1000}, {1500.5, 1510.25});
    QVERIFY(TrendSetFiles::write(
        dir, "configuration.tlx", TrendSetFiles::configuration(Start, cylinders, names)));
    const char* const files[]
        = {"speed.tlx", "global_timing.tlx", "analog_output.tlx", "firing_angles.tlx",
            "secondary_voltages.tlx", "knocking_intensity.tlx", "temperatures.tlx"};
    for (int i = 0; i < 7; ++i)
        QVERIFY(TrendSetFiles::write(dir, files[i], i < 3 ? two : three));
}

// Replaces dir/name by the content: the bytes, a named pipe for "|fifo", a link to X for "|X",
// or nothing for "|".
bool place(const QString& dir, const QString& name, const QString& content)
{
    const QString path = QDir(dir).filePath(name);
    QFile::remove(path);
    if (content == "|")
        return true;
    if (content == "|fifo")
        return QProcess::execute("mkfifo", {path}) == 0;
    if (content.startsWith('|'))
        return QFile::link(content.mid(1), path);
    return TrendSetFiles::write(dir, name, content.toUtf8());
}

// Counts how often the main window is painted without a plot.
struct PaintWatch : QObject {
    int closedPaints = 0;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && qobject_cast<MainWindow*>(watched))
            closedPaints += !plotOf(*static_cast<MainWindow*>(watched));
        return false;
    }
};
}

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void commands()
    {
        MainWindow window;
        QVERIFY(window.acceptDrops() && commandsShow(window, false));
        QCOMPARE(window.windowTitle(), QString("Orvanta Curve Scope"));
        QStringList layout;
        QList<QAction*> actions = window.findChild<QToolBar*>()->actions();
        for (QAction* menu : window.menuBar()->actions())
            actions << menu << menu->menu()->actions();
        for (QAction* action : actions)
            layout << (action->isSeparator() ? "|" : action->text()) + ' '
                    + action->shortcut().toString();
        // The copy command is reached by the tool bar and Ctrl+C only, never through a menu.
        QCOMPARE(layout.join(',').simplified(),
            "&Open Ctrl+O,&Close ,&Export to CSV ,Export &Plot ,Copy plot to clipboard Ctrl+C,"
            "&Tips and Tricks... ,&File ,&Open Ctrl+O,&Close ,| ,&Export to CSV ,Export &Plot ,| ,"
            "&Quit Ctrl+Q,&Help ,&Set Language ,&Tips and Tricks... ,| ,&About");
        // Set Language and About are modal over the window and discarded when they close, the
        // About box by Escape and without a question-mark button; the tips window is modeless,
        // hidden by Close, and the same one comes back, also after its command is disabled.
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        ModalCatcher catcher;
        QStringList seen;
        catcher.setDialogHandler([&](QDialog* dialog) {
            QTest::keyClick(dialog, Qt::Key_Escape);
            seen << QString("%1 %2 %3 %4 %5")
                        .arg(dialog->metaObject()->className(), dialog->windowTitle())
                        .arg(dialog->parentWidget() == &window)
                        .arg(!dialog->isVisible())
                        .arg(bool(dialog->windowFlags() & Qt::WindowContextHelpButtonHint));
            dialog->reject();
        });
        for (const char* command : {"SetLanguage", "About"})
            QVERIFY(QMetaObject::invokeMethod(&window, command));
        QCOMPARE(seen,
            QStringList({"CSelectLanguageDialog Select Language 1 1 0",
                "AboutDialog About ORVANTA Curve Scope 1 1 0"}));
        auto* tips = window.findChild<TipsAndTricks*>();
        QCOMPARE(window.findChildren<QDialog*>(), QList<QDialog*> {tips});
        QVERIFY(window.LoadTrendSet(Demo + "speed.tlx"));
        // The status bar tells what the command under the pointer does.
        QStringList statusTips;
        for (QAction* action : window.findChildren<QAction*>(QString(), Qt::FindDirectChildrenOnly))
            statusTips << action->statusTip();
        QCOMPARE(statusTips.join('|'),
            "Select a tlx file and open it|Close file|Write data into a CSV file|Save plot into an "
            "image file|Copy plot to clipboard (Ctrl+C)|Close application|Set language for the "
            "next application start.|Show general informations about this program|Show some tips "
            "and tricks");
        QToolBar* bar = window.findChild<QToolBar*>();
        for (int shown = 0; shown < 2; ++shown) {
            bar->actions().last()->trigger();
            QVERIFY(QTest::qWaitForWindowExposed(tips));
            QCOMPARE(QApplication::activeModalWidget(), nullptr);
            QCOMPARE(tips->windowTitle(), QString("Tips and Tricks"));
            if (shown == 1) {
                QVERIFY(QMetaObject::invokeMethod(&window, "CloseFile"));
                QVERIFY(tips->isVisible() && !bar->actions().last()->isEnabled());
            }
            QTest::mouseClick(tips->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Close),
                Qt::LeftButton);
            QVERIFY(!tips->isVisible());
        }
        QCOMPARE(window.findChildren<QDialog*>(), QList<QDialog*> {tips});
    }

    void opening_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("changes"); // "name=content" for place() in a complete set
        QTest::addColumn<QString>("expected"); // title|axis|curves, or !icon|title|text

        const QString angle = "Relative Angle [°CRANK]";
        const QString missing = "!3|Missing configuration file|Unable to read configuration from "
                                "configuration.tlx!\nThe configuration file configuration.tlx must "
                                "be present in the same folder as the selected data file and it "
                                "must be readable.";
        const QString invalid = "!3|Invalid configuration|Unable to read configuration from "
                                "configuration.tlx!\nConfiguration is invalid.";
        const QString unreadable = "!3|Reading file failed|Unable to read data from file %P!";
        const QString valid = TrendSetFiles::configuration(Start, 3, {"A1", "B1", "A2"});
        const QString config = "configuration.tlx=";
        const auto row
            = [](const char* tag, const char* file, const QStringList& changes,
                  const QString& expected) { QTest::newRow(tag) << file << changes << expected; };
        row("speed", "speed.tlx", {}, "Speed Recording|RPM|Speed");
        // Names are data: shown as written, never taken as markup (nor a picture loaded from a
        // pipe).
        row("names as written", "temperatures.tlx",
            {config
                    + TrendSetFiles::configuration(
                        Start, 3, {"<A>1", "<font color=red>B</font>", "<img src=\"%D/pipe\">"}),
                "pipe=|fifo"},
            "Temperatures Recording|Temperature [°C]|<A>1,<font color=red>B</font>,<img "
            "src=\"%D/pipe\">");
        // Regression: an infinity froze the window and ended in "Plot failed" or an empty plot.
        const double inf = qInf();
        row("one infinite temperature", "temperatures.tlx",
            {"temperatures.tlx="
                + TrendSetFiles::threeColumns(
                    {0, 0, 0, 1000, 1000, 1000}, {0, 1, 2, 0, 1, 2}, {70, 79, 80, 71, inf, 90})},
            "Temperatures Recording|Temperature [°C]|A1,B1,A2");
        row("infinite speed, speeds near the double limit", "speed.tlx",
            {"speed.tlx="
                + TrendSetFiles::twoColumns({0, 1, 2, 3, 1000}, {1500, inf, -1.7e308, 1e308, 0})},
            "Speed Recording|RPM|Speed");
        row("global timing", "global_timing.tlx", {},
            "Global Timing Recording|" + angle + "|Global Timing");
        row("firing angles", "firing_angles.tlx", {},
            "Firing Angles Recording|" + angle + "|Global Timing,A1,B1,A2");
        row("secondary voltages", "secondary_voltages.tlx", {},
            "Secondary Voltages Recording|Voltage [kV]|A1,B1,A2");
        row("analog output", "analog_output.tlx", {},
            "Normalized Analog Output Recording|Normalized Analog Output [%]|Output");
        row("knocking intensity", "knocking_intensity.tlx", {},
            "Knocking Intensity Recording|Knocking Intensity [%]|A1,B1,A2");
        row("temperatures", "temperatures.tlx", {},
            "Temperatures Recording|Temperature [°C]|A1,B1,A2");
        row("temperatures in Fahrenheit", "temperatures.tlx",
            {config + valid + "Additions=FAHRENHEIT\n"},
            "Temperatures Recording|Temperature [°F]|A1,B1,A2");
        // Names are generated zero-based for cylinders the configuration leaves unnamed.
        row("unnamed cylinders, no global timing", "firing_angles.tlx",
            {config + TrendSetFiles::configuration(Start, 3), "global_timing.tlx=|"},
            "Firing Angles Recording|" + angle + "|# 0,# 1,# 2");

        row("no configuration", "speed.tlx", {config + '|'}, missing);
        row("renamed file without configuration", "Speed.tlx", {config + '|', "Speed.tlx=0\t1\n"},
            missing);
        const QString deviceAbc = config + QString(valid).replace("DeviceId=17", "DeviceId=abc");
        row("invalid configuration", "speed.tlx", {deviceAbc}, invalid);
        row("invalid configuration chosen itself", "configuration.tlx", {deviceAbc}, invalid);
        // The description of the configuration between the two sentences.
        row("configuration chosen", "configuration.tlx", {config + valid + "Additions=<b>C</b>\n"},
            "!2|Config file selected|You have selected a configuration file:\nStart of trend "
            "data: 2016-03-01 10:15:00.000\nDevice type: KNK_A\nDevice CAN ID: 17\nNumber of "
            "Cylinders: 3\nAdditions: <b>C</b>\n\nPlease open a data file if you want to see a "
            "plot.");
        row("unknown name", "<b>Speed.tlx", {"<b>Speed.tlx=0\t1\n"},
            "!3|Unknown file selected|Unknown file name <b>Speed.tlx, cannot read data!\nPlease "
            "do not rename any tlx files  created by your Visorix device.");
        row("no cylinders", "temperatures.tlx", {config + TrendSetFiles::configuration(Start, 0)},
            unreadable);
        row("no usable line", "speed.tlx", {"speed.tlx=\n\nxyz\n1,5\t2\n"},
            "!3|Data file is empty|File speed.tlx does not contain any usable data.");
        // Far larger than any configuration: refused without being read whole.
        row("configuration over 1 MiB", "speed.tlx", {config + valid + QString(1 << 20, '\n')},
            invalid);
#ifdef Q_OS_UNIX
        // Regression: pipes and devices were opened and read, blocking the window for good.
        row("configuration is a pipe", "speed.tlx", {config + "|fifo"}, missing);
        row("configuration links to /dev/zero", "speed.tlx", {config + "|/dev/zero"}, missing);
        row("data file is a pipe", "speed.tlx", {"speed.tlx=|fifo"}, unreadable);
        row("data file links to /dev/urandom", "speed.tlx", {"speed.tlx=|/dev/urandom"},
            unreadable);
#endif
    }

    // The set that is open is closed, its plot with its samples gone at once, before anything of
    // the chosen file is read; a failure is reported once and leaves no set open. The folder's
    // name looks like markup where the system allows it.
    void opening()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, changes);
        QFETCH(QString, expected);
        // A row that hangs (a picture read from a pipe) fails by the test's time limit.
#ifdef Q_OS_UNIX
        QTemporaryDir dir(QDir::tempPath() + "/<i>it-XXXXXX");
#else
        QTemporaryDir dir;
#endif
        expected.replace("%D", dir.path()).replace("%P", dir.filePath(file));
        writeSet(dir.path(), 3, {"A1", "B1", "A2"});
        for (QString change : changes) {
            change.replace("%D", dir.path());
            QVERIFY(place(dir.path(), change.section('=', 0, 0), change.section('=', 1)));
        }
        // Each row starts from another file of the demo set, painted as it opens.
        const QStringList demo = QDir(Demo).entryList({"speed.tlx", "*_*.tlx"});
        static int s_row = 0;
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QSize size = window.size();
        ModalCatcher catcher;
        PaintWatch paints;
        qApp->installEventFilter(&paints);
        QVERIFY(window.LoadTrendSet(Demo + demo.at(s_row++ % demo.size())));
        qApp->removeEventFilter(&paints);
        QCOMPARE(paints.closedPaints, 1);
        QCOMPARE(window.size(), size);
        QPointer<TrendPlot> plot = plotOf(window);
        const bool opens = !expected.startsWith('!');
        QCOMPARE(window.LoadTrendSet(dir.filePath(file)), opens);
        QVERIFY(plot.isNull());
        QVERIFY(commandsShow(window, opens));
        QCOMPARE(catcher.messages(), opens ? QStringList() : QStringList(expected.mid(1)));
        if (!opens) {
            // The same window opens a good set again afterwards.
            QVERIFY(window.LoadTrendSet(Demo + "analog_output.tlx"));
            return;
        }
        plot = plotOf(window);
        QVERIFY(!plot->grab().isNull());
        // The legend shows each name as written: its label takes the room of the plain text.
        // The value axis over the infinite and huge samples is the plot's own: its test covers it.
        QStringList titles;
        const auto* legend = qobject_cast<QwtLegend*>(plot->legend());
        for (QwtPlotItem* item : plot->itemList(QwtPlotItem::Rtti_PlotCurve)) {
            auto* label
                = qobject_cast<QwtLegendLabel*>(legend->legendWidget(plot->itemToInfo(item)));
            const QwtText title = label->text();
            QCOMPARE(title.textSize(label->font()),
                QwtText(title.text(), QwtText::PlainText).textSize(label->font()));
            titles << title.text();
        }
        QCOMPARE(plot->title().text() + '|' + plot->axisTitle(QwtPlot::yLeft).text() + '|'
                + titles.join(','),
            expected);
        // The curves plot the file's samples as absolute times.
        const QwtPlotItemList curves = plot->itemList(QwtPlotItem::Rtti_PlotCurve);
        const auto* last = static_cast<QwtPlotCurve*>(curves.last());
        QCOMPARE(static_cast<QwtPlotCurve*>(curves.first())->sample(0).x(), double(Start));
        QCOMPARE(last->sample(int(last->dataSize()) - 1).x(), double(Start + 1000));
    }

    void roads_data()
    {
        QTest::addColumn<QStringList>("names"); // in the folder of a complete set
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<int>("messages"); // of the drop and the command line

        QTest::newRow("one readable speed file") << QStringList {"speed.tlx"} << true << 0;
        // The suffix test passes, the exact name does not: the unknown-file message is shown.
        QTest::newRow("renamed file") << QStringList {"Speed.tlx"} << true << 2;
        // Regression: a file replaced by a pipe between drag and drop was dropped silently.
        QTest::newRow("pipe by the drop") << QStringList {"speed.tlx", "|fifo"} << true << 1;
        // Regression: a pipe was opened and blocked the window.
        for (const char* refused :
            {"SPEED.TLX", "speed.Tlx", "speed.csv", "folder.tlx", "missing.tlx", "pipe.tlx"})
            QTest::addRow("%s refused", refused) << QStringList {refused} << false << 0;
        QTest::newRow("two files") << QStringList {"speed.tlx", "Speed.tlx"} << false << 0;
        QTest::newRow("no file") << QStringList {} << false << 0;
    }

    // Dragging and naming on the command line follow one rule: exactly one readable regular file
    // with the suffix "tlx". A drop opens what is there by then.
    void roads()
    {
        QFETCH(QStringList, names);
        QFETCH(bool, accepted);
        QFETCH(int, messages);
        QTemporaryDir dir;
        writeSet(dir.path(), 2);
        for (const char* name : {"SPEED.TLX", "speed.Tlx", "speed.csv", "Speed.tlx"})
            QVERIFY(QFile::copy(dir.filePath("speed.tlx"), dir.filePath(name)));
        QVERIFY(QDir(dir.path()).mkdir("folder.tlx") && place(dir.path(), "pipe.tlx", "|fifo"));
        const bool swapped = names.removeAll("|fifo");
        QList<QUrl> urls;
        QList<QByteArray> arguments {"curvescope"};
        for (const QString& name : names) {
            urls << QUrl::fromLocalFile(dir.filePath(name));
            arguments << QFile::encodeName(dir.filePath(name));
        }
        QVector<char*> argv;
        for (QByteArray& argument : arguments)
            argv << argument.data();
        QMimeData data;
        data.setUrls(urls);

        MainWindow window;
        ModalCatcher catcher;
        QDragEnterEvent enter(QPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &enter);
        QCOMPARE(enter.isAccepted(), accepted);
        QVERIFY(!swapped || place(dir.path(), names.first(), "|fifo"));
        QDropEvent drop(QPointF(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        if (accepted)
            QCoreApplication::sendEvent(&window, &drop);
        QCOMPARE(plotOf(window) != nullptr, accepted && messages == 0);
        QVERIFY(QMetaObject::invokeMethod(&window, "CloseFile"));
        window.OpenFileFromCommandLine(arguments.size(), argv.data());
        QVERIFY(commandsShow(window, accepted && messages == 0));
        QCOMPARE(catcher.messages().size(), messages);
    }

    void viewFollowsTheUserOnly_data()
    {
        QTest::addColumn<QString>("file");
        for (const char* file :
            {"speed.tlx", "global_timing.tlx", "firing_angles.tlx", "secondary_voltages.tlx",
                "analog_output.tlx", "knocking_intensity.tlx", "temperatures.tlx"})
            QTest::newRow(file) << file;
    }

    // Zoom, pan, the mouse buttons and the legend change the axis ranges as described; hiding
    // and showing curves and resizing the window never do, zoomed or not. The full view is the
    // library's automatic scaling of all curves, when the plot opens and after the buttons.
    void viewFollowsTheUserOnly()
    {
        QFETCH(QString, file);
        MainWindow window;
        window.resize(900, 600);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window) && window.LoadTrendSet(Demo + file));
        TrendPlot* plot = plotOf(window);
        QWidget* canvas = plot->canvas();
        const QwtPlotItemList curves = plot->itemList(QwtPlotItem::Rtti_PlotCurve);
        QWidget* entry = qobject_cast<QwtLegend*>(plot->legend())
                             ->legendWidget(plot->itemToInfo(curves.first()));
        QRectF full;
        for (QwtPlotItem* curve : curves)
            full |= curve->boundingRect();
        double x1 = full.left(), x2 = full.right(), y1 = full.top(), y2 = full.bottom(), step = 0;
        QwtLinearScaleEngine().autoScale(8, x1, x2, step);
        QwtLinearScaleEngine().autoScale(8, y1, y2, step);
        full = QRectF(QPointF(x1, y1), QPointF(x2, y2));
        // Between canvas pixels and axis values, with the maps of the moment.
        const auto value = [plot](QPointF p) {
            return QPointF(plot->canvasMap(QwtPlot::xBottom).invTransform(p.x()),
                plot->canvasMap(QwtPlot::yLeft).invTransform(p.y()));
        };
        const auto pixel = [plot](QPointF v) {
            return QPointF(plot->canvasMap(QwtPlot::xBottom).transform(v.x()),
                plot->canvasMap(QwtPlot::yLeft).transform(v.y()));
        };
        const auto drag = [canvas](QPoint from, QPoint to, Qt::KeyboardModifiers keys) {
            QTest::mousePress(canvas, Qt::LeftButton, keys, from);
            QTest::mouseMove(canvas, (from + to) / 2);
            QTest::mouseMove(canvas, to);
            QTest::mouseRelease(canvas, Qt::LeftButton, keys, to);
        };
        QRectF zoomed;
        QRectF expected = full;
        for (const QString& step :
            QStringList {"open", "hide", "resize", "show", "zoom", "zoom", "hide", "resize", "show",
                "resize", "middle", "right", "hide", "reshow", "resize", "show", "pan"}) {
            const QPoint from(canvas->width() / 5, canvas->height() / 3);
            const QPoint to(canvas->width() * 3 / 4, canvas->height() * 4 / 5);
            double pixels = 1e-6; // how far off the view may end, on the canvas
            if (step == "zoom" || step == "pan") {
                const QPointF by = step == "pan" ? to - from : QPointF();
                expected = step == "pan" ? QRectF(value(pixel(full.topLeft()) - by),
                               value(pixel(full.bottomRight()) - by))
                                         : QRectF(value(from), value(to)).normalized();
                zoomed = zoomed.isNull() ? expected : zoomed;
                drag(from, to, step == "pan" ? Qt::ControlModifier : Qt::NoModifier);
                pixels = 1.5;
            } else if (step == "hide" || step == "show") {
                QTest::mouseClick(entry, Qt::LeftButton);
                QCOMPARE(curves.first()->isVisible(), step == "show");
            } else if (step == "resize") {
                window.resize(
                    window.width() == 900 ? 640 : 900, window.height() == 600 ? 520 : 600);
            } else if (step == "reshow") {
                window.hide();
                window.show();
                QVERIFY(QTest::qWaitForWindowExposed(&window));
            } else if (step == "middle" || step == "right") {
                QTest::mouseClick(canvas, step == "middle" ? Qt::MiddleButton : Qt::RightButton,
                    Qt::NoModifier, from);
                expected = step == "middle" ? zoomed : full;
                pixels = step == "middle" ? 1.5 : pixels;
            }
            QTest::qWait(20); // the time axis refits after changes of size and scale
            const QwtInterval x = plot->axisInterval(QwtPlot::xBottom);
            const QwtInterval y = plot->axisInterval(QwtPlot::yLeft);
            const QRectF base = canvas->findChild<TrendPlot::TrendPlotZoomer*>()->zoomBase();
            for (const QRectF& view :
                {QRectF(QPointF(x.minValue(), y.minValue()), QPointF(x.maxValue(), y.maxValue())),
                    step == "open" ? base : expected}) {
                const QPointF a = pixel(view.topLeft()) - pixel(expected.topLeft());
                const QPointF b = pixel(view.bottomRight()) - pixel(expected.bottomRight());
                const double off = a.manhattanLength() + b.manhattanLength();
                QVERIFY2(off <= pixels, qPrintable(QString("%1: %2 px off").arg(step).arg(off)));
            }
        }
    }

    // First use starts at home; closing without a choice changes nothing; a failed opening
    // still moves the remembered folder to the chosen file's folder.
    void openDialogRemembersFolder()
    {
        MainWindow window;
        ModalCatcher catcher;
        QStringList shown;
        QString choice;
        catcher.setFileDialogHandler([&](QFileDialog* dialog) {
            shown << dialog->directory().absolutePath() + ' ' + dialog->nameFilters().join(',');
            if (choice.isEmpty())
                return dialog->reject();
            dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(choice);
            QMetaObject::invokeMethod(dialog, "accept");
        });
        const QString unknown = CURVESCOPE_SOURCE_DIR "/CMakeLists.txt"; // no configuration there
        for (const QString& path : {QString(), Demo + "speed.tlx", unknown, QString()}) {
            choice = path;
            QVERIFY(QMetaObject::invokeMethod(&window, "OpenFile"));
            QCOMPARE(plotOf(window) != nullptr, choice == Demo + "speed.tlx");
        }
        const QStringList folders {
            QDir::homePath(), QDir::homePath(), QDir(Demo).absolutePath(), CURVESCOPE_SOURCE_DIR};
        QCOMPARE(shown.join(','), folders.join(" Trends (*.tlx),") + " Trends (*.tlx)");
        QCOMPARE(catcher.messages().size(), 1);
    }

    // Regressions: an allocation failure while reading ended the program with std::bad_alloc;
    // a first block of samples made the reservation count the junk behind it too. The openings
    // run again in a child process of this test whose address space is limited to what it uses
    // plus 64 MiB; an allocation failure that escapes ends the child with SIGABRT.
    void memoryRunsOut()
    {
#ifndef Q_OS_LINUX
        QSKIP("the address space is limited with setrlimit and measured in /proc");
#else
        const QString folder = qEnvironmentVariable("CURVESCOPE_MEMORY_PROBE");
        if (folder.isEmpty()) {
            QTemporaryDir dir;
            writeSet(dir.path(), 1);
            const QByteArray line = "3E8\t1.5\n";
            QVERIFY(TrendSetFiles::write(dir.path(), "global_timing.tlx", line.repeated(6000000)));
            QVERIFY(TrendSetFiles::write(dir.path(), "analog_output.tlx",
                line.repeated(120000) + (QByteArray(999, 'x') + '\n').repeated(60000)));
            QVERIFY(TrendSetFiles::write(
                dir.path(), "temperatures.tlx", QByteArray("3E8\t0\t1.5\n").repeated(2000000)));
            // Only this test reads the variable: it may stay set for the rest of the run.
            qputenv("CURVESCOPE_MEMORY_PROBE", QFile::encodeName(dir.path()));
            QCOMPARE(
                QProcess::execute(QCoreApplication::applicationFilePath(), {"memoryRunsOut"}), 0);
            return;
        }
        QVERIFY(LimitAddressSpace(qint64(64) << 20));
        MainWindow window;
        ModalCatcher catcher;
        QVERIFY(!window.LoadTrendSet(folder + "/global_timing.tlx"));
        QVERIFY(window.LoadTrendSet(folder + "/analog_output.tlx"));
        QVERIFY(window.LoadTrendSet(folder + "/temperatures.tlx"));
        // A CSV export without room for the time stamps of its list fails, says so and leaves
        // no file.
        const QString csv = folder + "/temperatures.csv";
        catcher.setFileDialogHandler([&](QFileDialog* dialog) {
            for (QRadioButton* button : dialog->findChildren<QRadioButton*>())
                if (button->text() == "Timestamp List")
                    button->click();
            QTimer::singleShot(0, dialog, [dialog] { static_cast<QDialog*>(dialog)->accept(); });
        });
        QVERIFY(
            LimitAddressSpace(qint64(8) << 20) && QMetaObject::invokeMethod(&window, "ExportCsv"));
        QCOMPARE(catcher.messages(),
            QStringList({"3|Reading file failed|Unable to read data from file " + folder
                    + "/global_timing.tlx!",
                "3|CSV export failed|Unable to write data to file '" + csv + "' !\n"}));
        QVERIFY(!QFile::exists(csv));
#endif
    }

    // Regression: without a display the demo saved the whole, mostly black virtual screen.
    void demoScriptShowsTheWindowWithItsCurve()
    {
        // The script's private X server and its screenshot need these; without them the check
        // cannot run here, which says nothing about the program.
        for (const char* tool : {"xvfb-run", "xdotool", "import"}) {
            if (QStandardPaths::findExecutable(tool).isEmpty())
                QSKIP(qPrintable(
                    QString("%1 is not installed (scripts/setup.sh installs it)").arg(tool)));
        }
        const QString shot = CURVESCOPE_BINARY_DIR "/demo-screenshot.png";
        QFile::remove(shot);
        // With settings in a throwaway home and without the caller's display.
        QTemporaryDir home;
        QCOMPARE(QProcess::execute("env",
                     {"-u", "DISPLAY", "-u", "WAYLAND_DISPLAY", "XDG_CONFIG_HOME=" + home.path(),
                         "CURVESCOPE_BUILD_DIR=" CURVESCOPE_BINARY_DIR, "bash",
                         CURVESCOPE_SOURCE_DIR "/scripts/run-demo.sh"}),
            0);
        const QImage image = QImage(shot).convertToFormat(QImage::Format_ARGB32);
        QVERIFY(image.width() >= 700 && image.height() >= 500 && image.size() != QSize(1280, 900));
        const auto* pixels = reinterpret_cast<const QRgb*>(image.constBits());
        const QRgb* end = pixels + image.width() * image.height();
        // The window's own background reaches into its corner; the empty screen would be black.
        QVERIFY(QColor(end[-1]).lightness() > 100);
        // The speed curve is the first curve of its plot and so drawn in dark red (128, 0, 0).
        QVERIFY(std::count_if(pixels, end, [](QRgb c) {
            return qRed(c) > 100 && qRed(c) < 160 && qGreen(c) < 40 && qBlue(c) < 40;
        }) > 300);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
