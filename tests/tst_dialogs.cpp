// The language dialog, the About box and the tips window: what they offer, what a choice or
// Close leaves behind, and how the main window's commands run them.

#include "AboutDialog.h"
#include "BuildInfo.h"
#include "CSelectLanguageDialog.h"
#include "MainWindow.h"
#include "ModalCatcher.h"
#include "TestSettings.h"
#include "TipsAndTricks.h"
#include "TrendFileNames.h"
#include "TrendSetFiles.h"

#include <QAction>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextDocumentFragment>
#include <QtTest>

namespace {
QPushButton* buttonWithText(QWidget* dialog, const QString& text)
{
    for (QPushButton* button : dialog->findChildren<QPushButton*>())
        if (button->text() == text)
            return button;
    return nullptr;
}

// Runs the main window's command and answers its one modal dialog with the handler; returns
// the dialog's class name and whether the window is its parent.
QString runCommand(MainWindow& window, const char* slot, std::function<void(QDialog*)> answer)
{
    ModalCatcher catcher;
    QString seen;
    catcher.setDialogHandler([&](QDialog* dialog) {
        if (!seen.isEmpty())
            return;
        seen = QString("%1 %2")
                   .arg(dialog->metaObject()->className())
                   .arg(dialog->parentWidget() == &window);
        answer(dialog);
    });
    if (!QMetaObject::invokeMethod(&window, slot))
        return "no slot";
    return seen;
}
}

// Receives the links that the About box hands to the desktop.
class LinkCollector : public QObject {
    Q_OBJECT

public:
    QList<QUrl> urls;

public slots:
    void open(const QUrl& url) { urls << url; }
};

class TestDialogs : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_settingsHome.isValid());
        QVERIFY(IsolateSettings(m_settingsHome.path()));
    }

    void languagesInFolder()
    {
        const QList<QPair<QStringList, QList<int>>> cases {{{}, {}},
            {{"CurveScope_de.qm"}, {QLocale::German}},
            // Neither English twice, nor toolkit catalogues, nor other cases and extensions.
            {{"CurveScope_en.qm", "qt_de.qm", "curvescope_de.qm", "CurveScope_de.ts",
                 "CurveScope_fr.png", "CurveScope_it.qm.bak"},
                {}},
            // The language from the last name part; the base name keeps inner dots.
            {{"CurveScope_x_it.qm"}, {QLocale::Italian}},
            {{"CurveScope_v1.2_es.qm"}, {QLocale::Spanish}}};
        for (const auto& c : cases) {
            QTemporaryDir folder;
            for (const QString& file : c.first)
                QVERIFY(QFile(folder.filePath(file)).open(QIODevice::WriteOnly));
            // A folder that looks like a catalogue is not one.
            QVERIFY(QDir(folder.path()).mkdir("CurveScope_sv.qm"));
            const auto list = CSelectLanguageDialog::LanguagesInFolder(folder.path());
            QList<int> listed;
            for (const auto& entry : list)
                listed << entry.first;
            QCOMPARE(listed, QList<int> {QLocale::English} + c.second);
            QCOMPARE(list.first().second, QString(":united_kingdom.png"));
            // The flag lies beside its catalogue under the same base name.
            for (int i = 1; i < list.size(); ++i)
                QCOMPARE(QFileInfo(list.at(i).second).absoluteFilePath(),
                    QFileInfo(folder.filePath(c.first.first()))
                        .absoluteFilePath()
                        .replace(".qm", ".png"));
        }
        QCOMPARE(
            CSelectLanguageDialog::LanguagesInFolder(m_settingsHome.filePath("missing")).size(), 1);
    }

    void languageButtons()
    {
        for (const auto& c : QList<QPair<int, int>> {
                 {1, 5}, {3, 5}, {4, 2}, {5, 3}, {9, 3}, {10, 4}, {16, 4}, {17, 5}})
            QCOMPARE(CSelectLanguageDialog::ColumnCount(c.first), c.second);
        QTemporaryDir folder;
        for (const char* code : {"de", "fr", "it", "es"})
            QVERIFY(QFile(folder.filePath(QString("CurveScope_%1.qm").arg(code)))
                        .open(QIODevice::WriteOnly));
        QImage flag(37, 23, QImage::Format_RGB32);
        flag.fill(Qt::red);
        QVERIFY(flag.save(folder.filePath("CurveScope_de.png")));
        CSelectLanguageDialog dialog(folder.path(), nullptr);
        QCOMPARE(dialog.windowTitle(), QString("Select Language"));
        QVERIFY(!dialog.windowFlags().testFlag(Qt::WindowContextHelpButtonHint));
        auto* grid = dialog.findChild<QGridLayout*>();
        QStringList positions;
        for (int i = 0; i < grid->count(); ++i) {
            int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
            grid->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
            positions << QString("%1,%2").arg(row).arg(column);
        }
        // Five entries: three columns, English first.
        QCOMPARE(positions, QStringList({"0,0", "0,1", "0,2", "1,0", "1,1"}));
        QCOMPARE(qobject_cast<QPushButton*>(grid->itemAt(0)->widget())->text(), QString("English"));
        // Flags show at their natural size; without a flag the button carries its text only.
        QCOMPARE(buttonWithText(&dialog, "Deutsch")->iconSize(), QSize(37, 23));
        QVERIFY(buttonWithText(&dialog, QString::fromUtf8("français"))->icon().isNull());
    }

    void languageChoiceIsStoredForTheNextStart()
    {
        QTemporaryDir folder;
        QVERIFY(QFile(folder.filePath("CurveScope_de.qm")).open(QIODevice::WriteOnly));
        for (const QString text : {"Deutsch", "English", "Cancel", ""}) {
            QSettings().clear();
            const QString before = QCoreApplication::translate("MainWindow", "&File");
            QWidget parent;
            CSelectLanguageDialog dialog(folder.path(), &parent);
            ModalCatcher catcher;
            catcher.setDialogHandler([&](QDialog* modal) {
                // Clicked from a fresh event: the information box it opens needs the timer.
                QPushButton* button = buttonWithText(modal, text);
                QTimer::singleShot(0, modal, [modal, button] {
                    button ? QTest::mouseClick(button, Qt::LeftButton) : void(modal->close());
                });
                catcher.setDialogHandler([](QDialog*) {});
            });
            const int result = dialog.exec();
            const bool chosen = text == "Deutsch" || text == "English";
            QCOMPARE(result, int(chosen));
            QCOMPARE(QSettings().value("Language", -1).toInt(),
                !chosen                 ? -1
                    : text == "Deutsch" ? int(QLocale::German)
                                        : int(QLocale::English));
            QCOMPARE(catcher.messages().size(), int(chosen));
            if (chosen)
                QCOMPARE(
                    QString("%1 %2: %3")
                        .arg(catcher.messages().first().icon)
                        .arg(catcher.messages().first().title, catcher.messages().first().text),
                    QString("%1 Information: The selected language will be used when the program "
                            "is started the next time.")
                        .arg(QMessageBox::Information));
            // The running program keeps its language.
            QCOMPARE(QCoreApplication::translate("MainWindow", "&File"), before);
        }
    }

    void commandsRunModalDialogsOverTheWindow()
    {
        MainWindow window;
        window.show();
        QString buttons;
        QCOMPARE(runCommand(window, "SetLanguage",
                     [&buttons](QDialog* dialog) {
                         for (QPushButton* button : dialog->findChildren<QPushButton*>())
                             buttons += button->text() + ' ';
                         QPushButton* english = buttonWithText(dialog, "English");
                         QTimer::singleShot(
                             0, english, [english] { QTest::mouseClick(english, Qt::LeftButton); });
                     }),
            QString("CSelectLanguageDialog 1"));
        // The languages come from the folder beside the executable, which test programs lack.
        QVERIFY(!QDir(CSelectLanguageDialog::DefaultLanguageFolder()).exists());
        QCOMPARE(buttons, QString("English Cancel "));
        QCOMPARE(QSettings().value("Language").toInt(), int(QLocale::English));
        bool modal = false;
        QCOMPARE(runCommand(window, "About",
                     [&modal](QDialog* dialog) {
                         modal = dialog->isModal();
                         dialog->reject();
                     }),
            QString("AboutDialog 1"));
        QVERIFY(modal);
        // Both are discarded once they close.
        QCOMPARE(window.findChildren<CSelectLanguageDialog*>().size(), 0);
        QCOMPARE(window.findChildren<AboutDialog*>().size(), 0);
    }

    void aboutVersionFromRepositoryPath()
    {
        const QList<QPair<QString, QString>> cases {{"https://svn.example/cs/tags/1.4.2", "1.4.2"},
            {"https://svn.example/cs/trunk", "???"}, {"https://svn.example/tags", "???"},
            // The last tags segment counts, and only the segment after it.
            {"https://svn.example/tags/0.9/cs/tags/2.1", "2.1"},
            {"https://svn.example/tags/1.0/tags", "???"},
            {"https://svn.example/tags/3.0/src", "3.0"}, {"https://svn.example/Tags/1.0", "???"},
            {"https://svn.example/mytags/1.0/tagsx/2.0", "???"}, {"tags/5.6", "5.6"}, {"", "???"}};
        for (const auto& c : cases)
            QCOMPARE(AboutDialog::VersionFromRepositoryPath(c.first), c.second);
    }

    void aboutShowsBuildAndOpensLinks()
    {
        AboutDialog dialog;
        // Release builds come from a tag named after the version.
        QVERIFY(
            QString(BuildRepositoryPath).contains(QRegularExpression("/tags/\\d+\\.\\d+\\.\\d+$")));
        QCOMPARE(dialog.labelVersion->text(),
            "Version: " + QString(BuildRepositoryPath).section('/', -1));
        QCOMPARE(dialog.labelRevision->text(), "Revision: " + QString(BuildRevision));
        QVERIFY(QString(BuildRevision).toInt() > 0);
        QVERIFY(!dialog.windowFlags().testFlag(Qt::WindowContextHelpButtonHint));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        for (QLabel* label : {dialog.labelWebsite, dialog.labelEMail}) {
            LinkCollector collector;
            const QString scheme = label == dialog.labelEMail ? "mailto" : "https";
            QDesktopServices::setUrlHandler(scheme, &collector, "open");
            // The label holds only its link, drawn centred.
            QTest::mouseClick(
                label, Qt::LeftButton, Qt::NoModifier, label->contentsRect().center());
            QDesktopServices::unsetUrlHandler(scheme);
            QCOMPARE(collector.urls.size(), 1);
            QCOMPARE(collector.urls.first().scheme(), scheme);
            QVERIFY(collector.urls.first().toString().endsWith(
                QTextDocumentFragment::fromHtml(label->text()).toPlainText()));
        }
        QVERIFY(dialog.isVisible());
        QTest::mouseClick(dialog.buttonBox->button(QDialogButtonBox::Close), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    void tipsCommandShowsTheOneWindowAgain()
    {
        QTemporaryDir set;
        QVERIFY(TrendSetFiles::write(
            set.path(), ConfigurationFileName, TrendSetFiles::configuration(1456823700000, 1)));
        QVERIFY(TrendSetFiles::write(
            set.path(), SpeedFileName, TrendSetFiles::twoColumns({0, 1000}, {800, 810})));
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QAction* tips = nullptr;
        for (QAction* action : window.findChildren<QAction*>())
            tips = action->text() == "&Tips and Tricks..." ? action : tips;
        QVERIFY(tips && !tips->isEnabled());
        const QList<TipsAndTricks*> created = window.findChildren<TipsAndTricks*>();
        QCOMPARE(created.size(), 1);
        TipsAndTricks* dialog = created.first();
        QVERIFY(!dialog->isVisible() && !dialog->isModal());

        QVERIFY(window.LoadTrendSet(set.filePath(SpeedFileName)));
        tips->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        // Modeless: the main window stays usable beside it.
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        dialog->move(dialog->pos() + QPoint(40, 30));
        QCoreApplication::processEvents();
        const QRect geometry = dialog->geometry();
        tips->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(window.findChildren<TipsAndTricks*>(), created);
        QCOMPARE(dialog->geometry(), geometry);
        // Closing the set disables the command but leaves the open window alone.
        QVERIFY(QMetaObject::invokeMethod(&window, "CloseFile"));
        QVERIFY(!tips->isEnabled() && dialog->isVisible());
        // Close and Escape only hide it; the command shows the same window again.
        QTest::mouseClick(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Close),
            Qt::LeftButton);
        QVERIFY(!dialog->isVisible());
        QVERIFY(window.LoadTrendSet(set.filePath(SpeedFileName)));
        tips->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QTest::keyClick(dialog, Qt::Key_Escape);
        QCoreApplication::processEvents();
        QVERIFY(!dialog->isVisible());
        QCOMPARE(window.findChildren<TipsAndTricks*>(), created);
    }

private:
    QTemporaryDir m_settingsHome;
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
