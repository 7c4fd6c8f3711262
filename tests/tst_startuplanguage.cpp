// The language step at start-up: which catalogues it looks for and installs, the default
// locale it sets, and the fallback to English with its one message and corrected setting.

#include "ModalCatcher.h"
#include "StartupLanguage.h"
#include "TestSettings.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

namespace {
const char* const ProbeVariable = "CURVESCOPE_STARTUP_PROBE";
const QString ProgramContext = QStringLiteral("MainWindow");
const QString ProgramSource = QStringLiteral("&File");
const QString ToolkitContext = QStringLiteral("QPlatformTheme");
const QString ToolkitSource = QStringLiteral("Cancel");
// Present in both kinds of catalogue, so the translator asked first (installed last) shows.
const QString SharedContext = QStringLiteral("Shared");
const QString SharedSource = QStringLiteral("Probe");

QString escaped(const QString& text) { return text.toHtmlEscaped(); }

// Compiles a catalogue "CurveScope_<suffix>" (program) or "qt_<suffix>" (toolkit) with its probe
// text and the shared one, both translated as "<suffix>-program" or "<suffix>-toolkit".
bool writeCatalogue(bool program, const QString& dir, const QString& suffix)
{
    const QString baseName = dir + (program ? "/CurveScope_" : "/qt_") + suffix;
    const QString translation = suffix + (program ? "-program" : "-toolkit");
    QString ts = QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                                "<!DOCTYPE TS>\n<TS version=\"2.1\" language=\"de\">\n");
    for (const QString& context : {program ? ProgramContext : ToolkitContext, SharedContext}) {
        const QString source = context == SharedContext ? SharedSource
            : program                                   ? ProgramSource
                                                        : ToolkitSource;
        ts += QStringLiteral("<context><name>%1</name><message><source>%2</source>"
                             "<translation>%3</translation></message></context>\n")
                  .arg(escaped(context), escaped(source), escaped(translation));
    }
    QFile file(baseName + ".ts");
    if (!file.open(QIODevice::WriteOnly) || file.write(ts.toUtf8() + "</TS>\n") < 0)
        return false;
    file.close();
    const int exitCode
        = QProcess::execute(QLibraryInfo::location(QLibraryInfo::BinariesPath) + "/lrelease",
            {"-silent", baseName + ".ts", "-qm", baseName + ".qm"});
    QFile::remove(baseName + ".ts");
    return exitCode == 0;
}

QString text(const QString& context, const QString& source)
{
    return QCoreApplication::translate(qPrintable(context), qPrintable(source));
}
QString programText() { return text(ProgramContext, ProgramSource); }
QString toolkitText() { return text(ToolkitContext, ToolkitSource); }

// Child-process mode: start up like the program does under the inherited environment (system
// locale from LANG) and report what the step did, one item per line.
int runProbe(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Orvanta"));
    QCoreApplication::setApplicationName(QStringLiteral("CurveScope"));
    ModalCatcher catcher;
    const QString folder = qEnvironmentVariable(ProbeVariable);
    if (folder == QLatin1String("beside"))
        ApplyStartupLanguage();
    else
        ApplyStartupLanguageFrom(folder);
    QStringList report;
    report << QLocale().name() << programText() << toolkitText()
           << QSettings().value(QStringLiteral("Language"), -1).toString()
           << QSettings().fileName();
    for (const ModalCatcher::Message& m : catcher.messages())
        report << m.title + QLatin1Char('|') + m.text;
    QTextStream(stdout) << report.join(QLatin1Char('\n')) << '\n';
    return 0;
}
// Runs the probe mode of the given copy of this test under LANG, with its own settings home.
QStringList runProbeProcess(const QString& executable, const QString& folder, const QString& lang,
    const QString& configHome)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("LC_ALL"));
    environment.remove(QStringLiteral("LC_MESSAGES"));
    environment.remove(QStringLiteral("LANGUAGE"));
    environment.insert(QStringLiteral("LANG"), lang);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QString::fromLatin1(ProbeVariable), folder);

    QProcess probe;
    probe.setProcessEnvironment(environment);
    probe.start(executable, QStringList());
    if (!probe.waitForFinished(60000) || probe.exitCode() != 0)
        return {QStringLiteral("probe failed: ") + probe.errorString()};
    return QString::fromUtf8(probe.readAllStandardOutput()).split(QLatin1Char('\n'));
}

// What the start-up step left: default locale, the three probe texts, the stored language, the
// number of translators kept and the messages shown.
QString Summary(const ModalCatcher& catcher)
{
    QString summary = QString("%1 %2 %3 %4 %5 %6")
                          .arg(QLocale().name(), programText(), toolkitText(), text(SharedContext, SharedSource))
                          .arg(QSettings().value("Language").toInt())
                          .arg(qApp->findChildren<QTranslator*>().size());
    for (const ModalCatcher::Message& m : catcher.messages())
        summary += QString("|%1|%2|%3").arg(m.icon).arg(m.title, m.text);
    return summary;
}

} // namespace

class TestStartupLanguage : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void installsCataloguesForStoredLanguage_data();
    void installsCataloguesForStoredLanguage();
    void absentSettingFollowsSystemLocale_data();
    void absentSettingFollowsSystemLocale();
    void programLooksBesideItsExecutable();

private:
    QTemporaryDir m_settingsHome;
    QScopedPointer<QTemporaryDir> m_folder;
};

void TestStartupLanguage::initTestCase()
{
    QVERIFY(m_settingsHome.isValid());
    QVERIFY(IsolateSettings(m_settingsHome.path()));
}

void TestStartupLanguage::init()
{
    m_folder.reset(new QTemporaryDir);
    QSettings().clear();
}

void TestStartupLanguage::cleanup()
{
    for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    QLocale::setDefault(QLocale::system());
    QSettings().clear();
}

void TestStartupLanguage::installsCataloguesForStoredLanguage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("program");
    QTest::addColumn<QStringList>("toolkit");
    QTest::addColumn<QString>("expected");

    const int de = QLocale::German;
    const int en = QLocale::English;
    const QString fallback = QString(" 31 0|%1|Error|Could not load language data for de_DE.\n"
                                     "Switching to English.")
                                 .arg(QMessageBox::Critical);
    const QString english = "en_US &File Cancel Probe";
    // The toolkit catalogue is installed first, so the program's is asked first.
    QTest::newRow("German, both catalogues") << de << QStringList {"de"} << QStringList {"de"}
                                             << "de_DE de-program de-toolkit de-program 42 2";
    QTest::newRow("German, full locale names")
        << de << QStringList {"de_DE"} << QStringList {"de_DE"}
        << "de_DE de_DE-program de_DE-toolkit de_DE-program 42 2";
    QTest::newRow("German, program catalogue only")
        << de << QStringList {"de"} << QStringList {} << "de_DE de-program Cancel de-program 42 1";
    QTest::newRow("German, toolkit catalogue only: neither installed")
        << de << QStringList {} << QStringList {"de"} << english + fallback;
    QTest::newRow("German, other languages' catalogues only")
        << de << QStringList {"fr"} << QStringList {"fr"} << english + fallback;
    QTest::newRow("English, nothing in the folder: silent")
        << en << QStringList {} << QStringList {} << english + " 31 0";
    QTest::newRow("English, toolkit catalogue is not looked for")
        << en << QStringList {"en"} << QStringList {"en"}
        << "en_US en-program Cancel en-program 31 1";
    QTest::newRow("French, both catalogues")
        << int(QLocale::French) << QStringList {"fr"} << QStringList {"fr"}
        << "fr_FR fr-program fr-toolkit fr-program 37 2";
    // Regression: codes outside Qt's language table made QLocale read past its tables.
    for (const int code : {int(QLocale::LastLanguage) + 1, 100000, 2147483647, -1})
        QTest::newRow(qPrintable(QString("code %1, out of range").arg(code)))
            << code << QStringList {"de"} << QStringList {"de"}
            << QString(fallback).replace("de_DE", QString::number(code)).prepend(english);
}

void TestStartupLanguage::installsCataloguesForStoredLanguage()
{
    QFETCH(int, language);
    QFETCH(QStringList, program);
    QFETCH(QStringList, toolkit);
    QFETCH(QString, expected);
    for (const QString& suffix : program)
        QVERIFY(writeCatalogue(true, m_folder->path(), suffix));
    for (const QString& suffix : toolkit)
        QVERIFY(writeCatalogue(false, m_folder->path(), suffix));
    QSettings().setValue(QStringLiteral("Language"), language);
    {
        ModalCatcher catcher;
        ApplyStartupLanguageFrom(m_folder->path());
        QCOMPARE(Summary(catcher), expected);
    }
    if (expected.startsWith("de_DE"))
        QCOMPARE(QLocale().toString(1234.5, 'f', 1), QStringLiteral("1.234,5"));
    // After a fallback the next start reads the corrected setting and stays silent.
    ModalCatcher again;
    ApplyStartupLanguageFrom(m_folder->path());
    QVERIFY(again.messages().isEmpty());
}

void TestStartupLanguage::absentSettingFollowsSystemLocale_data()
{
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QStringList>("report");

    const QString error = QStringLiteral("Error|Could not load language data for %1.\n"
                                         "Switching to English.");
    QTest::newRow("German system, de catalogues serve de_DE")
        << "de_DE.UTF-8" << QStringList {"de_DE", "de-program", "de-toolkit", "-1"};
    QTest::newRow("Austrian system, de catalogues serve de_AT")
        << "de_AT.UTF-8" << QStringList {"de_AT", "de-program", "de-toolkit", "-1"};
    QTest::newRow("English system, no English catalogue: silent")
        << "en_GB.UTF-8" << QStringList {"en_GB", ProgramSource, ToolkitSource, "-1"};
    // Regression: a bare system in the C locale got the fallback error box at start-up.
    QTest::newRow("C locale: silent, like English")
        << "C" << QStringList {"C", ProgramSource, ToolkitSource, "-1"};
    QTest::newRow("POSIX locale: silent, like English")
        << "POSIX" << QStringList {"C", ProgramSource, ToolkitSource, "-1"};
    QTest::newRow("French system without catalogue: message, English")
        << "fr_FR.UTF-8"
        << QStringList {"en_US", ProgramSource, ToolkitSource, "31", error.arg("fr_FR")};
}

void TestStartupLanguage::absentSettingFollowsSystemLocale()
{
    QFETCH(QString, lang);
    QFETCH(QStringList, report);

    QVERIFY(writeCatalogue(true, m_folder->path(), "de") && writeCatalogue(false, m_folder->path(), "de"));
    QTemporaryDir configHome;

    QStringList lines = runProbeProcess(
        QCoreApplication::applicationFilePath(), m_folder->path(), lang, configHome.path());
    QVERIFY2(lines.size() >= 5, qPrintable(lines.join(QLatin1Char('\n'))));
    const QString settingsFile = lines.takeAt(4);
    QVERIFY2(
        settingsFile.startsWith(configHome.path() + QLatin1Char('/')), qPrintable(settingsFile));
    lines.removeAll(QString());
    // The message text spans two lines of the report.
    if (lines.size() == 6) {
        const QString secondLine = lines.takeAt(5);
        lines[4] += QLatin1Char('\n') + secondLine;
    }
    QCOMPARE(lines, report);
}

void TestStartupLanguage::programLooksBesideItsExecutable()
{
    // A copy of this program with a language folder of its own, started with German stored
    // in the standard per-user settings.
    QTemporaryDir install;
    QVERIFY(install.isValid());
    const QString executable = install.filePath(QStringLiteral("curvescope-probe"));
    QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), executable));
    QVERIFY(QFile::setPermissions(executable, QFile::ReadOwner | QFile::ExeOwner));
    QVERIFY(QDir(install.path()).mkdir(QStringLiteral("language")));
    const QString languageFolder = install.filePath(QStringLiteral("language"));
    QVERIFY(writeCatalogue(true, languageFolder, "de") && writeCatalogue(false, languageFolder, "de"));

    QTemporaryDir configHome;
    {
        QSettings stored(
            configHome.filePath(QStringLiteral("Orvanta/CurveScope.conf")), QSettings::IniFormat);
        stored.setValue(QStringLiteral("Language"), int(QLocale::German));
    }

    const QStringList lines = runProbeProcess(
        executable, QStringLiteral("beside"), QStringLiteral("en_US.UTF-8"), configHome.path());
    QVERIFY2(lines.size() >= 5, qPrintable(lines.join(QLatin1Char('\n'))));
    QCOMPARE(lines.mid(0, 4), (QStringList {"de_DE", "de-program", "de-toolkit", "42"}));
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsSet(ProbeVariable))
        return runProbe(argc, argv);
    QApplication app(argc, argv);
    TestStartupLanguage test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_startuplanguage.moc"
