#include "ConfigurationReader.h"

#include "DeviceTypes.h"
#include "RegularFile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>

#include <cstring>
#include <new>

namespace {

// The text after the first occurrence of key, up to the next LF or the end of the content.
// Keys are searched anywhere, not only at line starts: the device's files are read that way.
bool FindValue(const QString& content, const QString& key, QString* value)
{
    const int keyAt = content.indexOf(key);
    if (keyAt < 0)
        return false;
    const int from = keyAt + key.size();
    const int lineEnd = content.indexOf(QLatin1Char('\n'), from);
    *value = content.mid(from, lineEnd < 0 ? -1 : lineEnd - from);
    return true;
}

// Reads one required integer key. A missing key leaves the field untouched, a value that does
// not convert stores 0; both invalidate the configuration.
template <typename T, typename Convert>
void ReadRequired(const QString& content, const char* key, T* field, bool* valid, Convert convert)
{
    QString value;
    if (!FindValue(content, QLatin1String(key), &value)) {
        *valid = false;
        return;
    }
    bool ok; // set by the conversion
    *field = convert(value, &ok);
    if (!ok) {
        *field = 0;
        *valid = false;
    }
}

} // namespace

bool ConfigurationReader::ReadFile(const QString& path)
{
    // Memory runs out only on a machine already short of it (the text is at most MaxFileSize):
    // the file is then reported as unreadable, and the program goes on.
    try {
        QFile file(path);
        if (!RegularFile::Open(&file, QIODevice::Text))
            return false;
        // The device pads some files with NUL bytes: the text ends at the first one, and nothing
        // behind it is read, however long the file is. One byte more than allowed tells a text
        // that is too long without reading it whole.
        QByteArray bytes;
        bool ended = false;
        while (!ended && bytes.size() <= MaxFileSize) {
            char chunk[4096];
            const qint64 wanted = qMin<qint64>(sizeof chunk, MaxFileSize + 1 - bytes.size());
            const qint64 got = file.read(chunk, wanted);
            if (got <= 0)
                break;
            const char* nul = static_cast<const char*>(std::memchr(chunk, '\0', size_t(got)));
            ended = nul != nullptr;
            bytes.append(chunk, ended ? int(nul - chunk) : int(got));
        }
        file.close();
        if (bytes.size() > MaxFileSize) {
            m_valid = false;
            return true;
        }
        const QString content = QString::fromUtf8(bytes);

        const auto toHex = [](const QString& value, bool* ok) { return value.toLongLong(ok, 16); };
        const auto toDecimal = [](const QString& value, bool* ok) { return value.toInt(ok, 10); };

        m_valid = true;
        ReadRequired(content, "DateTime=", &m_startTime, &m_valid, toHex);
        ReadRequired(content, "DeviceType=", &m_deviceType, &m_valid, toDecimal);
        ReadRequired(content, "DeviceId=", &m_deviceId, &m_valid, toDecimal);
        ReadRequired(content, "NumberCylinder=", &m_numberOfCylinders, &m_valid, toDecimal);
        ReadRequired(content, "DataFormat=", &m_dataFormat, &m_valid, toDecimal);
        if (m_numberOfCylinders > MaxNumberOfCylinders)
            m_valid = false;

        QString value;
        m_cylinderNames = FindValue(content, QStringLiteral("CylinderNames="), &value)
            ? value.split(QLatin1Char(','), Qt::SkipEmptyParts)
            : QStringList();
        // Unnamed cylinders are called by their zero-based index, the index the data files use.
        // An absurd count is refused above and gets no names at all.
        const int namesWanted
            = m_numberOfCylinders <= MaxNumberOfCylinders ? m_numberOfCylinders : 0;
        for (int n = m_cylinderNames.size(); n < namesWanted; ++n)
            m_cylinderNames << QCoreApplication::translate("QObject", "# %1").arg(n);

        m_groups = FindValue(content, QStringLiteral("Groups="), &value)
            ? value.split(QLatin1Char(';'), Qt::SkipEmptyParts)
            : QStringList();
        m_additions = FindValue(content, QStringLiteral("Additions="), &value) ? value : QString();
        return true;
    } catch (const std::bad_alloc&) {
        m_valid = false;
        return false;
    }
}

bool ConfigurationReader::IsValid() const { return m_valid; }

qint64 ConfigurationReader::GetStartTime() const { return m_startTime; }

int ConfigurationReader::GetDeviceType() const { return m_deviceType; }

int ConfigurationReader::GetDeviceId() const { return m_deviceId; }

int ConfigurationReader::GetNumberOfCylinders() const { return m_numberOfCylinders; }

int ConfigurationReader::GetDataFormat() const { return m_dataFormat; }

QStringList ConfigurationReader::GetCylinderNames() const { return m_cylinderNames; }

QStringList ConfigurationReader::GetGroups() const { return m_groups; }

QString ConfigurationReader::GetAdditions() const { return m_additions; }

QString ConfigurationReader::ToString() const
{
    if (!m_valid)
        return QCoreApplication::translate("QObject", "ERROR: Configuration invalid!");
    QString text = QCoreApplication::translate("QObject",
        "Start of trend data: %1\nDevice type: %2\nDevice CAN ID: %3\nNumber of Cylinders: %4\n")
                       .arg(QDateTime::fromMSecsSinceEpoch(m_startTime)
                                .toLocalTime()
                                .toString(QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz")))
                       .arg(DeviceTypeName(m_deviceType))
                       .arg(m_deviceId)
                       .arg(m_numberOfCylinders);
    if (!m_additions.isEmpty())
        text += QCoreApplication::translate("QObject", "Additions: %1\n").arg(m_additions);
    return text;
}

QString ConfigurationReader::GetTemperatureUnitText() const
{
    return TemperatureUnitText(TemperatureUnitFromAdditions(m_additions));
}
