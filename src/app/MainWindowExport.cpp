// The export commands of the main window: the samples of the open data file to CSV, and its
// plot to an image or document file or to the clipboard.

#include "MainWindow.h"

#include "ApplicationIdentity.h"
#include "CCsvFileDialog.h"
#include "CCsvWriter.h"
#include "ConfigurationReader.h"
#include "DatafileReaderInterface.h"
#include "PlainMessageBox.h"
#include "PlotExportFormats.h"
#include "PlotFileWriter.h"
#include "RecordingView.h"
#include "TimeAxisLabelFitter.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageWriter>
#include <QPixmap>
#include <qwt_plot.h>
#include <qwt_plot_renderer.h>

#include <new>

namespace {

// The open file's folder and base name (up to its first dot) with another suffix.
QString ProposedName(const QString& currentFile, const char* suffix)
{
    const QFileInfo info(currentFile);
    return info.path() + QDir::separator() + info.baseName() + QLatin1String(suffix);
}

} // namespace

void MainWindow::ExportCsv()
{
    if (m_currentFile.isNull()) // the readers are set and cleared with it
        return;

    const QString defaultName = ProposedName(m_currentFile, ".csv");
    qCDebug(lcCurveScope) << "\n++" << defaultName;

    bool timestampList = false;
    const QString fileName = CCsvFileDialog::GetCsvSaveFileName(timestampList, defaultName, this);
    qCDebug(lcCurveScope) << "MainWindow::ExportCsv()" << fileName << timestampList;
    if (fileName.isNull())
        return;

    QApplication::setOverrideCursor(Qt::WaitCursor);
    bool written;
    try {
        written = WriteCsv(fileName, timestampList);
    } catch (const std::bad_alloc&) {
        // The time stamps and the sorted order of a long recording are made only now.
        written = false;
    }
    QApplication::restoreOverrideCursor();

    if (!written)
        PlainMessageBox::Critical(this, tr("CSV export failed"),
            tr("Unable to write data to file '%1' !\n").arg(fileName));
}

bool MainWindow::WriteCsv(const QString& fileName, bool timestampList)
{
    CCsvWriter writer;
    const DatafileReaderInterface& reader = *m_dataReader;
    if (const RecordingView* view = RecordingView::ForFile(m_currentFile)) {
        if (view->curves == RecordingView::Curves::SingleSeries) {
            writer.AddSeries(reader.GetTimestamps(-1), reader.GetValues(-1),
                QCoreApplication::translate("MainWindow", view->csvSeriesName));
        } else {
            const int cylinders = m_configuration->GetNumberOfCylinders();
            const QStringList names = m_configuration->GetCylinderNames();
            for (int i = 0; i < cylinders; ++i)
                writer.AddSeries(reader.GetTimestamps(i), reader.GetValues(i), names.value(i));
        }
    }

    return timestampList ? writer.WriteTimestampList(fileName)
                         : writer.WriteTimeDataPairs(fileName, true);
}

void MainWindow::ExportPlot()
{
    auto* plot = qobject_cast<QwtPlot*>(centralWidget());
    if (plot == nullptr)
        return;

    const PlotExportFormats formats(QImageWriter::supportedImageFormats());
    const QString fileName = QFileDialog::getSaveFileName(this, tr("Export File Name"),
        ProposedName(m_currentFile, ".png"), formats.Filters().join(QLatin1String(";;")));
    if (fileName.isEmpty())
        return;

    const QString suffix = QFileInfo(fileName).suffix();
    if (!formats.Accepts(suffix)) {
        PlainMessageBox::Critical(
            this, tr("Unsupported image format"), formats.RefusalText(suffix));
        return;
    }

    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool written = PlotFileWriter::Write(plot, fileName);
    QApplication::restoreOverrideCursor();
    if (!written)
        PlainMessageBox::Critical(this, tr("Plot export failed"),
            tr("Unable to write the plot to file '%1' !\n").arg(fileName));
}

void MainWindow::CopyPlotToClipboard()
{
    auto* plot = qobject_cast<QwtPlot*>(centralWidget());
    if (plot == nullptr)
        return;
    QPixmap pixmap(plot->width(), plot->height());
    QwtPlotRenderer renderer;
    const TimeAxisLabelFitter::ForRendering timeLabels(plot, pixmap.size());
    renderer.renderTo(plot, pixmap);
    QGuiApplication::clipboard()->setPixmap(pixmap, QClipboard::Clipboard);
}
