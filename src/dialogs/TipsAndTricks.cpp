#include "TipsAndTricks.h"
#include "ui_TipsAndTricks.h"

TipsAndTricks::TipsAndTricks(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::TipsAndTricks)
{
    ui->setupUi(this);
}

TipsAndTricks::~TipsAndTricks() { delete ui; }
