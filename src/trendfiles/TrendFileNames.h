#pragma once

#include <QString>
#include <QVector>

// The fixed names of a trend set. The Visorix device names every file of a set by these
// constants, and a file is recognised by its exact, case-sensitive name and by nothing else.
extern const QString TrendFileExtension;
extern const QString ConfigurationFileName;
extern const QString FiringAnglesFileName;
extern const QString GlobalTimingFileName;
extern const QString SecondaryVoltagesFileName;
extern const QString SpeedFileName;
extern const QString KnockingIntensityFileName;
extern const QString AnalogOutputFileName;
extern const QString TemperaturesFileName;

// The seven kinds of data file; only the file name tells which kind a file is. Each kind has
// its row in RecordingKinds() below and one in the view table beside the main window's views.
enum class RecordingKind {
    Speed,
    GlobalTiming,
    AnalogOutput,
    FiringAngles,
    SecondaryVoltages,
    KnockingIntensity,
    Temperatures
};

// Line layout of a data file: time and value, or time, cylinder index and value.
enum class ColumnLayout { TwoColumns, ThreeColumns };

// What the core knows of a recording kind: the fixed name of its data file and its line layout.
struct RecordingKindRow {
    RecordingKind kind;
    const QString* fileName;
    ColumnLayout layout;
};

// Every recording kind, one row each, in the order in which a file name is compared with them.
const QVector<RecordingKindRow>& RecordingKinds();

// What a chosen file is, decided by its name alone.
struct FileClass {
    enum Type { ConfigurationFile, DataFile, Unrecognised };

    Type type = Unrecognised;
    RecordingKind kind = RecordingKind::Speed; // meaningful for DataFile only
    ColumnLayout layout = ColumnLayout::TwoColumns; // meaningful for DataFile only

    bool isDataFile() const { return type == DataFile; }
};

// Classifies a path by the exact file name part (last component, extension included).
FileClass ClassifyFileName(const QString& path);

// The fixed file name of a recording kind.
const QString& FileNameOf(RecordingKind kind);

// The column layout that the data file of a kind has.
ColumnLayout LayoutOf(RecordingKind kind);
