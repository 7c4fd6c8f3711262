// The tips window: texts that fit its fixed frame, and its life as the one modeless window the
// main window shows again and again.

#include "MainWindow.h"
#include "TipsAndTricks.h"
#include "TrendFileNames.h"
#include "TextFit.h"
#include "TrendSetFiles.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

class TestTipsAndTricks : public QObject {
    Q_OBJECT

private slots:
    // Regression: tip texts that outgrow the window's fixed frame are cut off without a sign.
    void textsFitTheFrame()
    {
        TipsAndTricks dialog;
        QCOMPARE(dialog.windowTitle(), QString("Tips and Tricks"));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        for (const char* name : {"label", "label_zooming", "label_scrolling", "label_legend"}) {
            auto* label = dialog.findChild<QLabel*>(name);
            const double bottom = TextBottom(label);
            QVERIFY2(bottom > 0 && label->contentsRect().height() >= bottom, name);
        }
    }

    void commandShowsTheOneWindowAgain()
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
};

QTEST_MAIN(TestTipsAndTricks)
#include "tst_tipsandtricks.moc"
