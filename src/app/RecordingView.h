#pragma once

#include "TrendFileNames.h"

#include <QString>

// How the main window shows and exports each recording kind: the plot title, the value axis
// title, which series become curves and what the single series is called in the plot and in a
// CSV file. A per-cylinder series is always named after its cylinder. The texts are translated
// in the main window's context when they are used.
struct RecordingView {
    enum class Curves {
        SingleSeries, // the one series of a two-column file
        PerCylinder, // one series per cylinder
        GlobalTimingAndPerCylinder, // the set's global timing first as reference, then per cylinder
    };

    RecordingKind kind;
    const char* plotTitle;
    const char* axisTitle; // with %1 for the temperature unit where axisHasTemperatureUnit
    bool axisHasTemperatureUnit;
    Curves curves;
    const char* curveTitle; // the single series, or the global timing reference curve
    const char* csvSeriesName; // the single series in a CSV file

    // The view of the data file at a path, chosen by its exact file name; null when the file is
    // no data file.
    static const RecordingView* ForFile(const QString& path);
};
