#pragma once

#include <QString>

class QwtPlot;

// Writes a plot into an image or document file, 300 × 200 mm at 170 dpi, in the format that the
// file's suffix names; PostScript is converted from the PDF rendering. The plot is rendered into
// a temporary file and replaces the target only once it is complete (see ReplacingFile), so a
// failed export never destroys an earlier file of that name.
class PlotFileWriter {
public:
    static constexpr double WidthMm = 300.0;
    static constexpr double HeightMm = 200.0;
    static constexpr int Resolution = 170; // dots per inch

    // False when the file could not be written in full; the target is then as it was.
    static bool Write(QwtPlot* plot, const QString& fileName);

    // Whether the file at path, written in the format of suffix, is whole. The renderer reports
    // nothing, and a disk that fills up leaves a file that merely stops; each format has an end
    // that shows it was written to the last byte.
    static bool IsComplete(const QString& path, const QString& suffix);
};
