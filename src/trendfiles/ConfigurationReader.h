#pragma once

#include <QString>
#include <QStringList>

// The configuration file of a trend set: when the recording started, which device wrote it, the
// cylinders and the additions. Read once; the values stay as read, valid or not, so the caller can
// tell a missing file (ReadFile false) from an unusable one (IsValid false).
class ConfigurationReader {
public:
    // A configuration that claims more cylinders than this is refused as invalid: every cylinder
    // costs a generated name here and a series in the data readers, and a corrupt count of
    // billions would exhaust memory long before anything could be shown.
    static constexpr int MaxNumberOfCylinders = 1024;
    // A real configuration is a few hundred bytes; a text (the bytes before the first NUL) longer
    // than this is not one and is refused as invalid instead of being read into memory.
    static constexpr qint64 MaxFileSize = qint64(1) << 20;

    bool ReadFile(const QString& path);

    bool IsValid() const;
    qint64 GetStartTime() const;
    int GetDeviceType() const;
    int GetDeviceId() const;
    int GetNumberOfCylinders() const;
    int GetDataFormat() const;
    QStringList GetCylinderNames() const;
    QStringList GetGroups() const;
    QString GetAdditions() const;

    QString ToString() const;
    QString GetTemperatureUnitText() const;

private:
    bool m_valid = false;
    int m_numberOfCylinders = -1;
    int m_deviceId = -1;
    qint64 m_startTime = -1;
    int m_deviceType = 9;
    int m_dataFormat = 2;
    QStringList m_cylinderNames;
    QStringList m_groups;
    QString m_additions;
};
