// The CSV save dialog: the layout choice inside Qt's own file dialog, the pictures that follow
// the chosen layout, and what GetCsvSaveFileName hands back on accept and cancel.

#include "CCsvFileDialog.h"
#include "CsvLayout.h"

#include <QtTest>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <functional>

namespace {

// Plays a script against the modal widgets that appear: each step gets the active modal widget
// and is dropped before it runs, so a step may open a nested modal loop of its own.
class ModalScript : public QObject {
public:
    explicit ModalScript(QList<std::function<void(QWidget*)>> steps)
        : m_steps(std::move(steps))
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal && modal->isVisible() && !m_steps.isEmpty())
                m_steps.takeFirst()(modal);
        });
        m_timer.start(20);
    }
    bool Finished() const { return m_steps.isEmpty(); }

private:
    QTimer m_timer;
    QList<std::function<void(QWidget*)>> m_steps;
};

QRadioButton* Radio(QWidget* dialog, const QString& text)
{
    for (QRadioButton* button : dialog->findChildren<QRadioButton*>())
        if (button->text() == text)
            return button;
    return nullptr;
}

// Which layout is checked and which picture is enabled, e.g. "pairs 10".
QString State(QWidget* dialog)
{
    QString state = Radio(dialog, "Time/Data Pairs")->isChecked() ? "pairs "
        : Radio(dialog, "Timestamp List")->isChecked()            ? "list "
                                                                  : "none ";
    for (QLabel* label : dialog->findChild<QGroupBox*>()->findChildren<QLabel*>())
        if (!label->pixmap(Qt::ReturnByValue).isNull())
            state += label->isEnabled() ? '1' : '0';
    return state;
}

QString Choose(const QString& folder, bool* list, const QString& click, bool accept)
{
    ModalScript script({[&](QWidget* modal) {
        if (!click.isEmpty())
            QTest::mouseClick(Radio(modal, click), Qt::LeftButton);
        accept ? static_cast<QDialog*>(modal)->accept() : static_cast<QDialog*>(modal)->reject();
    }});
    return CCsvFileDialog::GetCsvSaveFileName(*list, folder + "/speed.csv", nullptr);
}

} // namespace

class TestCsvFileDialog : public QObject {
    Q_OBJECT

private slots:
    void layoutChoice()
    {
        CCsvFileDialog dialog(
            nullptr, "caption", m_dir.filePath("speed.csv"), "All (*.*)", TimeDataPairs);
        QVERIFY(dialog.testOption(QFileDialog::DontUseNativeDialog));
        QCOMPARE(dialog.findChild<QGroupBox*>()->title(), QString("Chose CSV Format"));
        QCOMPARE(State(&dialog), QString("pairs 10"));
        QTest::mouseClick(Radio(&dialog, "Timestamp List"), Qt::LeftButton);
        QCOMPARE(State(&dialog) + QString::number(dialog.Layout()),
            "list 01" + QString::number(TimestampList));
        QTest::mouseClick(Radio(&dialog, "Timestamp List"), Qt::LeftButton);
        QCOMPARE(State(&dialog), QString("list 01"));
        QTest::mouseClick(Radio(&dialog, "Time/Data Pairs"), Qt::LeftButton);
        QCOMPARE(State(&dialog) + QString::number(dialog.Layout()),
            "pairs 10" + QString::number(TimeDataPairs));
        QCOMPARE(
            State(CCsvFileDialog(nullptr, "c", m_dir.path(), "All (*.*)", TimestampList).window()),
            QString("list 01"));
        QCOMPARE(State(CCsvFileDialog(nullptr, "c", m_dir.path(), "All (*.*)", 7).window()),
            QString("none 00"));
    }

    void acceptAndCancel()
    {
        // The flag says Timestamp List; a canceled dialog leaves it as it was.
        for (const bool before : {false, true}) {
            for (const bool accept : {false, true}) {
                bool list = before;
                const QString chosen = Choose(
                    m_dir.path(), &list, before ? "Time/Data Pairs" : "Timestamp List", accept);
                QCOMPARE(chosen, accept ? m_dir.filePath("speed.csv") : QString());
                QCOMPARE(list, accept ? !before : before);
            }
            bool untouched = before;
            Choose(m_dir.path(), &untouched, "", true);
            QCOMPARE(untouched, before);
        }
    }

    void namesAndFilters()
    {
        QStringList filters;
        QString proposed;
        ModalScript script({[&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            filters = dialog->nameFilters();
            proposed = dialog->directory().absolutePath() + '/'
                + dialog->findChild<QLineEdit*>("fileNameEdit")->text();
            // Typed by the user, as selectFile leaves a focused name field alone.
            dialog->findChild<QLineEdit*>("fileNameEdit")->selectAll();
            QTest::keyClicks(dialog->findChild<QLineEdit*>("fileNameEdit"), "export");
            static_cast<QDialog*>(dialog)->accept();
        }});
        bool list = false;
        // No suffix is added to the chosen name.
        QCOMPARE(CCsvFileDialog::GetCsvSaveFileName(list, m_dir.filePath("speed.csv"), nullptr),
            m_dir.filePath("export"));
        QCOMPARE(proposed, m_dir.filePath("speed.csv"));
        QCOMPARE(filters, QStringList({"Comma-Separated Values (*.csv)", "All (*.*)"}));
    }

    void overwriteAsksFirst()
    {
        QFile file(m_dir.filePath("existing.csv"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QStringList asked;
        auto choose = [&](QWidget* modal) {
            modal->findChild<QLineEdit*>("fileNameEdit")->setText("existing.csv");
            // Accepting asks first in a nested loop; started from its own timer, it leaves the
            // script's timer free to answer.
            QTimer::singleShot(0, modal, [modal] { static_cast<QDialog*>(modal)->accept(); });
        };
        auto answer = [&](QMessageBox::StandardButton button) {
            return [&asked, button](QWidget* modal) {
                asked << static_cast<QMessageBox*>(modal)->text();
                static_cast<QMessageBox*>(modal)->button(button)->click();
            };
        };
        ModalScript script({choose, answer(QMessageBox::No), choose, answer(QMessageBox::Yes)});
        bool list = false;
        QCOMPARE(CCsvFileDialog::GetCsvSaveFileName(list, m_dir.filePath("speed.csv"), nullptr),
            file.fileName());
        QVERIFY(script.Finished());
        QCOMPARE(asked.size(), 2);
        QVERIFY(asked[0].contains("existing.csv"));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestCsvFileDialog)
#include "tst_csvfiledialog.moc"
