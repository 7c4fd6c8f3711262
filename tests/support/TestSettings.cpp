#include "TestSettings.h"

#include <QCoreApplication>
#include <QSettings>

bool IsolateSettings(const QString& folder)
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
    QCoreApplication::setOrganizationName(QStringLiteral("Orvanta"));
    QCoreApplication::setApplicationName(QStringLiteral("CurveScope"));
    return QSettings().fileName().startsWith(folder + QLatin1Char('/'));
}
