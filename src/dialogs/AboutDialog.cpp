#include "AboutDialog.h"

#include "BuildInfo.h"
#include "ScreenResolution.h"

#include <QStringList>

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent)
{
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setupUi(this);
    // The form's logo in the screen's resolution.
    label->setPixmap(ScreenPixmap(QStringLiteral(":orvanta_logo")));

    labelVersion->setText(
        tr("Version: %1").arg(VersionFromRepositoryPath(QString::fromUtf8(BuildRepositoryPath))));
    labelRevision->setText(tr("Revision: %1").arg(QString::fromUtf8(BuildRevision)));

    labelContact->setText(tr("Orvanta Systems GmbH\n"
                             "\n"
                             "Musterweg 12\n"
                             "12345 Beispielstadt\n"
                             "\n"
                             "Germany"));
    labelWebsite->setText(tr("<a href=\"https://www.orvanta.example\">www.orvanta.example</a>"));
    labelEMail->setText(
        tr("<a href=\"mailto:support@orvanta.example\">support@orvanta.example</a>"));
}

AboutDialog::~AboutDialog() = default;

QString AboutDialog::VersionFromRepositoryPath(const QString& repositoryPath)
{
    const QStringList segments = repositoryPath.split(QLatin1Char('/'), Qt::KeepEmptyParts);
    const int tags = segments.lastIndexOf(QStringLiteral("tags"));
    if (tags < 0 || tags + 1 >= segments.size())
        return QStringLiteral("???");
    return segments.at(tags + 1);
}
