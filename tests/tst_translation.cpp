// The shipped translations, one row per language: complete, faithful to placeholders and markup,
// built beside the program, in effect at start-up, and every text shown uncut.

#include "AboutDialog.h"
#include "CCsvFileDialog.h"
#include "CSelectLanguageDialog.h"
#include "MainWindow.h"
#include "ModalCatcher.h"
#include "StartupLanguage.h"
#include "TestSettings.h"
#include "TextFit.h"
#include "TipsAndTricks.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

namespace {
const QString LanguageFolder = QStringLiteral(CURVESCOPE_LANGUAGE_DIR);

// The languages the program ships besides English: the catalogue's name part, the language, the
// locale it resolves to at start-up and the name the language dialog gives it.
struct ShippedLanguage {
    const char* code;
    QLocale::Language language;
    const char* localeName;
    const char* nativeName;
};
const ShippedLanguage Shipped[] = {{"de", QLocale::German, "de_DE", "Deutsch"},
    {"fr", QLocale::French, "fr_FR", "français"},
    {"es", QLocale::Spanish, "es_ES", "español de España"},
    {"it", QLocale::Italian, "it_IT", "italiano"}, {"pl", QLocale::Polish, "pl_PL", "polski"},
    {"pt", QLocale::Portuguese, "pt_BR", "português"}, {"ru", QLocale::Russian, "ru_RU", "русский"},
    {"zh", QLocale::Chinese, "zh_CN", "简体中文"}, {"ja", QLocale::Japanese, "ja_JP", "日本語"}};

QString sourceCatalogue(const QString& code)
{
    return QStringLiteral(CURVESCOPE_SOURCE_DIR "/language/CurveScope_%1.ts").arg(code);
}

struct Message {
    QString context, source, translation, type; // type is empty when finished
};

QList<Message> readCatalogue(const QString& path)
{
    QFile file(path);
    QList<Message> messages;
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    Message message;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name"))
            message.context = xml.readElementText();
        else if (xml.name() == QLatin1String("source"))
            message.source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            message.translation = xml.readElementText();
            messages.append(message);
        }
    }
    return xml.hasError() ? QList<Message>() : messages;
}

QString describe(const Message& message)
{
    return message.context + QStringLiteral(" \"") + message.source + QLatin1Char('"');
}

QStringList sortedMatches(const QString& pattern, const QString& text)
{
    QStringList found;
    for (auto it = QRegularExpression(pattern).globalMatch(text); it.hasNext();)
        found << it.next().captured(0);
    found.sort();
    return found;
}

// The accelerator letter of a menu text, lower case; empty when it has none.
QString acceleratorOf(const QString& text)
{
    return QRegularExpression(QStringLiteral("&([^&\\s])")).match(text).captured(1).toLower();
}

// What a translation must keep of its source: placeholders, markup, links, file patterns, line
// breaks, the presence of an accelerator and blanks at the ends (texts glued to others).
QStringList unfaithfulParts(const Message& m)
{
    QStringList problems;
    for (const char* pattern : {"%\\d", "<[^>]*>", "href=\"[^\"]*\"", "\\(\\*\\.[a-z*]+\\)"}) {
        if (sortedMatches(pattern, m.translation) != sortedMatches(pattern, m.source))
            problems << pattern;
    }
    const auto shape = [](const QString& t) {
        return QString("%1 %2 %3 %4").arg(t.count('\n')).arg(acceleratorOf(t).isEmpty())
            .arg(t.startsWith(' ')).arg(t.endsWith(' '));
    };
    if (shape(m.translation) != shape(m.source))
        problems << QStringLiteral("breaks, accelerator or end blanks");
    return problems;
}

QStringList entriesOf(QMenu* menu)
{
    QStringList texts;
    for (QAction* action : menu->actions())
        texts << (action->isSeparator() ? QStringLiteral("|") : action->text());
    return texts;
}

// Texts of a shown dialog given less room than they need, and the dialog if it overflows the
// screen.
QStringList cutOffTexts(QWidget* dialog)
{
    QStringList cut;
    const QSize screen = dialog->screen()->availableGeometry().size();
    if (dialog->width() > screen.width() || dialog->height() > screen.height())
        cut << dialog->objectName() + QStringLiteral(" is larger than the screen");
    QList<QWidget*> texts;
    for (QLabel* label : dialog->findChildren<QLabel*>())
        texts << label;
    for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
        texts << button;
    for (QWidget* widget : texts) {
        const QSize needed = widget->minimumSizeHint();
        if (widget->isVisible()
            && (widget->width() < needed.width() || widget->height() < needed.height()))
            cut << widget->property("text").toString();
    }
    return cut;
}

void addLanguageRows()
{
    QTest::addColumn<int>("row");
    for (int row = 0; row < int(std::size(Shipped)); ++row)
        QTest::newRow(Shipped[row].code) << row;
}
}

class TestTranslation : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_settingsHome.isValid());
        QVERIFY(IsolateSettings(m_settingsHome.path()));
    }
    void cleanup()
    {
        for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
        QLocale::setDefault(QLocale::system());
        QSettings().clear();
    }
    void catalogueIsCompleteFaithfulAndBuilt_data() { addLanguageRows(); }
    void catalogueIsCompleteFaithfulAndBuilt();
    void startShowsTheWholeProgramInTheLanguage_data() { addLanguageRows(); }
    void startShowsTheWholeProgramInTheLanguage();
    void languageDialogOffersEveryShippedLanguage();

private:
    QTemporaryDir m_settingsHome;
};

void TestTranslation::catalogueIsCompleteFaithfulAndBuilt()
{
    QFETCH(int, row);
    const QString code = QString::fromLatin1(Shipped[row].code);
    const QList<Message> shipped = readCatalogue(sourceCatalogue(code));
    QVERIFY(!shipped.isEmpty());
    QStringList problems;
    for (const Message& message : shipped) {
        if (!message.type.isEmpty() || message.translation.isEmpty())
            problems << QStringLiteral("not finished: ") + describe(message);
        const QStringList unfaithful = unfaithfulParts(message);
        if (!unfaithful.isEmpty())
            problems << unfaithful.join(", ") + QStringLiteral(" differ: ") + describe(message);
    }
    // Texts added to or removed from the sources since the last update show up as unfinished or
    // vanished entries when a copy is brought up to date.
    QTemporaryDir work;
    const QString updated = work.filePath(QStringLiteral("CurveScope_%1.ts").arg(code));
    QVERIFY(QFile::copy(sourceCatalogue(code), updated));
    QProcess lupdate;
    lupdate.setWorkingDirectory(QStringLiteral(CURVESCOPE_SOURCE_DIR));
    lupdate.start(QLibraryInfo::location(QLibraryInfo::BinariesPath) + QStringLiteral("/lupdate"),
        {"-locations", "none", "-no-ui-lines", "src", "-ts", updated});
    QVERIFY(lupdate.waitForFinished(120000));
    QVERIFY2(lupdate.exitCode() == 0, lupdate.readAllStandardError().constData());
    const QList<Message> current = readCatalogue(updated);
    for (const Message& message : current) {
        if (!message.type.isEmpty())
            problems << message.type + QStringLiteral(": ") + describe(message);
    }
    QCOMPARE(current.size(), shipped.size());

    // Built beside the program, loaded as at start-up: by the full locale name, falling back to
    // the language-only file.
    const QString localeName = QString::fromLatin1(Shipped[row].localeName);
    QCOMPARE(QImage(LanguageFolder + QStringLiteral("/CurveScope_%1.png").arg(code)).size(),
        QSize(48, 32));
    QTranslator program;
    QVERIFY(program.load(QStringLiteral("CurveScope_") + localeName, LanguageFolder));
    for (const Message& message : shipped) {
        const QString built
            = program.translate(qPrintable(message.context), message.source.toUtf8().constData());
        if (built != message.translation)
            problems << describe(message) + QStringLiteral(" built as ") + built;
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    // The toolkit catalogue only loads when every catalogue it names lies beside it.
    QTranslator toolkit;
    QVERIFY(toolkit.load(QStringLiteral("qt_") + localeName, LanguageFolder));
    const QString cancel = toolkit.translate("QPlatformTheme", "Cancel");
    QVERIFY2(!cancel.isEmpty() && cancel != QLatin1String("Cancel"), qPrintable(cancel));
}

void TestTranslation::startShowsTheWholeProgramInTheLanguage()
{
    QFETCH(int, row);
    const ShippedLanguage& language = Shipped[row];
    QSettings().setValue(QStringLiteral("Language"), int(language.language));
    ModalCatcher catcher;
    ApplyStartupLanguageFrom(LanguageFolder);
    QCOMPARE(catcher.messages().size(), 0);
    QCOMPARE(QLocale().name(), QString::fromLatin1(language.localeName));

    QTranslator catalogue;
    QVERIFY(catalogue.load(QStringLiteral("CurveScope_") + language.code, LanguageFolder));
    auto translated = [&catalogue](const QString& source, const char* context = "MainWindow") {
        const QString text = catalogue.translate(context, qPrintable(source));
        return text.isEmpty() ? source : text;
    };
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.windowTitle(), translated("Orvanta Curve Scope"));
    const QList<QAction*> menus = window.menuBar()->actions();
    QCOMPARE(menus.size(), 2);
    const QVector<QStringList> english {
        {"&File", "&Open", "&Close", "|", "&Export to CSV", "Export &Plot", "|", "&Quit"},
        {"&Help", "&Set Language", "&Tips and Tricks...", "|", "&About"}};
    QSet<QString> titleLetters;
    for (int m = 0; m < menus.size(); ++m) {
        QStringList expected;
        for (const QString& text : english.at(m).mid(1))
            expected << (text == QLatin1String("|") ? text : translated(text));
        QCOMPARE(menus.at(m)->text(), translated(english.at(m).first()));
        QCOMPARE(entriesOf(menus.at(m)->menu()), expected);
        // Each entry is reachable by its own letter.
        expected.removeAll(QStringLiteral("|"));
        QSet<QString> letters;
        for (const QString& text : expected)
            letters.insert(acceleratorOf(text));
        QVERIFY2(letters.size() == expected.size() && !letters.contains(QString()),
            qPrintable(expected.join(QLatin1Char(' '))));
        titleLetters.insert(acceleratorOf(menus.at(m)->text()));
    }
    QCOMPARE(titleLetters.size(), 2);

    // Regression: longer translations of the tips overflowed the window's fixed frame.
    auto* tips = window.findChild<TipsAndTricks*>();
    QVERIFY(tips != nullptr);
    QCOMPARE(tips->windowTitle(), translated("Tips and Tricks", "TipsAndTricks"));
    tips->show();
    QVERIFY(QTest::qWaitForWindowExposed(tips));
    for (const char* name : {"label", "label_zooming", "label_scrolling", "label_legend"}) {
        auto* label = tips->findChild<QLabel*>(QString::fromLatin1(name));
        QVERIFY2(label && label->contentsRect().height() >= TextBottom(label), name);
    }
    AboutDialog about(&window);
    CSelectLanguageDialog languages(LanguageFolder, &window);
    CCsvFileDialog csv(&window, QString(), m_settingsHome.path(), QString(), 0);
    for (QDialog* dialog : QList<QDialog*> {&about, &languages, &csv}) {
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        const QStringList cut = cutOffTexts(dialog);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
    }
    QCOMPARE(csv.findChild<QGroupBox*>()->title(),
        translated("Chose CSV Format", "CCsvFileDialog"));
}

void TestTranslation::languageDialogOffersEveryShippedLanguage()
{
    CSelectLanguageDialog dialog(LanguageFolder, nullptr);
    QStringList offered, expected {QStringLiteral("English"), QStringLiteral("Cancel")};
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        QVERIFY2(button->text() == "Cancel" || !button->icon().isNull(), qPrintable(button->text()));
        offered << button->text();
    }
    for (const ShippedLanguage& language : Shipped)
        expected << QString::fromUtf8(language.nativeName);
    offered.sort();
    expected.sort();
    QCOMPARE(offered, expected);
}

QTEST_MAIN(TestTranslation)
#include "tst_translation.moc"
