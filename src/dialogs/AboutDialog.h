#pragma once

#include "ui_AboutDialog.h"

#include <QDialog>

// Modal About box: logo, product title, legal notice, the version and revision of this build,
// the maker's contact data and the credit for the plotting library.
class AboutDialog : public QDialog, public Ui::AboutDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);
    ~AboutDialog() override;

    // Release builds are made from a ".../tags/<version>" checkout; the version is the segment
    // after the last "tags", or "???" when there is none.
    static QString VersionFromRepositoryPath(const QString& repositoryPath);
};
