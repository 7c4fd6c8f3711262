#pragma once

#include <QMainWindow>
#include <QString>
#include <memory>

class QAction;
class QMenu;
class QToolBar;
class ConfigurationReader;
class DatafileReaderInterface;
class TipsAndTricks;

namespace Ui {
class MainWindow;
}

// The program's only main window. It owns the open trend set (the chosen data file, its
// configuration and its data reader), shows its plot as the central widget, and carries the
// commands that open, export and close a set.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Opens the file named by the only command-line argument, if it is a readable .tlx file.
    void OpenFileFromCommandLine(int argc, char* argv[]);

    // Closes the open set, then reads and plots the set of the chosen data file.
    // Every failure is reported in a message box and leaves no set open.
    bool LoadTrendSet(const QString& path);

signals:
    void FileOpenedOrClosed(bool is_open);

private slots:
    void OpenFile();
    void CloseFile();
    void ExportCsv();
    void ExportPlot();
    void CopyPlotToClipboard();
    void SetLanguage();
    void About();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateActions();
    void CreateMenus();
    void CreateToolBars();

    // A readable regular file whose suffix is exactly "tlx": the rule for the command line and
    // for dragged and dropped files.
    static bool IsReadableTrendFile(const QString& path);
    bool ReadDataFile(const QString& path);
    void PaintCurrentState();
    bool PlotData(const QString& path);
    // The samples of the open set into a CSV file of the chosen layout.
    bool WriteCsv(const QString& fileName, bool timestampList);

    Ui::MainWindow* ui;

    QMenu* m_fileMenu = nullptr;
    QAction* m_openAction = nullptr;
    QAction* m_closeAction = nullptr;
    QAction* m_exportCsvAction = nullptr;
    QAction* m_exportPlotAction = nullptr;
    QAction* m_copyAction = nullptr;
    QAction* m_quitAction = nullptr;
    QMenu* m_helpMenu = nullptr;
    QAction* m_setLanguageAction = nullptr;
    QAction* m_aboutAction = nullptr;
    QAction* m_tipsAction = nullptr;
    QToolBar* m_toolBar = nullptr;
    TipsAndTricks* m_tipsDialog = nullptr;

    QString m_currentFile;
    std::shared_ptr<ConfigurationReader> m_configuration;
    std::shared_ptr<DatafileReaderInterface> m_dataReader;
};
