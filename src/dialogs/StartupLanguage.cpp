#include "PlainMessageBox.h"
#include "StartupLanguage.h"

#include "ApplicationIdentity.h"

#include <QCoreApplication>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

#include <memory>

namespace {
// The one message of the start-up step; the program then runs in English, also next time.
void ReportMissingLanguage(const QString& name, QSettings* settings)
{
    PlainMessageBox::Critical(nullptr, QStringLiteral("Error"),
        QStringLiteral("Could not load language data for %1.\nSwitching to English.").arg(name));
    settings->setValue(ApplicationIdentity::LanguageKey, static_cast<int>(QLocale::English));
}
}

void ApplyStartupLanguage() { ApplyStartupLanguageFrom(ApplicationIdentity::LanguageFolder()); }

void ApplyStartupLanguageFrom(const QString& languageFolder)
{
    QSettings settings;
    const int code = settings.value(ApplicationIdentity::LanguageKey, 0).toInt();
    if (code < 0 || code > QLocale::LastLanguage) {
        // Qt indexes its locale tables with the code unchecked: a damaged setting must never
        // reach QLocale. It is corrected like a language that has no catalogue.
        qCDebug(lcCurveScope) << "Language:" << code;
        ReportMissingLanguage(QString::number(code), &settings);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::AnyCountry));
        return;
    }
    QLocale locale(static_cast<QLocale::Language>(code), QLocale::AnyCountry);
    // The C (POSIX) locale of a bare system or service account is English text with plain
    // number formats: no catalogue is needed for it, and asking for one would greet such users
    // with a "Could not load language data for C" error at every first start.
    const bool english = locale.language() == QLocale::English || locale.language() == QLocale::C;

    const QString toolkitCatalogue = QStringLiteral("qt_%1").arg(locale.name());
    const QString programCatalogue
        = QStringLiteral("%1_%2").arg(ApplicationIdentity::ApplicationName, locale.name());
    qCDebug(lcCurveScope) << "Language:" << locale.name() << code;
    qCDebug(lcCurveScope) << "   W32-Path qt :" << languageFolder << toolkitCatalogue;
    qCDebug(lcCurveScope) << "   W32-Path app:" << languageFolder << programCatalogue;

    // Owned here until installed: a catalogue that is not used must not outlive this step.
    std::unique_ptr<QTranslator> toolkitTranslator;
    if (!english) {
        toolkitTranslator = std::make_unique<QTranslator>();
        if (!toolkitTranslator->load(toolkitCatalogue, languageFolder)) {
            qCDebug(lcCurveScope) << "File not found:" << languageFolder << toolkitCatalogue;
            toolkitTranslator.reset();
        }
    }

    auto programTranslator = std::make_unique<QTranslator>();
    if (!programTranslator->load(programCatalogue, languageFolder)) {
        qCDebug(lcCurveScope) << "File not found:" << languageFolder << programCatalogue;
        if (!english) {
            ReportMissingLanguage(locale.name(), &settings);
            locale = QLocale(QLocale::English, QLocale::AnyCountry);
        }
        toolkitTranslator.reset();
        programTranslator.reset();
    }

    QLocale::setDefault(locale);

    QCoreApplication* application = QCoreApplication::instance();
    if (toolkitTranslator) {
        toolkitTranslator->setParent(application);
        QCoreApplication::installTranslator(toolkitTranslator.release());
    }
    if (programTranslator) {
        programTranslator->setParent(application);
        QCoreApplication::installTranslator(programTranslator.release());
    }
}
