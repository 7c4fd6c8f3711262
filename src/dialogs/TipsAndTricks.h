#pragma once

#include <QDialog>

namespace Ui {
class TipsAndTricks;
}

// Modeless help window that explains zooming, scrolling and hiding curves in the trend plot.
// The main window creates one and shows it again on every request, so it is hidden, not
// destroyed, when the user closes it.
class TipsAndTricks : public QDialog {
    Q_OBJECT

public:
    explicit TipsAndTricks(QWidget* parent = nullptr);
    ~TipsAndTricks() override;

private:
    Ui::TipsAndTricks* ui;
};
