#include "MainWindow.h"
#include "ui_MainWindow.h"

#include "ConfigurationReader.h"
#include "DatafileReaderInterface.h"
#include "TipsAndTricks.h"
#include "TrendFileNames.h"

#include <QAction>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QIcon>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QThread>
#include <QToolBar>
#include <QUrl>
#include <QWindow>

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
{
    ui->setupUi(this);

    m_tipsDialog = new TipsAndTricks(this);
    m_tipsDialog->setModal(false);

    CreateActions();
    CreateMenus();
    CreateToolBars();

    setAcceptDrops(true);
}

MainWindow::~MainWindow() { delete ui; }

void MainWindow::CreateActions()
{
    // One command: icon, text, status tip, optional shortcut, whether it needs an open set.
    auto makeAction = [this](const char* icon, const QString& text, const QString& statusTip,
                          const QString& shortcut, bool needsOpenSet) {
        auto* action = new QAction(QIcon(QString::fromLatin1(icon)), text, this);
        action->setStatusTip(statusTip);
        if (!shortcut.isEmpty())
            action->setShortcut(QKeySequence(shortcut));
        if (needsOpenSet) {
            action->setEnabled(false);
            connect(this, &MainWindow::FileOpenedOrClosed, action, &QAction::setEnabled);
        }
        return action;
    };

    m_openAction = makeAction(":folder_document.png", tr("&Open"),
        tr("Select a tlx file and open it"), tr("Ctrl+O"), false);
    connect(m_openAction, &QAction::triggered, this, &MainWindow::OpenFile);

    m_closeAction
        = makeAction(":folder_closed.png", tr("&Close"), tr("Close file"), QString(), true);
    connect(m_closeAction, &QAction::triggered, this, &MainWindow::CloseFile);

    m_exportCsvAction = makeAction(":document_into.png", tr("&Export to CSV"),
        tr("Write data into a CSV file"), QString(), true);
    connect(m_exportCsvAction, &QAction::triggered, this, &MainWindow::ExportCsv);

    m_exportPlotAction = makeAction(":document_chart.png", tr("Export &Plot"),
        tr("Save plot into an image file"), QString(), true);
    connect(m_exportPlotAction, &QAction::triggered, this, &MainWindow::ExportPlot);

    m_copyAction = makeAction(":copy_chart.png", tr("Copy plot to clipboard"),
        tr("Copy plot to clipboard (Ctrl+C)"), tr("Ctrl+C"), true);
    connect(m_copyAction, &QAction::triggered, this, &MainWindow::CopyPlotToClipboard);

    m_quitAction
        = makeAction(":exit.png", tr("&Quit"), tr("Close application"), tr("Ctrl+Q"), false);
    connect(m_quitAction, &QAction::triggered, this, &QWidget::close);

    m_setLanguageAction = makeAction(":globe.png", tr("&Set Language"),
        tr("Set language for the next application start."), QString(), false);
    connect(m_setLanguageAction, &QAction::triggered, this, &MainWindow::SetLanguage);

    m_aboutAction = makeAction(":information.png", tr("&About"),
        tr("Show general informations about this program"), QString(), false);
    connect(m_aboutAction, &QAction::triggered, this, &MainWindow::About);

    m_tipsAction = makeAction(
        ":light", tr("&Tips and Tricks..."), tr("Show some tips and tricks"), QString(), true);
    connect(m_tipsAction, &QAction::triggered, m_tipsDialog, &QWidget::show);
}

void MainWindow::CreateMenus()
{
    m_fileMenu = menuBar()->addMenu(tr("&File"));
    m_fileMenu->addAction(m_openAction);
    m_fileMenu->addAction(m_closeAction);
    m_fileMenu->addSeparator();
    m_fileMenu->addAction(m_exportCsvAction);
    m_fileMenu->addAction(m_exportPlotAction);
    m_fileMenu->addSeparator();
    m_fileMenu->addAction(m_quitAction);

    m_helpMenu = menuBar()->addMenu(tr("&Help"));
    m_helpMenu->addAction(m_setLanguageAction);
    m_helpMenu->addAction(m_tipsAction);
    m_helpMenu->addSeparator();
    m_helpMenu->addAction(m_aboutAction);
}

void MainWindow::CreateToolBars()
{
    m_toolBar = ui->mainToolBar;
    m_toolBar->addAction(m_openAction);
    m_toolBar->addAction(m_closeAction);
    m_toolBar->addAction(m_exportCsvAction);
    m_toolBar->addAction(m_exportPlotAction);
    m_toolBar->addAction(m_copyAction);
    m_toolBar->addAction(m_tipsAction);
}

// Reading a long file keeps the GUI thread busy for seconds; until then the screen should show
// the window as it is now (the set just closed, the Open dialog gone), not the picture it had.
// A window that main() has only just shown is mapped by the window system a moment later, and
// nothing painted before that reaches the screen: wait for it a little, taking no user input,
// so that nothing else starts meanwhile.
void MainWindow::PaintCurrentState()
{
    if (!isVisible())
        return;
    QElapsedTimer waited;
    waited.start();
    const QWindow* handle = windowHandle();
    while (handle && !handle->isExposed() && waited.elapsed() < 2000) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QThread::msleep(5);
    }
    repaint();
}

void MainWindow::CloseFile()
{
    emit FileOpenedOrClosed(false);
    m_currentFile = QString();
    m_configuration.reset();
    m_dataReader.reset();
    // Delete the plot now rather than through setCentralWidget's deferred deletion: opening the
    // next set reads its file right after this, and the old curves' samples must be gone by then.
    QWidget* plot = takeCentralWidget();
    setCentralWidget(new QWidget(this));
    delete plot;
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    const QMimeData* data = event->mimeData();
    if (!data->hasUrls())
        return;
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1)
        return;
    if (IsReadableTrendFile(urls.first().toLocalFile()))
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    // The drag rules were checked when the drag entered. Should the file have been replaced since
    // (by a pipe, say), the opening finds it and reports it; nothing waits for a writer.
    const QList<QUrl> urls = event->mimeData()->urls();
    if (!urls.isEmpty())
        LoadTrendSet(urls.first().toLocalFile());
}
