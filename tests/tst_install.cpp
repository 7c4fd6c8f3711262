// Installs the built program the way a user or a package does (cmake --install into a DESTDIR,
// cpack -G DEB) and checks the result with the desktop's own tools: the installed tree, the
// desktop entry, the MIME type, the AppStream data, the package, and the installed program
// itself running under a real X server with its language folder found through the bin/ link.

#include "TrendSetFiles.h"
#include "XvfbServer.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QMimeDatabase>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>
#include <QXmlStreamReader>
#include <QtTest>

#include <cstdio>

namespace {

const QString MimeTypeName = QStringLiteral("application/x-curvescope-trend");
const QString MetainfoName = QStringLiteral("example.orvanta.curvescope.metainfo.xml");
const QString EnglishTitle = QStringLiteral("Orvanta Curve Scope");
const char MimeProbeArgument[] = "--mime-probe";

struct Result {
    int exitCode = -1;
    QString out;
    QString err;
    bool finished = false;
};

Result run(const QString& program, const QStringList& arguments,
    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
    int timeoutMs = 180000)
{
    Result result;
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForStarted(30000)) {
        result.err = process.errorString();
        return result;
    }
    result.finished = process.waitForFinished(timeoutMs);
    if (!result.finished) {
        process.kill();
        process.waitForFinished(5000);
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

bool writeText(const QString& path, const QString& text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Text) && file.write(text.toUtf8()) >= 0;
}

QString describe(const Result& result)
{
    return QStringLiteral("exit %1\n--- stdout\n%2\n--- stderr\n%3")
        .arg(result.exitCode)
        .arg(result.out, result.err);
}

// The tools this build was configured with, from its cache, so the test drives the same CMake.
QString cacheValue(const QString& key)
{
    QFile cache(QStringLiteral(CURVESCOPE_BINARY_DIR "/CMakeCache.txt"));
    if (!cache.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    const QRegularExpression entry(
        QStringLiteral("^%1:[A-Z]+=(.*)$").arg(QRegularExpression::escape(key)));
    while (!cache.atEnd()) {
        const QRegularExpressionMatch match
            = entry.match(QString::fromUtf8(cache.readLine()).trimmed());
        if (match.hasMatch())
            return match.captured(1);
    }
    return QString();
}

QByteArray sha1Of(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(&file);
    return hash.result().toHex();
}

// Relative paths of every file and link below root, directories left out, sorted.
QStringList treeOf(const QString& root)
{
    QStringList paths;
    QDirIterator it(root, QDir::Files | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
        QDirIterator::Subdirectories);
    while (it.hasNext())
        paths << QDir(root).relativeFilePath(it.next());
    paths.sort();
    return paths;
}

// The shared libraries an executable names (ELF DT_NEEDED), as readelf lists them.
QStringList neededLibraries(const QString& executable)
{
    const Result dynamic = run(QStringLiteral("readelf"), {QStringLiteral("-d"), executable});
    static const QRegularExpression entry(QStringLiteral(R"(\(NEEDED\).*\[(.+)\])"));
    QStringList libraries;
    for (const QString& line : dynamic.out.split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch match = entry.match(line);
        if (match.hasMatch())
            libraries << match.captured(1);
    }
    return libraries;
}

// The installed packages that hold a file of that name (architecture qualifiers dropped).
QStringList packagesHolding(const QString& library)
{
    const Result search
        = run(QStringLiteral("dpkg-query"), {QStringLiteral("-S"), QStringLiteral("*/") + library});
    QStringList packages;
    for (const QString& line : search.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        for (QString package :
            line.section(QStringLiteral(": "), 0, 0).split(QStringLiteral(", "))) {
            package = package.section(QLatin1Char(':'), 0, 0);
            if (!packages.contains(package))
                packages << package;
        }
    }
    return packages;
}

// key=value pairs of the [Desktop Entry] group.
QMap<QString, QString> readDesktopEntry(const QString& path)
{
    QMap<QString, QString> keys;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return keys;
    bool inGroup = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inGroup = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        const int eq = line.indexOf(QLatin1Char('='));
        if (inGroup && eq > 0 && !line.startsWith(QLatin1Char('#')))
            keys.insert(line.left(eq), line.mid(eq + 1));
    }
    return keys;
}

// The German catalogue's translation of a main window text; empty while it has none.
QString germanTranslation(const QString& english)
{
    QFile ts(QStringLiteral(CURVESCOPE_SOURCE_DIR "/language/CurveScope_de.ts"));
    if (!ts.open(QIODevice::ReadOnly))
        return QString();
    QXmlStreamReader xml(&ts);
    QString context;
    QString source;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")
            && context == QLatin1String("MainWindow") && source == english) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            const QString text = xml.readElementText();
            if (type.isEmpty())
                return text;
            return QString();
        }
    }
    return QString();
}

// Titles of the named top-level windows that belong to an application (they carry a class),
// as the X server lists them.
QStringList applicationWindowTitles(const QProcessEnvironment& display)
{
    QProcessEnvironment env = display;
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    const Result tree = run(QStringLiteral("xwininfo"),
        {QStringLiteral("-root"), QStringLiteral("-children")}, env, 20000);
    static const QRegularExpression window(
        QStringLiteral(R"re(^\s*0x[0-9a-f]+ "(.*)": \("[^"]*" "[^"]*"\))re"));
    QStringList titles;
    for (const QString& line : tree.out.split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch match = window.match(line);
        if (match.hasMatch())
            titles << match.captured(1);
    }
    titles.sort();
    return titles;
}

}

class tst_Install : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void installedFiles_data();
    void installedFiles();
    void linkResolvesToTheProgram();
    void languageFolderBesideProgram();
    void demoSet();
    void manualPage();
    void icons_data();
    void icons();
    void scalableIcon();

    void desktopEntryValidates();
    void desktopEntryKeys_data();
    void desktopEntryKeys();
    void desktopFilesSpeakEveryShippedLanguage();

    void mimeTypeCompiles();
    void mimeTypeRecognised_data();
    void mimeTypeRecognised();

    void metainfoValidates();

    void installedProgramFindsItsLanguage_data();
    void installedProgramFindsItsLanguage();

    void debianPackage();

private:
    QString installed(const QString& relative) const
    {
        return m_destDir.path() + QStringLiteral("/usr/") + relative;
    }

    QTemporaryDir m_destDir;
    QTemporaryDir m_work;
    QString m_cmake;
    QString m_version;
    QStringList m_installedTree;
};

void tst_Install::initTestCase()
{
#ifndef Q_OS_LINUX
    QSKIP("The install layout, desktop files and Debian package exist on Linux only");
#endif
    QVERIFY(m_destDir.isValid());
    QVERIFY(m_work.isValid());
    m_cmake = cacheValue(QStringLiteral("CMAKE_COMMAND"));
    m_version = cacheValue(QStringLiteral("CMAKE_PROJECT_VERSION"));
    QVERIFY2(QFileInfo(m_cmake).isExecutable(), qPrintable(m_cmake));
    QVERIFY(!m_version.isEmpty());

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DESTDIR"), m_destDir.path());
    const Result install = run(m_cmake,
        {QStringLiteral("--install"), QStringLiteral(CURVESCOPE_BINARY_DIR),
            QStringLiteral("--prefix"), QStringLiteral("/usr")},
        env);
    QVERIFY2(install.finished && install.exitCode == 0, qPrintable(describe(install)));
    m_installedTree = treeOf(m_destDir.path());
}

void tst_Install::installedFiles_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("executable");

    QTest::newRow("program") << "lib/curvescope/curvescope" << true;
    QTest::newRow("desktop entry") << "share/applications/curvescope.desktop" << false;
    QTest::newRow("MIME type") << "share/mime/packages/curvescope.xml" << false;
    QTest::newRow("metainfo") << QStringLiteral("share/metainfo/") + MetainfoName << false;
    QTest::newRow("manual page") << "share/man/man1/curvescope.1.gz" << false;
}

void tst_Install::installedFiles()
{
    QFETCH(QString, path);
    QFETCH(bool, executable);

    const QFileInfo info(installed(path));
    QVERIFY2(info.isFile() && !info.isSymLink(), qPrintable(info.filePath()));
    QVERIFY(info.size() > 0);
    QCOMPARE(info.isExecutable(), executable);
}

void tst_Install::linkResolvesToTheProgram()
{
    const QFileInfo link(installed(QStringLiteral("bin/curvescope")));
    QVERIFY2(link.isSymLink(), qPrintable(link.filePath()));
    // Relative, so the tree works below DESTDIR, in the package and under any prefix.
    QCOMPARE(QFile::symLinkTarget(link.filePath()),
        QFileInfo(installed(QStringLiteral("lib/curvescope/curvescope"))).absoluteFilePath());
    QCOMPARE(QFileInfo(link.filePath()).dir().relativeFilePath(link.symLinkTarget()),
        QStringLiteral("../lib/curvescope/curvescope"));
    QCOMPARE(sha1Of(link.filePath()), sha1Of(QStringLiteral(CURVESCOPE_EXECUTABLE)));
}

void tst_Install::languageFolderBesideProgram()
{
    const QDir built(QStringLiteral(CURVESCOPE_LANGUAGE_DIR));
    const QDir copy(installed(QStringLiteral("lib/curvescope/language")));
    const QStringList filters {QStringLiteral("*.qm"), QStringLiteral("*.png")};
    const QStringList builtFiles = built.entryList(filters, QDir::Files, QDir::Name);
    const QStringList copiedFiles = copy.entryList(filters, QDir::Files, QDir::Name);

    QVERIFY2(!built.entryList({QStringLiteral("CurveScope_*.qm")}, QDir::Files).isEmpty(),
        "the build made no program catalogue");
    QCOMPARE(copiedFiles, builtFiles);
    for (const QString& name : builtFiles)
        QVERIFY2(sha1Of(copy.filePath(name)) == sha1Of(built.filePath(name)), qPrintable(name));
    // Nothing of the build tree's bookkeeping (dependency files, folders) comes along.
    QCOMPARE(copy.entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name), builtFiles);
}

void tst_Install::demoSet()
{
    const QDir source(QStringLiteral(CURVESCOPE_SOURCE_DIR "/samples/demo"));
    const QDir copy(installed(QStringLiteral("share/curvescope/demo")));
    const QStringList names = source.entryList({QStringLiteral("*.tlx")}, QDir::Files, QDir::Name);
    QVERIFY(names.contains(QStringLiteral("configuration.tlx")));
    QVERIFY(names.contains(QStringLiteral("speed.tlx")));
    QCOMPARE(copy.entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name), names);
    for (const QString& name : names)
        QVERIFY2(sha1Of(copy.filePath(name)) == sha1Of(source.filePath(name)), qPrintable(name));
}

void tst_Install::manualPage()
{
    QFile packed(installed(QStringLiteral("share/man/man1/curvescope.1.gz")));
    QVERIFY(packed.open(QIODevice::ReadOnly));
    const QByteArray header = packed.read(8);
    QCOMPARE(header.left(2), QByteArray("\x1f\x8b"));
    // No time stamp in the gzip header: a rebuild of the same sources gives the same package.
    QCOMPARE(header.mid(4, 4), QByteArray(4, '\0'));

    const Result unpacked = run(QStringLiteral("gzip"),
        {QStringLiteral("-dc"), installed(QStringLiteral("share/man/man1/curvescope.1.gz"))});
    QCOMPARE(unpacked.exitCode, 0);
    QFile source(QStringLiteral(CURVESCOPE_SOURCE_DIR "/packaging/curvescope.1"));
    QVERIFY(source.open(QIODevice::ReadOnly));
    QCOMPARE(unpacked.out, QString::fromUtf8(source.readAll()));
}

void tst_Install::icons_data()
{
    QTest::addColumn<int>("size");
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        QTest::addRow("%dx%d", size, size) << size;
}

void tst_Install::icons()
{
    QFETCH(int, size);
    const QString path
        = installed(QStringLiteral("share/icons/hicolor/%1x%1/apps/curvescope.png").arg(size));
    QImageReader reader(path);
    QVERIFY2(reader.canRead(), qPrintable(path + QLatin1Char(' ') + reader.errorString()));
    // A theme folder holding a picture of another size is scaled or skipped by the desktop.
    QCOMPARE(reader.size(), QSize(size, size));
}

void tst_Install::scalableIcon()
{
    const QString source
        = QStringLiteral(CURVESCOPE_SOURCE_DIR "/resources/appicon/curvescope.svg");
    const QString copy
        = installed(QStringLiteral("share/icons/hicolor/scalable/apps/curvescope.svg"));
    QCOMPARE(QFileInfo::exists(copy), QFileInfo::exists(source));
    if (!QFileInfo::exists(source))
        return;
    QCOMPARE(sha1Of(copy), sha1Of(source));
    QImageReader reader(copy);
    QVERIFY2(reader.canRead(), qPrintable(reader.errorString()));
    QVERIFY(!reader.read().isNull());
}

void tst_Install::desktopEntryValidates()
{
    const QString path = installed(QStringLiteral("share/applications/curvescope.desktop"));
    const Result result = run(QStringLiteral("desktop-file-validate"), {path});
    QVERIFY2(result.finished && result.exitCode == 0, qPrintable(describe(result)));
    // Warnings and hints do not change the exit code, but a menu entry should have none.
    QCOMPARE(result.out.trimmed(), QString());
}

void tst_Install::desktopEntryKeys_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");

    // The file manager passes one file: the program opens exactly one command-line file.
    QTest::newRow("Exec") << "Exec"
                          << "curvescope %f";
    QTest::newRow("Icon") << "Icon"
                          << "curvescope";
    QTest::newRow("Type") << "Type"
                          << "Application";
    QTest::newRow("MimeType") << "MimeType" << MimeTypeName + QLatin1Char(';');
    QTest::newRow("Name") << "Name"
                          << "CurveScope";
    QTest::newRow("Terminal") << "Terminal"
                              << "false";
}

void tst_Install::desktopEntryKeys()
{
    QFETCH(QString, key);
    QFETCH(QString, value);

    const QMap<QString, QString> keys
        = readDesktopEntry(installed(QStringLiteral("share/applications/curvescope.desktop")));
    QCOMPARE(keys.value(key), value);
    // The command and icon named there must be the ones installed beside it.
    if (key == QLatin1String("Exec"))
        QVERIFY(QFileInfo(installed(QStringLiteral("bin/") + value.section(QLatin1Char(' '), 0, 0)))
                    .isExecutable());
    if (key == QLatin1String("Icon"))
        QVERIFY(QFileInfo::exists(
            installed(QStringLiteral("share/icons/hicolor/48x48/apps/%1.png").arg(value))));
}

void tst_Install::desktopFilesSpeakEveryShippedLanguage()
{
    const QMap<QString, QString> keys
        = readDesktopEntry(installed(QStringLiteral("share/applications/curvescope.desktop")));
    QFile metainfo(installed(QStringLiteral("share/metainfo/") + MetainfoName));
    QVERIFY(metainfo.open(QIODevice::ReadOnly));
    const QString appstream = QString::fromUtf8(metainfo.readAll());
    const QStringList catalogues = QDir(QStringLiteral(CURVESCOPE_SOURCE_DIR "/language"))
                                       .entryList({QStringLiteral("CurveScope_*.ts")});
    QCOMPARE(catalogues.size(), 9);
    for (const QString& catalogue : catalogues) {
        // Written for one country where the language has variants (pt_BR, zh_CN).
        const QString locale = QStringLiteral("%1(_[A-Z]{2})?").arg(catalogue.mid(11).chopped(3));
        for (const QString& key : {QStringLiteral("GenericName"), QStringLiteral("Comment")}) {
            const QStringList translated
                = QStringList(keys.keys())
                      .filter(QRegularExpression(QStringLiteral("^%1\\[%2\\]$").arg(key, locale)));
            QVERIFY2(translated.size() == 1 && keys.value(translated.first()) != keys.value(key),
                qPrintable(key + QLatin1Char(' ') + locale));
        }
        QVERIFY2(appstream.contains(
                     QRegularExpression(QStringLiteral("<summary xml:lang=\"%1\">").arg(locale))),
            qPrintable(locale));
    }
}

void tst_Install::mimeTypeCompiles()
{
    const QString xml = installed(QStringLiteral("share/mime/packages/curvescope.xml"));
    const Result wellFormed = run(QStringLiteral("xmllint"), {QStringLiteral("--noout"), xml});
    QVERIFY2(wellFormed.exitCode == 0, qPrintable(describe(wellFormed)));

    // The database compiler that the package's trigger runs; it rejects what it cannot use.
    const Result update = run(QStringLiteral("update-mime-database"),
        {QStringLiteral("-V"), installed(QStringLiteral("share/mime"))});
    QVERIFY2(update.exitCode == 0, qPrintable(describe(update)));
    QVERIFY2(!update.err.contains(QLatin1String("Unknown"))
            && !update.err.contains(QLatin1String("rror")),
        qPrintable(update.err));

    QFile globs(installed(QStringLiteral("share/mime/globs2")));
    QVERIFY(globs.open(QIODevice::ReadOnly | QIODevice::Text));
    QStringList ours;
    while (!globs.atEnd()) {
        const QString line = QString::fromUtf8(globs.readLine()).trimmed();
        if (line.contains(MimeTypeName))
            ours << line;
    }
    // weight:type:glob:flags, with "cs" for the case-sensitive match the program itself uses
    // (the compiler adds a flagless copy of the line for readers of the older format).
    QVERIFY2(ours.contains(QStringLiteral("50:") + MimeTypeName + QStringLiteral(":*.tlx:cs")),
        qPrintable(ours.join(QLatin1Char('\n'))));
    QCOMPARE(ours.filter(QStringLiteral(":*.tlx")).size(), ours.size());
}

void tst_Install::mimeTypeRecognised_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("type");

    QTest::newRow("data file") << "speed.tlx" << MimeTypeName;
    QTest::newRow("configuration file") << "configuration.tlx" << MimeTypeName;
    // The program refuses SPEED.TLX, so the desktop must not offer it either.
    QTest::newRow("upper-case extension") << "SPEED.TLX"
                                          << "application/octet-stream";
    QTest::newRow("longer extension") << "speed.tlxx"
                                      << "application/octet-stream";
}

void tst_Install::mimeTypeRecognised()
{
    QFETCH(QString, fileName);
    QFETCH(QString, type);
    if (!QFileInfo::exists(installed(QStringLiteral("share/mime/mime.cache"))))
        QSKIP("needs the database compiled by mimeTypeCompiles");

    // Qt's MIME database (as used by Qt file managers and dialogs) reads the installed share/
    // folder first; a fresh process, because the database is loaded once per process.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_DIRS"),
        installed(QStringLiteral("share")) + QStringLiteral(":/usr/share"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), m_work.filePath(QStringLiteral("no-data-home")));
    const Result probe = run(QCoreApplication::applicationFilePath(),
        {QString::fromLatin1(MimeProbeArgument), fileName}, env, 60000);
    QVERIFY2(probe.exitCode == 0, qPrintable(describe(probe)));
    QCOMPARE(probe.out.trimmed(), type);
}

void tst_Install::metainfoValidates()
{
    const QString path = installed(QStringLiteral("share/metainfo/") + MetainfoName);
    const Result result = run(QStringLiteral("appstreamcli"),
        {QStringLiteral("validate"), QStringLiteral("--no-net"), QStringLiteral("--pedantic"),
            path});
    QVERIFY2(result.exitCode == 0, qPrintable(describe(result)));
    // Only the note that the reserved example domain is not a known top-level domain remains.
    const QStringList issues = result.out.split(QLatin1Char('\n'))
                                   .filter(QRegularExpression(QStringLiteral("^[EWIP]: ")));
    QCOMPARE(issues.size(), 1);
    QVERIFY2(
        issues.first().contains(QLatin1String("cid-maybe-not-rdns")), qPrintable(issues.first()));

    // The newest release must be this build's version, or software centres offer an old one.
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QString newest;
    while (!xml.atEnd() && newest.isEmpty()) {
        if (xml.readNext() == QXmlStreamReader::StartElement
            && xml.name() == QLatin1String("release"))
            newest = xml.attributes().value(QLatin1String("version")).toString();
    }
    QCOMPARE(newest, m_version);
}

void tst_Install::installedProgramFindsItsLanguage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("withLanguageFolder");
    QTest::addColumn<bool>("withDataFile");
    QTest::addColumn<QStringList>("titles");

    const QString missingConfiguration = QStringLiteral("Missing configuration file");
    const int German = QLocale::German;
    const int English = QLocale::English;

    // A data file without its configuration: the program reports it in a message box, whose
    // title shows the language like the main window's (the German window title happens to be
    // the English one). The data file also stands for the file manager's double click.
    QTest::newRow("German through the bin link")
        << German << true << true
        << QStringList {germanTranslation(EnglishTitle), germanTranslation(missingConfiguration)};
    QTest::newRow("English through the bin link")
        << English << true << true << QStringList {EnglishTitle, missingConfiguration};
    QTest::newRow("English without a file")
        << English << true << false << QStringList {EnglishTitle};
    // Without its folder the program falls back to English, so the German row proves the
    // installed folder is the one found.
    QTest::newRow("German without the language folder")
        << German << false << false << QStringList {QStringLiteral("Error")};
}

void tst_Install::installedProgramFindsItsLanguage()
{
    QFETCH(int, language);
    QFETCH(bool, withLanguageFolder);
    QFETCH(bool, withDataFile);
    QFETCH(QStringList, titles);

    if (titles.contains(QString()))
        QSKIP("language/CurveScope_de.ts does not translate the window titles yet");
    // Titles that read the same in both languages would not show which catalogue was loaded.
    if (language == QLocale::German && withLanguageFolder)
        QVERIFY2(!titles.contains(QStringLiteral("Missing configuration file")),
            "the German catalogue leaves the message box title in English");

    QTemporaryDir home;
    QVERIFY(home.isValid());
    const QString settingsPath = home.filePath(QStringLiteral("config/Orvanta/CurveScope.conf"));
    QVERIFY(QDir().mkpath(QFileInfo(settingsPath).path()));
    {
        QFile settings(settingsPath);
        QVERIFY(settings.open(QIODevice::WriteOnly | QIODevice::Text));
        settings.write(QStringLiteral("[General]\nLanguage=%1\n").arg(language).toUtf8());
    }

    QString program = installed(QStringLiteral("bin/curvescope"));
    if (!withLanguageFolder) {
        program = home.filePath(QStringLiteral("bare/curvescope"));
        QVERIFY(QDir().mkpath(QFileInfo(program).path()));
        QVERIFY(QFile::copy(installed(QStringLiteral("lib/curvescope/curvescope")), program));
    }
    QStringList arguments;
    if (withDataFile) {
        const QString dataDir = home.filePath(QStringLiteral("set"));
        QVERIFY(QDir().mkpath(dataDir));
        QVERIFY(TrendSetFiles::write(dataDir, QStringLiteral("speed.tlx"),
            TrendSetFiles::twoColumns({0, 1000}, {800.0, 900.0})));
        arguments << dataDir + QStringLiteral("/speed.tlx");
    }

    titles.sort();
    QStringList seen;
    QString failure;
    // A second try only when the program could not reach its X server, which other programs
    // on a shared machine can take away; every other outcome counts at once.
    for (int attempt = 0; attempt < 2; ++attempt) {
        XvfbServer xvfb;
        if (!xvfb.start())
            QFAIL(qPrintable(xvfb.errorString()));
        QProcessEnvironment env = xvfb.environment();
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
        env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("*.debug=false"));
        QProcess app;
        app.setProcessEnvironment(env);
        app.start(program, arguments);
        QVERIFY2(app.waitForStarted(30000), qPrintable(app.errorString()));

        // The windows' names settle after they appear (a new window first carries the
        // application name), so this waits for the expected names, then compares what is there.
        bool ended = false;
        for (int poll = 0; poll < 300 && !ended; ++poll) {
            seen = applicationWindowTitles(env);
            if (seen == titles)
                break;
            ended = app.waitForFinished(100);
        }
        if (!ended) {
            app.kill();
            app.waitForFinished(10000);
            failure.clear();
            break;
        }
        const QString errors = QString::fromLocal8Bit(app.readAllStandardError());
        failure = QStringLiteral("the installed program ended by itself: ") + errors;
        if (!errors.contains(QLatin1String("could not connect to display")))
            break;
    }
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QCOMPARE(seen, titles);
}

void tst_Install::debianPackage()
{
    const QString cpack = cacheValue(QStringLiteral("CMAKE_CPACK_COMMAND"));
    QVERIFY2(QFileInfo(cpack).isExecutable(), qPrintable(cpack));
    const Result arch = run(QStringLiteral("dpkg"), {QStringLiteral("--print-architecture")});
    QCOMPARE(arch.exitCode, 0);
    const QString architecture = arch.out.trimmed();

    // CPack's own staging and DEB generator over the build's install script, as `cpack -G DEB`
    // runs them, minus its first step of building every target: the package is made of what
    // this build holds, the same as cmake --install, and the test never compiles anything.
    const QString script = m_work.filePath(QStringLiteral("install-build.cmake"));
    const QString config = m_work.filePath(QStringLiteral("CPackConfig.cmake"));
    QVERIFY(writeText(script,
        QStringLiteral("set(CMAKE_INSTALL_PREFIX \"${CPACK_PACKAGING_INSTALL_PREFIX}\")\n"
                       "set(CMAKE_INSTALL_DO_STRIP \"${CPACK_STRIP_FILES}\")\n"
                       "include(\"" CURVESCOPE_BINARY_DIR "/cmake_install.cmake\")\n")));
    QVERIFY(writeText(config,
        QStringLiteral("include(\"" CURVESCOPE_BINARY_DIR "/CPackConfig.cmake\")\n"
                       "set(CPACK_INSTALL_CMAKE_PROJECTS \"\")\n"
                       "set(CPACK_INSTALL_SCRIPTS \"%1\")\n")
            .arg(script)));

    const QString outDir = m_work.filePath(QStringLiteral("deb"));
    const Result build = run(cpack,
        {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("--config"), config,
            QStringLiteral("-B"), outDir});
    QVERIFY2(build.finished && build.exitCode == 0, qPrintable(describe(build)));
    const QString deb
        = outDir + QStringLiteral("/curvescope_%1_%2.deb").arg(m_version, architecture);
    QVERIFY2(QFileInfo::exists(deb), qPrintable(QDir(outDir).entryList().join(QLatin1Char(' '))));

    const Result info = run(QStringLiteral("dpkg-deb"), {QStringLiteral("--field"), deb});
    QVERIFY2(info.exitCode == 0, qPrintable(describe(info)));
    QMap<QString, QString> fields;
    for (const QString& line : info.out.split(QLatin1Char('\n'))) {
        const int colon = line.indexOf(QLatin1String(": "));
        if (colon > 0 && !line.startsWith(QLatin1Char(' ')))
            fields.insert(line.left(colon), line.mid(colon + 2));
    }
    QCOMPARE(fields.value(QStringLiteral("Package")), QStringLiteral("curvescope"));
    QCOMPARE(fields.value(QStringLiteral("Version")), m_version);
    QCOMPARE(fields.value(QStringLiteral("Architecture")), architecture);
    QVERIFY(fields.value(QStringLiteral("Maintainer")).endsWith(QLatin1String(".example>")));
    QVERIFY(!fields.value(QStringLiteral("Description")).isEmpty());
    // Chinese and Japanese texts need a font with their characters.
    QVERIFY2(fields.value(QStringLiteral("Recommends")).contains(QLatin1String("fonts-noto-cjk")),
        qPrintable(fields.value(QStringLiteral("Recommends"))));

    // Computed from the binary by dpkg-shlibdeps: for every library the program links, the
    // package that holds it on this system, with a minimum version.
    const QStringList depends = fields.value(QStringLiteral("Depends")).split(QLatin1String(", "));
    const QStringList needed = neededLibraries(QStringLiteral(CURVESCOPE_EXECUTABLE));
    QVERIFY2(needed.contains(QStringLiteral("libQt5Widgets.so.5"))
            && needed.contains(QStringLiteral("libqwt-qt5.so.6")),
        qPrintable(needed.join(QLatin1Char(' '))));
    for (const QString& library : needed) {
        const QStringList owners = packagesHolding(library);
        QVERIFY2(!owners.isEmpty(), qPrintable(library));
        QStringList hits;
        for (const QString& owner : owners)
            hits << depends.filter(QRegularExpression(QStringLiteral("^%1 \\(>= [^)]+\\)( \\|.*)?$")
                                                          .arg(QRegularExpression::escape(owner))));
        QVERIFY2(hits.size() == 1,
            qPrintable(library + QStringLiteral(" (") + owners.join(QLatin1Char(' '))
                + QStringLiteral(") in ") + depends.join(QStringLiteral(", "))));
    }

    // The package holds exactly what cmake --install puts below the prefix, links as links.
    const QString unpacked = m_work.filePath(QStringLiteral("unpacked"));
    const Result extract = run(QStringLiteral("dpkg-deb"), {QStringLiteral("-x"), deb, unpacked});
    QVERIFY2(extract.exitCode == 0, qPrintable(describe(extract)));
    QCOMPARE(treeOf(unpacked), m_installedTree);
    QCOMPARE(QFile::symLinkTarget(unpacked + QStringLiteral("/usr/bin/curvescope")),
        unpacked + QStringLiteral("/usr/lib/curvescope/curvescope"));
    QVERIFY(QFileInfo(unpacked + QStringLiteral("/usr/lib/curvescope/curvescope")).isExecutable());

    // apt's own dry run: the package and its dependencies resolve on this system, nothing is
    // installed and no lock is taken.
    const Result apt = run(QStringLiteral("apt-get"),
        {QStringLiteral("--simulate"), QStringLiteral("-o"), QStringLiteral("Debug::NoLocking=1"),
            QStringLiteral("install"), deb});
    QVERIFY2(apt.exitCode == 0, qPrintable(describe(apt)));
    QVERIFY2(apt.out.contains(QStringLiteral("Inst curvescope (%1 ").arg(m_version)),
        qPrintable(apt.out));

    const Result contents = run(QStringLiteral("dpkg-deb"), {QStringLiteral("--contents"), deb});
    QVERIFY2(contents.exitCode == 0, qPrintable(describe(contents)));
    // Installed files owned by root, as apt expects from a package.
    for (const QString& line : contents.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        QVERIFY2(line.section(QLatin1Char(' '), 1, 1, QString::SectionSkipEmpty)
                == QLatin1String("root/root"),
            qPrintable(line));
}

// The test runs itself as a child to ask Qt's MIME database about a file name in a fresh
// process with another XDG_DATA_DIRS.
static int mimeProbe(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QMimeDatabase database;
    QTextStream out(stdout);
    for (int i = 2; i < argc; ++i)
        out << database
                   .mimeTypeForFile(QString::fromLocal8Bit(argv[i]), QMimeDatabase::MatchExtension)
                   .name()
            << '\n';
    return 0;
}

int main(int argc, char* argv[])
{
    if (argc >= 2 && qstrcmp(argv[1], MimeProbeArgument) == 0)
        return mimeProbe(argc, argv);
    QApplication app(argc, argv);
    tst_Install test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_install.moc"
