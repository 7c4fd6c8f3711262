// The CSV save dialog: the layout group box inside Qt's own file dialog, the pictures that
// follow the chosen layout, and what GetCsvSaveFileName hands back on accept and cancel.

#include "CCsvFileDialog.h"
#include "CsvLayout.h"

#include <QtTest>
#include <QApplication>
#include <QGridLayout>
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
    using Step = std::function<void(QWidget*)>;

    explicit ModalScript(QList<Step> steps)
        : m_steps(std::move(steps))
    {
        m_timer.setInterval(20);
        connect(&m_timer, &QTimer::timeout, this, &ModalScript::Tick);
        m_timer.start();
    }

    bool Finished() const { return m_steps.isEmpty(); }
    QStringList Seen() const { return m_seen; }

private:
    void Tick()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible() || m_steps.isEmpty())
            return;
        m_seen << QString::fromLatin1(modal->metaObject()->className());
        const Step step = m_steps.takeFirst();
        step(modal);
    }

    QTimer m_timer;
    QList<Step> m_steps;
    QStringList m_seen;
};

QRadioButton* Radio(QWidget* dialog, const QString& text)
{
    for (QRadioButton* button : dialog->findChildren<QRadioButton*>())
        if (button->text() == text)
            return button;
    return nullptr;
}

QList<QLabel*> Pictures(QWidget* dialog)
{
    QList<QLabel*> pictures;
    if (auto* box = dialog->findChild<QGroupBox*>())
        for (QLabel* label : box->findChildren<QLabel*>())
            if (!label->pixmap(Qt::ReturnByValue).isNull())
                pictures << label;
    return pictures;
}

} // namespace

class TestCsvFileDialog : public QObject {
    Q_OBJECT

private slots:
    void construction_data();
    void construction();
    void clickingFollowsLayout();
    void acceptAndCancel_data();
    void acceptAndCancel();
    void noSuffixAdded_data();
    void noSuffixAdded();
    void overwriteAsksFirst();

private:
    QTemporaryDir m_dir;
};

void TestCsvFileDialog::construction_data()
{
    QTest::addColumn<int>("layout");
    QTest::addColumn<bool>("pairsOn");
    QTest::addColumn<bool>("listOn");
    QTest::newRow("pairs") << int(TimeDataPairs) << true << false;
    QTest::newRow("list") << int(TimestampList) << false << true;
    QTest::newRow("other number") << 7 << false << false;
}

void TestCsvFileDialog::construction()
{
    QFETCH(int, layout);
    QFETCH(bool, pairsOn);
    QFETCH(bool, listOn);

    CCsvFileDialog dialog(nullptr, "caption", m_dir.filePath("speed.csv"), "All (*.*)", layout);
    QVERIFY(dialog.testOption(QFileDialog::DontUseNativeDialog));
    QCOMPARE(dialog.windowTitle(), QString("caption"));
    QCOMPARE(dialog.Layout(), layout);

    auto* box = dialog.findChild<QGroupBox*>();
    QVERIFY(box);
    QCOMPARE(box->title(), QString("Chose CSV Format"));
    QCOMPARE(box->layout()->objectName(), QString("CVS-Layout"));

    // The box sits in the dialog's main grid, row 4, across every column.
    auto* mainGrid = qobject_cast<QGridLayout*>(dialog.layout());
    QVERIFY(mainGrid);
    const int index = mainGrid->indexOf(box);
    QVERIFY(index >= 0);
    int row, column, rowSpan, columnSpan;
    mainGrid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
    QCOMPARE(row, 4);
    QCOMPARE(column, 0);
    QCOMPARE(rowSpan, 1);
    QCOMPARE(columnSpan, mainGrid->columnCount());

    QRadioButton* pairs = Radio(&dialog, "Time/Data Pairs");
    QRadioButton* list = Radio(&dialog, "Timestamp List");
    QVERIFY(pairs && list);
    QCOMPARE(pairs->isChecked(), pairsOn);
    QCOMPARE(list->isChecked(), listOn);

    // Both pictures come from the compiled-in resources, each beneath its button.
    const QList<QLabel*> pictures = Pictures(&dialog);
    QCOMPARE(pictures.size(), 2);
    auto* grid = qobject_cast<QGridLayout*>(box->layout());
    int pictureRow, pictureColumn, span1, span2;
    grid->getItemPosition(grid->indexOf(pictures[0]), &pictureRow, &pictureColumn, &span1, &span2);
    QCOMPARE(pictureRow, 1);
    QCOMPARE(pictureColumn, 0);
    QCOMPARE(
        pictures[0]->pixmap(Qt::ReturnByValue).toImage().convertToFormat(QImage::Format_ARGB32),
        QImage(":csv_1.png").convertToFormat(QImage::Format_ARGB32));
    QCOMPARE(
        pictures[1]->pixmap(Qt::ReturnByValue).toImage().convertToFormat(QImage::Format_ARGB32),
        QImage(":csv_2.png").convertToFormat(QImage::Format_ARGB32));
    QCOMPARE(pictures[0]->isEnabled(), layout == TimeDataPairs);
    QCOMPARE(pictures[1]->isEnabled(), layout == TimestampList);
}

void TestCsvFileDialog::clickingFollowsLayout()
{
    CCsvFileDialog dialog(nullptr, "c", m_dir.path(), "All (*.*)", TimeDataPairs);
    dialog.show();
    QRadioButton* pairs = Radio(&dialog, "Time/Data Pairs");
    QRadioButton* list = Radio(&dialog, "Timestamp List");
    const QList<QLabel*> pictures = Pictures(&dialog);
    QCOMPARE(pictures.size(), 2);

    // Clicking the button that is already on changes nothing.
    QTest::mouseClick(pairs, Qt::LeftButton);
    QCOMPARE(dialog.Layout(), int(TimeDataPairs));
    QVERIFY(pairs->isChecked());
    QVERIFY(pictures[0]->isEnabled());
    QVERIFY(!pictures[1]->isEnabled());

    QTest::mouseClick(list, Qt::LeftButton);
    QCOMPARE(dialog.Layout(), int(TimestampList));
    QVERIFY(!pairs->isChecked());
    QVERIFY(!pictures[0]->isEnabled());
    QVERIFY(pictures[1]->isEnabled());

    QTest::mouseClick(list, Qt::LeftButton);
    QCOMPARE(dialog.Layout(), int(TimestampList));
    QVERIFY(pictures[1]->isEnabled());

    QTest::mouseClick(pairs, Qt::LeftButton);
    QCOMPARE(dialog.Layout(), int(TimeDataPairs));
    QVERIFY(pictures[0]->isEnabled());
    QVERIFY(!pictures[1]->isEnabled());
}

void TestCsvFileDialog::acceptAndCancel_data()
{
    QTest::addColumn<bool>("flagBefore");
    QTest::addColumn<QString>("click");
    QTest::addColumn<bool>("accept");
    QTest::addColumn<bool>("flagAfter");

    QTest::newRow("list accepted") << false << "Timestamp List" << true << true;
    QTest::newRow("list canceled") << false << "Timestamp List" << false << false;
    QTest::newRow("pairs accepted") << true << "Time/Data Pairs" << true << false;
    QTest::newRow("pairs canceled") << true << "Time/Data Pairs" << false << true;
    QTest::newRow("untouched list") << true << "" << true << true;
    QTest::newRow("untouched pairs") << false << "" << true << false;
}

void TestCsvFileDialog::acceptAndCancel()
{
    QFETCH(bool, flagBefore);
    QFETCH(QString, click);
    QFETCH(bool, accept);
    QFETCH(bool, flagAfter);

    const QString start = m_dir.filePath("speed.csv");
    QString shownFolder;
    QString shownName;
    bool preselected = false;
    ModalScript script({[&](QWidget* modal) {
        auto* dialog = qobject_cast<CCsvFileDialog*>(modal);
        QVERIFY(dialog);
        shownFolder = dialog->directory().absolutePath();
        shownName = dialog->findChild<QLineEdit*>("fileNameEdit")->text();
        QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
        preselected = Radio(dialog, flagBefore ? "Timestamp List" : "Time/Data Pairs")->isChecked();
        if (!click.isEmpty())
            QTest::mouseClick(Radio(dialog, click), Qt::LeftButton);
        if (accept)
            static_cast<QDialog*>(dialog)->accept();
        else
            dialog->reject();
    }});

    bool flag = flagBefore;
    const QString chosen = CCsvFileDialog::GetCsvSaveFileName(flag, start, nullptr);
    QVERIFY(script.Finished());
    QVERIFY(preselected);
    QCOMPARE(shownFolder, QDir(m_dir.path()).absolutePath());
    QCOMPARE(shownName, QString("speed.csv"));
    QCOMPARE(flag, flagAfter);
    if (accept)
        QCOMPARE(chosen, start);
    else
        QVERIFY(chosen.isNull());
}

void TestCsvFileDialog::noSuffixAdded_data()
{
    QTest::addColumn<QString>("filter");
    QTest::newRow("csv filter") << "Comma-Separated Values (*.csv)";
    QTest::newRow("all filter") << "All (*.*)";
}

void TestCsvFileDialog::noSuffixAdded()
{
    QFETCH(QString, filter);
    QStringList filters;
    ModalScript script({[&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        filters = dialog->nameFilters();
        dialog->selectNameFilter(filter);
        // Typed by the user, as selectFile leaves a focused name field alone.
        auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
        edit->selectAll();
        QTest::keyClicks(edit, "export");
        static_cast<QDialog*>(dialog)->accept();
    }});
    bool flag = false;
    const QString chosen
        = CCsvFileDialog::GetCsvSaveFileName(flag, m_dir.filePath("speed.csv"), nullptr);
    QCOMPARE(filters, QStringList({"Comma-Separated Values (*.csv)", "All (*.*)"}));
    QCOMPARE(chosen, m_dir.filePath("export"));
}

void TestCsvFileDialog::overwriteAsksFirst()
{
    const QString existing = m_dir.filePath("existing.csv");
    QFile file(existing);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    int answers = 0;
    bool stillOpenAfterNo = false;
    QPointer<QFileDialog> fileDialog;
    auto answer = [&](QMessageBox::StandardButton button) {
        return [&, button](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            QVERIFY(box->text().contains("existing.csv"));
            ++answers;
            box->button(button)->click();
        };
    };
    auto choose = [&](QWidget* modal) {
        fileDialog = qobject_cast<QFileDialog*>(modal);
        QVERIFY(fileDialog);
        fileDialog->findChild<QLineEdit*>("fileNameEdit")->setText("existing.csv");
        // Accepting asks first in a nested loop; started from its own timer, it leaves the
        // script's timer free to answer.
        QTimer::singleShot(
            0, fileDialog, [&] { static_cast<QDialog*>(fileDialog.data())->accept(); });
    };
    ModalScript script({choose, answer(QMessageBox::No),
        [&](QWidget* modal) {
            stillOpenAfterNo = modal == fileDialog && fileDialog->isVisible();
            choose(modal);
        },
        answer(QMessageBox::Yes)});

    bool flag = false;
    const QString chosen
        = CCsvFileDialog::GetCsvSaveFileName(flag, m_dir.filePath("speed.csv"), nullptr);
    QVERIFY(script.Finished());
    QCOMPARE(answers, 2);
    QVERIFY(stillOpenAfterNo);
    QCOMPARE(chosen, existing);
}

QTEST_MAIN(TestCsvFileDialog)
#include "tst_csvfiledialog.moc"
