// The tips window: its rich-text documents run by run, its fixed geometry, and its life as
// the one modeless window the main window shows again and again.

#include "MainWindow.h"
#include "TipsAndTricks.h"
#include "TrendFileNames.h"
#include "TrendSetFiles.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QAbstractTextDocumentLayout>
#include <QtTest>

namespace {
// How a run of text is drawn: plain, bold, italic, or as a heading.
enum Style { Plain, Bold, Italic, Heading, Title };

QString describe(const QTextCharFormat& format)
{
    const bool bold = format.fontWeight() > QFont::Normal;
    const bool italic = format.fontItalic();
    const double size = format.fontPointSize();
    if (size == 18 && !bold && !italic)
        return QStringLiteral("title");
    if (size == 16 && bold && !italic)
        return QStringLiteral("heading");
    if (size != 0)
        return QStringLiteral("size %1").arg(size);
    if (bold && italic)
        return QStringLiteral("bold italic");
    if (bold)
        return QStringLiteral("bold");
    if (italic)
        return QStringLiteral("italic");
    return QStringLiteral("plain");
}

const char* const StyleNames[] = {"plain", "bold", "italic", "heading", "title"};

// Every run of one paragraph as "style:text".
QStringList runsOf(const QTextBlock& block)
{
    QStringList runs;
    for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (fragment.isValid())
            runs << describe(fragment.charFormat()) + QLatin1Char(':') + fragment.text();
    }
    return runs;
}

using Runs = QList<QPair<int, QString>>;

QAction* findAction(QWidget* window, const QString& text)
{
    for (QAction* action : window->findChildren<QAction*>()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}
}

class TestTipsAndTricks : public QObject {
    Q_OBJECT

private slots:
    void documents_data();
    void documents();
    void paragraphCountsAndLineBreaks_data();
    void paragraphCountsAndLineBreaks();
    void formAndFixedGeometry();
    void textsFitTheFixedFrame();
    void closeHidesWithoutDestroying_data();
    void closeHidesWithoutDestroying();
    void commandShowsTheOneWindowAgain();
};

void TestTipsAndTricks::documents_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("paragraph");
    QTest::addColumn<Runs>("runs");

    QTest::newRow("title") << "label" << 0 << Runs {{Title, "Tips and Tricks"}};
    QTest::newRow("zooming heading") << "label_zooming" << 0 << Runs {{Heading, "Zooming"}};
    QTest::newRow("zooming in") << "label_zooming" << 1
                                << Runs {{Plain, "To "}, {Italic, "zoom in the plot"},
                                       {Plain, " press the"}, {Bold, " left mouse button"},
                                       {Plain, " and draw a rectangle around the desired area."}};
    QTest::newRow("zooming out") << "label_zooming" << 2
                                 << Runs {{Plain, "Use the "}, {Bold, "middle mouse button"},
                                        {Plain, " to "},
                                        {Italic, "return to the previous zoom level"},
                                        {Plain, " or the "}, {Bold, "right mouse button"},
                                        {Plain, " to "}, {Italic, "return to the full plot size"},
                                        {Plain, "."}};
    QTest::newRow("scrolling heading") << "label_scrolling" << 0 << Runs {{Heading, "Scrolling"}};
    QTest::newRow("scrolling") << "label_scrolling" << 1
                               << Runs {{Plain, "To scroll around in the plot press and holt "},
                                      {Bold, "Ctrl"}, {Plain, ", then grab the plot with the"},
                                      {Bold, " left mouse button"},
                                      {Plain, " and drag it to the desired position."}};
    QTest::newRow("legend heading") << "label_legend" << 0 << Runs {{Heading, "Hiding curves"}};
    QTest::newRow("legend") << "label_legend" << 1
                            << Runs {{Plain, "You can hide individual curves in the plot by "},
                                   {Bold, "clicking on the corresponding legend entry"},
                                   {Plain, ". Click the legend entry again to unhide the curve."}};
}

void TestTipsAndTricks::documents()
{
    QFETCH(QString, label);
    QFETCH(int, paragraph);
    QFETCH(Runs, runs);

    TipsAndTricks dialog;
    auto* widget = dialog.findChild<QLabel*>(label);
    QVERIFY(widget != nullptr);
    QCOMPARE(widget->textFormat(), Qt::AutoText);
    QVERIFY(Qt::mightBeRichText(widget->text()));

    QTextDocument document;
    document.setHtml(widget->text());
    const QTextBlock block = document.findBlockByNumber(paragraph);
    QVERIFY(block.isValid());

    QStringList expected;
    for (const auto& run : runs)
        expected << QString::fromLatin1(StyleNames[run.first]) + QLatin1Char(':') + run.second;
    QCOMPARE(runsOf(block), expected);
}

void TestTipsAndTricks::paragraphCountsAndLineBreaks_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("paragraphs");

    QTest::newRow("title") << "label" << 1;
    QTest::newRow("zooming") << "label_zooming" << 4;
    QTest::newRow("scrolling") << "label_scrolling" << 3;
    QTest::newRow("legend") << "label_legend" << 3;
}

void TestTipsAndTricks::paragraphCountsAndLineBreaks()
{
    QFETCH(QString, label);
    QFETCH(int, paragraphs);

    TipsAndTricks dialog;
    auto* widget = dialog.findChild<QLabel*>(label);
    QVERIFY(widget != nullptr);
    QTextDocument document;
    document.setHtml(widget->text());
    QCOMPARE(document.blockCount(), paragraphs);
    if (paragraphs > 1) {
        // A tip ends with a paragraph that holds only a line break.
        QCOMPARE(document.lastBlock().text(), QString(QChar::LineSeparator));
        QVERIFY(widget->wordWrap());
    }
}

void TestTipsAndTricks::formAndFixedGeometry()
{
    TipsAndTricks dialog;
    QCOMPARE(dialog.objectName(), QStringLiteral("TipsAndTricks"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Tips and Tricks"));
    QCOMPARE(dialog.size(), QSize(500, 600));
    QVERIFY(dialog.autoFillBackground());
    QVERIFY(dialog.layout() == nullptr);

    auto* buttonBox = dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    auto* frame = dialog.findChild<QFrame*>(QStringLiteral("verticalFrame"));
    QVERIFY(buttonBox != nullptr);
    QVERIFY(frame != nullptr);
    QCOMPARE(buttonBox->standardButtons(), QDialogButtonBox::Close);
    QVERIFY(buttonBox->centerButtons());
    QCOMPARE(frame->frameShape(), QFrame::StyledPanel);
    QVERIFY(frame->autoFillBackground());
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        QCOMPARE(frame->palette().color(group, QPalette::Base), QColor(Qt::white));
        QCOMPARE(frame->palette().color(group, QPalette::Window), QColor(Qt::white));
    }

    auto* title = dialog.findChild<QLabel*>(QStringLiteral("label"));
    QVERIFY(title != nullptr);
    QCOMPARE(title->font().family(), QStringLiteral("MS Shell Dlg 2"));
    QCOMPARE(title->font().pointSize(), 16);
    QCOMPARE(title->font().weight(), 75);
    QCOMPARE(title->alignment(), Qt::AlignCenter);
    QStringList order;
    for (int i = 0; i < frame->layout()->count(); ++i) {
        QLayoutItem* item = frame->layout()->itemAt(i);
        order << (item->widget() ? item->widget()->objectName() : QStringLiteral("spacer"));
    }
    QCOMPARE(order,
        (QStringList {"label", "label_zooming", "label_scrolling", "label_legend", "spacer"}));

    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    for (const QSize& size : {QSize(800, 900), QSize(300, 200)}) {
        dialog.resize(size);
        QCoreApplication::processEvents();
        QCOMPARE(buttonBox->geometry(), QRect(10, 560, 479, 27));
        QCOMPARE(frame->geometry(), QRect(10, 10, 481, 541));
    }
}

void TestTipsAndTricks::textsFitTheFixedFrame()
{
    TipsAndTricks dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    for (const char* name : {"label", "label_zooming", "label_scrolling", "label_legend"}) {
        auto* label = dialog.findChild<QLabel*>(QString::fromLatin1(name));
        QVERIFY(label != nullptr);
        // Lay the document out as the label does and find where its last words end; the
        // trailing line-break paragraph is only spacing and may be cut.
        QTextDocument document;
        document.setDefaultFont(label->font());
        document.setDocumentMargin(0);
        document.setHtml(label->text());
        document.setTextWidth(label->contentsRect().width());
        qreal textBottom = 0;
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
            if (!block.text().trimmed().remove(QChar::LineSeparator).isEmpty())
                textBottom = document.documentLayout()->blockBoundingRect(block).bottom();
        }
        QVERIFY2(label->contentsRect().height() >= textBottom,
            qPrintable(QStringLiteral("%1: %2 of %3 pixels")
                           .arg(QLatin1String(name))
                           .arg(label->contentsRect().height())
                           .arg(textBottom)));
    }
}

void TestTipsAndTricks::closeHidesWithoutDestroying_data()
{
    QTest::addColumn<bool>("escape");
    QTest::newRow("Close button") << false;
    QTest::newRow("Escape") << true;
}

void TestTipsAndTricks::closeHidesWithoutDestroying()
{
    QFETCH(bool, escape);

    QWidget owner;
    QPointer<TipsAndTricks> dialog = new TipsAndTricks(&owner);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    if (escape)
        QTest::keyClick(dialog, Qt::Key_Escape);
    else
        QTest::mouseClick(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Close),
            Qt::LeftButton);
    QCoreApplication::processEvents();
    QVERIFY(!dialog.isNull());
    QVERIFY(!dialog->isVisible());
}

void TestTipsAndTricks::commandShowsTheOneWindowAgain()
{
    QTemporaryDir set;
    QVERIFY(set.isValid());
    QVERIFY(TrendSetFiles::write(
        set.path(), ConfigurationFileName, TrendSetFiles::configuration(1456823700000, 1)));
    QVERIFY(TrendSetFiles::write(
        set.path(), SpeedFileName, TrendSetFiles::twoColumns({0, 1000, 2000}, {800, 810, 805})));

    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QAction* tips = findAction(&window, QStringLiteral("&Tips and Tricks..."));
    QVERIFY(tips != nullptr);
    QVERIFY(!tips->isEnabled());

    const QList<TipsAndTricks*> created = window.findChildren<TipsAndTricks*>();
    QCOMPARE(created.size(), 1);
    TipsAndTricks* dialog = created.first();
    QVERIFY(!dialog->isVisible());
    QVERIFY(!dialog->isModal());

    QVERIFY(window.LoadTrendSet(set.filePath(SpeedFileName)));
    QVERIFY(tips->isEnabled());
    tips->trigger();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    QVERIFY(dialog->isVisible());
    // Modeless: the main window stays usable beside it.
    QCOMPARE(QApplication::activeModalWidget(), nullptr);

    dialog->move(dialog->pos() + QPoint(40, 30));
    dialog->resize(520, 640);
    QCoreApplication::processEvents();
    const QRect geometry = dialog->geometry();

    tips->trigger();
    QCoreApplication::processEvents();
    QCOMPARE(window.findChildren<TipsAndTricks*>(), created);
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->geometry(), geometry);

    // Closing the set disables the command but leaves the open window alone.
    QVERIFY(QMetaObject::invokeMethod(&window, "CloseFile"));
    QVERIFY(!tips->isEnabled());
    QVERIFY(dialog->isVisible());

    dialog->reject();
    QVERIFY(!dialog->isVisible());
    QVERIFY(window.LoadTrendSet(set.filePath(SpeedFileName)));
    tips->trigger();
    QCoreApplication::processEvents();
    QCOMPARE(window.findChildren<TipsAndTricks*>(), created);
    QVERIFY(dialog->isVisible());
}

QTEST_MAIN(TestTipsAndTricks)
#include "tst_tipsandtricks.moc"
