// The export commands of the main window on real trend sets: the CSV save dialog with its layout
// choice, CSV files of every recording kind, plot files in each offered format, refusals, failures
// on a full disk and in a folder that refuses new files with their messages, and the clipboard
// picture.

#include "FileFailures.h"
#include "MainWindow.h"
#include "ModalCatcher.h"
#include "PlotFileWriter.h"
#include "TrendSetFiles.h"

#include <QtTest>

namespace {

const QString Pairs = "Time/Data Pairs";
const QString Documents
    = "SVG Documents (*.svg);;Postscript Documents (*.ps);;PDF Documents (*.pdf)";
const QString Refusal = "%1|Unsupported image format|The selected file format \"%2\" is not "
                        "supported!\nPlease use one of the following file extensions:\n%3";
const QString List = "Timestamp List";

// Which layout is checked and which of its pictures are enabled, as the user sees them.
QString LayoutState(QFileDialog* dialog)
{
    auto* box = dialog->findChild<QGroupBox*>();
    QString state = box ? box->title() : QString();
    for (QRadioButton* button : dialog->findChildren<QRadioButton*>())
        state += button->isChecked() ? ": " + button->text() + ' ' : QString();
    for (QLabel* label : dialog->findChildren<QLabel*>())
        if (!label->pixmap(Qt::ReturnByValue).isNull())
            state += label->isEnabled() ? "1" : "0";
    return state;
}

// A main window with a data file open whose file dialogs are answered: each notes what it
// offers, clicks the layouts and picks the target, or is canceled when there is none.
struct Session {
    explicit Session(const QString& dataFile)
        : loaded(window.LoadTrendSet(dataFile))
    {
        catcher.setFileDialogHandler([this](QFileDialog* dialog) {
            auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
            offered = dialog->windowTitle() + '|' + dialog->directory().absolutePath() + '/'
                + edit->text() + '|' + dialog->nameFilters().join(";;");
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

    bool Run(const char* command, const QString& file)
    {
        target = file;
        return QMetaObject::invokeMethod(&window, command);
    }

    MainWindow window;
    ModalCatcher catcher;
    bool loaded;
    QString target; // empty: cancel
    QStringList clicks; // layout radio buttons, in this order
    QString offered; // caption, proposed path and filters
    QStringList layouts; // layout state at opening and after each click
};

// The question of a file dialog before it replaces an existing file, and the export failures.
QString Replace(const QString& caption, const QString& name)
{
    return QString("%1|%2|%3 already exists.\nDo you want to replace it?")
        .arg(QMessageBox::Warning)
        .arg(caption, name);
}

QString Failed(bool csv, const QString& path)
{
    return QString(csv ? "%1|CSV export failed|Unable to write data to file '%2' !\n"
                       : "%1|Plot export failed|Unable to write the plot to file '%2' !\n")
        .arg(QMessageBox::Critical)
        .arg(path);
}

} // namespace

class TestExport : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // 2016-03-01 10:15:00 in Berlin; two samples of speed, one of output; three cylinders of
        // which the second recorded nothing.
        const qint64 start = Q_INT64_C(1456823700000);
        TrendSetFiles::write(m_dir.path(), "configuration.tlx",
            TrendSetFiles::configuration(start, 3, {"A1", "B2", "C3"}));
        TrendSetFiles::write(
            m_dir.path(), "speed.tlx", TrendSetFiles::twoColumns({0, 1500}, {1500.0, -2.125}));
        TrendSetFiles::write(
            m_dir.path(), "analog_output.tlx", TrendSetFiles::twoColumns({10}, {99.999}));
        TrendSetFiles::write(
            m_dir.path(), "global_timing.tlx", TrendSetFiles::twoColumns({0, 20}, {-7.5, 12.3}));
        const QByteArray three = TrendSetFiles::threeColumns(
            {0, 0, 500, 500, 1000}, {0, 2, 0, 2, 0}, {12.5, 13.0, 12.75, 13.25, 12.8});
        for (const char* name : {"firing_angles.tlx", "secondary_voltages.tlx",
                 "knocking_intensity.tlx", "temperatures.tlx"})
            TrendSetFiles::write(m_dir.path(), name, three);
    }

    void csvOfEveryKind_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QByteArray>("expected");
        // The one series of a single-series kind is named with its unit in the title line.
        QTest::newRow("speed") << "speed" << QStringList() << SpeedPairs;
        QTest::newRow("output pairs") << "analog_output" << QStringList {List, Pairs}
                                      << QByteArray("Date Time;\"Output [%]\"\n"
                                                    "2016-03-01 10:15:00.010;100.00\n");
        QTest::newRow("output list") << "analog_output" << QStringList({List, Pairs, Pairs, List})
                                     << QByteArray("2016-03-01 10:15:00.010;0;100.00\n");
        QTest::newRow("global timing pairs")
            << "global_timing" << QStringList()
            << QByteArray("Date Time;\"Global Timing [°]\"\n2016-03-01 10:15:00.000;-7.50\n"
                          "2016-03-01 10:15:00.020;12.30\n");
        QTest::newRow("global timing list")
            << "global_timing" << QStringList {List}
            << QByteArray("2016-03-01 10:15:00.000;0;-7.50\n2016-03-01 10:15:00.020;0;12.30\n");
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
        Session session(m_dir.filePath(file + ".tlx"));
        QVERIFY(session.loaded);
        session.clicks = clicks;
        const QString target = m_out.filePath(QTest::currentDataTag()); // no suffix is added
        QVERIFY(TrendSetFiles::write(m_out.path(), QTest::currentDataTag(), "earlier file"));
        QVERIFY(session.Run("ExportCsv", target));
        QCOMPARE(session.catcher.messages(),
            QStringList {Replace("Save File", QTest::currentDataTag())});
        QCOMPARE(session.offered,
            "Save File|" + m_dir.filePath(file + ".csv")
                + "|Comma-Separated Values (*.csv);;All (*.*)");
        // Exactly the picture of the checked layout is enabled, also after clicking the layout
        // that is already on.
        QStringList layouts {"Chose CSV Format: Time/Data Pairs 10"};
        for (const QString& click : clicks)
            layouts << (click == Pairs ? layouts.first() : "Chose CSV Format: Timestamp List 01");
        QCOMPARE(session.layouts, layouts);
        QCOMPARE(TrendSetFiles::read(target), expected);
    }

    void canceled()
    {
        Session session(m_dir.filePath("speed.tlx"));
        session.clicks = QStringList {List};
        for (const char* command : {"ExportCsv", "ExportPlot", "ExportCsv"})
            QVERIFY(session.Run(command, QString()));
        // Nothing is remembered: the next export again proposes Time/Data Pairs.
        QCOMPARE(session.layouts.value(0), QString("Chose CSV Format: Time/Data Pairs 10"));
        QCOMPARE(session.catcher.messages(), QStringList());
        // A folder below a plain file cannot exist, not even for the super-user. The names look
        // like markup and show as written.
        QVERIFY(session.Run("ExportCsv", m_dir.filePath("speed.tlx/<b>out.csv")));
        QVERIFY(session.Run("ExportPlot", m_dir.filePath("speed.tlx/<b>plot.svg")));
        QCOMPARE(session.catcher.messages(),
            QStringList({Failed(true, m_dir.filePath("speed.tlx/<b>out.csv")),
                Failed(false, m_dir.filePath("speed.tlx/<b>plot.svg"))}));
        QVERIFY(!QApplication::overrideCursor());
    }

    void plotFiles_data()
    {
        QTest::addColumn<QString>("name");
        for (const char* name : {"plot.png", "plot.jpg", "plot.bmp", "plot.svg", "plot.pdf",
                 "plot.ps", "plot.PNG", "plot.Pdf", "plot", "plot.csv"})
            QTest::newRow(name) << name;
    }

    void plotFiles()
    {
        QFETCH(QString, name);
        const QString suffix = QFileInfo(name).suffix();
        Session session(m_dir.filePath("firing_angles.tlx"));
        const QString target = m_out.filePath(name);
        QVERIFY(TrendSetFiles::write(m_out.path(), name, "earlier file"));
        QVERIFY(session.loaded && session.Run("ExportPlot", target));
        // The dialog offers every image format Qt writes and the documents.
        QStringList accepted;
        for (const QByteArray& format : QImageWriter::supportedImageFormats())
            accepted << QString::fromLatin1(format);
        QCOMPARE(session.offered,
            "Export File Name|" + m_dir.filePath("firing_angles.png") + "|Images (*."
                + accepted.join(" *.") + ");;" + Documents);
        accepted += QStringList {"svg", "ps", "pdf"};
        // Other suffixes, in any other case too, are refused, and the earlier file stays.
        QStringList messages {Replace("Export File Name", name)};
        if (!accepted.contains(suffix))
            messages << Refusal.arg(QMessageBox::Critical).arg(suffix, accepted.join(' '));
        QCOMPARE(session.catcher.messages(), messages);
        QCOMPARE(QDir(m_out.path()).entryList({".curvescope-*"}, QDir::Files | QDir::Hidden),
            QStringList());
        const QByteArray bytes = TrendSetFiles::read(target);
        if (messages.size() > 1) {
            QCOMPARE(bytes, QByteArray("earlier file"));
            return;
        }
        // 300 x 200 mm at 170 dots per inch; documents in whole points. Regression: Qwt 6.1 on
        // Qt 5 writes no PostScript, and every ps export failed.
        if (suffix == "svg" || suffix == "pdf") {
            QVERIFY(bytes.contains(suffix == "svg" ? "<svg viewBox=\"0 0 2007.87 1338.58\""
                                                   : "/MediaBox [0 0 850.000000 567.000000]"));
        } else if (suffix == "ps") {
            QVERIFY(bytes.startsWith("%!PS"));
            QVERIFY(bytes.contains("\n%%BoundingBox: 0 0 850 567\n%%Pages: 1\n"));
            QVERIFY(
                QString(bytes).contains(QRegularExpression("\n%%DocumentMedia: \\S+ 850 567 ")));
        } else {
            QImageReader reader(target);
            QCOMPARE(reader.format(), suffix == "jpg" ? QByteArray("jpeg") : suffix.toLatin1());
            const QImage image = reader.read();
            QCOMPARE(image.size(), QSize(2008, 1339));
            QCOMPARE(qRound(image.dotsPerMeterX() * 0.0254), 170);
        }
        // Regression: a document that stopped when the disk filled up was taken as written.
        QVERIFY(PlotFileWriter::IsComplete(target, suffix));
        for (const int kept : {bytes.size() / 2, 3}) {
            QVERIFY(TrendSetFiles::write(m_out.path(), name, bytes.left(kept)));
            QVERIFY(!PlotFileWriter::IsComplete(target, suffix));
        }
    }

    void failedExportKeepsEarlierFile_data()
    {
        // The file, where it goes, and whether the disk is full (a file size limit below the
        // size of every exported file).
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("diskFull");
        for (const char* name : {"speed.csv", "plot.png", "plot.svg", "plot.ps"}) {
            for (const char* target : {"new", "replaced", "in place"})
                QTest::addRow("%s %s, disk full", name, target) << name << target << true;
            for (const char* target : {"in place", "new in place"})
                QTest::addRow("%s %s", name, target) << name << target << false;
        }
    }

    // Regression: in a folder that lets existing files be rewritten but refuses new ones (shares
    // where users may update their own files), a full disk cut the earlier CSV to a fragment.
    void failedExportKeepsEarlierFile()
    {
        QFETCH(QString, name);
        QFETCH(QString, target);
        QFETCH(bool, diskFull);
        const bool csv = name.endsWith("csv");
        const bool exists = !target.startsWith("new");
        // Longer than any new file, so rewriting it in place must also cut it short.
        const QByteArray earlier = exists ? QByteArray(300000, 'e') : "<missing>";
        QTemporaryDir folder;
        const QString path = folder.filePath(name);
        if (exists)
            QVERIFY(TrendSetFiles::write(folder.path(), name, earlier));
        const FolderRefusingNewFiles locked(folder.path(), target.endsWith("in place"));
        if (target.endsWith("in place") && !locked.Active())
            QSKIP("no way to make a folder that refuses new files here");
        PrivateTempFolder temp;
        Session session(m_dir.filePath("speed.tlx"));
        {
            const FileSizeLimit disk(diskFull ? 64 : -1);
            if (!disk.Active())
                QSKIP("no file size limit on this system");
            QVERIFY(session.Run(csv ? "ExportCsv" : "ExportPlot", path));
        }
        const bool written = target == "in place" && !diskFull;
        // The question before replacing an existing file, then the failure.
        const QStringList messages {
            Replace(csv ? "Save File" : "Export File Name", name), Failed(csv, path)};
        QCOMPARE(session.catcher.messages(), messages.mid(exists ? 0 : 1, written ? 1 : 2));
        QVERIFY(!QApplication::overrideCursor());
        const QByteArray bytes = TrendSetFiles::read(path);
        if (!written)
            QCOMPARE(bytes, earlier);
        else if (csv)
            QCOMPARE(bytes, SpeedPairs);
        else
            QVERIFY(PlotFileWriter::IsComplete(path, QFileInfo(name).suffix()));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
            exists ? QStringList {name} : QStringList());
        QCOMPARE(temp.Files(), QStringList());
    }

    void clipboardFollowsWindowSize()
    {
        Session session(m_dir.filePath("speed.tlx"));
        QWidget* plot = session.window.centralWidget();
        session.window.show();
        session.window.resize(1234, 876);
        QTRY_COMPARE(plot->width(), session.window.width());
        QVERIFY(session.Run("CopyPlotToClipboard", QString()));
        const QImage picture = QGuiApplication::clipboard()->pixmap().toImage();
        QCOMPARE(picture.size(), plot->size());
        QImage blank(picture.size(), picture.format());
        blank.fill(picture.pixel(0, 0));
        QVERIFY(picture != blank); // something was drawn
    }

private:
    const QByteArray SpeedPairs = "Date Time;\"Speed (RPM)\"\n2016-03-01 10:15:00.000;1,500.00\n"
                                  "2016-03-01 10:15:01.500;-2.13\n";
    QTemporaryDir m_dir; // the trend set
    QTemporaryDir m_out;
};

QTEST_MAIN(TestExport)
#include "tst_export.moc"
