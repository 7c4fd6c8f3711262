// The About box: the version taken from the build's repository location, its form, and how it
// closes and hands its links to the desktop.

#include "AboutDialog.h"
#include "BuildInfo.h"
#include "MainWindow.h"
#include "ModalCatcher.h"

#include <QDesktopServices>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <QtTest>

namespace {
bool paintsWhite(const QWidget* widget)
{
    const QPalette& palette = widget->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (QPalette::ColorRole role : {QPalette::Base, QPalette::Window}) {
            if (palette.color(group, role) != QColor(255, 255, 255, 255))
                return false;
        }
    }
    return widget->autoFillBackground();
}
}

// Receives the links that the dialog hands to the desktop.
class LinkCollector : public QObject {
    Q_OBJECT

public:
    QList<QUrl> urls;

public slots:
    void open(const QUrl& url) { urls << url; }
};

class TestAboutDialog : public QObject {
    Q_OBJECT

private slots:
    void versionFromRepositoryPath_data();
    void versionFromRepositoryPath();
    void showsVersionAndRevisionOfThisBuild();
    void formLayoutAndFonts();
    void contactDataAndCredit();
    void noContextHelpButton();
    void closes_data();
    void closes();
    void linksGoToTheDesktop_data();
    void linksGoToTheDesktop();
    void aboutCommandShowsModalBoxOverWindow();
};

void TestAboutDialog::versionFromRepositoryPath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("version");

    QTest::newRow("release tag") << "https://svn.orvanta.example/tools/curvescope/tags/1.4.2"
                                 << "1.4.2";
    QTest::newRow("no tags segment") << "https://svn.orvanta.example/tools/curvescope/trunk"
                                     << "???";
    QTest::newRow("tags is the last segment") << "https://svn.orvanta.example/tools/curvescope/tags"
                                              << "???";
    QTest::newRow("two tags segments: the last one counts")
        << "https://svn.orvanta.example/tags/0.9/curvescope/tags/2.1"
        << "2.1";
    QTest::newRow("last tags segment at the end") << "https://svn.example/tags/1.0/tags"
                                                  << "???";
    QTest::newRow("segment after tags, not the rest") << "https://svn.example/tags/3.0/src"
                                                      << "3.0";
    QTest::newRow("case-sensitive") << "https://svn.example/Tags/1.0"
                                    << "???";
    QTest::newRow("only whole segments") << "https://svn.example/mytags/1.0/tagsx/2.0"
                                         << "???";
    QTest::newRow("relative path") << "tags/5.6"
                                   << "5.6";
    QTest::newRow("empty") << ""
                           << "???";
}

void TestAboutDialog::versionFromRepositoryPath()
{
    QFETCH(QString, path);
    QFETCH(QString, version);
    QCOMPARE(AboutDialog::VersionFromRepositoryPath(path), version);
}

void TestAboutDialog::showsVersionAndRevisionOfThisBuild()
{
    const QString location = QString::fromUtf8(BuildRepositoryPath);
    const QString revision = QString::fromUtf8(BuildRevision);
    // Release builds come from a tag named after the version.
    QVERIFY2(
        location.contains(QRegularExpression(QStringLiteral("/tags/[0-9]+\\.[0-9]+\\.[0-9]+$"))),
        qPrintable(location));
    QVERIFY2(QRegularExpression(QStringLiteral("^[0-9]+$")).match(revision).hasMatch(),
        qPrintable(revision));

    AboutDialog dialog;
    QCOMPARE(dialog.labelVersion->text(),
        QStringLiteral("Version: ") + location.section(QLatin1Char('/'), -1));
    QCOMPARE(dialog.labelRevision->text(), QStringLiteral("Revision: ") + revision);
}

void TestAboutDialog::formLayoutAndFonts()
{
    AboutDialog dialog;
    QCOMPARE(dialog.objectName(), QStringLiteral("AboutDialog"));
    QCOMPARE(dialog.size(), QSize(543, 432));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("About ORVANTA Curve Scope"));

    QCOMPARE(dialog.layout(), dialog.vboxLayout);
    QCOMPARE(dialog.vboxLayout->count(), 3);
    QCOMPARE(dialog.vboxLayout->itemAt(0)->widget(), dialog.frame);
    QCOMPARE(dialog.vboxLayout->itemAt(1)->widget(), dialog.label_4);
    QCOMPARE(dialog.vboxLayout->itemAt(2)->widget(), dialog.buttonBox);

    QVERIFY(paintsWhite(dialog.frame));
    QCOMPARE(dialog.frame->sizePolicy().verticalStretch(), 1);
    QCOMPARE(dialog.frame->frameShape(), QFrame::StyledPanel);
    QCOMPARE(dialog.frame->frameShadow(), QFrame::Plain);

    const QList<QLabel*> labels {dialog.label, dialog.label_2, dialog.label_3, dialog.labelVersion,
        dialog.labelRevision, dialog.labelContact, dialog.labelWebsite, dialog.labelEMail};
    QCOMPARE(dialog.frame->layout(), dialog.vboxLayout1);
    QCOMPARE(dialog.vboxLayout1->count(), labels.size());
    for (int i = 0; i < labels.size(); ++i) {
        QCOMPARE(dialog.vboxLayout1->itemAt(i)->widget(), labels.at(i));
        QCOMPARE(labels.at(i)->parentWidget(), dialog.frame);
        QCOMPARE(labels.at(i)->alignment(), Qt::AlignCenter);
    }

    const QPixmap logo = dialog.label->pixmap(Qt::ReturnByValue);
    QVERIFY(!logo.isNull());
    QCOMPARE(logo.size(), QPixmap(QStringLiteral(":/orvanta_logo")).size());

    QCOMPARE(dialog.label_2->text(), QStringLiteral("ORVANTA Curve Scope"));
    QCOMPARE(dialog.label_2->font().family(), QStringLiteral("MS Shell Dlg 2"));
    QCOMPARE(dialog.label_2->font().pointSize(), 16);
    QCOMPARE(dialog.label_2->font().weight(), 75);
    for (QLabel* label : {dialog.label_3, dialog.labelVersion}) {
        QCOMPARE(label->font().family(), QStringLiteral("MS Shell Dlg 2"));
        QCOMPARE(label->font().pointSize(), 14);
        QCOMPARE(label->font().weight(), 50);
    }
    for (QLabel* label :
        {dialog.labelRevision, dialog.labelContact, dialog.labelWebsite, dialog.labelEMail}) {
        QCOMPARE(label->font().family(), QStringLiteral("MS Shell Dlg 2"));
        QCOMPARE(label->font().pointSize(), 10);
        QCOMPARE(label->font().weight(), 50);
    }

    QCOMPARE(dialog.label_4->parentWidget(), &dialog);
    QVERIFY(paintsWhite(dialog.label_4));
    QVERIFY(dialog.label_4->font().italic());
    QCOMPARE(dialog.label_4->frameShape(), QFrame::StyledPanel);

    QCOMPARE(dialog.buttonBox->standardButtons(), QDialogButtonBox::Close);
    QVERIFY(dialog.buttonBox->centerButtons());
    QCOMPARE(dialog.buttonBox->orientation(), Qt::Horizontal);
}

void TestAboutDialog::contactDataAndCredit()
{
    AboutDialog dialog;
    QVERIFY(!dialog.label_3->text().isEmpty());
    // Company, empty line, street, postcode and town, empty line, country.
    const QStringList contact = dialog.labelContact->text().split(QLatin1Char('\n'));
    QCOMPARE(contact.size(), 6);
    QVERIFY(contact.at(1).isEmpty());
    QVERIFY(contact.at(4).isEmpty());
    for (int line : {0, 2, 3, 5})
        QVERIFY2(!contact.at(line).isEmpty(), qPrintable(dialog.labelContact->text()));

    QVERIFY(dialog.labelWebsite->openExternalLinks());
    QVERIFY(dialog.labelEMail->openExternalLinks());
    QCOMPARE(dialog.label_4->text(),
        QStringLiteral("Program is based in part on the work of the Qwt project "
                       "(https://qwt.sourceforge.io)."));
}

void TestAboutDialog::noContextHelpButton()
{
    AboutDialog dialog;
    QVERIFY(!dialog.windowFlags().testFlag(Qt::WindowContextHelpButtonHint));
}

void TestAboutDialog::closes_data()
{
    QTest::addColumn<bool>("escape");
    QTest::newRow("Close button") << false;
    QTest::newRow("Escape") << true;
}

void TestAboutDialog::closes()
{
    QFETCH(bool, escape);

    AboutDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    if (escape) {
        QTest::keyClick(&dialog, Qt::Key_Escape);
    } else {
        QPushButton* close = dialog.buttonBox->button(QDialogButtonBox::Close);
        QVERIFY(close != nullptr);
        QTest::mouseClick(close, Qt::LeftButton);
    }
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
}

void TestAboutDialog::linksGoToTheDesktop_data()
{
    QTest::addColumn<QString>("scheme");
    QTest::addColumn<bool>("mail");

    QTest::newRow("web site") << "https" << false;
    QTest::newRow("e-mail") << "mailto" << true;
}

void TestAboutDialog::linksGoToTheDesktop()
{
    QFETCH(QString, scheme);
    QFETCH(bool, mail);

    LinkCollector collector;
    QDesktopServices::setUrlHandler(scheme, &collector, "open");

    AboutDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QLabel* label = mail ? dialog.labelEMail : dialog.labelWebsite;
    // The label holds only its link, drawn centred.
    const QPoint centre = label->contentsRect().center();
    QTest::mousePress(label, Qt::LeftButton, Qt::NoModifier, centre);
    QTest::mouseRelease(label, Qt::LeftButton, Qt::NoModifier, centre);
    QDesktopServices::unsetUrlHandler(scheme);

    QCOMPARE(collector.urls.size(), 1);
    QCOMPARE(collector.urls.first().scheme(), scheme);
    const QString visible = QTextDocumentFragment::fromHtml(label->text()).toPlainText();
    QVERIFY2(collector.urls.first().toString().endsWith(visible),
        qPrintable(collector.urls.first().toString()));
    QVERIFY(dialog.isVisible());
}

void TestAboutDialog::aboutCommandShowsModalBoxOverWindow()
{
    MainWindow window;
    window.show();
    ModalCatcher catcher;
    QString seenClass;
    QWidget* seenParent = nullptr;
    bool seenModal = false;
    catcher.setDialogHandler([&](QDialog* dialog) {
        seenClass = QString::fromLatin1(dialog->metaObject()->className());
        seenParent = dialog->parentWidget();
        seenModal = dialog->isModal();
        dialog->reject();
    });
    QVERIFY(QMetaObject::invokeMethod(&window, "About"));
    QCOMPARE(seenClass, QStringLiteral("AboutDialog"));
    QCOMPARE(seenParent, &window);
    QVERIFY(seenModal);
    // The box is discarded once it closes.
    QCOMPARE(window.findChildren<AboutDialog*>().size(), 0);
}

QTEST_MAIN(TestAboutDialog)
#include "tst_aboutdialog.moc"
