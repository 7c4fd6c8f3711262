#pragma once

#include <QString>

// Sends this process's per-user settings to a folder of the test's own and gives the
// application the identity under which the program files its settings ("Orvanta",
// "CurveScope"), so a test never reads or writes the user's real settings.
// Returns false when QSettings would still land outside that folder.
bool IsolateSettings(const QString& folder);

// Undoes what a language step leaves in the process: removes and deletes the installed
// translators, sets the default locale back to the system's and clears the isolated settings.
void ResetLanguageAndSettings();
