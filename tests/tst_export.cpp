// The export commands of the main window on real trend sets: CSV files of every recording
// kind, plot files in each offered format, refusals and failures with their messages, and the
// clipboard picture.

#include "MainWindow.h"
#include "ModalCatcher.h"
#include "PlotExportFormats.h"
#include "TrendPlot.h"
#include "TrendSetFiles.h"

#include <QtTest>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QGroupBox>
#include <QImageReader>
#include <QImageWriter>
#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>
#include <QTemporaryDir>
#include <cmath>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

namespace {

// 2016-03-01 10:15:00 in Berlin, where the tests run.
const qint64 Start = Q_INT64_C(1456823700000);

// Answers the file dialog of a command: remembers what it proposed and picks a file.
struct FileChoice {
    QString target; // empty: cancel
    QString layout; // radio button to click in the CSV dialog, if any
    QString proposedFolder;
    QString proposedName;
    QStringList filters;
    QString caption;
    QString pairsState;

    void Install(ModalCatcher& catcher)
    {
        catcher.setFileDialogHandler([this](QFileDialog* dialog) {
            proposedFolder = dialog->directory().absolutePath();
            proposedName = dialog->findChild<QLineEdit*>("fileNameEdit")->text();
            filters = dialog->nameFilters();
            caption = dialog->windowTitle();
            for (QRadioButton* button : dialog->findChildren<QRadioButton*>()) {
                if (button->text() == "Time/Data Pairs")
                    pairsState = button->isChecked() ? "on" : "off";
                if (button->text() == layout)
                    button->click();
            }
            if (target.isEmpty()) {
                dialog->reject();
                return;
            }
            auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
            edit->setText(target);
            // From a timer of its own, so that a question it asks can still be answered.
            QTimer::singleShot(0, dialog, [dialog] { static_cast<QDialog*>(dialog)->accept(); });
        });
    }
};

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        && file.write(bytes) == bytes.size();
}

// A set with one file of every kind: two samples of speed, timing and output, and three
// cylinders named A1, B "2" and C;3 of which the second recorded nothing.
void WriteSet(const QString& dir)
{
    TrendSetFiles::write(
        dir, "configuration.tlx", TrendSetFiles::configuration(Start, 3, {"A1", "B2", "C3"}));
    TrendSetFiles::write(dir, "speed.tlx", TrendSetFiles::twoColumns({0, 1500}, {1500.0, -2.125}));
    TrendSetFiles::write(
        dir, "global_timing.tlx", TrendSetFiles::twoColumns({0, 250}, {12.5, 13.75}));
    TrendSetFiles::write(dir, "analog_output.tlx", TrendSetFiles::twoColumns({10}, {99.999}));
    const QByteArray three = TrendSetFiles::threeColumns(
        {0, 0, 500, 500, 1000}, {0, 2, 0, 2, 0}, {12.5, 13.0, 12.75, 13.25, 12.8});
    for (const char* name : {"firing_angles.tlx", "secondary_voltages.tlx",
             "knocking_intensity.tlx", "temperatures.tlx"})
        TrendSetFiles::write(dir, name, three);
}

// Runs this program again to export under a file size limit; prints what the user was told.
bool RunLimitedChild(const QStringList& arguments, QByteArray* output)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), arguments);
    if (!child.waitForFinished(120000))
        return false;
    *output = child.readAll();
    return child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0;
}

} // namespace

class TestExport : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void csvOfEveryKind_data();
    void csvOfEveryKind();
    void csvCanceled();
    void csvUnwritableFolder();
    void csvFullDiskKeepsEarlierFile();
    void plotDialog();
    void plotFiles_data();
    void plotFiles();
    void plotFormats_data();
    void plotFormats();
    void plotRefused_data();
    void plotRefused();
    void plotUnwritableFolder();
    void plotFullDiskKeepsEarlierFile_data();
    void plotFullDiskKeepsEarlierFile();
    void hugeCurveGivesSmallDocuments();
    void clipboardFollowsWindowSize();

private:
    QTemporaryDir m_dir;
    QString m_set;
};

void TestExport::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_set = m_dir.filePath("set");
    QVERIFY(QDir().mkpath(m_set));
    WriteSet(m_set);
}

void TestExport::csvOfEveryKind_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("speed pairs") << "speed.tlx"
                                 << "Time/Data Pairs"
                                 << QByteArray("Date Time;\"Speed (RPM)\"\n"
                                               "2016-03-01 10:15:00.000;1,500.00\n"
                                               "2016-03-01 10:15:01.500;-2.13\n");
    QTest::newRow("timing list") << "global_timing.tlx"
                                 << "Timestamp List"
                                 << QByteArray("2016-03-01 10:15:00.000;0;12.50\n"
                                               "2016-03-01 10:15:00.250;0;13.75\n");
    QTest::newRow("timing pairs") << "global_timing.tlx"
                                  << "Time/Data Pairs"
                                  << QByteArray("Date Time;\"Global Timing [\xc2\xb0]\"\n"
                                                "2016-03-01 10:15:00.000;12.50\n"
                                                "2016-03-01 10:15:00.250;13.75\n");
    QTest::newRow("output pairs") << "analog_output.tlx"
                                  << "Time/Data Pairs"
                                  << QByteArray("Date Time;\"Output [%]\"\n"
                                                "2016-03-01 10:15:00.010;100.00\n");
    const QByteArray cylinderPairs
        = "Date Time;\"A1\";Date Time;\"B2\";Date Time;\"C3\"\n"
          "2016-03-01 10:15:00.000;12.50; ;;2016-03-01 10:15:00.000;13.00\n"
          "2016-03-01 10:15:00.500;12.75; ;;2016-03-01 10:15:00.500;13.25\n"
          "2016-03-01 10:15:01.000;12.80; ;; ;\n";
    const QByteArray cylinderList = "2016-03-01 10:15:00.000;0;12.50\n"
                                    "2016-03-01 10:15:00.000;2;13.00\n"
                                    "2016-03-01 10:15:00.500;0;12.75\n"
                                    "2016-03-01 10:15:00.500;2;13.25\n"
                                    "2016-03-01 10:15:01.000;0;12.80\n";
    for (const char* name :
        {"firing_angles", "secondary_voltages", "knocking_intensity", "temperatures"}) {
        QTest::newRow(qPrintable(QString(name) + " pairs")) << QString(name) + ".tlx"
                                                            << "Time/Data Pairs" << cylinderPairs;
        QTest::newRow(qPrintable(QString(name) + " list")) << QString(name) + ".tlx"
                                                           << "Timestamp List" << cylinderList;
    }
}

void TestExport::csvOfEveryKind()
{
    QFETCH(QString, file);
    QFETCH(QString, layout);
    QFETCH(QByteArray, expected);

    MainWindow window;
    ModalCatcher catcher;
    QVERIFY(window.LoadTrendSet(QDir(m_set).filePath(file)));
    FileChoice choice;
    // No suffix is added to the chosen name.
    choice.target = m_dir.filePath("export-" + QFileInfo(file).baseName() + "-"
        + (layout == "Timestamp List" ? "list" : "pairs"));
    choice.layout = layout;
    choice.Install(catcher);

    QVERIFY(QMetaObject::invokeMethod(&window, "ExportCsv"));
    QCOMPARE(catcher.fileDialogsSeen(), 1);
    QCOMPARE(catcher.messages().size(), 0);
    QCOMPARE(choice.proposedFolder, QDir(m_set).absolutePath());
    QCOMPARE(choice.proposedName, QFileInfo(file).baseName() + ".csv");
    QCOMPARE(choice.caption, QString("Save File"));
    QCOMPARE(choice.pairsState, QString("on"));
    QCOMPARE(ReadAll(choice.target), expected);
    QVERIFY(!QApplication::overrideCursor());
}

void TestExport::csvCanceled()
{
    MainWindow window;
    ModalCatcher catcher;
    QVERIFY(window.LoadTrendSet(QDir(m_set).filePath("speed.tlx")));
    FileChoice choice;
    choice.layout = "Timestamp List";
    choice.Install(catcher);
    const QStringList before = QDir(m_set).entryList(QDir::Files);
    QVERIFY(QMetaObject::invokeMethod(&window, "ExportCsv"));
    QCOMPARE(catcher.fileDialogsSeen(), 1);
    QCOMPARE(catcher.messages().size(), 0);
    QCOMPARE(QDir(m_set).entryList(QDir::Files), before);

    // The next export again proposes Time/Data Pairs.
    QVERIFY(QMetaObject::invokeMethod(&window, "ExportCsv"));
    QCOMPARE(choice.pairsState, QString("on"));
}

void TestExport::csvUnwritableFolder()
{
    MainWindow window;
    ModalCatcher catcher;
    QVERIFY(window.LoadTrendSet(QDir(m_set).filePath("speed.tlx")));
    // A folder below a plain file cannot exist, not even for the super-user.
    const QString blocker = m_dir.filePath("blocker");
    QVERIFY(WriteFile(blocker, "x"));
    FileChoice choice;
    choice.target = blocker + "/out.csv";
    choice.Install(catcher);
    QVERIFY(QMetaObject::invokeMethod(&window, "ExportCsv"));
    QCOMPARE(catcher.messages().size(), 1);
    const ModalCatcher::Message message = catcher.messages().first();
    QCOMPARE(message.icon, QMessageBox::Critical);
    QCOMPARE(message.title, QString("CSV export failed"));
    QCOMPARE(message.text, QString("Unable to write data to file '%1' !\n").arg(choice.target));
    QVERIFY(!QApplication::overrideCursor());
}

void TestExport::csvFullDiskKeepsEarlierFile()
{
#ifdef Q_OS_UNIX
    // Regression: a disk that filled up during the export left a truncated CSV and no message.
    const QString folder = m_dir.filePath("full-csv");
    QVERIFY(QDir().mkpath(folder));
    TrendSetFiles::write(folder, "configuration.tlx", TrendSetFiles::configuration(Start, 1));
    QList<qint64> offsets;
    QList<double> values;
    for (int i = 0; i < 20000; ++i) {
        offsets << i * 10;
        values << std::sin(i * 0.01) * 1000.0;
    }
    TrendSetFiles::write(folder, "speed.tlx", TrendSetFiles::twoColumns(offsets, values));
    const QString target = folder + "/speed.csv";
    QVERIFY(WriteFile(target, "earlier export\n"));

    QByteArray output;
    QVERIFY2(
        RunLimitedChild(
            {"--export-limited", "ExportCsv", folder + "/speed.tlx", target, "100000"}, &output),
        output.constData());
    QVERIFY2(output.contains("message: CSV export failed|Unable to write data to file '"
                 + target.toUtf8() + "' !\n"),
        output.constData());
    QCOMPARE(ReadAll(target), QByteArray("earlier export\n"));
    QCOMPARE(QDir(folder).entryList({"speed.csv*"}, QDir::Files | QDir::Hidden),
        QStringList {"speed.csv"});
#else
    QSKIP("File size limits are a POSIX feature");
#endif
}

void TestExport::plotDialog()
{
    MainWindow window;
    ModalCatcher catcher;
    QVERIFY(window.LoadTrendSet(QDir(m_set).filePath("speed.tlx")));
    FileChoice choice;
    choice.Install(catcher);
    QVERIFY(QMetaObject::invokeMethod(&window, "ExportPlot"));
    QCOMPARE(catcher.fileDialogsSeen(), 1);
    QCOMPARE(catcher.messages().size(), 0);
    QCOMPARE(choice.caption, QString("Export File Name"));
    QCOMPARE(choice.proposedFolder, QDir(m_set).absolutePath());
    QCOMPARE(choice.proposedName, QString("speed.png"));

    QStringList patterns;
    for (const QByteArray& format : QImageWriter::supportedImageFormats())
        patterns << "*." + QString::fromLatin1(format);
    QVERIFY(patterns.contains("*.png"));
    QCOMPARE(choice.filters,
        QStringList({"Images (" + patterns.join(' ') + ")", "SVG Documents (*.svg)",
            "Postscript Documents (*.ps)", "PDF Documents (*.pdf)"}));
    QCOMPARE(QDir(m_set).entryList({"*.png"}), QStringList());
}

void TestExport::plotFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("png") << "plot.png";
    QTest::newRow("jpg") << "plot.jpg";
    QTest::newRow("bmp") << "plot.bmp";
    QTest::newRow("svg") << "plot.svg";
    QTest::newRow("pdf") << "plot.pdf";
    QTest::newRow("ps") << "plot.ps";
}

void TestExport::plotFiles()
{
    QFETCH(QString, name);
    MainWindow window;
    ModalCatcher catcher;
    QVERIFY(window.LoadTrendSet(QDir(m_set).filePath("firing_angles.tlx")));
    const QString target = m_dir.filePath(name);
    QVERIFY(WriteFile(target, "earlier file"));
    FileChoice choice;
    choice.target = target;
    choice.Install(catcher);
    QVERIFY(QMetaObject::invokeMethod(&window, "ExportPlot"));
    // The file dialog asks before it replaces the earlier file; the catcher says yes.
    const QList<ModalCatcher::Message> messages = catcher.messages();
    QVERIFY(messages.size() >= 1);
    QCOMPARE(messages[0].text, name + " already exists.\nDo you want to replace it?");

    const QByteArray bytes = ReadAll(target);
    const QString suffix = QFileInfo(name).suffix();
    if (suffix == "ps") {
        // Qwt 6.1 built with Qt 5 has no PostScript output and writes nothing for ps; the user
        // is told so instead of finding no file, and the earlier file stays.
        QCOMPARE(messages.size(), 2);
        QCOMPARE(messages[1].icon, QMessageBox::Critical);
        QCOMPARE(messages[1].title, QString("Plot export failed"));
        QCOMPARE(bytes, QByteArray("earlier file"));
        return;
    }
    QCOMPARE(messages.size(), 1);
    if (suffix == "svg") {
        QVERIFY(bytes.startsWith("<?xml"));
        // 300 x 200 mm at 170 dots per inch.
        QVERIFY(bytes.contains("<svg viewBox=\"0 0 2007.87 1338.58\""));
        QVERIFY(bytes.trimmed().endsWith("</svg>"));
    } else if (suffix == "pdf") {
        // 300 x 200 mm in whole points.
        QVERIFY(bytes.startsWith("%PDF-"));
        QVERIFY(bytes.contains("/MediaBox [0 0 850.000000 567.000000]"));
        QVERIFY(bytes.trimmed().endsWith("%%EOF"));
    } else {
        // 300 x 200 mm at 170 dots per inch.
        QImageReader reader(target);
        QCOMPARE(reader.format(), suffix == "jpg" ? QByteArray("jpeg") : suffix.toLatin1());
        const QImage image = reader.read();
        QCOMPARE(image.size(), QSize(qRound(300.0 / 25.4 * 170), qRound(200.0 / 25.4 * 170)));
        QCOMPARE(qRound(image.dotsPerMeterX() * 0.0254), 170);
    }
    QCOMPARE(
        QDir(m_dir.path()).entryList({".curvescope-*"}, QDir::Files | QDir::Hidden), QStringList());
}

void TestExport::plotFormats_data()
{
    QTest::addColumn<QList<QByteArray>>("images");
    QTest::addColumn<QStringList>("filters");
    QTest::addColumn<QString>("accepted");

    const QStringList documents {
        "SVG Documents (*.svg)", "Postscript Documents (*.ps)", "PDF Documents (*.pdf)"};
    QTest::newRow("no image formats") << QList<QByteArray>() << documents << "svg ps pdf";
    QTest::newRow("three formats")
        << QList<QByteArray> {"bmp", "jpg", "png"}
        << QStringList {"Images (*.bmp *.jpg *.png)"} + documents << "bmp jpg png svg ps pdf";
    // A name with a NUL byte is shown up to it.
    QTest::newRow("NUL in a name")
        << QList<QByteArray> {QByteArray("tif\0f", 5), "png"}
        << QStringList {"Images (*.tif *.png)"} + documents << "tif png svg ps pdf";
}

void TestExport::plotFormats()
{
    QFETCH(QList<QByteArray>, images);
    QFETCH(QStringList, filters);
    QFETCH(QString, accepted);

    const PlotExportFormats formats(images);
    QCOMPARE(formats.Filters(), filters);
    const QList<QByteArray> documentSuffixes {"svg", "ps", "pdf"};
    QCOMPARE(formats.AcceptedSuffixes(), images + documentSuffixes);
    QVERIFY(formats.Accepts("pdf"));
    QVERIFY(!formats.Accepts("PDF"));
    QVERIFY(!formats.Accepts(""));
    QCOMPARE(formats.Accepts("png"), images.contains("png"));
    QCOMPARE(formats.RefusalText("Png"),
        "The selected file format \"Png\" is not supported!\nPlease use one of the following "
        "file extensions:\n"
            + accepted);
}

void TestExport::plotRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shownSuffix");
    QTest::newRow("upper case") << "plot.PNG"
                                << "PNG";
    QTest::newRow("mixed case") << "plot.Pdf"
                                << "Pdf";
    QTest::newRow("no dot") << "plot"
                            << "";
    QTest::newRow("unknown") << "plot.csv"
                             << "csv";
}

void TestExport::plotRefused()
{
    QFETCH(QString, name);
    QFETCH(QString, shownSuffix);
    MainWindow window;
    ModalCatcher catcher;
    QVERIFY(window.LoadTrendSet(QDir(m_set).filePath("speed.tlx")));
    FileChoice choice;
    choice.target = m_dir.filePath(name);
    choice.Install(catcher);
    QVERIFY(QMetaObject::invokeMethod(&window, "ExportPlot"));
    QCOMPARE(catcher.fileDialogsSeen(), 1);
    QCOMPARE(catcher.messages().size(), 1);

    QStringList accepted;
    for (const QByteArray& format : QImageWriter::supportedImageFormats())
        accepted << QString::fromLatin1(format);
    accepted << "svg"
             << "ps"
             << "pdf";
    const ModalCatcher::Message message = catcher.messages().first();
    QCOMPARE(message.icon, QMessageBox::Critical);
    QCOMPARE(message.title, QString("Unsupported image format"));
    QCOMPARE(message.text,
        "The selected file format \"" + shownSuffix
            + "\" is not supported!\nPlease use one of the following file extensions:\n"
            + accepted.join(' '));
    QVERIFY(!QFileInfo::exists(choice.target));
}

void TestExport::plotUnwritableFolder()
{
    MainWindow window;
    ModalCatcher catcher;
    QVERIFY(window.LoadTrendSet(QDir(m_set).filePath("speed.tlx")));
    const QString blocker = m_dir.filePath("plot-blocker");
    QVERIFY(WriteFile(blocker, "x"));
    FileChoice choice;
    choice.target = blocker + "/plot.svg";
    choice.Install(catcher);
    QVERIFY(QMetaObject::invokeMethod(&window, "ExportPlot"));
    QCOMPARE(catcher.messages().size(), 1);
    const ModalCatcher::Message message = catcher.messages().first();
    QCOMPARE(message.icon, QMessageBox::Critical);
    QCOMPARE(message.title, QString("Plot export failed"));
    QCOMPARE(message.text, QString("Unable to write the plot to file '%1' !\n").arg(choice.target));
}

void TestExport::plotFullDiskKeepsEarlierFile_data()
{
    QTest::addColumn<QString>("suffix");
    QTest::newRow("png") << "png";
    QTest::newRow("svg") << "svg";
    QTest::newRow("pdf") << "pdf";
}

void TestExport::plotFullDiskKeepsEarlierFile()
{
#ifdef Q_OS_UNIX
    // Regression: a plot that could not be written in full was reported as nothing at all.
    QFETCH(QString, suffix);
    const QString target = m_dir.filePath("full-plot." + suffix);
    QVERIFY(WriteFile(target, "earlier plot"));
    QByteArray output;
    QVERIFY2(RunLimitedChild({"--export-limited", "ExportPlot",
                                 QDir(m_set).filePath("firing_angles.tlx"), target, "4000"},
                 &output),
        output.constData());
    QVERIFY2(output.contains("message: Plot export failed|Unable to write the plot to file '"
                 + target.toUtf8() + "' !\n"),
        output.constData());
    QCOMPARE(ReadAll(target), QByteArray("earlier plot"));
    QCOMPARE(
        QDir(m_dir.path()).entryList({".curvescope-*"}, QDir::Files | QDir::Hidden), QStringList());
#else
    QSKIP("File size limits are a POSIX feature");
#endif
}

void TestExport::hugeCurveGivesSmallDocuments()
{
    // Twenty million samples of a noisy signal: documents hold what 170 dpi can show.
    const int count = 20000000;
    QVector<double> times(count);
    QVector<double> values(count);
    quint32 noise = 1;
    for (int i = 0; i < count; ++i) {
        noise = noise * 1664525u + 1013904223u;
        times[i] = double(Start) + double(i) * 0.18;
        values[i] = 1000.0 + 50.0 * std::sin(i * 1e-5) + double(noise >> 24);
    }
    MainWindow window;
    auto* plot = new TrendPlot;
    plot->AddCurve(times, values, "huge");
    window.setCentralWidget(plot);
    ModalCatcher catcher;
    for (const char* name : {"huge.svg", "huge.pdf"}) {
        FileChoice choice;
        choice.target = m_dir.filePath(name);
        choice.Install(catcher);
        QVERIFY(QMetaObject::invokeMethod(&window, "ExportPlot"));
        QCOMPARE(catcher.messages().size(), 0);
        const qint64 size = QFileInfo(choice.target).size();
        QVERIFY2(size > 10000 && size < 8 * 1024 * 1024, qPrintable(QString::number(size)));
    }
}

void TestExport::clipboardFollowsWindowSize()
{
    MainWindow window;
    ModalCatcher catcher;
    QVERIFY(window.LoadTrendSet(QDir(m_set).filePath("speed.tlx")));
    window.resize(800, 600);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QWidget* plot = window.centralWidget();
    QVERIFY(qobject_cast<TrendPlot*>(plot));

    QGuiApplication::clipboard()->clear();
    QVERIFY(QMetaObject::invokeMethod(&window, "CopyPlotToClipboard"));
    const QSize first = QGuiApplication::clipboard()->pixmap().size();
    QCOMPARE(first, plot->size());

    window.resize(1200, 900);
    QTRY_COMPARE(plot->width(), window.width());
    QVERIFY(QMetaObject::invokeMethod(&window, "CopyPlotToClipboard"));
    const QPixmap second = QGuiApplication::clipboard()->pixmap();
    QCOMPARE(second.size(), plot->size());
    QVERIFY(second.width() > first.width() && second.height() > first.height());
    // Something was drawn: title, axes and curve differ from the background.
    const QImage image = second.toImage();
    int drawn = 0;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            drawn += image.pixel(x, y) != image.pixel(0, 0) ? 1 : 0;
    QVERIFY(drawn > 2000);
    QCOMPARE(catcher.messages().size(), 0);
}

// Child mode: --export-limited <slot> <data file> <target> <bytes>. Opens the set, limits the
// size of every file this process writes, runs the export and prints each message shown.
static int ExportLimitedChild(const QStringList& arguments)
{
    MainWindow window;
    ModalCatcher catcher;
    if (!window.LoadTrendSet(arguments.value(3)))
        return 2;
    FileChoice choice;
    choice.target = arguments.value(4);
    choice.Install(catcher);
#ifdef Q_OS_UNIX
    std::signal(SIGXFSZ, SIG_IGN);
    const rlim_t bytes = arguments.value(5).toULongLong();
    const struct rlimit limit = {bytes, bytes};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
        return 3;
#endif
    QMetaObject::invokeMethod(&window, arguments.value(2).toLatin1().constData());
    QTextStream out(stdout);
    for (const ModalCatcher::Message& message : catcher.messages())
        out << "message: " << message.title << '|' << message.text << '\n';
    return 0;
}

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (app.arguments().value(1) == QLatin1String("--export-limited"))
        return ExportLimitedChild(app.arguments());
    TestExport test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_export.moc"
