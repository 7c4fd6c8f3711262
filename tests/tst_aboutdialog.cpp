// The About box: the version taken from the build's repository location, its links and closing.

#include "AboutDialog.h"
#include "BuildInfo.h"
#include "MainWindow.h"
#include "ModalCatcher.h"

#include <QDesktopServices>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <QtTest>

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
    void versionFromRepositoryPath()
    {
        const QList<QPair<QString, QString>> cases {
            {"https://svn.example/curvescope/tags/1.4.2", "1.4.2"},
            {"https://svn.example/curvescope/trunk", "???"}, {"https://svn.example/tags", "???"},
            // The last tags segment counts, and only the segment after it.
            {"https://svn.example/tags/0.9/curvescope/tags/2.1", "2.1"},
            {"https://svn.example/tags/1.0/tags", "???"},
            {"https://svn.example/tags/3.0/src", "3.0"}, {"https://svn.example/Tags/1.0", "???"},
            {"https://svn.example/mytags/1.0/tagsx/2.0", "???"}, {"tags/5.6", "5.6"}, {"", "???"}};
        for (const auto& c : cases)
            QCOMPARE(AboutDialog::VersionFromRepositoryPath(c.first), c.second);
    }

    void versionLinksAndClosing()
    {
        AboutDialog dialog;
        // Release builds come from a tag named after the version.
        QVERIFY(
            QString(BuildRepositoryPath).contains(QRegularExpression("/tags/\\d+\\.\\d+\\.\\d+$")));
        QCOMPARE(dialog.labelVersion->text(),
            "Version: " + QString(BuildRepositoryPath).section('/', -1));
        QCOMPARE(dialog.labelRevision->text(), "Revision: " + QString::fromUtf8(BuildRevision));
        QVERIFY(QString::fromUtf8(BuildRevision).toInt() > 0);
        QVERIFY(!dialog.windowFlags().testFlag(Qt::WindowContextHelpButtonHint));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        for (QLabel* label : {dialog.labelWebsite, dialog.labelEMail}) {
            LinkCollector collector;
            const QString scheme = label == dialog.labelEMail ? "mailto" : "https";
            QDesktopServices::setUrlHandler(scheme, &collector, "open");
            // The label holds only its link, drawn centred.
            const QPoint centre = label->contentsRect().center();
            QTest::mousePress(label, Qt::LeftButton, Qt::NoModifier, centre);
            QTest::mouseRelease(label, Qt::LeftButton, Qt::NoModifier, centre);
            QDesktopServices::unsetUrlHandler(scheme);
            QCOMPARE(collector.urls.size(), 1);
            QCOMPARE(collector.urls.first().scheme(), scheme);
            QVERIFY(collector.urls.first().toString().endsWith(
                QTextDocumentFragment::fromHtml(label->text()).toPlainText()));
        }
        QVERIFY(dialog.isVisible());
        QTest::mouseClick(dialog.buttonBox->button(QDialogButtonBox::Close), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    void aboutCommandShowsModalBoxOverWindow()
    {
        MainWindow window;
        window.show();
        ModalCatcher catcher;
        QString seen;
        catcher.setDialogHandler([&](QDialog* dialog) {
            seen = QString("%1 %2 %3").arg(dialog->metaObject()->className())
                       .arg(dialog->parentWidget() == &window).arg(dialog->isModal());
            dialog->reject();
        });
        QVERIFY(QMetaObject::invokeMethod(&window, "About"));
        QCOMPARE(seen, QString("AboutDialog 1 1"));
        // The box is discarded once it closes.
        QCOMPARE(window.findChildren<AboutDialog*>().size(), 0);
    }
};

QTEST_MAIN(TestAboutDialog)
#include "tst_aboutdialog.moc"
