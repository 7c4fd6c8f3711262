#include "RecordingView.h"

#include <QCoreApplication>

const RecordingView* RecordingView::ForFile(const QString& path)
{
    using C = Curves;
    // The texts stay in the context "MainWindow", where the catalogues have always had them.
    static const RecordingView s_views[] = {
        {RecordingKind::Speed, QT_TRANSLATE_NOOP("MainWindow", "Speed Recording"),
            QT_TRANSLATE_NOOP("MainWindow", "RPM"), false, C::SingleSeries,
            QT_TRANSLATE_NOOP("MainWindow", "Speed"),
            QT_TRANSLATE_NOOP("MainWindow", "Speed (RPM)")},
        {RecordingKind::GlobalTiming, QT_TRANSLATE_NOOP("MainWindow", "Global Timing Recording"),
            QT_TRANSLATE_NOOP("MainWindow", "Relative Angle [°CRANK]"), false, C::SingleSeries,
            QT_TRANSLATE_NOOP("MainWindow", "Global Timing"),
            QT_TRANSLATE_NOOP("MainWindow", "Global Timing [°]")},
        {RecordingKind::FiringAngles, QT_TRANSLATE_NOOP("MainWindow", "Firing Angles Recording"),
            QT_TRANSLATE_NOOP("MainWindow", "Relative Angle [°CRANK]"), false,
            C::GlobalTimingAndPerCylinder, QT_TRANSLATE_NOOP("MainWindow", "Global Timing"),
            nullptr},
        {RecordingKind::SecondaryVoltages,
            QT_TRANSLATE_NOOP("MainWindow", "Secondary Voltages Recording"),
            QT_TRANSLATE_NOOP("MainWindow", "Voltage [kV]"), false, C::PerCylinder, nullptr,
            nullptr},
        {RecordingKind::AnalogOutput,
            QT_TRANSLATE_NOOP("MainWindow", "Normalized Analog Output Recording"),
            QT_TRANSLATE_NOOP("MainWindow", "Normalized Analog Output [%]"), false, C::SingleSeries,
            QT_TRANSLATE_NOOP("MainWindow", "Output"),
            QT_TRANSLATE_NOOP("MainWindow", "Output [%]")},
        {RecordingKind::KnockingIntensity,
            QT_TRANSLATE_NOOP("MainWindow", "Knocking Intensity Recording"),
            QT_TRANSLATE_NOOP("MainWindow", "Knocking Intensity [%]"), false, C::PerCylinder,
            nullptr, nullptr},
        {RecordingKind::Temperatures, QT_TRANSLATE_NOOP("MainWindow", "Temperatures Recording"),
            QT_TRANSLATE_NOOP("MainWindow", "Temperature [%1]"), true, C::PerCylinder, nullptr,
            nullptr},
    };

    const FileClass fileClass = ClassifyFileName(path);
    if (!fileClass.isDataFile())
        return nullptr;
    for (const RecordingView& view : s_views) {
        if (view.kind == fileClass.kind)
            return &view;
    }
    return nullptr;
}
