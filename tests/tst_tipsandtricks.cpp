// The tips window: its texts and their emphasis, texts that fit its fixed frame, and its life as
// the one modeless window the main window shows again and again.

#include "MainWindow.h"
#include "TipsAndTricks.h"
#include "TrendFileNames.h"
#include "TrendSetFiles.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

class TestTipsAndTricks : public QObject {
    Q_OBJECT

private slots:
    void texts()
    {
        TipsAndTricks dialog;
        QCOMPARE(dialog.windowTitle(), QString("Tips and Tricks"));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        // The text of each label, with the bold runs in [brackets].
        QStringList texts;
        for (const char* name : {"label", "label_zooming", "label_scrolling", "label_legend"}) {
            auto* label = dialog.findChild<QLabel*>(name);
            QTextDocument document;
            document.setDefaultFont(label->font());
            document.setDocumentMargin(0);
            document.setHtml(label->text());
            document.setTextWidth(label->contentsRect().width());
            QString text;
            qreal bottom = 0;
            for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
                for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
                    const bool bold = it.fragment().charFormat().fontWeight() > QFont::Normal
                        && it.fragment().charFormat().fontPointSize() == 0;
                    text += bold ? '[' + it.fragment().text() + ']' : it.fragment().text();
                }
                text += '\n';
                // The trailing line-break paragraph is only spacing and may be cut.
                if (!block.text().trimmed().remove(QChar::LineSeparator).isEmpty())
                    bottom = document.documentLayout()->blockBoundingRect(block).bottom();
            }
            texts << text.remove(QChar::LineSeparator).trimmed();
            QVERIFY2(label->contentsRect().height() >= bottom, name);
        }
        QCOMPARE(texts,
            QStringList({"Tips and Tricks",
                "Zooming\nTo zoom in the plot press the[ left mouse button] and draw a rectangle "
                "around the desired area.\nUse the [middle mouse button] to return to the "
                "previous zoom level or the [right mouse button] to return to the full plot size.",
                "Scrolling\nTo scroll around in the plot press and holt [Ctrl], then grab the plot "
                "with the[ left mouse button] and drag it to the desired position.",
                "Hiding curves\nYou can hide individual curves in the plot by [clicking on the "
                "corresponding legend entry]. Click the legend entry again to unhide the curve."}));
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
