#pragma once

#include <QFileDialog>

class QLabel;

// The save dialog of the CSV export: Qt's own widget-based file dialog with a group box below
// the file name in which the user picks the layout (Time/Data Pairs or Timestamp List), each
// radio button beside a small picture of its layout.
class CCsvFileDialog : public QFileDialog {
    Q_OBJECT

public:
    CCsvFileDialog(QWidget* parent, const QString& caption, const QString& directory,
        const QString& filter, int layout);
    ~CCsvFileDialog() override;

    // Runs the dialog on a full file path. layoutFlag selects the layout shown at first
    // (true: Timestamp List) and, only when the user accepts, receives the chosen one. Returns
    // the chosen name as typed (no suffix added), or a null string when the user cancels.
    static QString GetCsvSaveFileName(
        bool& layoutFlag, const QString& startingPath, QWidget* parent);

    // The layout currently chosen, a CsvLayout number.
    int Layout() const { return m_layout; }

private:
    void SelectTimeDataPairs();
    void SelectTimestampList();

    int m_layout;
    QLabel* m_pairsPicture = nullptr;
    QLabel* m_listPicture = nullptr;
};
