#pragma once

#include <QString>

// Applies the stored interface language ("Language", a QLocale::Language code; 0 follows the
// system) before any window exists: makes it the default locale and installs the toolkit's
// and the program's catalogues from the language folder beside the executable. Falls back to
// English, with a message and a corrected setting, when the program catalogue is missing.
void ApplyStartupLanguage();

// The same step with the catalogues taken from the given folder.
void ApplyStartupLanguageFrom(const QString& languageFolder);
