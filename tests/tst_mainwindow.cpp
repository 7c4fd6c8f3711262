// The main window shell: commands, menus, tool bar, enabled states and the drag-enter rules.

#include "MainWindow.h"
#include "ModalCatcher.h"
#include "TrendSetFiles.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QToolBar>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {
struct Command {
    const char* text;
    const char* statusTip;
    const char* shortcut;
    bool enabledAtStart;
};

const Command Commands[] = {
    {"&Open", "Select a tlx file and open it", "Ctrl+O", true},
    {"&Close", "Close file", "", false},
    {"&Export to CSV", "Write data into a CSV file", "", false},
    {"Export &Plot", "Save plot into an image file", "", false},
    {"Copy plot to clipboard", "Copy plot to clipboard (Ctrl+C)", "Ctrl+C", false},
    {"&Quit", "Close application", "Ctrl+Q", true},
    {"&Set Language", "Set language for the next application start.", "", true},
    {"&About", "Show general informations about this program", "", true},
    {"&Tips and Tricks...", "Show some tips and tricks", "", false},
};

QAction* findAction(QWidget* window, const QString& text)
{
    for (QAction* action : window->findChildren<QAction*>()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

QStringList actionTexts(const QList<QAction*>& actions)
{
    QStringList texts;
    for (QAction* action : actions)
        texts << (action->isSeparator() ? QStringLiteral("|") : action->text());
    return texts;
}

// Sends a drag-enter event with the given URLs and tells whether the window accepted it.
bool dragAccepted(MainWindow& window, const QList<QUrl>& urls, bool withUrls = true)
{
    QMimeData data;
    if (withUrls)
        data.setUrls(urls);
    else
        data.setText(QStringLiteral("just text"));
    QDragEnterEvent event(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    event.ignore();
    QCoreApplication::sendEvent(&window, &event);
    return event.isAccepted();
}
}

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void commands();
    void dragEnter();
    void dragEnterRefusesUnreadableFile();
    void dropChecksTheFileAgain();
};

void TestMainWindow::commands()
{
    MainWindow window;
    QCOMPARE(window.windowTitle(), QStringLiteral("Orvanta Curve Scope"));
    QVERIFY(window.acceptDrops());
    QSignalSpy spy(&window, &MainWindow::FileOpenedOrClosed);
    for (const bool opened : {false, true, false}) {
        if (opened)
            emit window.FileOpenedOrClosed(true);
        else if (spy.size() > 0)
            QVERIFY(QMetaObject::invokeMethod(&window, "CloseFile"));
        for (const Command& command : Commands) {
            QAction* action = findAction(&window, QString::fromUtf8(command.text));
            QVERIFY2(action != nullptr && !action->icon().isNull(), command.text);
            QCOMPARE(action->statusTip(), QString::fromUtf8(command.statusTip));
            QCOMPARE(action->shortcut(), QKeySequence(QString::fromLatin1(command.shortcut)));
            QCOMPARE(action->isEnabled(), opened || command.enabledAtStart);
        }
    }
    // Close returns to the empty state and says so.
    QCOMPARE(spy.size(), 2);
    QCOMPARE(spy.last().at(0).toBool(), false);
    QCOMPARE(window.centralWidget()->metaObject()->className(), "QWidget");

    const QList<QAction*> menus = window.menuBar()->actions();
    QCOMPARE(actionTexts(menus), QStringList({"&File", "&Help"}));
    QCOMPARE(actionTexts(menus.at(0)->menu()->actions()),
        QStringList({"&Open", "&Close", "|", "&Export to CSV", "Export &Plot", "|", "&Quit"}));
    QCOMPARE(actionTexts(menus.at(1)->menu()->actions()),
        QStringList({"&Set Language", "&Tips and Tricks...", "|", "&About"}));
    // The copy command is reached by the tool bar and Ctrl+C only, never through a menu.
    QCOMPARE(window.findChildren<QToolBar*>().size(), 1);
    QCOMPARE(actionTexts(window.findChild<QToolBar*>()->actions()),
        QStringList({"&Open", "&Close", "&Export to CSV", "Export &Plot", "Copy plot to clipboard",
            "&Tips and Tricks..."}));
}

void TestMainWindow::dragEnter()
{
    QTemporaryDir dir;
    for (const char* name :
        {"speed.tlx", "Speed.tlx", "SPEED.TLX", "speed.Tlx", "speed.csv", "speed"})
        QVERIFY(TrendSetFiles::write(dir.path(), name, "0\t1\n"));
    QVERIFY(QDir(dir.path()).mkdir("folder.tlx"));
    const auto url = [&](const char* name) { return QUrl::fromLocalFile(dir.filePath(name)); };
    MainWindow window;
    // Any one readable .tlx is accepted; the exact name is checked when the drop is opened.
    QVERIFY(dragAccepted(window, {url("speed.tlx")}));
    QVERIFY(dragAccepted(window, {url("Speed.tlx")}));
    for (const char* name :
        {"SPEED.TLX", "speed.Tlx", "speed.csv", "speed", "folder.tlx", "missing.tlx"})
        QVERIFY2(!dragAccepted(window, {url(name)}), name);
    QVERIFY(!dragAccepted(window, {url("speed.tlx"), url("Speed.tlx")}));
    QVERIFY(!dragAccepted(window, {}));
    QVERIFY(!dragAccepted(window, {}, false));
    QVERIFY(!dragAccepted(window, {QUrl("https://www.orvanta.example/speed.tlx")}));
}

void TestMainWindow::dragEnterRefusesUnreadableFile()
{
#ifdef Q_OS_UNIX
    if (::geteuid() == 0)
        QSKIP("root reads every file, so an unreadable file cannot be made here");
#endif
    QTemporaryDir dir;
    QVERIFY(TrendSetFiles::write(dir.path(), "speed.tlx", "0\t1\n"));
    QFile file(dir.filePath("speed.tlx"));
    QVERIFY(file.setPermissions(QFileDevice::WriteOwner));
    MainWindow window;
    QVERIFY(!dragAccepted(window, {QUrl::fromLocalFile(file.fileName())}));
}

// Regression: a file swapped for a pipe after the drag entered was opened and blocked the window.
void TestMainWindow::dropChecksTheFileAgain()
{
#ifndef Q_OS_UNIX
    QSKIP("named pipes are made with mkfifo");
#else
    QTemporaryDir dir;
    QVERIFY(TrendSetFiles::write(
        dir.path(), "configuration.tlx", TrendSetFiles::configuration(1456823700000, 1)));
    const QString pipe = dir.filePath("speed.tlx");
    QCOMPARE(::mkfifo(QFile::encodeName(pipe), 0600), 0);

    MainWindow window;
    ModalCatcher catcher;
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(pipe)});
    QDropEvent event(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &event);
    QCOMPARE(catcher.messages().size(), 0);
    QCOMPARE(window.centralWidget()->metaObject()->className(), "QWidget");
#endif
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
