#pragma once

#include "TrendFileNames.h"

#include <QString>
#include <QStringList>
#include <QVector>

// Writes synthetic trend sets the way the Visorix device writes them: a configuration file and
// the seven data files with hexadecimal millisecond offsets, TAB separators, "." decimals and LF
// line ends. The recorded engine starts, ramps up to a steady speed, runs through load steps and
// warms up; firing angles, secondary voltages, knocking and temperatures follow it per cylinder.
// Output is a pure function of the options (seed included), so tests and benchmarks can rebuild
// the same files at will, also with tens of millions of lines.
class TrendSetGenerator {
public:
    struct Options {
        QString outputFolder;
        qint64 startTime = 1772436600000; // 2026-03-02 07:30:00 UTC, ms since 1970
        double durationSeconds = 3600.0;
        double sampleRateHz = 1.0; // samples per second and series
        int numberOfCylinders = 6;
        QStringList cylinderNames; // empty: DefaultCylinderNames()
        bool fahrenheit = false;
        QVector<RecordingKind> kinds = AllKinds();
        qint64 linesPerFile = -1; // >= 0: exactly this many lines in every data file
        quint64 seed = 1;
        int deviceType = 0;
        int deviceId = 5;
        int dataFormat = 1;
        QStringList groups;
    };

    // The seven recording kinds in the order of their file name definitions.
    static QVector<RecordingKind> AllKinds();

    // Bank names A1..An/2, B1..Bn/2 for V engines (even counts of six and more), C1..Cn otherwise.
    static QStringList DefaultCylinderNames(int numberOfCylinders);

    // The options of the demo set committed under samples/demo.
    static Options DemoOptions();

    // Checks the options that would produce an unreadable or misleading set.
    static bool Validate(const Options& options, QString* error = nullptr);

    // Number of lines the data file of a kind gets with these options.
    static qint64 LineCount(RecordingKind kind, const Options& options);

    // The text of the configuration file for these options.
    static QByteArray ConfigurationText(const Options& options);

    // Writes the configuration file and the data files of options.kinds into options.outputFolder
    // (created when missing).
    static bool WriteSet(const Options& options, QString* error = nullptr);

    // Writes one data file of a kind to path, with the timing and engine of the options.
    static bool WriteDataFile(
        RecordingKind kind, const QString& path, const Options& options, QString* error = nullptr);

    // Writes one data file of exactly `lines` lines spread over the default one-hour recording.
    static bool WriteDataFile(RecordingKind kind, const QString& path, qint64 lines, int cylinders,
        quint64 seed, QString* error = nullptr);
};
