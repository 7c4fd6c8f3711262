#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Small hand-made trend sets for tests: exact bytes, so every case states what it feeds in.
namespace TrendSetFiles {

// Writes bytes to dir/name; false when that fails.
bool write(const QString& dir, const QString& name, const QByteArray& bytes);

// The whole file, or "<missing>" when it cannot be read.
QByteArray read(const QString& path);

// A valid configuration text: start time (ms), cylinders and optional names.
QByteArray configuration(qint64 startTime, int cylinders, const QStringList& names = {});

// Two-column lines "hex\tvalue\n" for offsets (ms) and values written with 'g' 17.
QByteArray twoColumns(const QList<qint64>& offsets, const QList<double>& values);

// Three-column lines "hex\tcylinder\tvalue\n".
QByteArray threeColumns(
    const QList<qint64>& offsets, const QList<int>& cylinders, const QList<double>& values);

}
