#include "CCsvFileDialog.h"

#include "CsvLayout.h"
#include "ScreenResolution.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

CCsvFileDialog::CCsvFileDialog(QWidget* parent, const QString& caption, const QString& directory,
    const QString& filter, int layout)
    : QFileDialog(parent, caption, directory, filter)
    , m_layout(layout)
{
    // The layout choice is added to the dialog's own grid, which only the widget-based dialog
    // has.
    setOption(QFileDialog::DontUseNativeDialog, true);

    auto* groupBox = new QGroupBox(tr("Chose CSV Format"));
    auto* grid = new QGridLayout;
    grid->setObjectName(QStringLiteral("CVS-Layout"));

    auto* pairsButton = new QRadioButton(tr("Time/Data Pairs"), groupBox);
    grid->addWidget(pairsButton, 0, 0);
    connect(pairsButton, &QRadioButton::clicked, this, &CCsvFileDialog::SelectTimeDataPairs);

    m_pairsPicture = new QLabel(groupBox);
    m_pairsPicture->setPixmap(ScreenPixmap(QStringLiteral(":csv_1.png")));
    m_pairsPicture->setEnabled(m_layout == TimeDataPairs);
    grid->addWidget(m_pairsPicture, 1, 0);

    auto* listButton = new QRadioButton(tr("Timestamp List"), groupBox);
    grid->addWidget(listButton, 0, 1);
    connect(listButton, &QRadioButton::clicked, this, &CCsvFileDialog::SelectTimestampList);

    m_listPicture = new QLabel(groupBox);
    m_listPicture->setPixmap(ScreenPixmap(QStringLiteral(":csv_2.png")));
    m_listPicture->setEnabled(m_layout == TimestampList);
    grid->addWidget(m_listPicture, 1, 1);

    groupBox->setLayout(grid);

    if (auto* mainGrid = findChild<QGridLayout*>())
        mainGrid->addWidget(groupBox, 4, 0, 1, -1);
    else
        groupBox->setParent(this); // never left without an owner

    if (m_layout == TimeDataPairs)
        pairsButton->setChecked(true);
    else if (m_layout == TimestampList)
        listButton->setChecked(true);
}

CCsvFileDialog::~CCsvFileDialog() = default;

void CCsvFileDialog::SelectTimeDataPairs()
{
    m_layout = TimeDataPairs;
    m_pairsPicture->setEnabled(true);
    m_listPicture->setEnabled(false);
}

void CCsvFileDialog::SelectTimestampList()
{
    m_layout = TimestampList;
    m_pairsPicture->setEnabled(false);
    m_listPicture->setEnabled(true);
}

QString CCsvFileDialog::GetCsvSaveFileName(
    bool& layoutFlag, const QString& startingPath, QWidget* parent)
{
    QString fileName;
    const QString filter = tr("Comma-Separated Values (*.csv);;All (*.*)");
    CCsvFileDialog dialog(
        parent, tr("Save File"), startingPath, filter, layoutFlag ? TimestampList : TimeDataPairs);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    if (dialog.exec() == QDialog::Accepted) {
        const QStringList selected = dialog.selectedFiles();
        if (!selected.isEmpty())
            fileName = selected.first();
        layoutFlag = dialog.Layout() == TimestampList;
    }
    return fileName;
}
