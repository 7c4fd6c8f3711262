#include "ApplicationIdentity.h"

#include <QCoreApplication>

namespace ApplicationIdentity {

const QString OrganizationName = QStringLiteral("Orvanta");
const QString OrganizationDomain = QStringLiteral("orvanta.example");
const QString ApplicationName = QStringLiteral("CurveScope");
const QString LanguageKey = QStringLiteral("Language");

QString LanguageFolder()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/language");
}

}

Q_LOGGING_CATEGORY(lcCurveScope, "curvescope", QtInfoMsg)
