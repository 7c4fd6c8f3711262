// The German translation: complete for every text in the sources, faithful to placeholders,
// accelerators and markup, built into the language folder with the toolkit's catalogue, and
// in effect when the program starts with German chosen.

#include "MainWindow.h"
#include "ModalCatcher.h"
#include "StartupLanguage.h"
#include "TestSettings.h"
#include "TipsAndTricks.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QImage>
#include <QLabel>
#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QLibraryInfo>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

namespace {
const QString ShippedCatalogue
    = QStringLiteral(CURVESCOPE_SOURCE_DIR) + QStringLiteral("/language/CurveScope_de.ts");
const QString LanguageFolder = QStringLiteral(CURVESCOPE_LANGUAGE_DIR);

struct Message {
    QString context;
    QString source;
    QString translation;
    QString type; // empty when finished
};

bool readCatalogue(const QString& path, QList<Message>* messages, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return false;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            message = Message {context, QString(), QString(), QString()};
        } else if (xml.name() == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            message.translation = xml.readElementText();
            messages->append(message);
        }
    }
    if (xml.hasError()) {
        *error = xml.errorString();
        return false;
    }
    return true;
}

QString describe(const Message& message)
{
    return message.context + QStringLiteral(" \"") + message.source + QLatin1Char('"');
}

QStringList sortedMatches(const QString& pattern, const QString& text)
{
    QStringList found;
    QRegularExpressionMatchIterator it = QRegularExpression(pattern).globalMatch(text);
    while (it.hasNext())
        found << it.next().captured(0);
    found.sort();
    return found;
}

bool hasAccelerator(const QString& text)
{
    return text.contains(QRegularExpression(QStringLiteral("&[^&\\s]")));
}

QAction* actionWithStatusTip(QWidget* window, const QString& tip)
{
    for (QAction* action : window->findChildren<QAction*>()) {
        if (action->statusTip() == tip)
            return action;
    }
    return nullptr;
}

QStringList entriesOf(QMenu* menu)
{
    QStringList texts;
    for (QAction* action : menu->actions())
        texts << (action->isSeparator() ? QStringLiteral("|") : action->text());
    return texts;
}

// Where the last words of a label's rich text end when laid out at the label's width; the
// trailing line-break paragraph of a tip is only spacing and does not count.
qreal textBottom(const QLabel* label)
{
    QTextDocument document;
    document.setDefaultFont(label->font());
    document.setDocumentMargin(0);
    document.setHtml(label->text());
    document.setTextWidth(label->contentsRect().width());
    qreal bottom = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (!block.text().trimmed().remove(QChar::LineSeparator).isEmpty())
            bottom = document.documentLayout()->blockBoundingRect(block).bottom();
    }
    return bottom;
}
}

class TestTranslation : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void shippedCatalogueIsFinished();
    void catalogueCoversEverySourceText();
    void everyContextIsTranslated();
    void translationsKeepPlaceholdersAndMarkup_data();
    void translationsKeepPlaceholdersAndMarkup();
    void languageFolderIsBuilt();
    void builtCatalogueMatchesShippedOne();
    void germanStartShowsGermanProgram();

private:
    QTemporaryDir m_settingsHome;
    QList<Message> m_shipped;
};

void TestTranslation::initTestCase()
{
    QVERIFY(m_settingsHome.isValid());
    QVERIFY(IsolateSettings(m_settingsHome.path()));

    QString error;
    QVERIFY2(readCatalogue(ShippedCatalogue, &m_shipped, &error), qPrintable(error));
    QVERIFY(!m_shipped.isEmpty());
}

void TestTranslation::cleanup()
{
    for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    QLocale::setDefault(QLocale::system());
    QSettings().clear();
}

void TestTranslation::shippedCatalogueIsFinished()
{
    QStringList problems;
    for (const Message& message : m_shipped) {
        if (!message.type.isEmpty())
            problems << message.type + QStringLiteral(": ") + describe(message);
        else if (message.translation.isEmpty())
            problems << QStringLiteral("empty: ") + describe(message);
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

void TestTranslation::catalogueCoversEverySourceText()
{
    // Texts added to or removed from the sources since the catalogue was last updated show up
    // as unfinished or vanished entries when the catalogue is brought up to date.
    QTemporaryDir work;
    QVERIFY(work.isValid());
    const QString updated = work.filePath(QStringLiteral("CurveScope_de.ts"));
    QVERIFY(QFile::copy(ShippedCatalogue, updated));

    QProcess lupdate;
    lupdate.setWorkingDirectory(QStringLiteral(CURVESCOPE_SOURCE_DIR));
    lupdate.start(QLibraryInfo::location(QLibraryInfo::BinariesPath) + QStringLiteral("/lupdate"),
        {QStringLiteral("-locations"), QStringLiteral("none"), QStringLiteral("-no-ui-lines"),
            QStringLiteral("src"), QStringLiteral("-ts"), updated});
    QVERIFY(lupdate.waitForFinished(120000));
    QVERIFY2(lupdate.exitCode() == 0, lupdate.readAllStandardError().constData());

    QList<Message> current;
    QString error;
    QVERIFY2(readCatalogue(updated, &current, &error), qPrintable(error));
    QStringList problems;
    for (const Message& message : current) {
        if (message.type == QLatin1String("unfinished"))
            problems << QStringLiteral("not translated: ") + describe(message);
        else if (!message.type.isEmpty())
            problems << QStringLiteral("no longer in the sources: ") + describe(message);
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    QCOMPARE(current.size(), m_shipped.size());
}

void TestTranslation::everyContextIsTranslated()
{
    QSet<QString> contexts;
    for (const Message& message : m_shipped)
        contexts.insert(message.context);
    const QStringList expected {"AboutDialog", "CCsvFileDialog", "CSelectLanguageDialog",
        "MainWindow", "QObject", "TipsAndTricks", "TrendPlot"};
    QStringList found = contexts.values();
    found.sort();
    QCOMPARE(found, expected);
}

void TestTranslation::translationsKeepPlaceholdersAndMarkup_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("translation");
    int index = 0;
    for (const Message& message : m_shipped) {
        QTest::addRow("%d %s: %s", index++, qPrintable(message.context),
            qPrintable(message.source.left(40).replace(QLatin1Char('\n'), QLatin1Char(' '))))
            << message.source << message.translation;
    }
}

void TestTranslation::translationsKeepPlaceholdersAndMarkup()
{
    QFETCH(QString, source);
    QFETCH(QString, translation);

    QCOMPARE(sortedMatches(QStringLiteral("%\\d"), translation),
        sortedMatches(QStringLiteral("%\\d"), source));
    QCOMPARE(translation.count(QLatin1Char('\n')), source.count(QLatin1Char('\n')));
    QCOMPARE(hasAccelerator(translation), hasAccelerator(source));
    QCOMPARE(sortedMatches(QStringLiteral("href=\"[^\"]*\""), translation),
        sortedMatches(QStringLiteral("href=\"[^\"]*\""), source));
    QCOMPARE(sortedMatches(QStringLiteral("<[^>]*>"), translation),
        sortedMatches(QStringLiteral("<[^>]*>"), source));
    QCOMPARE(sortedMatches(QStringLiteral("\\(\\*\\.[a-z*]+\\)"), translation),
        sortedMatches(QStringLiteral("\\(\\*\\.[a-z*]+\\)"), source));
    // Texts that are glued to others keep their blanks at the ends.
    QCOMPARE(translation.startsWith(QLatin1Char(' ')), source.startsWith(QLatin1Char(' ')));
    QCOMPARE(translation.endsWith(QLatin1Char(' ')), source.endsWith(QLatin1Char(' ')));
}

void TestTranslation::languageFolderIsBuilt()
{
    const QDir folder(LanguageFolder);
    for (const char* name : {"CurveScope_de.qm", "CurveScope_de.png", "qt_de.qm"})
        QVERIFY2(folder.exists(QString::fromLatin1(name)), name);
    QVERIFY(!QImage(folder.filePath(QStringLiteral("CurveScope_de.png"))).isNull());

    // The toolkit catalogue only loads when every catalogue it names lies beside it.
    QTranslator toolkit;
    QVERIFY(toolkit.load(QStringLiteral("qt_de_DE"), LanguageFolder));
    QCOMPARE(toolkit.translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
}

void TestTranslation::builtCatalogueMatchesShippedOne()
{
    QTranslator program;
    QVERIFY(program.load(QStringLiteral("CurveScope_de_DE"), LanguageFolder));
    QStringList stale;
    for (const Message& message : m_shipped) {
        const QString built
            = program.translate(qPrintable(message.context), message.source.toUtf8().constData());
        if (built != message.translation)
            stale << describe(message) + QStringLiteral(" -> ") + built;
    }
    QVERIFY2(stale.isEmpty(), qPrintable(stale.join(QLatin1Char('\n'))));
}

void TestTranslation::germanStartShowsGermanProgram()
{
    QSettings().setValue(QStringLiteral("Language"), int(QLocale::German));
    ModalCatcher catcher;
    ApplyStartupLanguageFrom(LanguageFolder);
    QCOMPARE(catcher.messages().size(), 0);
    QCOMPARE(QSettings().value(QStringLiteral("Language")).toInt(), int(QLocale::German));
    QCOMPARE(QLocale().name(), QStringLiteral("de_DE"));

    MainWindow window;
    window.show();
    QCOMPARE(window.windowTitle(), QStringLiteral("Orvanta Curve Scope"));

    QStringList menus;
    for (QAction* action : window.menuBar()->actions())
        menus << action->text();
    QCOMPARE(menus, (QStringList {"&Datei", "&Hilfe"}));
    QCOMPARE(entriesOf(window.menuBar()->actions().at(0)->menu()),
        (QStringList {"Ö&ffnen", "&Schließen", "|", "Als CSV &exportieren", "&Diagramm exportieren",
            "|", "&Beenden"}));
    QCOMPARE(entriesOf(window.menuBar()->actions().at(1)->menu()),
        (QStringList {"&Sprache einstellen", "&Tipps und Tricks...", "|", "&Über"}));

    QAction* open
        = actionWithStatusTip(&window, QStringLiteral("Eine tlx-Datei auswählen und öffnen"));
    QVERIFY(open != nullptr);
    QCOMPARE(open->shortcut(), QKeySequence(Qt::CTRL + Qt::Key_O));
    QAction* copy = actionWithStatusTip(
        &window, QStringLiteral("Diagramm in die Zwischenablage kopieren (Strg+C)"));
    QVERIFY(copy != nullptr);
    QCOMPARE(copy->shortcut(), QKeySequence(Qt::CTRL + Qt::Key_C));

    // The tips window and the toolkit's own buttons speak German too.
    auto* tips = window.findChild<TipsAndTricks*>();
    QVERIFY(tips != nullptr);
    QCOMPARE(tips->windowTitle(), QStringLiteral("Tipps und Tricks"));
    QPushButton* close = tips->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Close);
    QCOMPARE(close->text(), QStringLiteral("Schließen"));

    // Regression: the longer German tips overflowed the window's fixed frame and were cut off.
    tips->show();
    QVERIFY(QTest::qWaitForWindowExposed(tips));
    for (const char* name : {"label", "label_zooming", "label_scrolling", "label_legend"}) {
        auto* label = tips->findChild<QLabel*>(QString::fromLatin1(name));
        QVERIFY(label != nullptr);
        QVERIFY2(label->contentsRect().height() >= textBottom(label), name);
    }
}

QTEST_MAIN(TestTranslation)
#include "tst_translation.moc"
