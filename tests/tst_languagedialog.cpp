// The language dialog: which languages it offers from the language folder, how it lays out
// their buttons, and what a choice or Cancel leaves in the settings.

#include "CSelectLanguageDialog.h"
#include "MainWindow.h"
#include "ModalCatcher.h"
#include "TestSettings.h"

#include <QDir>
#include <QGridLayout>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QPushButton* ButtonWithText(QWidget* dialog, const QString& text)
{
    for (QPushButton* button : dialog->findChildren<QPushButton*>())
        if (button->text() == text)
            return button;
    return nullptr;
}

// Runs the dialog and clicks a button (or closes the window for an empty text); returns the
// result and the messages shown.
QString Run(CSelectLanguageDialog& dialog, const QString& text)
{
    ModalCatcher catcher;
    bool answered = false;
    catcher.setDialogHandler([&](QDialog* modal) {
        if (modal != &dialog || answered)
            return;
        answered = true;
        // Clicked from a fresh event: the information box it opens needs the catcher's timer.
        QPushButton* button = ButtonWithText(modal, text);
        QTimer::singleShot(0, modal, [modal, button] {
            button ? QTest::mouseClick(button, Qt::LeftButton) : void(modal->close());
        });
    });
    QString result = QString::number(dialog.exec());
    for (const ModalCatcher::Message& m : catcher.messages())
        result += QString("|%1|%2|%3").arg(m.icon).arg(m.title, m.text);
    return result;
}

} // namespace

class TestLanguageDialog : public QObject {
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
            {{"CurveScope_en.qm", "qt_de.qm", "qtbase_de.qm", "curvescope_de.qm",
                 "CURVESCOPE_fr.qm", "CurveScope_de.ts", "CurveScope_fr.png",
                 "CurveScope_it.qm.bak"},
                {}},
            // The language from the last name part, the complete base name keeps inner dots.
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
                QVERIFY(c.first.contains(QFileInfo(list.at(i).second).completeBaseName() + ".qm")
                    && QFileInfo(list.at(i).second).absolutePath()
                        == QFileInfo(folder.path()).absoluteFilePath());
        }
        QCOMPARE(
            CSelectLanguageDialog::LanguagesInFolder(m_settingsHome.filePath("missing")).size(), 1);
    }

    void buttonGrid()
    {
        const QList<QPair<int, int>> columns {
            {1, 5}, {3, 5}, {4, 2}, {5, 3}, {9, 3}, {10, 4}, {16, 4}, {17, 5}};
        for (const auto& c : columns)
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
        // No flag beside the catalogue: the button carries its text only.
        QCOMPARE(ButtonWithText(&dialog, "Deutsch")->iconSize(), QSize(37, 23));
        QVERIFY(ButtonWithText(&dialog, QString::fromUtf8("français"))->icon().isNull());
        QCOMPARE(ButtonWithText(&dialog, "Cancel")->minimumHeight(), 40);
    }

    void choiceIsStoredForTheNextStart()
    {
        QTemporaryDir folder;
        QVERIFY(QFile(folder.filePath("CurveScope_de.qm")).open(QIODevice::WriteOnly));
        const QString stored = QString("1|%1|Information|The selected language will be used when "
                                       "the program is started the next time.")
                                   .arg(QMessageBox::Information);
        for (const char* text : {"Deutsch", "English", "Cancel", ""}) {
            QSettings().clear();
            const QString before = QCoreApplication::translate("MainWindow", "&File");
            QWidget parent;
            CSelectLanguageDialog dialog(folder.path(), &parent);
            const QString result = Run(dialog, text);
            if (QByteArray(text) == "Deutsch" || QByteArray(text) == "English") {
                QCOMPARE(result, stored);
                QCOMPARE(QSettings().value("Language").toInt(),
                    int(text[0] == 'D' ? QLocale::German : QLocale::English));
            } else {
                QCOMPARE(result, QString("0"));
                QVERIFY(!QSettings().contains("Language"));
            }
            // The running program keeps its language.
            QCOMPARE(QCoreApplication::translate("MainWindow", "&File"), before);
        }
    }

    void setLanguageCommandRunsDialogOverWindow()
    {
        MainWindow window;
        window.show();
        ModalCatcher catcher;
        QString seen;
        catcher.setDialogHandler([&](QDialog* modal) {
            if (!seen.isEmpty())
                return;
            seen = QString("%1 %2")
                       .arg(modal->metaObject()->className())
                       .arg(modal->parentWidget() == &window);
            for (QPushButton* button : modal->findChildren<QPushButton*>())
                seen += ' ' + button->text();
            QPushButton* english = ButtonWithText(modal, "English");
            QTimer::singleShot(
                0, english, [english] { QTest::mouseClick(english, Qt::LeftButton); });
        });
        QVERIFY(QMetaObject::invokeMethod(&window, "SetLanguage"));
        // The languages come from the folder beside the executable, which test programs lack.
        QVERIFY(!QDir(CSelectLanguageDialog::DefaultLanguageFolder()).exists());
        QCOMPARE(seen, QString("CSelectLanguageDialog 1 English Cancel"));
        QCOMPARE(catcher.messages().size(), 1);
        QCOMPARE(QSettings().value("Language").toInt(), int(QLocale::English));
        QCOMPARE(window.findChildren<CSelectLanguageDialog*>().size(), 0);
    }

private:
    QTemporaryDir m_settingsHome;
};

QTEST_MAIN(TestLanguageDialog)
#include "tst_languagedialog.moc"
