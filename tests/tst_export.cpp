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
    QString proposed; // folder/name
    QStringList filters;
    QString caption;
    bool pairsChecked = false;

    void Install(ModalCatcher& catcher)
    {
        catcher.setFileDialogHandler([this](QFileDialog* dialog) {
            auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
            proposed = dialog->directory().absolutePath() + '/' + edit->text();
            filters = dialog->nameFilters();
            caption = dialog->windowTitle();
            for (QRadioButton* button : dialog->findChildren<QRadioButton*>()) {
                if (button->text() == "Time/Data Pairs")
                    pairsChecked = button->isChecked();
                if (button->text() == layout)
                    button->click();
            }
            if (target.isEmpty())
                return dialog->reject();
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

QStringList Messages(const ModalCatcher& catcher)
{
    QStringList texts;
    for (const ModalCatcher::Message& m : catcher.messages())
        texts << QString("%1|%2|%3").arg(m.icon).arg(m.title, m.text);
    return texts;
}

} // namespace

class TestExport : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void csvOfEveryKind_data();
    void csvOfEveryKind();
    void csvCanceledOrRefused();
    void plotFiles_data();
    void plotFiles();
    void plotFormats();
    void plotRefused();
    void fullDiskKeepsEarlierFile();
    void clipboardFollowsWindowSize();

private:
    QTemporaryDir m_dir;
    QString m_set;
};

void TestExport::initTestCase()
{
    m_set = m_dir.filePath("set");
    QVERIFY(QDir().mkpath(m_set));
    // Two samples of speed, timing and output; three cylinders of which the second recorded
    // nothing.
    TrendSetFiles::write(
        m_set, "configuration.tlx", TrendSetFiles::configuration(Start, 3, {"A1", "B2", "C3"}));
    TrendSetFiles::write(
        m_set, "speed.tlx", TrendSetFiles::twoColumns({0, 1500}, {1500.0, -2.125}));
    TrendSetFiles::write(
        m_set, "global_timing.tlx", TrendSetFiles::twoColumns({0, 250}, {12.5, 13.75}));
    TrendSetFiles::write(m_set, "analog_output.tlx", TrendSetFiles::twoColumns({10}, {99.999}));
    const QByteArray three = TrendSetFiles::threeColumns(
        {0, 0, 500, 500, 1000}, {0, 2, 0, 2, 0}, {12.5, 13.0, 12.75, 13.25, 12.8});
    for (const char* name : {"firing_angles.tlx", "secondary_voltages.tlx",
             "knocking_intensity.tlx", "temperatures.tlx"})
        TrendSetFiles::write(m_set, name, three);
}

void TestExport::csvOfEveryKind_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("speed") << "speed"
                           << "Time/Data Pairs"
                           << QByteArray("Date Time;\"Speed (RPM)\"\n2016-03-01 10:15:00.000;"
                                         "1,500.00\n2016-03-01 10:15:01.500;-2.13\n");
    QTest::newRow("timing")
        << "global_timing"
        << "Time/Data Pairs"
        << QByteArray("Date Time;\"Global Timing [\xc2\xb0]\"\n2016-03-01 10:15:00.000;12.50\n"
                      "2016-03-01 10:15:00.250;13.75\n");
    QTest::newRow("output list") << "analog_output"
                                 << "Timestamp List"
                                 << QByteArray("2016-03-01 10:15:00.010;0;100.00\n");
    const QByteArray pairs = "Date Time;\"A1\";Date Time;\"B2\";Date Time;\"C3\"\n"
                             "2016-03-01 10:15:00.000;12.50; ;;2016-03-01 10:15:00.000;13.00\n"
                             "2016-03-01 10:15:00.500;12.75; ;;2016-03-01 10:15:00.500;13.25\n"
                             "2016-03-01 10:15:01.000;12.80; ;; ;\n";
    const QByteArray list = "2016-03-01 10:15:00.000;0;12.50\n2016-03-01 10:15:00.000;2;13.00\n"
                            "2016-03-01 10:15:00.500;0;12.75\n2016-03-01 10:15:00.500;2;13.25\n"
                            "2016-03-01 10:15:01.000;0;12.80\n";
    for (const char* name :
        {"firing_angles", "secondary_voltages", "knocking_intensity", "temperatures"}) {
        QTest::addRow("%s pairs", name) << name << "Time/Data Pairs" << pairs;
        QTest::addRow("%s list", name) << name << "Timestamp List" << list;
    }
}

void TestExport::csvOfEveryKind()
{
    QFETCH(QString, file);
    QFETCH(QString, layout);
    QFETCH(QByteArray, expected);
    MainWindow window;
    ModalCatcher catcher;
    QVERIFY(window.LoadTrendSet(QDir(m_set).filePath(file + ".tlx")));
    FileChoice choice;
    choice.target = m_dir.filePath(QTest::currentDataTag()); // no suffix is added
    choice.layout = layout;
    choice.Install(catcher);
    QVERIFY(QMetaObject::invokeMethod(&window, "ExportCsv"));
    QCOMPARE(Messages(catcher), QStringList());
    QCOMPARE(choice.proposed, QDir(m_set).absoluteFilePath(file + ".csv"));
    QCOMPARE(choice.caption, QString("Save File"));
    QVERIFY(choice.pairsChecked);
    QCOMPARE(ReadAll(choice.target), expected);
    QVERIFY(!QApplication::overrideCursor());
}

void TestExport::csvCanceledOrRefused()
{
    MainWindow window;
    ModalCatcher catcher;
    QVERIFY(window.LoadTrendSet(QDir(m_set).filePath("speed.tlx")));
    FileChoice choice;
    choice.layout = "Timestamp List";
    choice.Install(catcher);
    const QStringList before = QDir(m_set).entryList(QDir::Files);
    QVERIFY(QMetaObject::invokeMethod(&window, "ExportCsv"));
    // The next export again proposes Time/Data Pairs.
    QVERIFY(QMetaObject::invokeMethod(&window, "ExportCsv"));
    QVERIFY(choice.pairsChecked);
    QCOMPARE(catcher.fileDialogsSeen(), 2);
    QCOMPARE(QDir(m_set).entryList(QDir::Files), before);
    QCOMPARE(Messages(catcher), QStringList());

    // A folder below a plain file cannot exist, not even for the super-user.
    choice.target = QDir(m_set).filePath("speed.tlx/out.csv");
    QVERIFY(QMetaObject::invokeMethod(&window, "ExportCsv"));
    choice.target = QDir(m_set).filePath("speed.tlx/plot.svg");
    QVERIFY(QMetaObject::invokeMethod(&window, "ExportPlot"));
    QCOMPARE(Messages(catcher),
        QStringList({QString("%1|CSV export failed|Unable to write data to file '%2' !\n")
                         .arg(QMessageBox::Critical)
                         .arg(QDir(m_set).filePath("speed.tlx/out.csv")),
            QString("%1|Plot export failed|Unable to write the plot to file '%2' !\n")
                .arg(QMessageBox::Critical)
                .arg(choice.target)}));
    QVERIFY(!QApplication::overrideCursor());
}

void TestExport::plotFiles_data()
{
    QTest::addColumn<QString>("suffix");
    for (const char* suffix : {"png", "jpg", "bmp", "svg", "pdf", "ps"})
        QTest::newRow(suffix) << suffix;
}

void TestExport::plotFiles()
{
    QFETCH(QString, suffix);
    MainWindow window;
    ModalCatcher catcher;
    QVERIFY(window.LoadTrendSet(QDir(m_set).filePath("firing_angles.tlx")));
    const QString target = m_dir.filePath("plot." + suffix);
    QVERIFY(TrendSetFiles::write(m_dir.path(), "plot." + suffix, "earlier file"));
    FileChoice choice;
    choice.target = target;
    choice.Install(catcher);
    QVERIFY(QMetaObject::invokeMethod(&window, "ExportPlot"));
    // The file dialog asks before it replaces the earlier file; the catcher says yes.
    const QStringList messages = Messages(catcher);
    QCOMPARE(messages.value(0).section('|', 2),
        QString("plot.%1 already exists.\nDo you want to replace it?").arg(suffix));
    const QByteArray bytes = ReadAll(target);
    if (suffix == "ps") {
        // Qwt 6.1 built with Qt 5 has no PostScript output and writes nothing for ps; the user
        // is told so instead of finding no file, and the earlier file stays.
        QCOMPARE(messages.value(1).section('|', 0, 1),
            QString("%1|Plot export failed").arg(QMessageBox::Critical));
        QCOMPARE(bytes, QByteArray("earlier file"));
        return;
    }
    QCOMPARE(messages.size(), 1);
    if (suffix == "svg") {
        // 300 x 200 mm at 170 dots per inch.
        QVERIFY(bytes.startsWith("<?xml"));
        QVERIFY(bytes.contains("<svg viewBox=\"0 0 2007.87 1338.58\""));
        QVERIFY(bytes.trimmed().endsWith("</svg>"));
    } else if (suffix == "pdf") {
        // 300 x 200 mm in whole points.
        QVERIFY(bytes.startsWith("%PDF-"));
        QVERIFY(bytes.contains("/MediaBox [0 0 850.000000 567.000000]"));
        QVERIFY(bytes.trimmed().endsWith("%%EOF"));
    } else {
        QImageReader reader(target);
        QCOMPARE(reader.format(), suffix == "jpg" ? QByteArray("jpeg") : suffix.toLatin1());
        const QImage image = reader.read();
        QCOMPARE(image.size(), QSize(2008, 1339));
        QCOMPARE(qRound(image.dotsPerMeterX() * 0.0254), 170);
    }
    QCOMPARE(
        QDir(m_dir.path()).entryList({".curvescope-*"}, QDir::Files | QDir::Hidden), QStringList());
}

void TestExport::plotFormats()
{
    const QStringList documents {
        "SVG Documents (*.svg)", "Postscript Documents (*.ps)", "PDF Documents (*.pdf)"};
    QCOMPARE(PlotExportFormats({}).Filters(), documents);
    QCOMPARE(PlotExportFormats({}).RefusalText("png"),
        "The selected file format \"png\" is not supported!\nPlease use one of the following "
        "file extensions:\nsvg ps pdf");
    // A name with a NUL byte is shown up to it.
    const PlotExportFormats formats({QByteArray("tif\0f", 5), "png"});
    QCOMPARE(formats.Filters(), QStringList {"Images (*.tif *.png)"} + documents);
    QVERIFY(formats.Accepts("png") && formats.Accepts("pdf"));
    QVERIFY(!formats.Accepts("PDF") && !formats.Accepts("") && !formats.Accepts("jpg"));
}

// The plot dialog offers every image format Qt writes and the documents; other suffixes, in
// any other case too, are refused without a file.
void TestExport::plotRefused()
{
    MainWindow window;
    ModalCatcher catcher;
    QVERIFY(window.LoadTrendSet(QDir(m_set).filePath("speed.tlx")));
    FileChoice choice;
    choice.Install(catcher);
    QVERIFY(QMetaObject::invokeMethod(&window, "ExportPlot"));
    QCOMPARE(choice.caption, QString("Export File Name"));
    QCOMPARE(choice.proposed, QDir(m_set).absoluteFilePath("speed.png"));
    QStringList accepted;
    for (const QByteArray& format : QImageWriter::supportedImageFormats())
        accepted << QString::fromLatin1(format);
    QCOMPARE(choice.filters,
        QStringList({"Images (*." + accepted.join(" *.") + ")", "SVG Documents (*.svg)",
            "Postscript Documents (*.ps)", "PDF Documents (*.pdf)"}));
    QStringList expected;
    for (const char* name : {"plot.PNG", "plot.Pdf", "plot", "plot.csv"}) {
        choice.target = m_dir.filePath(name);
        QVERIFY(QMetaObject::invokeMethod(&window, "ExportPlot"));
        QVERIFY(!QFileInfo::exists(choice.target));
        expected << QString("%1|Unsupported image format|The selected file format \"%2\" is not "
                            "supported!\nPlease use one of the following file extensions:\n%3")
                        .arg(QMessageBox::Critical)
                        .arg(QFileInfo(name).suffix(),
                            (accepted + QStringList {"svg", "ps", "pdf"}).join(' '));
    }
    QCOMPARE(Messages(catcher), expected);
}

void TestExport::fullDiskKeepsEarlierFile()
{
#ifdef Q_OS_UNIX
    // Regression: a disk that filled up during an export left a truncated file and no message.
    const QString message = "CSV export failed|Unable to write data to file '%1' !\n";
    QList<qint64> offsets;
    QList<double> values;
    for (int i = 0; i < 20000; ++i) {
        offsets << i * 10;
        values << std::sin(i * 0.01) * 1000.0;
    }
    const QString folder = m_dir.filePath("full");
    QVERIFY(QDir().mkpath(folder));
    TrendSetFiles::write(folder, "configuration.tlx", TrendSetFiles::configuration(Start, 1));
    TrendSetFiles::write(folder, "speed.tlx", TrendSetFiles::twoColumns(offsets, values));
    const QString target = folder + "/speed.csv";
    QVERIFY(TrendSetFiles::write(folder, QFileInfo(target).fileName(), "earlier export\n"));
    // This program again, with every file it writes limited to 20000 bytes.
    QProcess child;
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(),
        {"--export-limited", "ExportCsv", folder + "/speed.tlx", target});
    QVERIFY(child.waitForFinished(120000));
    const QByteArray output = child.readAll();
    QVERIFY2(output.contains("message: " + message.arg(target).toUtf8()), output.constData());
    QCOMPARE(ReadAll(target), QByteArray("earlier export\n"));
    QCOMPARE(
        QDir(folder).entryList({"*.csv*"}, QDir::Files | QDir::Hidden), QStringList {"speed.csv"});
#else
    QSKIP("File size limits are a POSIX feature");
#endif
}

void TestExport::clipboardFollowsWindowSize()
{
    MainWindow window;
    QVERIFY(window.LoadTrendSet(QDir(m_set).filePath("speed.tlx")));
    window.resize(800, 600);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QWidget* plot = window.centralWidget();
    QVERIFY(QMetaObject::invokeMethod(&window, "CopyPlotToClipboard"));
    const QSize first = QGuiApplication::clipboard()->pixmap().size();
    QCOMPARE(first, plot->size());
    window.resize(1200, 900);
    QTRY_COMPARE(plot->width(), window.width());
    QVERIFY(QMetaObject::invokeMethod(&window, "CopyPlotToClipboard"));
    const QImage second = QGuiApplication::clipboard()->pixmap().toImage();
    QCOMPARE(second.size(), plot->size());
    QVERIFY(second.width() > first.width() && second.height() > first.height());
    QImage blank(second.size(), second.format());
    blank.fill(second.pixel(0, 0));
    QVERIFY(second != blank); // something was drawn
}

// Child mode: --export-limited <slot> <data file> <target>. Opens the set, limits the size of
// every file this process writes, runs the export and prints each message shown.
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
    const struct rlimit limit = {20000, 20000};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
        return 3;
#endif
    QMetaObject::invokeMethod(&window, arguments.value(2).toLatin1().constData());
    for (const ModalCatcher::Message& message : catcher.messages())
        QTextStream(stdout) << "message: " << message.title << '|' << message.text << '\n';
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
