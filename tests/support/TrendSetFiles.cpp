#include "TrendSetFiles.h"

#include <QDir>
#include <QFile>

namespace TrendSetFiles {

bool write(const QString& dir, const QString& name, const QByteArray& bytes)
{
    QFile file(QDir(dir).filePath(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(bytes) == bytes.size();
}

QByteArray read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QByteArray configuration(qint64 startTime, int cylinders, const QStringList& names)
{
    QByteArray text = "DateTime=" + QByteArray::number(startTime, 16).toUpper() + "\n"
        + "DeviceType=2\nDeviceId=17\n" + "NumberCylinder=" + QByteArray::number(cylinders)
        + "\nDataFormat=1\n";
    if (!names.isEmpty())
        text += "CylinderNames=" + names.join(QLatin1Char(',')).toUtf8() + "\n";
    return text;
}

QByteArray twoColumns(const QList<qint64>& offsets, const QList<double>& values)
{
    QByteArray text;
    for (int i = 0; i < offsets.size() && i < values.size(); ++i)
        text += QByteArray::number(offsets.at(i), 16) + '\t'
            + QByteArray::number(values.at(i), 'g', 17) + '\n';
    return text;
}

QByteArray threeColumns(
    const QList<qint64>& offsets, const QList<int>& cylinders, const QList<double>& values)
{
    QByteArray text;
    for (int i = 0; i < offsets.size() && i < cylinders.size() && i < values.size(); ++i)
        text += QByteArray::number(offsets.at(i), 16) + '\t' + QByteArray::number(cylinders.at(i))
            + '\t' + QByteArray::number(values.at(i), 'g', 17) + '\n';
    return text;
}

}
