// The export commands of the main window on real trend sets: the CSV save dialog with its layout
// choice, CSV files of every recording kind, plot files in each offered format, refusals and
// failures with their messages, and the clipboard picture.

#include "CCsvFileDialog.h"
#include "LockedFolder.h"
#include "MainWindow.h"
#include "ModalCatcher.h"
#include "PlotExportFormats.h"
#include "PlotFileWriter.h"
#include "TrendSetFiles.h"

#include <QtTest>
#include <QImageReader>
#include <QImageWriter>
#include <cmath>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

namespace {

// 2016-03-01 10:15:00 in Berlin, where the tests run.
const qint64 Start = Q_INT64_C(1456823700000);
const QString Pairs = "Time/Data Pairs";
const QString List = "Timestamp List";

// Answers the file dialog of a command: notes what it offers, clicks layouts, picks a file.
struct FileChoice {
    QString target; // empty: cancel
    QStringList clicks; // layout radio buttons, in this order
    QString offered; // caption, proposed path and filters
    QStringList layouts; // checked layout and enabled pictures, at opening and after each click

    void Install(ModalCatcher& catcher)
    {
        catcher.setFileDialogHandler([this](QFileDialog* dialog) {
            auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
            offered = QStringList(
                {dialog->windowTitle(), dialog->directory().absolutePath() + '/' + edit->text(),
                    dialog->nameFilters().join(";;")})
                          .join('|');
            layouts = QStringList {LayoutState(dialog)};
            for (const QString& click : clicks) {
                for (QRadioButton* button : dialog->findChildren<QRadioButton*>())
                    if (button->text() == click)
                        QTest::mouseClick(button, Qt::LeftButton);
                layouts << LayoutState(dialog);
            }
            if (target.isEmpty())
                return dialog->reject();
            edit->setText(target);
            // From a timer of its own, so that a question it asks can still be answered.
            QTimer::singleShot(0, dialog, [dialog] { static_cast<QDialog*>(dialog)->accept(); });
        });
    }

    static QString LayoutState(QFileDialog* dialog)
    {
        auto* box = dialog->findChild<QGroupBox*>();
        if (box == nullptr)
            return QString();
        QString state = box->title();
        for (QRadioButton* button : box->findChildren<QRadioButton*>())
            state += button->isChecked() ? ": " + button->text() + ' ' : QString();
        for (QLabel* label : box->findChildren<QLabel*>())
            state += label->pixmap(Qt::ReturnByValue).isNull() ? ""
                : label->isEnabled()                           ? "1"
                                                               : "0";
        return state;
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

// The question of a file dialog before it replaces an existing file.
QString Replace(const QString& caption, const QString& name)
{
    return QString("%1|%2|%3 already exists.\nDo you want to replace it?")
        .arg(QMessageBox::Warning)
        .arg(caption, name);
}

} // namespace

class TestExport : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_set = m_dir.filePath("set");
        QVERIFY(QDir().mkpath(m_set));
        // Two samples of speed and timing, one of output; three cylinders of which the second
        // recorded nothing.
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

    void csvOfEveryKind_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("speed") << "speed" << QStringList()
                               << QByteArray("Date Time;\"Speed (RPM)\"\n2016-03-01 10:15:00.000;"
                                             "1,500.00\n2016-03-01 10:15:01.500;-2.13\n");
        QTest::newRow("timing")
            << "global_timing" << QStringList({List, List, Pairs})
            << QByteArray("Date Time;\"Global Timing [\xc2\xb0]\"\n2016-03-01 10:15:00.000;12.50\n"
                          "2016-03-01 10:15:00.250;13.75\n");
        QTest::newRow("output list") << "analog_output" << QStringList({Pairs, List})
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
            QTest::addRow("%s pairs", name) << name << QStringList() << pairs;
            QTest::addRow("%s list", name) << name << QStringList {List} << list;
        }
    }

    void csvOfEveryKind()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, clicks);
        QFETCH(QByteArray, expected);
        MainWindow window;
        ModalCatcher catcher;
        QVERIFY(window.LoadTrendSet(QDir(m_set).filePath(file + ".tlx")));
        FileChoice choice;
        choice.target = m_dir.filePath(QTest::currentDataTag()); // no suffix is added
        QVERIFY(TrendSetFiles::write(m_dir.path(), QTest::currentDataTag(), "earlier file"));
        choice.clicks = clicks;
        choice.Install(catcher);
        QVERIFY(QMetaObject::invokeMethod(&window, "ExportCsv"));
        QCOMPARE(Messages(catcher), QStringList {Replace("Save File", QTest::currentDataTag())});
        QCOMPARE(choice.offered,
            "Save File|" + QDir(m_set).absoluteFilePath(file + ".csv")
                + "|Comma-Separated Values (*.csv);;All (*.*)");
        // Exactly the picture of the checked layout is enabled, also after clicking the
        // layout that is already on.
        QStringList layouts {"Chose CSV Format: Time/Data Pairs 10"};
        for (const QString& click : clicks)
            layouts << (click == Pairs ? layouts.first() : "Chose CSV Format: Timestamp List 01");
        QCOMPARE(choice.layouts, layouts);
        QCOMPARE(ReadAll(choice.target), expected);
        QVERIFY(!QApplication::overrideCursor());
    }

    void csvLayoutFlag()
    {
        // The flag preselects Timestamp List; a canceled dialog leaves it as it was.
        ModalCatcher catcher;
        FileChoice choice;
        choice.clicks = QStringList {Pairs};
        choice.Install(catcher);
        bool list = true;
        const QString proposed = m_dir.filePath("speed.csv");
        QCOMPARE(CCsvFileDialog::GetCsvSaveFileName(list, proposed, nullptr), QString());
        QVERIFY(list);
        QCOMPARE(choice.layouts,
            QStringList(
                {"Chose CSV Format: Timestamp List 01", "Chose CSV Format: Time/Data Pairs 10"}));
        choice.target = proposed;
        QCOMPARE(CCsvFileDialog::GetCsvSaveFileName(list, proposed, nullptr), proposed);
        QVERIFY(!list);
    }

    void csvCanceledOrRefused()
    {
        MainWindow window;
        ModalCatcher catcher;
        QVERIFY(window.LoadTrendSet(QDir(m_set).filePath("speed.tlx")));
        FileChoice choice;
        choice.clicks = QStringList {List};
        choice.Install(catcher);
        const QStringList before = QDir(m_set).entryList(QDir::Files);
        QVERIFY(QMetaObject::invokeMethod(&window, "ExportCsv"));
        // The next export again proposes Time/Data Pairs.
        QVERIFY(QMetaObject::invokeMethod(&window, "ExportCsv"));
        QCOMPARE(choice.layouts.value(0), QString("Chose CSV Format: Time/Data Pairs 10"));
        QCOMPARE(catcher.fileDialogsSeen(), 2);
        QCOMPARE(QDir(m_set).entryList(QDir::Files), before);
        QCOMPARE(Messages(catcher), QStringList());

        // A folder below a plain file cannot exist, not even for the super-user.
        choice.target = QDir(m_set).filePath("speed.tlx/out.csv");
        QVERIFY(QMetaObject::invokeMethod(&window, "ExportCsv"));
        const QString csvTarget = choice.target;
        choice.target = QDir(m_set).filePath("speed.tlx/plot.svg");
        QVERIFY(QMetaObject::invokeMethod(&window, "ExportPlot"));
        QCOMPARE(Messages(catcher),
            QStringList({QString("%1|CSV export failed|Unable to write data to file '%2' !\n")
                             .arg(QMessageBox::Critical)
                             .arg(csvTarget),
                QString("%1|Plot export failed|Unable to write the plot to file '%2' !\n")
                    .arg(QMessageBox::Critical)
                    .arg(choice.target)}));
        QVERIFY(!QApplication::overrideCursor());
    }

    void plotFiles_data()
    {
        QTest::addColumn<QString>("suffix");
        for (const char* suffix : {"png", "jpg", "bmp", "svg", "pdf", "ps"})
            QTest::newRow(suffix) << suffix;
    }

    void plotFiles()
    {
        QFETCH(QString, suffix);
        MainWindow window;
        ModalCatcher catcher;
        QVERIFY(window.LoadTrendSet(QDir(m_set).filePath("firing_angles.tlx")));
        FileChoice choice;
        choice.target = m_dir.filePath("plot." + suffix);
        QVERIFY(TrendSetFiles::write(m_dir.path(), "plot." + suffix, "earlier file"));
        choice.Install(catcher);
        QVERIFY(QMetaObject::invokeMethod(&window, "ExportPlot"));
        const QStringList messages = Messages(catcher);
        QCOMPARE(messages.value(0), Replace("Export File Name", "plot." + suffix));
        const QByteArray bytes = ReadAll(choice.target);
        QCOMPARE(QDir(m_dir.path()).entryList({".curvescope-*"}, QDir::Files | QDir::Hidden),
            QStringList());
        if (suffix == "ps") {
            // Qwt 6.1 built with Qt 5 has no PostScript output and writes nothing for ps; the
            // user is told so instead of finding no file, and the earlier file stays.
            QCOMPARE(messages.value(1).section('|', 0, 1),
                QString("%1|Plot export failed").arg(QMessageBox::Critical));
            QCOMPARE(bytes, QByteArray("earlier file"));
            return;
        }
        QCOMPARE(messages.size(), 1);
        if (suffix == "svg") {
            // 300 x 200 mm at 170 dots per inch.
            QVERIFY(bytes.contains("<svg viewBox=\"0 0 2007.87 1338.58\""));
        } else if (suffix == "pdf") {
            // 300 x 200 mm in whole points.
            QVERIFY(bytes.contains("/MediaBox [0 0 850.000000 567.000000]"));
        } else {
            QImageReader reader(choice.target);
            QCOMPARE(reader.format(), suffix == "jpg" ? QByteArray("jpeg") : suffix.toLatin1());
            const QImage image = reader.read();
            QCOMPARE(image.size(), QSize(2008, 1339));
            QCOMPARE(qRound(image.dotsPerMeterX() * 0.0254), 170);
        }
        // Regression: a document that stopped when the disk filled up was taken as written.
        QVERIFY(PlotFileWriter::IsComplete(choice.target, suffix));
        QVERIFY(TrendSetFiles::write(m_dir.path(), "plot." + suffix, bytes.left(bytes.size() / 2)));
        QVERIFY(!PlotFileWriter::IsComplete(choice.target, suffix));
    }

    // The plot dialog offers every image format Qt writes and the documents; other suffixes, in
    // any other case too, are refused without a file.
    void plotRefused()
    {
        MainWindow window;
        ModalCatcher catcher;
        QVERIFY(window.LoadTrendSet(QDir(m_set).filePath("speed.tlx")));
        FileChoice choice;
        choice.Install(catcher);
        QVERIFY(QMetaObject::invokeMethod(&window, "ExportPlot"));
        QStringList accepted;
        for (const QByteArray& format : QImageWriter::supportedImageFormats())
            accepted << QString::fromLatin1(format);
        const QString documents
            = "SVG Documents (*.svg);;Postscript Documents (*.ps);;PDF Documents (*.pdf)";
        QCOMPARE(choice.offered,
            "Export File Name|" + QDir(m_set).absoluteFilePath("speed.png") + "|Images (*."
                + accepted.join(" *.") + ");;" + documents);
        const QString refusal = "%1|Unsupported image format|The selected file format \"%2\" is "
                                "not supported!\nPlease use one of the following file "
                                "extensions:\n%3";
        QStringList expected;
        for (const char* name : {"plot.PNG", "plot.Pdf", "plot", "plot.csv"}) {
            choice.target = m_dir.filePath(name);
            QVERIFY(QMetaObject::invokeMethod(&window, "ExportPlot"));
            QVERIFY(!QFileInfo::exists(choice.target));
            expected << refusal.arg(QMessageBox::Critical)
                            .arg(QFileInfo(name).suffix(),
                                (accepted + QStringList {"svg", "ps", "pdf"}).join(' '));
        }
        QCOMPARE(Messages(catcher), expected);
        // Without image formats only the documents; a format name is shown up to a NUL byte.
        QCOMPARE(PlotExportFormats({}).Filters().join(";;"), documents);
        QCOMPARE(PlotExportFormats({}).RefusalText("png"),
            refusal.section('|', 2).arg("png", "svg ps pdf"));
        QCOMPARE(PlotExportFormats({QByteArray("tif\0f", 5)}).Filters().value(0),
            QString("Images (*.tif)"));
    }

    // Regression: every export failed in a folder that lets existing files be overwritten only.
    void folderThatRefusesNewFiles()
    {
        const QString folder = m_dir.filePath("locked");
        QVERIFY(QDir().mkpath(folder));
        for (const char* name : {"speed.csv", "plot.png"})
            QVERIFY(TrendSetFiles::write(folder, name, "earlier file"));
        LockedFolder lock(folder);
        if (!lock.IsLocked())
            QSKIP("no way to make a folder that refuses new files here");
        MainWindow window;
        ModalCatcher catcher;
        QVERIFY(window.LoadTrendSet(QDir(m_set).filePath("speed.tlx")));
        FileChoice choice;
        choice.Install(catcher);
        for (const char* name : {"speed.csv", "plot.png", "new.csv", "new.png"}) {
            choice.target = folder + '/' + name;
            QVERIFY(QMetaObject::invokeMethod(
                &window, choice.target.endsWith("csv") ? "ExportCsv" : "ExportPlot"));
        }
        QCOMPARE(ReadAll(folder + "/speed.csv"),
            QByteArray("Date Time;\"Speed (RPM)\"\n2016-03-01 10:15:00.000;"
                       "1,500.00\n2016-03-01 10:15:01.500;-2.13\n"));
        QVERIFY(PlotFileWriter::IsComplete(folder + "/plot.png", "png"));
        // A new file there is a real failure, and the temporary file made elsewhere is gone.
        const QStringList messages = Messages(catcher);
        QCOMPARE(messages.mid(0, 2),
            QStringList(
                {Replace("Save File", "speed.csv"), Replace("Export File Name", "plot.png")}));
        QCOMPARE(messages.mid(2).join('\n').count("export failed"), 2);
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden),
            QStringList({"plot.png", "speed.csv"}));
        QCOMPARE(QDir(QDir::tempPath()).entryList({".curvescope-*"}, QDir::Files | QDir::Hidden),
            QStringList());
    }

    void fullDiskKeepsEarlierFile()
    {
#ifdef Q_OS_UNIX
        // Regression: a disk that filled up during an export left a truncated file and no
        // message.
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
        QVERIFY(TrendSetFiles::write(folder, "speed.csv", "earlier export\n"));
        const QString target = folder + "/speed.csv";
        MainWindow window;
        ModalCatcher catcher;
        QVERIFY(window.LoadTrendSet(folder + "/speed.tlx"));
        FileChoice choice;
        choice.target = target;
        choice.Install(catcher);
        // Every file this process writes is limited to 20000 bytes while the export runs.
        struct rlimit saved;
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        const struct rlimit limit = {20000, saved.rlim_max};
        std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
        QMetaObject::invokeMethod(&window, "ExportCsv");
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &saved), 0);
        QCOMPARE(Messages(catcher).value(1),
            QString("%1|CSV export failed|Unable to write data to file '%2' !\n")
                .arg(QMessageBox::Critical)
                .arg(target));
        QCOMPARE(ReadAll(target), QByteArray("earlier export\n"));
        QCOMPARE(QDir(folder).entryList({"*.csv*"}, QDir::Files | QDir::Hidden),
            QStringList {"speed.csv"});
#else
        QSKIP("File size limits are a POSIX feature");
#endif
    }

    void clipboardFollowsWindowSize()
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

private:
    QTemporaryDir m_dir;
    QString m_set;
};

QTEST_MAIN(TestExport)
#include "tst_export.moc"
