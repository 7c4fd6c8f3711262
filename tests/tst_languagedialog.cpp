// The language dialog: which languages it offers from the language folder, how it lays out
// their buttons, and what a choice or Cancel leaves in the settings.

#include "CSelectLanguageDialog.h"
#include "MainWindow.h"
#include "ModalCatcher.h"
#include "TestSettings.h"

#include <QApplication>
#include <QDir>
#include <QGridLayout>
#include <QImage>
#include <QLocale>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {
bool touch(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly);
}

bool writeFlag(const QString& path, const QSize& size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::red);
    return image.save(path, "PNG");
}

QPushButton* buttonWithText(QWidget* dialog, const QString& text)
{
    for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

// Grid positions of the language buttons, as "row,column" in the order of the list.
QStringList gridPositions(CSelectLanguageDialog& dialog)
{
    auto* grid = dialog.findChild<QGridLayout*>();
    QStringList positions;
    if (grid == nullptr)
        return positions;
    for (int i = 0; i < grid->count(); ++i) {
        int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
        grid->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
        positions << QStringLiteral("%1,%2").arg(row).arg(column);
    }
    return positions;
}
}

class TestLanguageDialog : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void languageList_data();
    void languageList();
    void listFollowsFolderListingOrder();
    void missingFolderOffersEnglishOnly();
    void columnCount_data();
    void columnCount();
    void buttonGrid_data();
    void buttonGrid();
    void buttonsShowNativeNamesAndFlags();
    void windowDecoration();
    void choosingLanguageStoresItForNextStart_data();
    void choosingLanguageStoresItForNextStart();
    void cancelStoresNothing_data();
    void cancelStoresNothing();
    void setLanguageCommandRunsDialogOverWindow();

private:
    QTemporaryDir m_settingsHome;
    QScopedPointer<QTemporaryDir> m_folder;
};

void TestLanguageDialog::initTestCase()
{
    QVERIFY(m_settingsHome.isValid());
    QVERIFY(IsolateSettings(m_settingsHome.path()));
}

void TestLanguageDialog::init()
{
    m_folder.reset(new QTemporaryDir);
    QVERIFY(m_folder->isValid());
    QSettings().clear();
}

void TestLanguageDialog::cleanup() { QSettings().clear(); }

void TestLanguageDialog::languageList_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QList<int>>("codes");

    QTest::newRow("empty folder") << QStringList {} << QList<int> {QLocale::English};
    QTest::newRow("one catalogue")
        << QStringList {"CurveScope_de.qm"} << QList<int> {QLocale::English, QLocale::German};
    QTest::newRow("English catalogue is not offered twice")
        << QStringList {"CurveScope_en.qm"} << QList<int> {QLocale::English};
    QTest::newRow("toolkit catalogues are not languages")
        << QStringList {"qt_de.qm", "qt_fr.qm", "qtbase_de.qm"} << QList<int> {QLocale::English};
    QTest::newRow("prefix is case-sensitive")
        << QStringList {"curvescope_de.qm", "CURVESCOPE_fr.qm"} << QList<int> {QLocale::English};
    QTest::newRow("other extensions are ignored")
        << QStringList {"CurveScope_de.ts", "CurveScope_fr.png", "CurveScope_it.qm.bak"}
        << QList<int> {QLocale::English};
    QTest::newRow("language from the last name part")
        << QStringList {"CurveScope_x_it.qm"} << QList<int> {QLocale::English, QLocale::Italian};
    QTest::newRow("complete base name keeps inner dots")
        << QStringList {"CurveScope_v1.2_es.qm"} << QList<int> {QLocale::English, QLocale::Spanish};
}

void TestLanguageDialog::languageList()
{
    QFETCH(QStringList, files);
    QFETCH(QList<int>, codes);

    for (const QString& file : files)
        QVERIFY(touch(m_folder->filePath(file)));
    // A folder that looks like a catalogue is not one.
    QVERIFY(QDir(m_folder->path()).mkdir(QStringLiteral("CurveScope_sv.qm")));

    const QList<CSelectLanguageDialog::LanguageEntry> list
        = CSelectLanguageDialog::LanguagesInFolder(m_folder->path());
    QList<int> listed;
    for (const CSelectLanguageDialog::LanguageEntry& entry : list)
        listed << entry.first;
    QCOMPARE(listed, codes);

    QCOMPARE(list.first().second, QStringLiteral(":united_kingdom.png"));
    for (int i = 1; i < list.size(); ++i) {
        // The flag lies beside its catalogue under the same base name.
        const QString flag = QDir::fromNativeSeparators(list.at(i).second);
        QCOMPARE(QFileInfo(flag).absolutePath(), QFileInfo(m_folder->path()).absoluteFilePath());
        QVERIFY2(flag.endsWith(QStringLiteral(".png")), qPrintable(flag));
        QVERIFY2(files.contains(QFileInfo(flag).completeBaseName() + QStringLiteral(".qm")),
            qPrintable(flag));
    }
}

void TestLanguageDialog::listFollowsFolderListingOrder()
{
    const QStringList files {"CurveScope_de.qm", "CurveScope_fr.qm", "qt_de.qm", "qt_fr.qm"};
    for (const QString& file : files)
        QVERIFY(touch(m_folder->filePath(file)));

    QList<int> expected {QLocale::English};
    const QStringList listing
        = QDir(m_folder->path())
              .entryList(QStringList {QStringLiteral("*.qm")}, QDir::Files, QDir::Unsorted);
    for (const QString& name : listing) {
        if (name == QLatin1String("CurveScope_de.qm"))
            expected << QLocale::German;
        else if (name == QLatin1String("CurveScope_fr.qm"))
            expected << QLocale::French;
    }
    QCOMPARE(expected.size(), 3);

    QList<int> listed;
    for (const CSelectLanguageDialog::LanguageEntry& entry :
        CSelectLanguageDialog::LanguagesInFolder(m_folder->path()))
        listed << entry.first;
    QCOMPARE(listed, expected);
}

void TestLanguageDialog::missingFolderOffersEnglishOnly()
{
    const QString missing = m_folder->filePath(QStringLiteral("no-such-folder"));
    QCOMPARE(CSelectLanguageDialog::LanguagesInFolder(missing).size(), 1);
    CSelectLanguageDialog dialog(missing, nullptr);
    QStringList texts;
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        texts << button->text();
    QCOMPARE(texts, (QStringList {"English", "Cancel"}));
}

void TestLanguageDialog::columnCount_data()
{
    QTest::addColumn<int>("entries");
    QTest::addColumn<int>("columns");

    QTest::newRow("1") << 1 << 5;
    QTest::newRow("3") << 3 << 5;
    QTest::newRow("4") << 4 << 2;
    QTest::newRow("5") << 5 << 3;
    QTest::newRow("9") << 9 << 3;
    QTest::newRow("10") << 10 << 4;
    QTest::newRow("16") << 16 << 4;
    QTest::newRow("17") << 17 << 5;
}

void TestLanguageDialog::columnCount()
{
    QFETCH(int, entries);
    QFETCH(int, columns);
    QCOMPARE(CSelectLanguageDialog::ColumnCount(entries), columns);
}

void TestLanguageDialog::buttonGrid_data()
{
    QTest::addColumn<QStringList>("catalogues");
    QTest::addColumn<QStringList>("positions");

    QTest::newRow("English only") << QStringList {} << QStringList {"0,0"};
    QTest::newRow("three entries: one row")
        << QStringList {"de", "fr"} << QStringList {"0,0", "0,1", "0,2"};
    QTest::newRow("four entries: two by two")
        << QStringList {"de", "fr", "it"} << QStringList {"0,0", "0,1", "1,0", "1,1"};
    QTest::newRow("five entries: three columns")
        << QStringList {"de", "fr", "it", "es"} << QStringList {"0,0", "0,1", "0,2", "1,0", "1,1"};
    QTest::newRow("ten entries: four columns")
        << QStringList {"de", "fr", "it", "es", "nl", "pl", "cs", "sv", "da"}
        << QStringList {"0,0", "0,1", "0,2", "0,3", "1,0", "1,1", "1,2", "1,3", "2,0", "2,1"};
}

void TestLanguageDialog::buttonGrid()
{
    QFETCH(QStringList, catalogues);
    QFETCH(QStringList, positions);

    for (const QString& locale : catalogues)
        QVERIFY(touch(m_folder->filePath(QStringLiteral("CurveScope_%1.qm").arg(locale))));
    CSelectLanguageDialog dialog(m_folder->path(), nullptr);
    QCOMPARE(gridPositions(dialog), positions);
}

void TestLanguageDialog::buttonsShowNativeNamesAndFlags()
{
    QVERIFY(touch(m_folder->filePath(QStringLiteral("CurveScope_de.qm"))));
    QVERIFY(writeFlag(m_folder->filePath(QStringLiteral("CurveScope_de.png")), QSize(37, 23)));
    QVERIFY(touch(m_folder->filePath(QStringLiteral("CurveScope_fr.qm"))));

    CSelectLanguageDialog dialog(m_folder->path(), nullptr);

    QPushButton* german = buttonWithText(&dialog, QStringLiteral("Deutsch"));
    QVERIFY(german != nullptr);
    QVERIFY(!german->icon().isNull());
    QCOMPARE(german->iconSize(), QSize(37, 23));

    // No flag beside the catalogue: the button carries its text only.
    QPushButton* french = buttonWithText(&dialog, QStringLiteral("français"));
    QVERIFY(french != nullptr);
    QVERIFY(french->icon().isNull());

    QPushButton* english = buttonWithText(&dialog, QStringLiteral("English"));
    QVERIFY(english != nullptr);
    QCOMPARE(english->iconSize(), QPixmap(QStringLiteral(":united_kingdom.png")).size());

    QPushButton* cancel = buttonWithText(&dialog, QStringLiteral("Cancel"));
    QVERIFY(cancel != nullptr);
    QCOMPARE(cancel->minimumHeight(), 40);
    QCOMPARE(dialog.findChildren<QPushButton*>().size(), 4);
}

void TestLanguageDialog::windowDecoration()
{
    CSelectLanguageDialog dialog(m_folder->path(), nullptr);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Select Language"));
    QVERIFY(!dialog.windowFlags().testFlag(Qt::WindowContextHelpButtonHint));
}

void TestLanguageDialog::choosingLanguageStoresItForNextStart_data()
{
    QTest::addColumn<QString>("buttonText");
    QTest::addColumn<int>("code");

    QTest::newRow("German") << "Deutsch" << int(QLocale::German);
    QTest::newRow("English") << "English" << int(QLocale::English);
}

void TestLanguageDialog::choosingLanguageStoresItForNextStart()
{
    QFETCH(QString, buttonText);
    QFETCH(int, code);

    QVERIFY(touch(m_folder->filePath(QStringLiteral("CurveScope_de.qm"))));
    const QLocale before;
    const QString textBefore = QCoreApplication::translate("MainWindow", "&File");

    QWidget parent;
    CSelectLanguageDialog dialog(m_folder->path(), &parent);
    ModalCatcher catcher;
    bool clicked = false;
    catcher.setDialogHandler([&](QDialog* modal) {
        if (modal == &dialog && !clicked) {
            clicked = true;
            // Clicked from a fresh event: the information box it opens needs the catcher's
            // timer, which does not fire again while this handler is still running.
            QPushButton* button = buttonWithText(modal, buttonText);
            QTimer::singleShot(0, button, [button] { QTest::mouseClick(button, Qt::LeftButton); });
        }
    });
    const int result = dialog.exec();

    QVERIFY(clicked);
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(QSettings().value(QStringLiteral("Language")).toInt(), code);
    const QList<ModalCatcher::Message> messages = catcher.messages();
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages.first().icon, QMessageBox::Information);
    QCOMPARE(messages.first().title, QStringLiteral("Information"));
    QCOMPARE(messages.first().text,
        QStringLiteral("The selected language will be used when the program is started "
                       "the next time."));
    // The running program keeps its language.
    QCOMPARE(QLocale(), before);
    QCOMPARE(QCoreApplication::translate("MainWindow", "&File"), textBefore);
}

void TestLanguageDialog::cancelStoresNothing_data()
{
    QTest::addColumn<bool>("viaCloseButton");

    QTest::newRow("Cancel button") << false;
    QTest::newRow("window close button") << true;
}

void TestLanguageDialog::cancelStoresNothing()
{
    QFETCH(bool, viaCloseButton);

    QVERIFY(touch(m_folder->filePath(QStringLiteral("CurveScope_de.qm"))));
    CSelectLanguageDialog dialog(m_folder->path(), nullptr);
    ModalCatcher catcher;
    bool answered = false;
    catcher.setDialogHandler([&](QDialog* modal) {
        if (modal != &dialog || answered)
            return;
        answered = true;
        if (viaCloseButton)
            modal->close();
        else
            QTest::mouseClick(buttonWithText(modal, QStringLiteral("Cancel")), Qt::LeftButton);
    });
    const int result = dialog.exec();

    QVERIFY(answered);
    QCOMPARE(result, int(QDialog::Rejected));
    QVERIFY(!QSettings().contains(QStringLiteral("Language")));
    QCOMPARE(catcher.messages().size(), 0);
}

void TestLanguageDialog::setLanguageCommandRunsDialogOverWindow()
{
    MainWindow window;
    window.show();
    ModalCatcher catcher;
    QString seenClass;
    QWidget* seenParent = nullptr;
    QStringList offered;
    catcher.setDialogHandler([&](QDialog* modal) {
        if (!seenClass.isEmpty())
            return;
        seenClass = QString::fromLatin1(modal->metaObject()->className());
        seenParent = modal->parentWidget();
        for (QPushButton* button : modal->findChildren<QPushButton*>())
            offered << button->text();
        QPushButton* english = buttonWithText(modal, QStringLiteral("English"));
        QTimer::singleShot(0, english, [english] { QTest::mouseClick(english, Qt::LeftButton); });
    });
    QVERIFY(QMetaObject::invokeMethod(&window, "SetLanguage"));

    QCOMPARE(seenClass, QStringLiteral("CSelectLanguageDialog"));
    QCOMPARE(seenParent, &window);
    // The languages come from the folder beside the executable, which test programs lack.
    QCOMPARE(QDir(CSelectLanguageDialog::DefaultLanguageFolder()).exists(), false);
    QCOMPARE(offered, (QStringList {"English", "Cancel"}));
    QCOMPARE(catcher.messages().size(), 1);
    QCOMPARE(QSettings().value(QStringLiteral("Language")).toInt(), int(QLocale::English));
    QCOMPARE(window.findChildren<CSelectLanguageDialog*>().size(), 0);
}

QTEST_MAIN(TestLanguageDialog)
#include "tst_languagedialog.moc"
