// The shipped translations, one table row per language: each catalogue complete for every text
// in the sources and faithful to placeholders, accelerators and markup, built into the language
// folder with the toolkit's catalogue, in effect when the program starts in that language, and
// every text it shows uncut.

#include "AboutDialog.h"
#include "CCsvFileDialog.h"
#include "CSelectLanguageDialog.h"
#include "MainWindow.h"
#include "ModalCatcher.h"
#include "StartupLanguage.h"
#include "TestSettings.h"
#include "TipsAndTricks.h"

#include <QAbstractButton>
#include <QAbstractTextDocumentLayout>
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
#include <QTextBlock>
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
    QString context;
    QString source;
    QString translation;
    QString type; // empty when finished
};

bool readCatalogue(const QString& path, QList<Message>* messages, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = path + QStringLiteral(": ") + file.errorString();
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

// The accelerator letter of a menu text, lower case; empty when it has none.
QString acceleratorOf(const QString& text)
{
    const QRegularExpressionMatch match
        = QRegularExpression(QStringLiteral("&([^&\\s])")).match(text);
    return match.hasMatch() ? match.captured(1).toLower() : QString();
}

// What a translation must keep of its source text, as differences; empty when it keeps it all.
QStringList unfaithfulParts(const Message& message)
{
    const QString& source = message.source;
    const QString& translation = message.translation;
    QStringList problems;
    for (const char* pattern : {"%\\d", "<[^>]*>", "href=\"[^\"]*\"", "\\(\\*\\.[a-z*]+\\)"}) {
        const QString expression = QString::fromLatin1(pattern);
        if (sortedMatches(expression, translation) != sortedMatches(expression, source))
            problems << QString::fromLatin1(pattern);
    }
    if (translation.count(QLatin1Char('\n')) != source.count(QLatin1Char('\n')))
        problems << QStringLiteral("line breaks");
    if (acceleratorOf(translation).isEmpty() != acceleratorOf(source).isEmpty())
        problems << QStringLiteral("accelerator");
    // Texts that are glued to others keep their blanks at the ends.
    if (translation.startsWith(QLatin1Char(' ')) != source.startsWith(QLatin1Char(' '))
        || translation.endsWith(QLatin1Char(' ')) != source.endsWith(QLatin1Char(' ')))
        problems << QStringLiteral("blank at an end");
    return problems;
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

// Labels and buttons of a shown dialog that are given less room than their text needs, and
// the dialog itself when it does not fit on the screen.
QStringList cutOffTexts(QWidget* dialog)
{
    QStringList cut;
    const QSize screen = dialog->screen()->availableGeometry().size();
    if (dialog->width() > screen.width() || dialog->height() > screen.height())
        cut << QStringLiteral("%1 is larger than the screen").arg(dialog->objectName());
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
    void initTestCase();
    void cleanup();

    void catalogueIsCompleteAndFaithful_data() { addLanguageRows(); }
    void catalogueIsCompleteAndFaithful();
    void catalogueIsBuiltBesideTheProgram_data() { addLanguageRows(); }
    void catalogueIsBuiltBesideTheProgram();
    void startShowsTheWholeProgramInTheLanguage_data() { addLanguageRows(); }
    void startShowsTheWholeProgramInTheLanguage();
    void languageDialogOffersEveryShippedLanguage();

private:
    QTemporaryDir m_settingsHome;
};

void TestTranslation::initTestCase()
{
    QVERIFY(m_settingsHome.isValid());
    QVERIFY(IsolateSettings(m_settingsHome.path()));
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

void TestTranslation::catalogueIsCompleteAndFaithful()
{
    QFETCH(int, row);
    const QString code = QString::fromLatin1(Shipped[row].code);

    QList<Message> shipped;
    QString error;
    QVERIFY2(readCatalogue(sourceCatalogue(code), &shipped, &error), qPrintable(error));
    QStringList problems;
    QSet<QString> contexts;
    for (const Message& message : shipped) {
        contexts.insert(message.context);
        if (!message.type.isEmpty() || message.translation.isEmpty())
            problems << QStringLiteral("not finished: ") + describe(message);
        const QStringList unfaithful = unfaithfulParts(message);
        if (!unfaithful.isEmpty())
            problems << unfaithful.join(QStringLiteral(", ")) + QStringLiteral(" differ: ")
                    + describe(message);
    }
    QStringList found = contexts.values();
    found.sort();
    QCOMPARE(found,
        (QStringList {"AboutDialog", "CCsvFileDialog", "CSelectLanguageDialog", "MainWindow",
            "QObject", "TipsAndTricks", "TrendPlot"}));

    // Texts added to or removed from the sources since the catalogue was last updated show up
    // as unfinished or vanished entries when a copy is brought up to date.
    QTemporaryDir work;
    QVERIFY(work.isValid());
    const QString updated = work.filePath(QStringLiteral("CurveScope_%1.ts").arg(code));
    QVERIFY(QFile::copy(sourceCatalogue(code), updated));
    QProcess lupdate;
    lupdate.setWorkingDirectory(QStringLiteral(CURVESCOPE_SOURCE_DIR));
    lupdate.start(QLibraryInfo::location(QLibraryInfo::BinariesPath) + QStringLiteral("/lupdate"),
        {QStringLiteral("-locations"), QStringLiteral("none"), QStringLiteral("-no-ui-lines"),
            QStringLiteral("src"), QStringLiteral("-ts"), updated});
    QVERIFY(lupdate.waitForFinished(120000));
    QVERIFY2(lupdate.exitCode() == 0, lupdate.readAllStandardError().constData());
    QList<Message> current;
    QVERIFY2(readCatalogue(updated, &current, &error), qPrintable(error));
    for (const Message& message : current) {
        if (message.type == QLatin1String("unfinished"))
            problems << QStringLiteral("not in the catalogue: ") + describe(message);
        else if (!message.type.isEmpty())
            problems << QStringLiteral("no longer in the sources: ") + describe(message);
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    QCOMPARE(current.size(), shipped.size());
}

void TestTranslation::catalogueIsBuiltBesideTheProgram()
{
    QFETCH(int, row);
    const ShippedLanguage& language = Shipped[row];
    const QString localeName = QString::fromLatin1(language.localeName);

    const QImage flag(
        LanguageFolder + QStringLiteral("/CurveScope_%1.png").arg(QLatin1String(language.code)));
    QCOMPARE(flag.size(), QSize(48, 32));

    // Loaded as the start-up step does: by the full locale name, which falls back to the
    // language-only catalogue.
    QList<Message> shipped;
    QString error;
    QVERIFY2(readCatalogue(sourceCatalogue(QString::fromLatin1(language.code)), &shipped, &error),
        qPrintable(error));
    QTranslator program;
    QVERIFY(program.load(QStringLiteral("CurveScope_") + localeName, LanguageFolder));
    QStringList stale;
    for (const Message& message : shipped) {
        const QString built
            = program.translate(qPrintable(message.context), message.source.toUtf8().constData());
        if (built != message.translation)
            stale << describe(message) + QStringLiteral(" -> ") + built;
    }
    QVERIFY2(stale.isEmpty(), qPrintable(stale.join(QLatin1Char('\n'))));

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
    QCOMPARE(QSettings().value(QStringLiteral("Language")).toInt(), int(language.language));
    QCOMPARE(QLocale().name(), QString::fromLatin1(language.localeName));

    QTranslator catalogue;
    QVERIFY(catalogue.load(
        QStringLiteral("CurveScope_") + QLatin1String(language.code), LanguageFolder));
    auto translated = [&catalogue](const char* source) {
        const QString text = catalogue.translate("MainWindow", source);
        return text.isEmpty() ? QString::fromUtf8(source) : text;
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
    QStringList menuAccelerators;
    for (int m = 0; m < menus.size(); ++m) {
        QStringList expected;
        for (const QString& text : english.at(m).mid(1))
            expected << (text == QLatin1String("|") ? text : translated(qPrintable(text)));
        QCOMPARE(menus.at(m)->text(), translated(qPrintable(english.at(m).first())));
        QCOMPARE(entriesOf(menus.at(m)->menu()), expected);
        // Each entry is reachable by its own letter.
        expected.removeAll(QStringLiteral("|"));
        QSet<QString> letters;
        for (const QString& text : expected)
            letters.insert(acceleratorOf(text));
        QVERIFY2(letters.size() == expected.size() && !letters.contains(QString()),
            qPrintable(expected.join(QLatin1Char(' '))));
        menuAccelerators << acceleratorOf(menus.at(m)->text());
    }
    QVERIFY(menuAccelerators.first() != menuAccelerators.last());
    // Some languages keep one of the English titles ("File"), none keeps both.
    QVERIFY(menus.first()->text() != english.first().first()
        || menus.last()->text() != english.last().first());

    // Regression: longer translations of the tips overflowed the window's fixed frame and were
    // cut off.
    auto* tips = window.findChild<TipsAndTricks*>();
    QVERIFY(tips != nullptr);
    QCOMPARE(tips->windowTitle(), catalogue.translate("TipsAndTricks", "Tips and Tricks"));
    tips->show();
    QVERIFY(QTest::qWaitForWindowExposed(tips));
    QVERIFY(tips->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Close)->text()
        != QLatin1String("Close"));
    for (const char* name : {"label", "label_zooming", "label_scrolling", "label_legend"}) {
        auto* label = tips->findChild<QLabel*>(QString::fromLatin1(name));
        QVERIFY(label != nullptr);
        QVERIFY2(label->contentsRect().height() >= textBottom(label), name);
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
        catalogue.translate("CCsvFileDialog", "Chose CSV Format"));
}

void TestTranslation::languageDialogOffersEveryShippedLanguage()
{
    CSelectLanguageDialog dialog(LanguageFolder, nullptr);
    QStringList offered;
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        if (button->text() != QLatin1String("Cancel")) {
            QVERIFY2(!button->icon().isNull(), qPrintable(button->text()));
            offered << button->text();
        }
    }
    QStringList expected {QStringLiteral("English")};
    for (const ShippedLanguage& language : Shipped)
        expected << QString::fromUtf8(language.nativeName);
    offered.sort();
    expected.sort();
    QCOMPARE(offered, expected);
}

QTEST_MAIN(TestTranslation)
#include "tst_translation.moc"
