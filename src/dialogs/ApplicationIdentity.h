#pragma once

#include <QLoggingCategory>
#include <QString>

// Who the program is to the toolkit, where it keeps its translations and under which setting
// the chosen language. The organization and application names place the settings store
// ("Orvanta/CurveScope"); the application name also begins every program catalogue's name,
// "CurveScope_<locale>.qm".
namespace ApplicationIdentity {

extern const QString OrganizationName;
extern const QString OrganizationDomain;
extern const QString ApplicationName;

// The setting that holds the interface language for the next start, a QLocale::Language code.
extern const QString LanguageKey;

// The folder "language" beside the executable.
QString LanguageFolder();

}

// The program's debug traces (language step, language folder, exports). Silent unless enabled,
// e.g. QT_LOGGING_RULES="curvescope.debug=true", so a terminal that starts the program stays
// quiet.
Q_DECLARE_LOGGING_CATEGORY(lcCurveScope)
