// PlotData: the plot of the opened data file, built from the view of its recording kind.

#include "MainWindow.h"

#include "ConfigurationReader.h"
#include "DatafileReaderTwoColumns.h"
#include "RecordingView.h"
#include "TrendFileNames.h"
#include "TrendPlot.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <memory>

namespace {
void AddCylinderCurves(
    TrendPlot* plot, const ConfigurationReader& configuration, const DatafileReaderInterface& data)
{
    const QStringList names = configuration.GetCylinderNames();
    const int cylinders = configuration.GetNumberOfCylinders();
    for (int i = 0; i < cylinders; ++i) {
        // The configuration pads the names to the number of cylinders; stay safe all the same.
        const QString name = i < names.size() ? names.at(i) : QString();
        plot->AddCurve(data.GetTimes(i), data.GetValues(i), name);
    }
}
}

bool MainWindow::PlotData(const QString& path)
{
    const RecordingView* view = RecordingView::ForFile(path);
    if (view == nullptr)
        return false;
    const ConfigurationReader& configuration = *m_configuration;
    const DatafileReaderInterface& data = *m_dataReader;
    auto translated
        = [](const char* text) { return QCoreApplication::translate("MainWindow", text); };

    // Owned here until it is installed: a set-up that runs out of memory leaves no stray plot.
    std::unique_ptr<TrendPlot> owner(new TrendPlot(this));
    TrendPlot* plot = owner.get();
    plot->setTitle(translated(view->plotTitle));
    QString axisTitle = translated(view->axisTitle);
    if (view->axisHasTemperatureUnit)
        axisTitle = axisTitle.arg(configuration.GetTemperatureUnitText());
    plot->setAxisTitle(QwtPlot::yLeft, axisTitle);

    switch (view->curves) {
    case RecordingView::Curves::SingleSeries:
        plot->AddCurve(data.GetTimes(-1), data.GetValues(-1), translated(view->curveTitle));
        break;
    case RecordingView::Curves::GlobalTimingAndPerCylinder: {
        // The global timing of the same set is drawn first as reference, when it can be read.
        DatafileReaderTwoColumns globalTiming;
        const QString globalTimingPath
            = QFileInfo(path).path() + QDir::separator() + GlobalTimingFileName;
        if (globalTiming.ReadFile(globalTimingPath, configuration.GetStartTime(),
                configuration.GetNumberOfCylinders())) {
            plot->AddCurve(globalTiming.GetTimes(-1), globalTiming.GetValues(-1),
                translated(view->curveTitle));
        }
        AddCylinderCurves(plot, configuration, data);
        break;
    }
    case RecordingView::Curves::PerCylinder:
        AddCylinderCurves(plot, configuration, data);
        break;
    }

    setCentralWidget(owner.release());
    return true;
}
