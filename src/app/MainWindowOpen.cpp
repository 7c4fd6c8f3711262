// Opening a trend set: the Open command, the command line and dropped files all end in
// LoadTrendSet, which reads the configuration, then the chosen data file, then plots it.

#include "MainWindow.h"

#include "ConfigurationReader.h"
#include "DatafileReaderThreeColumns.h"
#include "DatafileReaderTwoColumns.h"
#include "PlainMessageBox.h"
#include "TrendFileNames.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include <new>

bool MainWindow::IsReadableTrendFile(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isReadable() && info.suffix() == TrendFileExtension.mid(1);
}

void MainWindow::OpenFile()
{
    static QString s_lastOpenFolder;
    if (s_lastOpenFolder.isNull())
        s_lastOpenFolder = QDir::homePath();

    const QString path = QFileDialog::getOpenFileName(
        this, tr("Open File"), s_lastOpenFolder, tr("Trends (*.tlx)"));
    if (path.isNull())
        return;

    LoadTrendSet(path);
    s_lastOpenFolder = QFileInfo(path).path();
}

void MainWindow::OpenFileFromCommandLine(int argc, char* argv[])
{
    if (argc != 2 || argv == nullptr || argv[1] == nullptr)
        return;
    QString path = QString::fromLocal8Bit(argv[1]);
#ifdef Q_OS_WIN
    // Windows hands main() the command line in the ANSI code page, which cannot spell every file
    // name: a character outside it arrives as '?'. The toolkit keeps the wide command line; its
    // argument is taken when it is the same one as far as the code page can tell.
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == argc && arguments.at(1).toLocal8Bit() == QByteArray(argv[1]))
        path = arguments.at(1);
#endif
    if (IsReadableTrendFile(path))
        LoadTrendSet(path);
}

bool MainWindow::LoadTrendSet(const QString& path)
{
    if (!m_currentFile.isNull())
        CloseFile();
    PaintCurrentState();

    m_configuration = std::make_shared<ConfigurationReader>();
    const QString configurationPath
        = QFileInfo(path).path() + QDir::separator() + ConfigurationFileName;

    if (!m_configuration->ReadFile(configurationPath)) {
        m_configuration.reset();
        PlainMessageBox::Critical(this, tr("Missing configuration file"),
            tr("Unable to read configuration from %1!\nThe configuration file %1 must be present "
               "in the same folder as the selected data file and it must be readable.")
                .arg(ConfigurationFileName));
        return false;
    }
    if (!m_configuration->IsValid()) {
        m_configuration.reset();
        PlainMessageBox::Critical(this, tr("Invalid configuration"),
            tr("Unable to read configuration from %1!\nConfiguration is invalid.")
                .arg(ConfigurationFileName));
        return false;
    }

    if (!ReadDataFile(path)) {
        m_configuration.reset();
        m_dataReader.reset();
        return false;
    }

    // The plot's level-of-detail index grows with the samples, like the samples themselves.
    const bool plotted = [&] {
        try {
            return PlotData(path);
        } catch (const std::bad_alloc&) {
            return false;
        }
    }();
    if (!plotted) {
        m_configuration.reset();
        m_dataReader.reset();
        PlainMessageBox::Critical(this, tr("Plot failed"), tr("Unable to plot data"));
        return false;
    }

    m_currentFile = path;
    emit FileOpenedOrClosed(true);
    return true;
}

bool MainWindow::ReadDataFile(const QString& path)
{
    if (path.isNull()) {
        PlainMessageBox::Critical(this, tr("No file"), tr("No file selected."));
        return false;
    }

    const QString fileName = QFileInfo(path).fileName();
    const FileClass fileClass = ClassifyFileName(path);
    switch (fileClass.type) {
    case FileClass::ConfigurationFile:
        PlainMessageBox::Warning(this, tr("Config file selected"),
            tr("You have selected a configuration file:\n") + m_configuration->ToString()
                + tr("\nPlease open a data file if you want to see a plot."));
        return false;
    case FileClass::Unrecognised:
        PlainMessageBox::Critical(this, tr("Unknown file selected"),
            tr("Unknown file name %1, cannot read data!\nPlease do not rename any tlx files  "
               "created by your Visorix device.")
                .arg(fileName));
        return false;
    case FileClass::DataFile:
        break;
    }

    if (fileClass.layout == ColumnLayout::TwoColumns)
        m_dataReader = std::make_shared<DatafileReaderTwoColumns>();
    else
        m_dataReader = std::make_shared<DatafileReaderThreeColumns>();

    if (!m_dataReader->ReadFile(
            path, m_configuration->GetStartTime(), m_configuration->GetNumberOfCylinders())) {
        PlainMessageBox::Critical(
            this, tr("Reading file failed"), tr("Unable to read data from file %1!").arg(path));
        return false;
    }
    if (m_dataReader->IsEmpty()) {
        PlainMessageBox::Critical(this, tr("Data file is empty"),
            tr("File %1 does not contain any usable data.").arg(fileName));
        return false;
    }
    return true;
}
