#include "DeviceTypes.h"

#include <QCoreApplication>

const QStringList DeviceTypeNames = {QStringLiteral("IGN_A"), QStringLiteral("IGN_B"),
    QStringLiteral("KNK_A"), QStringLiteral("KNK_B"), QStringLiteral("IGN_C"),
    QStringLiteral("THR_A"), QStringLiteral("THR_B"), QStringLiteral("IGN_D"),
    QStringLiteral("IGN_E"), QStringLiteral("INVALID")};

QString DeviceTypeName(int code)
{
    // The configuration accepts any integer as device type: never index outside the table.
    if (code < 0 || code >= DeviceTypeNames.size())
        return DeviceTypeNames.last();
    return DeviceTypeNames.at(code);
}

TemperatureUnit TemperatureUnitFromAdditions(const QString& additions)
{
    return additions == QLatin1String("FAHRENHEIT") ? TemperatureUnit::Fahrenheit
                                                    : TemperatureUnit::Celsius;
}

QString TemperatureUnitText(TemperatureUnit unit)
{
    return unit == TemperatureUnit::Fahrenheit ? QCoreApplication::translate("QObject", "°F")
                                               : QCoreApplication::translate("QObject", "°C");
}
