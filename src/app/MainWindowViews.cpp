// The view of each recording kind: plot title, value axis title and which series become curves.

#include "MainWindow.h"

#include "ConfigurationReader.h"
#include "DatafileReaderTwoColumns.h"
#include "TrendFileNames.h"
#include "TrendPlot.h"

#include <QDir>
#include <QFileInfo>

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
    const QFileInfo info(path);
    const QString fileName = info.fileName();
    const ConfigurationReader& configuration = *m_configuration;
    const DatafileReaderInterface& data = *m_dataReader;

    auto* plot = new TrendPlot(this);
    auto addSingleSeries = [&](const QString& curveTitle) {
        plot->AddCurve(data.GetTimes(-1), data.GetValues(-1), curveTitle);
    };

    if (fileName == SpeedFileName) {
        plot->setTitle(tr("Speed Recording"));
        plot->setAxisTitle(QwtPlot::yLeft, tr("RPM"));
        addSingleSeries(tr("Speed"));
    } else if (fileName == GlobalTimingFileName) {
        plot->setTitle(tr("Global Timing Recording"));
        plot->setAxisTitle(QwtPlot::yLeft, tr("Relative Angle [°CRANK]"));
        addSingleSeries(tr("Global Timing"));
    } else if (fileName == FiringAnglesFileName) {
        plot->setTitle(tr("Firing Angles Recording"));
        plot->setAxisTitle(QwtPlot::yLeft, tr("Relative Angle [°CRANK]"));
        // The global timing of the same set is drawn first as reference, when it can be read.
        DatafileReaderTwoColumns globalTiming;
        const QString globalTimingPath = info.path() + QDir::separator() + GlobalTimingFileName;
        if (globalTiming.ReadFile(globalTimingPath, configuration.GetStartTime(),
                configuration.GetNumberOfCylinders())) {
            plot->AddCurve(
                globalTiming.GetTimes(-1), globalTiming.GetValues(-1), tr("Global Timing"));
        }
        AddCylinderCurves(plot, configuration, data);
    } else if (fileName == SecondaryVoltagesFileName) {
        plot->setTitle(tr("Secondary Voltages Recording"));
        plot->setAxisTitle(QwtPlot::yLeft, tr("Voltage [kV]"));
        AddCylinderCurves(plot, configuration, data);
    } else if (fileName == AnalogOutputFileName) {
        plot->setTitle(tr("Normalized Analog Output Recording"));
        plot->setAxisTitle(QwtPlot::yLeft, tr("Normalized Analog Output [%]"));
        addSingleSeries(tr("Output"));
    } else if (fileName == KnockingIntensityFileName) {
        plot->setTitle(tr("Knocking Intensity Recording"));
        plot->setAxisTitle(QwtPlot::yLeft, tr("Knocking Intensity [%]"));
        AddCylinderCurves(plot, configuration, data);
    } else if (fileName == TemperaturesFileName) {
        plot->setTitle(tr("Temperatures Recording"));
        plot->setAxisTitle(
            QwtPlot::yLeft, tr("Temperature [%1]").arg(configuration.GetTemperatureUnitText()));
        AddCylinderCurves(plot, configuration, data);
    } else {
        delete plot;
        return false;
    }

    setCentralWidget(plot);
    return true;
}
