#include "TrendFileNames.h"

#include <QFileInfo>

const QString TrendFileExtension = QStringLiteral(".tlx");
const QString ConfigurationFileName = QStringLiteral("configuration") + TrendFileExtension;
const QString FiringAnglesFileName = QStringLiteral("firing_angles") + TrendFileExtension;
const QString GlobalTimingFileName = QStringLiteral("global_timing") + TrendFileExtension;
const QString SecondaryVoltagesFileName = QStringLiteral("secondary_voltages") + TrendFileExtension;
const QString SpeedFileName = QStringLiteral("speed") + TrendFileExtension;
const QString KnockingIntensityFileName = QStringLiteral("knocking_intensity") + TrendFileExtension;
const QString AnalogOutputFileName = QStringLiteral("analog_output") + TrendFileExtension;
const QString TemperaturesFileName = QStringLiteral("temperatures") + TrendFileExtension;

namespace {
const RecordingKind AllKinds[] = {RecordingKind::Speed, RecordingKind::GlobalTiming,
    RecordingKind::AnalogOutput, RecordingKind::FiringAngles, RecordingKind::SecondaryVoltages,
    RecordingKind::KnockingIntensity, RecordingKind::Temperatures};
}

const QString& FileNameOf(RecordingKind kind)
{
    switch (kind) {
    case RecordingKind::Speed:
        return SpeedFileName;
    case RecordingKind::GlobalTiming:
        return GlobalTimingFileName;
    case RecordingKind::AnalogOutput:
        return AnalogOutputFileName;
    case RecordingKind::FiringAngles:
        return FiringAnglesFileName;
    case RecordingKind::SecondaryVoltages:
        return SecondaryVoltagesFileName;
    case RecordingKind::KnockingIntensity:
        return KnockingIntensityFileName;
    case RecordingKind::Temperatures:
        return TemperaturesFileName;
    }
    return SpeedFileName;
}

ColumnLayout LayoutOf(RecordingKind kind)
{
    switch (kind) {
    case RecordingKind::Speed:
    case RecordingKind::GlobalTiming:
    case RecordingKind::AnalogOutput:
        return ColumnLayout::TwoColumns;
    default:
        return ColumnLayout::ThreeColumns;
    }
}

FileClass ClassifyFileName(const QString& path)
{
    // QFileInfo::fileName() is empty for a path that ends in a separator, which matches nothing.
    const QString name = QFileInfo(path).fileName();
    FileClass result;
    if (name == ConfigurationFileName) {
        result.type = FileClass::ConfigurationFile;
        return result;
    }
    for (RecordingKind kind : AllKinds) {
        if (name == FileNameOf(kind)) {
            result.type = FileClass::DataFile;
            result.kind = kind;
            result.layout = LayoutOf(kind);
            return result;
        }
    }
    return result;
}
