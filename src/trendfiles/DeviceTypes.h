#pragma once

#include <QString>
#include <QStringList>

// Names of the Visorix device types, indexed by the configuration's "DeviceType=" code.
// Code 9 ("INVALID") is also the type of a configuration that was not read yet.
extern const QStringList DeviceTypeNames;

// The name for a device type code; any code outside the table shows "INVALID".
QString DeviceTypeName(int code);

// Temperature unit of a trend set: Fahrenheit exactly when the Additions text is "FAHRENHEIT".
enum class TemperatureUnit { Celsius, Fahrenheit };

TemperatureUnit TemperatureUnitFromAdditions(const QString& additions);

// "°C" or "°F", translated in the context "QObject".
QString TemperatureUnitText(TemperatureUnit unit);
