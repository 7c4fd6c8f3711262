#include "CSelectLanguageDialog.h"

#include "ApplicationIdentity.h"
#include "PlainMessageBox.h"
#include "ScreenResolution.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLocale>
#include <QPixmap>
#include <QPushButton>
#include <QSettings>
#include <QSignalMapper>
#include <QVBoxLayout>

#include <cmath>

namespace {
const QString EnglishFlag = QStringLiteral(":united_kingdom.png");
}

CSelectLanguageDialog::CSelectLanguageDialog(QWidget* parent)
    : CSelectLanguageDialog(DefaultLanguageFolder(), parent)
{
}

CSelectLanguageDialog::CSelectLanguageDialog(const QString& languageFolder, QWidget* parent)
    : QDialog(parent)
{
    Build(languageFolder);
}

QString CSelectLanguageDialog::DefaultLanguageFolder()
{
    return ApplicationIdentity::LanguageFolder();
}

QList<CSelectLanguageDialog::LanguageEntry> CSelectLanguageDialog::LanguagesInFolder(
    const QString& languageFolder)
{
    QDir dir(languageFolder);
    qCDebug(lcCurveScope) << "  abs Path=" << dir.absolutePath();
    const QFileInfoList files
        = dir.entryInfoList(QStringList {QStringLiteral("*.qm")}, QDir::Files, QDir::Unsorted);

    QList<LanguageEntry> result;
    result.append(LanguageEntry(QLocale::English, EnglishFlag));
    qCDebug(lcCurveScope) << "   .qm found=" << files.size();

    for (const QFileInfo& file : files) {
        const QStringList parts
            = file.completeBaseName().split(QLatin1Char('_'), Qt::KeepEmptyParts);
        if (parts.first() != ApplicationIdentity::ApplicationName)
            continue;
        const int code = QLocale(parts.last()).language();
        qCDebug(lcCurveScope) << "  1." << parts << code;
        if (code == QLocale::English)
            continue;
        const QString flag = file.absolutePath() + QDir::separator() + file.completeBaseName()
            + QStringLiteral(".png");
        result.append(LanguageEntry(code, flag));
        qCDebug(lcCurveScope) << "   --" << file.fileName();
        qCDebug(lcCurveScope) << "   ->" << code << flag;
    }
    return result;
}

int CSelectLanguageDialog::ColumnCount(int entries)
{
    if (entries <= 3)
        return 5;
    return static_cast<int>(std::sqrt(static_cast<double>(entries - 1))) + 1;
}

void CSelectLanguageDialog::Build(const QString& languageFolder)
{
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setWindowTitle(tr("Select Language"));

    auto* mapper = new QSignalMapper(this);
    connect(mapper, &QSignalMapper::mappedInt, this, &CSelectLanguageDialog::setLanguage);

    languages = LanguagesInFolder(languageFolder);

    auto* mainLayout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    mainLayout->addLayout(grid);

    const int columns = ColumnCount(languages.size());
    for (int i = 0; i < languages.size(); ++i) {
        const int code = languages.at(i).first;
        const QPixmap flag = ScreenPixmap(languages.at(i).second);
        const QString text = code == QLocale::English
            ? QStringLiteral("English")
            : QLocale(static_cast<QLocale::Language>(code), QLocale::AnyCountry)
                  .nativeLanguageName();

        auto* button = new QPushButton(QIcon(flag), text, this);
        button->setIconSize(flag.size() / flag.devicePixelRatioF());
        grid->addWidget(button, i / columns, i % columns);

        mapper->setMapping(button, code);
        connect(button, &QPushButton::clicked, mapper,
            static_cast<void (QSignalMapper::*)()>(&QSignalMapper::map));
    }

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setMinimumHeight(40);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttonRow->addWidget(cancel);
    mainLayout->addLayout(buttonRow);
}

void CSelectLanguageDialog::setLanguage(int a_eLanguage)
{
    qCDebug(lcCurveScope) << "CSelectLanguageDialog::setLanguage()" << a_eLanguage;
    {
        // Written out before the box is shown, so the choice survives whatever happens next.
        QSettings settings;
        settings.setValue(ApplicationIdentity::LanguageKey, a_eLanguage);
    }
    PlainMessageBox::Information(this, tr("Information"),
        tr("The selected language will be used when the program is started the next time."));
    accept();
}
