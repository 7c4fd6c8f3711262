#pragma once

#include <QDialog>
#include <QList>
#include <QPair>
#include <QString>

// Lets the user choose the interface language for the next start: English and every language
// whose program catalogue lies in the language folder, each as a button with its flag. The
// choice is only stored; the running program keeps its language.
class CSelectLanguageDialog : public QDialog {
    Q_OBJECT

public:
    // A language code (QLocale::Language) and the path of its flag image.
    using LanguageEntry = QPair<int, QString>;

    explicit CSelectLanguageDialog(QWidget* parent = nullptr);
    // Offers the languages of the given folder instead of the one beside the executable.
    CSelectLanguageDialog(const QString& languageFolder, QWidget* parent);

    // English first, then one entry per "CurveScope_<locale>.qm" in the folder's listing order.
    static QList<LanguageEntry> LanguagesInFolder(const QString& languageFolder);
    // Columns of the button grid for a list of the given length.
    static int ColumnCount(int entries);
    // The folder "language" beside the executable.
    static QString DefaultLanguageFolder();

public slots:
    void setLanguage(int a_eLanguage);

private:
    void Build(const QString& languageFolder);

    QList<LanguageEntry> languages;
};
