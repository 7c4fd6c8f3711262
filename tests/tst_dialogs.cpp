// The shipped languages and the dialogs. Complete catalogues faithful to placeholders and
// markup, in effect at start-up with every text of every dialog shown uncut; the start-up
// language step with its catalogues, default locale and fallback to English; the language
// dialog's choices, and the About box's version and links.

#include "AboutDialog.h"
#include "BuildInfo.h"
#include "CCsvFileDialog.h"
#include "CSelectLanguageDialog.h"
#include "MainWindow.h"
#include "ModalCatcher.h"
#include "ScreenResolution.h"
#include "StartupLanguage.h"
#include "TestSettings.h"
#include "TipsAndTricks.h"

#include <QAbstractTextDocumentLayout>
#include <QGridLayout>
#include <QPushButton>
#include <QScreen>
#include <QStyleOptionButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

namespace {
const QString LanguageFolder = QStringLiteral(CURVESCOPE_LANGUAGE_DIR);
const int NotStored = std::numeric_limits<int>::min();

struct ShippedLanguage {
    const char* code;
    QLocale::Language language;
    const char* localeName; // what the start-up step resolves the language to
};
const ShippedLanguage Shipped[]
    = {{"en", QLocale::English, "en_US"}, {"de", QLocale::German, "de_DE"},
        {"fr", QLocale::French, "fr_FR"}, {"es", QLocale::Spanish, "es_ES"},
        {"it", QLocale::Italian, "it_IT"}, {"pl", QLocale::Polish, "pl_PL"},
        {"pt", QLocale::Portuguese, "pt_BR"}, {"ru", QLocale::Russian, "ru_RU"},
        {"zh", QLocale::Chinese, "zh_CN"}, {"ja", QLocale::Japanese, "ja_JP"}};

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

// What a translation must keep of its source: placeholders, markup with its links, file
// patterns, line breaks, the presence of an accelerator and blanks at the ends (texts glued to
// others).
QString shapeOf(const QString& text)
{
    QStringList parts;
    for (const char* pattern : {"%\\d", "<[^>]*>", "\\(\\*\\.[a-z*]+\\)"}) {
        QStringList found;
        for (auto it = QRegularExpression(pattern).globalMatch(text); it.hasNext();)
            found << it.next().captured(0);
        found.sort();
        parts << found;
    }
    return parts.join(' ')
        + QString(" %1 %2 %3 %4")
              .arg(text.count('\n'))
              .arg(text.contains(QRegularExpression("&[^&\\s]")))
              .arg(text.startsWith(' '))
              .arg(text.endsWith(' '));
}

// Texts of a shown dialog given less room than they need: plain texts by their size hint, rich
// texts by where their last words end at the label's width (a trailing line-break paragraph is
// only spacing and may be cut); and the dialog if it overflows the screen. Screens for larger
// fonts or scale factors have as many more pixels: the test's screen grows with them.
QStringList cutOffTexts(QWidget* dialog)
{
    QStringList cut;
    const QSize screen = dialog->screen()->availableGeometry().size()
        * (dialog->logicalDpiY() / 96.0) * qApp->devicePixelRatio();
    if (dialog->width() > screen.width() || dialog->height() > screen.height())
        cut << dialog->objectName() + " is larger than the screen";
    for (QWidget* widget : dialog->findChildren<QWidget*>()) {
        auto* label = qobject_cast<QLabel*>(widget);
        const QSize needed = widget->minimumSizeHint();
        if (!widget->isVisible() || (!label && !qobject_cast<QAbstractButton*>(widget)))
            continue;
        if (label && label->wordWrap()) {
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
            if (label->contentsRect().height() < bottom)
                cut << label->text();
        } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
            // What the style leaves inside the button's frame holds its icon and its text.
            QStyleOptionButton option;
            option.initFrom(button);
            const QRect inside
                = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
            QSize content = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
            if (!button->icon().isNull())
                content = QSize(content.width() + button->iconSize().width() + 4,
                    qMax(content.height(), button->iconSize().height()));
            if (inside.width() < content.width() || inside.height() < content.height())
                cut << button->text();
        } else if (widget->width() < needed.width() || widget->height() < needed.height()) {
            cut << widget->property("text").toString();
        }
    }
    return cut;
}

// Fills a folder with copies of the built German catalogues under the given names, so that
// "CurveScope_x.qm" is a program catalogue and "qt_x.qm" a toolkit catalogue for language x.
bool fillFolder(const QString& folder, const QStringList& names)
{
    for (const QString& name : names) {
        // The toolkit's catalogue only names the catalogues of its modules.
        const QStringList built = name.startsWith("qt_")
            ? QDir(LanguageFolder).entryList({"qt*_de.qm"})
            : QStringList {"CurveScope_de.qm"};
        for (const QString& file : built) {
            if (!QFile::copy(LanguageFolder + '/' + file,
                    folder + '/' + QString(file).replace("_de.qm", name.mid(name.indexOf('_')))))
                return false;
        }
    }
    return true;
}

// Default locale, a program text and a toolkit text, the stored language (-1 when absent), the
// number of translators kept and the messages shown.
QString summary(const ModalCatcher& catcher)
{
    QString text = QString("%1 %2 %3 %4 %5")
                       .arg(QLocale().name(), QCoreApplication::translate("MainWindow", "&File"),
                           QCoreApplication::translate("QPlatformTheme", "Cancel"))
                       .arg(QSettings().value("Language", -1).toInt())
                       .arg(qApp->findChildren<QTranslator*>().size());
    return (QStringList(text) + catcher.messages()).join('|');
}
} // namespace

class TestDialogs : public QObject {
    Q_OBJECT

public:
    static void initMain() { UseScreenResolution(); } // as the program starts

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
    void storedLanguage_data();
    void storedLanguage();

    void languagesInFolder()
    {
        const QList<QPair<QStringList, QList<int>>> cases {{{}, {}},
            {{"CurveScope_de.qm"}, {QLocale::German}},
            // Neither English twice, nor toolkit catalogues, nor other cases and extensions.
            {{"CurveScope_en.qm", "qt_de.qm", "curvescope_de.qm", "CurveScope_de.ts",
                 "CurveScope_fr.png", "CurveScope_it.qm.bak"},
                {}},
            // The language from the last name part; the base name keeps inner dots.
            {{"CurveScope_x_it.qm"}, {QLocale::Italian}},
            {{"CurveScope_v1.2_es.qm"}, {QLocale::Spanish}}};
        for (const auto& c : cases) {
            QTemporaryDir folder;
            for (const QString& file : c.first)
                QVERIFY(QFile(folder.filePath(file)).open(QIODevice::WriteOnly));
            // A folder that looks like a catalogue is not one.
            QVERIFY(QDir(folder.path()).mkdir("CurveScope_sv.qm"));
            const auto list = CSelectLanguageDialog::LanguagesInFolder(folder.path());
            QList<int> listed;
            for (const auto& entry : list)
                listed << entry.first;
            QCOMPARE(listed, QList<int> {QLocale::English} + c.second);
            QCOMPARE(list.first().second, QString(":united_kingdom.png"));
            // The flag lies beside its catalogue under the same base name.
            for (int i = 1; i < list.size(); ++i)
                QCOMPARE(
                    list.at(i).second, folder.filePath(c.first.first()).replace(".qm", ".png"));
        }
    }

    // The buttons fill a grid row by row: five columns for up to three languages, else the
    // integer square root of (languages - 1) plus one.
    void languageButtonGrid()
    {
        const QStringList codes
            = QString("de fr it es ja pl pt nl sv da fi cs hu tr ru el").split(' ');
        const QList<QPair<int, QPair<int, int>>> cases {{1, {1, 1}}, {3, {1, 3}}, {4, {2, 2}},
            {5, {2, 3}}, {9, {3, 3}}, {10, {3, 4}}, {16, {4, 4}}, {17, {4, 5}}};
        for (const auto& c : cases) {
            QTemporaryDir folder;
            for (int i = 1; i < c.first; ++i)
                QVERIFY(QFile(folder.filePath("CurveScope_" + codes.at(i - 1) + ".qm"))
                            .open(QIODevice::WriteOnly));
            CSelectLanguageDialog dialog(folder.path(), nullptr);
            const auto* grid = dialog.findChild<QGridLayout*>();
            QCOMPARE(qMakePair(grid->rowCount(), grid->columnCount()), c.second);
        }
    }

    void languageChoiceIsStoredForTheNextStart()
    {
        QTemporaryDir folder;
        QVERIFY(QFile(folder.filePath("CurveScope_de.qm")).open(QIODevice::WriteOnly));
        const QString told = QString("|%1|Information|The selected language will be used when the "
                                     "program is started the next time.")
                                 .arg(QMessageBox::Information);
        // Stored for the next start; the running program keeps its language.
        const QList<QPair<QString, QString>> choices {{"Deutsch", "C &File Cancel 42 0" + told},
            {"English", "C &File Cancel 31 0" + told}, {"Cancel", "C &File Cancel -1 0"}};
        for (const auto& choice : choices) {
            QSettings().clear();
            QWidget parent;
            CSelectLanguageDialog dialog(folder.path(), &parent);
            ModalCatcher catcher;
            catcher.setDialogHandler([&](QDialog* modal) {
                // Clicked from a fresh event: the information box it opens needs the timer.
                for (QPushButton* button : modal->findChildren<QPushButton*>())
                    if (button->text() == choice.first)
                        QTimer::singleShot(
                            0, button, [button] { QTest::mouseClick(button, Qt::LeftButton); });
                catcher.setDialogHandler([](QDialog*) {});
            });
            QCOMPARE(dialog.exec(), int(choice.first != "Cancel"));
            QCOMPARE(summary(catcher), choice.second);
        }
    }

    void aboutVersionFromRepositoryPath()
    {
        const QList<QPair<QString, QString>> cases {{"https://svn.example/cs/tags/1.4.2", "1.4.2"},
            {"https://svn.example/cs/trunk", "???"}, {"https://svn.example/tags", "???"},
            // The last tags segment counts, and only the segment after it.
            {"https://svn.example/tags/0.9/cs/tags/2.1", "2.1"}, {"svn/tags/1.0/tags", "???"},
            {"tags/3.0/src", "3.0"}, {"a/Tags/1.0", "???"}, {"mytags/1.0/tagsx/2.0", "???"}};
        for (const auto& c : cases)
            QCOMPARE(AboutDialog::VersionFromRepositoryPath(c.first), c.second);
    }

    void aboutShowsBuildAndLinks()
    {
        AboutDialog dialog;
        QCOMPARE(dialog.labelVersion->text(),
            "Version: " + QString(BuildRepositoryPath).section('/', -1));
        // A tree without version control builds revision 0, which is shown as it is.
        QCOMPARE(dialog.labelRevision->text(), "Revision: " + QString(BuildRevision));
        // Each label holds only its link, which the desktop opens; it shows its own address.
        const QRegularExpression link("^<a href=\"(https://|mailto:)([^\"]+)\">\\2</a>$");
        for (QLabel* label : {dialog.labelWebsite, dialog.labelEMail})
            QVERIFY2(label->openExternalLinks() && link.match(label->text()).hasMatch(),
                qPrintable(label->text()));
    }

private:
    QTemporaryDir m_settingsHome;
};

void TestDialogs::shippedLanguage()
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
    for (const Message& m : shipped) {
        const QString built
            = QCoreApplication::translate(qPrintable(m.context), qPrintable(m.source));
        if (built != m.translation)
            problems << m.context + " \"" + m.source + "\" built as " + built;
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));

    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // Regression: longer translations and larger fonts (run again at 144 and 192 dpi) overflowed
    // the tips window's fixed frame; where the frame has room enough it keeps its place.
    AboutDialog about(&window);
    CSelectLanguageDialog languages(LanguageFolder, &window);
    CCsvFileDialog csv(&window, QString(), m_settingsHome.path(), QString(), 0);
    // Sharp on high-DPI screens (run again at scale 2): every picture at the screen's resolution.
    QStringList blurred;
    const auto sharp = [&](const QPixmap& picture, const QString& name) {
        if (!picture.isNull() && picture.devicePixelRatio() != qApp->devicePixelRatio())
            blurred << name;
    };
    for (QAction* action : window.findChildren<QAction*>())
        sharp(action->icon().pixmap(32), action->text());
    for (QDialog* dialog :
        QList<QDialog*> {window.findChild<TipsAndTricks*>(), &about, &languages, &csv}) {
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        const QStringList cut = cutOffTexts(dialog);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join('\n')));
        for (QLabel* label : dialog->findChildren<QLabel*>())
            sharp(label->pixmap(Qt::ReturnByValue), label->objectName());
        for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
            sharp(button->icon().pixmap(button->iconSize()), button->text());
    }
    QVERIFY2(blurred.isEmpty(), qPrintable(blurred.join(", ")));
    if (window.logicalDpiY() == 96)
        QCOMPARE(window.findChild<TipsAndTricks*>()->size(), QSize(500, 600));
}

void TestDialogs::storedLanguage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("catalogues");
    QTest::addColumn<QString>("expected");

    const int de = QLocale::German;
    const QString english = "en_US &File Cancel 31 0";
    const auto fallback = [](const QString& name) {
        return QString("|%1|Error|Could not load language data for %2.\nSwitching to English.")
            .arg(QMessageBox::Critical)
            .arg(name);
    };
    QTest::newRow("German, both") << de << QStringList {"CurveScope_de.qm", "qt_de.qm"}
                                  << "de_DE &Datei Abbrechen 42 2";
    QTest::newRow("German, program only")
        << de << QStringList {"CurveScope_de.qm"} << "de_DE &Datei Cancel 42 1";
    QTest::newRow("German, toolkit only: neither installed")
        << de << QStringList {"qt_de.qm"} << english + fallback("de_DE");
    // Regression: a bare system in the C locale got the fallback error box at start-up. The
    // tests run in the C locale; nothing stored means the system's language.
    QTest::newRow("C system, nothing stored: silent")
        << NotStored << QStringList {"qt_de.qm"} << "C &File Cancel -1 0";
    QTest::newRow("English, empty folder: silent")
        << int(QLocale::English) << QStringList {} << english;
    QTest::newRow("English, toolkit catalogue not looked for")
        << int(QLocale::English) << QStringList {"CurveScope_en.qm", "qt_en.qm"}
        << "en_US &Datei Cancel 31 1";
    // Regression: codes outside Qt's language table made QLocale read past its tables.
    for (const int code : {int(QLocale::LastLanguage) + 1, 2147483647, -1})
        QTest::newRow(qPrintable(QString("code %1").arg(code)))
            << code << QStringList {"CurveScope_de.qm", "qt_de.qm"}
            << english + fallback(QString::number(code));
    // The last language of the table is one, without a catalogue here.
    QTest::newRow("last language") << int(QLocale::LastLanguage) << QStringList {"qt_de.qm"}
                                   << english + fallback(QLocale(QLocale::LastLanguage).name());
}

void TestDialogs::storedLanguage()
{
    QFETCH(int, language);
    QFETCH(QStringList, catalogues);
    QFETCH(QString, expected);
    QTemporaryDir folder;
    QVERIFY(fillFolder(folder.path(), catalogues));
    if (language != NotStored)
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

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
