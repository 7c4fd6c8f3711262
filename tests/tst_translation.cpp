// The shipped languages, English first: complete catalogues faithful to placeholders and markup,
// built beside the program, in effect at start-up with every text shown uncut, and offered by
// the language dialog under their own names and flags.

#include "AboutDialog.h"
#include "CCsvFileDialog.h"
#include "CSelectLanguageDialog.h"
#include "MainWindow.h"
#include "ModalCatcher.h"
#include "StartupLanguage.h"
#include "TestSettings.h"
#include "TipsAndTricks.h"

#include <QAbstractTextDocumentLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

namespace {
const QString LanguageFolder = QStringLiteral(CURVESCOPE_LANGUAGE_DIR);

struct ShippedLanguage {
    const char* code;
    QLocale::Language language;
    const char* localeName; // what the start-up step resolves the language to
    const char* nativeName; // the language dialog's button
};
const ShippedLanguage Shipped[] = {{"en", QLocale::English, "en_US", "English"},
    {"de", QLocale::German, "de_DE", "Deutsch"}, {"fr", QLocale::French, "fr_FR", "français"},
    {"es", QLocale::Spanish, "es_ES", "español de España"},
    {"it", QLocale::Italian, "it_IT", "italiano"}, {"pl", QLocale::Polish, "pl_PL", "polski"},
    {"pt", QLocale::Portuguese, "pt_BR", "português"}, {"ru", QLocale::Russian, "ru_RU", "русский"},
    {"zh", QLocale::Chinese, "zh_CN", "简体中文"}, {"ja", QLocale::Japanese, "ja_JP", "日本語"}};

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
    Message m;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name"))
            m.context = xml.readElementText();
        else if (xml.name() == QLatin1String("source"))
            m.source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation")) {
            m.type = xml.attributes().value(QLatin1String("type")).toString();
            m.translation = xml.readElementText();
            messages.append(m);
        }
    }
    return xml.hasError() ? QList<Message>() : messages;
}

QString acceleratorOf(const QString& text)
{
    return QRegularExpression("&([^&\\s])").match(text).captured(1).toLower();
}

// What a translation must keep of its source: placeholders, markup, links, file patterns, line
// breaks, the presence of an accelerator and blanks at the ends (texts glued to others).
QString shapeOf(const QString& text)
{
    QStringList parts;
    for (const char* pattern : {"%\\d", "<[^>]*>", "href=\"[^\"]*\"", "\\(\\*\\.[a-z*]+\\)"}) {
        QStringList found;
        for (auto it = QRegularExpression(pattern).globalMatch(text); it.hasNext();)
            found << it.next().captured(0);
        found.sort();
        parts << found;
    }
    return parts.join(' ')
        + QString(" %1 %2 %3 %4")
              .arg(text.count('\n'))
              .arg(acceleratorOf(text).isEmpty())
              .arg(text.startsWith(' '))
              .arg(text.endsWith(' '));
}

// Where the last words of a label's rich text end at the label's width; a tip's trailing
// line-break paragraph is only spacing and may be cut.
double textBottom(const QLabel* label)
{
    QTextDocument document;
    document.setDefaultFont(label->font());
    document.setDocumentMargin(0);
    document.setHtml(label->text());
    document.setTextWidth(label->contentsRect().width());
    double bottom = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (!block.text().trimmed().remove(QChar::LineSeparator).isEmpty())
            bottom = document.documentLayout()->blockBoundingRect(block).bottom();
    }
    return bottom;
}

// Texts of a shown dialog given less room than they need, and the dialog if it overflows the
// screen.
QStringList cutOffTexts(QWidget* dialog)
{
    QStringList cut;
    const QSize screen = dialog->screen()->availableGeometry().size();
    if (dialog->width() > screen.width() || dialog->height() > screen.height())
        cut << dialog->objectName() + " is larger than the screen";
    for (QWidget* widget : dialog->findChildren<QWidget*>()) {
        const QSize needed = widget->minimumSizeHint();
        if ((qobject_cast<QLabel*>(widget) || qobject_cast<QAbstractButton*>(widget))
            && widget->isVisible()
            && (widget->width() < needed.width() || widget->height() < needed.height()))
            cut << widget->property("text").toString();
    }
    return cut;
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
    void cleanup() { ResetLanguageAndSettings(); }
    void shippedLanguage_data()
    {
        QTest::addColumn<int>("row");
        for (int row = 0; row < int(std::size(Shipped)); ++row)
            QTest::newRow(Shipped[row].code) << row;
    }
    void shippedLanguage();
    void languageDialogOffersEveryShippedLanguage();

private:
    QTemporaryDir m_settingsHome;
};

void TestTranslation::shippedLanguage()
{
    QFETCH(int, row);
    const ShippedLanguage& language = Shipped[row];
    const QString source
        = QString(CURVESCOPE_SOURCE_DIR "/language/CurveScope_%1.ts").arg(language.code);
    const QList<Message> shipped = readCatalogue(source);
    QCOMPARE(shipped.isEmpty(), language.language == QLocale::English);
    QStringList problems;
    for (const Message& m : shipped) {
        if (!m.type.isEmpty() || m.translation.isEmpty()
            || shapeOf(m.translation) != shapeOf(m.source))
            problems << m.context + " \"" + m.source + "\" unfinished or unfaithful";
    }
    if (!shipped.isEmpty()) {
        // Texts added to or removed from the sources since the last update show up as
        // unfinished or vanished entries when a copy is brought up to date.
        QTemporaryDir work;
        const QString updated = work.filePath(QFileInfo(source).fileName());
        QVERIFY(QFile::copy(source, updated));
        QProcess lupdate;
        lupdate.setWorkingDirectory(CURVESCOPE_SOURCE_DIR);
        lupdate.start(QLibraryInfo::location(QLibraryInfo::BinariesPath) + "/lupdate",
            {"-locations", "none", "-no-ui-lines", "src", "-ts", updated});
        QVERIFY(lupdate.waitForFinished(120000));
        QCOMPARE(lupdate.exitCode(), 0);
        const QList<Message> current = readCatalogue(updated);
        for (const Message& m : current) {
            if (!m.type.isEmpty())
                problems << m.type + ": " + m.context + " \"" + m.source + "\"";
        }
        QCOMPARE(current.size(), shipped.size());
        // The toolkit catalogue only loads when every catalogue it names lies beside it.
        QTranslator toolkit;
        QVERIFY(toolkit.load(QString("qt_") + language.localeName, LanguageFolder));
        QVERIFY(
            !QStringList({"", "Cancel"}).contains(toolkit.translate("QPlatformTheme", "Cancel")));
    }

    // Started as the program starts, the built catalogue shows exactly the shipped texts.
    QSettings().setValue("Language", int(language.language));
    ModalCatcher catcher;
    ApplyStartupLanguageFrom(LanguageFolder);
    QCOMPARE(catcher.messages().size(), 0);
    QCOMPARE(QLocale().name(), QString(language.localeName));
    QHash<QString, QString> translations;
    for (const Message& m : shipped) {
        translations.insert(m.context + '|' + m.source, m.translation);
        const QString built
            = QCoreApplication::translate(qPrintable(m.context), qPrintable(m.source));
        if (built != m.translation)
            problems << m.context + " \"" + m.source + "\" built as " + built;
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    auto translated = [&translations](const QString& text, const QString& context = "MainWindow") {
        return translations.value(context + '|' + text, text);
    };

    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.windowTitle(), translated("Orvanta Curve Scope"));
    const QList<QAction*> menus = window.menuBar()->actions();
    const QVector<QStringList> english {
        {"&File", "&Open", "&Close", "&Export to CSV", "Export &Plot", "&Quit"},
        {"&Help", "&Set Language", "&Tips and Tricks...", "&About"}};
    QCOMPARE(menus.size(), english.size());
    QSet<QString> titleLetters;
    for (int m = 0; m < menus.size(); ++m) {
        QCOMPARE(menus.at(m)->text(), translated(english.at(m).first()));
        titleLetters.insert(acceleratorOf(menus.at(m)->text()));
        // Each entry is reachable by its own letter.
        QStringList expected, shown;
        QSet<QString> letters;
        for (const QString& text : english.at(m).mid(1))
            expected << translated(text);
        for (QAction* action : menus.at(m)->menu()->actions()) {
            if (!action->isSeparator())
                shown << action->text();
            letters.insert(acceleratorOf(action->text()));
        }
        QCOMPARE(shown, expected);
        QVERIFY2(letters.size() == shown.size() + 1 && letters.contains(QString()),
            qPrintable(shown.join(' ')));
    }
    QCOMPARE(titleLetters.size(), 2);

    // Regression: longer translations of the tips overflowed the window's fixed frame.
    auto* tips = window.findChild<TipsAndTricks*>();
    QCOMPARE(tips->windowTitle(), translated("Tips and Tricks", "TipsAndTricks"));
    tips->show();
    QVERIFY(QTest::qWaitForWindowExposed(tips));
    for (const char* name : {"label", "label_zooming", "label_scrolling", "label_legend"}) {
        auto* label = tips->findChild<QLabel*>(name);
        const double bottom = textBottom(label);
        QVERIFY2(bottom > 0 && label->contentsRect().height() >= bottom, name);
    }
    AboutDialog about(&window);
    CSelectLanguageDialog languages(LanguageFolder, &window);
    CCsvFileDialog csv(&window, QString(), m_settingsHome.path(), QString(), 0);
    for (QDialog* dialog : QList<QDialog*> {&about, &languages, &csv}) {
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        const QStringList cut = cutOffTexts(dialog);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join('\n')));
    }
    QCOMPARE(
        csv.findChild<QGroupBox*>()->title(), translated("Chose CSV Format", "CCsvFileDialog"));
}

void TestTranslation::languageDialogOffersEveryShippedLanguage()
{
    CSelectLanguageDialog dialog(LanguageFolder, nullptr);
    QStringList offered, expected {"Cancel"};
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        offered << button->text();
        if (button->text() == "Cancel")
            continue;
        const QSize flag
            = button->text() == "English" ? QPixmap(":united_kingdom.png").size() : QSize(48, 32);
        QVERIFY2(
            button->iconSize() == flag && !button->icon().isNull(), qPrintable(button->text()));
    }
    QCOMPARE(offered.first(), QString("English"));
    for (const ShippedLanguage& language : Shipped)
        expected << QString::fromUtf8(language.nativeName);
    offered.sort();
    expected.sort();
    QCOMPARE(offered, expected);
}

QTEST_MAIN(TestTranslation)
#include "tst_translation.moc"
