#include "TestSettings.h"

#include <QCoreApplication>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

bool IsolateSettings(const QString& folder)
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
    QCoreApplication::setOrganizationName(QStringLiteral("Orvanta"));
    QCoreApplication::setApplicationName(QStringLiteral("CurveScope"));
    return QSettings().fileName().startsWith(folder + QLatin1Char('/'));
}

void ResetLanguageAndSettings()
{
    for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    QLocale::setDefault(QLocale::system());
    QSettings().clear();
}
