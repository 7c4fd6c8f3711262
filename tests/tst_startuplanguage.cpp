// The language step at start-up: which catalogues it looks for and installs, the default
// locale it sets, and the fallback to English with its one message and corrected setting.

#include "ModalCatcher.h"
#include "StartupLanguage.h"
#include "TestSettings.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

namespace {
const char* const ProbeVariable = "CURVESCOPE_STARTUP_PROBE";

// Compiles "CurveScope_<suffix>.qm" (program) or "qt_<suffix>.qm" (toolkit). Each holds its own
// probe text and a shared one, translated as "<suffix>-program" or "<suffix>-toolkit", so the
// shared text tells which translator is asked first.
bool writeCatalogue(bool program, const QString& dir, const QString& suffix)
{
    const QString base = dir + (program ? "/CurveScope_" : "/qt_") + suffix;
    const QString own = program ? "<name>MainWindow</name><message><source>&amp;File</source>"
                                : "<name>QPlatformTheme</name><message><source>Cancel</source>";
    const QString translation = "<translation>" + suffix + (program ? "-program" : "-toolkit")
        + "</translation></message></context>\n";
    QFile file(base + ".ts");
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(QString("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n<TS version="
                       "\"2.1\">\n<context>%1%2<context><name>Shared</name><message><source>"
                       "Probe</source>%2</TS>\n")
                   .arg(own, translation)
                   .toUtf8());
    file.close();
    return QProcess::execute(QLibraryInfo::location(QLibraryInfo::BinariesPath) + "/lrelease",
               {"-silent", base + ".ts", "-qm", base + ".qm"})
        == 0;
}

// Default locale, the three probe texts, the stored language (-1 when absent), the number of
// translators kept and the messages shown.
QString summary(const ModalCatcher& catcher)
{
    QString text = QString("%1 %2 %3 %4 %5 %6")
                       .arg(QLocale().name(), QCoreApplication::translate("MainWindow", "&File"),
                           QCoreApplication::translate("QPlatformTheme", "Cancel"),
                           QCoreApplication::translate("Shared", "Probe"))
                       .arg(QSettings().value("Language", -1).toInt())
                       .arg(qApp->findChildren<QTranslator*>().size());
    for (const ModalCatcher::Message& m : catcher.messages())
        text += QString("|%1|%2|%3").arg(m.icon).arg(m.title, m.text);
    return text;
}

// Child-process mode: starts up like the program, from the language folder beside this
// executable and under the inherited system locale, and prints the summary.
int runProbe(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Orvanta"));
    QCoreApplication::setApplicationName(QStringLiteral("CurveScope"));
    ModalCatcher catcher;
    ApplyStartupLanguage();
    QTextStream(stdout) << summary(catcher);
    return 0;
}

QString fallback(const QString& name)
{
    return QString("|%1|Error|Could not load language data for %2.\nSwitching to English.")
        .arg(QMessageBox::Critical)
        .arg(name);
}
} // namespace

class TestStartupLanguage : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_settingsHome.isValid());
        QVERIFY(IsolateSettings(m_settingsHome.path()));
    }
    void cleanup() { ResetLanguageAndSettings(); }
    void storedLanguage_data();
    void storedLanguage();
    void systemLocaleAndFolderBesideProgram_data();
    void systemLocaleAndFolderBesideProgram();

private:
    QTemporaryDir m_settingsHome;
};

void TestStartupLanguage::storedLanguage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("program");
    QTest::addColumn<QStringList>("toolkit");
    QTest::addColumn<QString>("expected");

    const int de = QLocale::German;
    const QString english = "en_US &File Cancel Probe 31 0";
    // The toolkit catalogue is installed first, so the program's is asked first.
    QTest::newRow("German, both") << de << QStringList {"de"} << QStringList {"de"}
                                  << "de_DE de-program de-toolkit de-program 42 2";
    QTest::newRow("German, full locale names")
        << de << QStringList {"de_DE"} << QStringList {"de_DE"}
        << "de_DE de_DE-program de_DE-toolkit de_DE-program 42 2";
    QTest::newRow("German, program only")
        << de << QStringList {"de"} << QStringList {} << "de_DE de-program Cancel de-program 42 1";
    QTest::newRow("German, toolkit only: neither installed")
        << de << QStringList {} << QStringList {"de"} << english + fallback("de_DE");
    QTest::newRow("German, other languages only")
        << de << QStringList {"fr"} << QStringList {"fr"} << english + fallback("de_DE");
    QTest::newRow("English, empty folder: silent")
        << int(QLocale::English) << QStringList {} << QStringList {} << english;
    QTest::newRow("English, toolkit catalogue not looked for")
        << int(QLocale::English) << QStringList {"en"} << QStringList {"en"}
        << "en_US en-program Cancel en-program 31 1";
    QTest::newRow("French, both") << int(QLocale::French) << QStringList {"fr"}
                                  << QStringList {"fr"}
                                  << "fr_FR fr-program fr-toolkit fr-program 37 2";
    // The table's last code is a language like any other: its fallback names the locale.
    const QLocale last(QLocale::LastLanguage, QLocale::AnyCountry);
    QTest::newRow("last code in the table")
        << int(QLocale::LastLanguage) << QStringList {"de"} << QStringList {"de"}
        << english + fallback(last.name());
    // Regression: codes outside Qt's language table made QLocale read past its tables.
    for (const int code : {int(QLocale::LastLanguage) + 1, 2147483647, -1})
        QTest::newRow(qPrintable(QString("code %1").arg(code)))
            << code << QStringList {"de"} << QStringList {"de"}
            << english + fallback(QString::number(code));
}

void TestStartupLanguage::storedLanguage()
{
    QFETCH(int, language);
    QFETCH(QStringList, program);
    QFETCH(QStringList, toolkit);
    QFETCH(QString, expected);
    QTemporaryDir folder;
    for (const QString& suffix : program)
        QVERIFY(writeCatalogue(true, folder.path(), suffix));
    for (const QString& suffix : toolkit)
        QVERIFY(writeCatalogue(false, folder.path(), suffix));
    QSettings().setValue("Language", language);
    {
        ModalCatcher catcher;
        ApplyStartupLanguageFrom(folder.path());
        QCOMPARE(summary(catcher), expected);
    }
    if (expected.startsWith("de_DE"))
        QCOMPARE(QLocale().toString(1234.5, 'f', 1), QStringLiteral("1.234,5"));
    // After a fallback the next start reads the corrected setting and stays silent.
    ModalCatcher again;
    ApplyStartupLanguageFrom(folder.path());
    QVERIFY(again.messages().isEmpty());
}

void TestStartupLanguage::systemLocaleAndFolderBesideProgram_data()
{
    QTest::addColumn<QString>("lang");
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("expected");

    const QString german = "de-program de-toolkit de-program";
    const QString english = "&File Cancel Probe";
    QTest::newRow("German system") << "de_DE.UTF-8" << -1 << "de_DE " + german + " -1 2";
    QTest::newRow("Austrian system, de catalogues")
        << "de_AT.UTF-8" << -1 << "de_AT " + german + " -1 2";
    QTest::newRow("English system: silent") << "en_GB.UTF-8" << -1 << "en_GB " + english + " -1 0";
    // Regression: a bare system in the C locale got the fallback error box at start-up.
    QTest::newRow("C locale: silent") << "C" << -1 << "C " + english + " -1 0";
    QTest::newRow("French system without catalogue")
        << "fr_FR.UTF-8" << -1 << "en_US " + english + " 31 0" + fallback("fr_FR");
    QTest::newRow("German stored, English system")
        << "en_US.UTF-8" << int(QLocale::German) << "de_DE " + german + " 42 2";
}

void TestStartupLanguage::systemLocaleAndFolderBesideProgram()
{
    QFETCH(QString, lang);
    QFETCH(int, stored);
    QFETCH(QString, expected);
    // A copy of this program with a language folder of its own and its own settings home.
    QTemporaryDir install;
    const QString executable = install.filePath("curvescope-probe");
    QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), executable));
    QVERIFY(QFile::setPermissions(executable, QFile::ReadOwner | QFile::ExeOwner));
    QVERIFY(QDir(install.path()).mkdir("language"));
    QVERIFY(writeCatalogue(true, install.filePath("language"), "de"));
    QVERIFY(writeCatalogue(false, install.filePath("language"), "de"));
    QTemporaryDir configHome;
    if (stored >= 0)
        QSettings(configHome.filePath("Orvanta/CurveScope.conf"), QSettings::IniFormat)
            .setValue("Language", stored);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"})
        environment.remove(name);
    environment.insert("LANG", lang);
    environment.insert("XDG_CONFIG_HOME", configHome.path());
    environment.insert(ProbeVariable, "1");
    QProcess probe;
    probe.setProcessEnvironment(environment);
    probe.start(executable, QStringList());
    QVERIFY(probe.waitForFinished(60000));
    QCOMPARE(probe.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(probe.readAllStandardOutput()), expected);
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
