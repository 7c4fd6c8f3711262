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
                QCOMPARE(
                    list.at(i).second, folder.filePath(c.first.first()).replace(".qm", ".png"));
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
        const QString told = QString("%1 Information: The selected language will be used when the "
                                     "program is started the next time.")
                                 .arg(QMessageBox::Information);
        const QList<QPair<QString, int>> choices {
            {"Deutsch", QLocale::German}, {"English", QLocale::English}, {"Cancel", -1}};
        for (const auto& choice : choices) {
            QSettings().clear();
            const QString before = QCoreApplication::translate("MainWindow", "&File");
            QWidget parent;
            CSelectLanguageDialog dialog(folder.path(), &parent);
            ModalCatcher catcher;
            catcher.setDialogHandler([&](QDialog* modal) {
                // Clicked from a fresh event: the information box it opens needs the timer.
                QPushButton* button = buttonWithText(modal, choice.first);
                QTimer::singleShot(
                    0, button, [button] { QTest::mouseClick(button, Qt::LeftButton); });
                catcher.setDialogHandler([](QDialog*) {});
            });
            QCOMPARE(dialog.exec(), int(choice.second >= 0));
            QCOMPARE(QSettings().value("Language", -1).toInt(), choice.second);
            QStringList shown;
            for (const ModalCatcher::Message& m : catcher.messages())
                shown << QString("%1 %2: %3").arg(m.icon).arg(m.title, m.text);
            QCOMPARE(shown, choice.second < 0 ? QStringList() : QStringList(told));
            // The running program keeps its language.
            QCOMPARE(QCoreApplication::translate("MainWindow", "&File"), before);
        }
    }

    void commandsRunModalDialogsOverTheWindow()
    {
        MainWindow window;
        window.show();
        // The languages come from the folder beside the executable, which test programs lack:
        // English and Cancel only.
        QVERIFY(!QDir(CSelectLanguageDialog::DefaultLanguageFolder()).exists());
        for (const QString command : {"SetLanguage", "About"}) {
            ModalCatcher catcher;
            QStringList seen;
            catcher.setDialogHandler([&](QDialog* dialog) {
                seen << QString("%1 %2 %3")
                            .arg(dialog->metaObject()->className())
                            .arg(dialog->parentWidget() == &window)
                            .arg(dialog->findChildren<QPushButton*>().size());
                dialog->reject();
            });
            QVERIFY(QMetaObject::invokeMethod(&window, qPrintable(command)));
            QCOMPARE(seen,
                QStringList(command == "About" ? "AboutDialog 1 1" : "CSelectLanguageDialog 1 2"));
        }
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
        QAction* tips = nullptr;
        for (QAction* action : window.findChildren<QAction*>())
            tips = action->text() == "&Tips and Tricks..." ? action : tips;
        QVERIFY(tips && !tips->isEnabled());
        const QList<TipsAndTricks*> created = window.findChildren<TipsAndTricks*>();
        QCOMPARE(created.size(), 1);
        QVERIFY(window.LoadTrendSet(set.filePath(SpeedFileName)));
        // Shown modeless, hidden by Close, and the same window comes back.
        for (int shown = 0; shown < 2; ++shown) {
            tips->trigger();
            QVERIFY(QTest::qWaitForWindowExposed(created.first()));
            QCOMPARE(QApplication::activeModalWidget(), nullptr);
            QTest::mouseClick(
                created.first()->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Close),
                Qt::LeftButton);
            QVERIFY(!created.first()->isVisible());
        }
        QCOMPARE(window.findChildren<TipsAndTricks*>(), created);
    }

private:
    QTemporaryDir m_settingsHome;
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
