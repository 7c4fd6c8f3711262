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

const QVector<RecordingKindRow>& RecordingKinds()
{
    // Pointers to the names: the rows are built on first use, the names before main().
    static const QVector<RecordingKindRow> s_kinds = {
        {RecordingKind::Speed, &SpeedFileName, ColumnLayout::TwoColumns},
        {RecordingKind::GlobalTiming, &GlobalTimingFileName, ColumnLayout::TwoColumns},
        {RecordingKind::FiringAngles, &FiringAnglesFileName, ColumnLayout::ThreeColumns},
        {RecordingKind::SecondaryVoltages, &SecondaryVoltagesFileName, ColumnLayout::ThreeColumns},
        {RecordingKind::AnalogOutput, &AnalogOutputFileName, ColumnLayout::TwoColumns},
        {RecordingKind::KnockingIntensity, &KnockingIntensityFileName, ColumnLayout::ThreeColumns},
        {RecordingKind::Temperatures, &TemperaturesFileName, ColumnLayout::ThreeColumns},
    };
    return s_kinds;
}

namespace {
const RecordingKindRow& RowOf(RecordingKind kind)
{
    const QVector<RecordingKindRow>& kinds = RecordingKinds();
    for (const RecordingKindRow& row : kinds) {
        if (row.kind == kind)
            return row;
    }
    return kinds.first();
}
} // namespace

const QString& FileNameOf(RecordingKind kind) { return *RowOf(kind).fileName; }

ColumnLayout LayoutOf(RecordingKind kind) { return RowOf(kind).layout; }

FileClass ClassifyFileName(const QString& path)
{
    // QFileInfo::fileName() is empty for a path that ends in a separator, which matches nothing.
    const QString name = QFileInfo(path).fileName();
    FileClass result;
    if (name == ConfigurationFileName) {
        result.type = FileClass::ConfigurationFile;
        return result;
    }
    for (const RecordingKindRow& row : RecordingKinds()) {
        if (name == *row.fileName) {
            result.type = FileClass::DataFile;
            result.kind = row.kind;
            result.layout = row.layout;
            return result;
        }
    }
    return result;
}
