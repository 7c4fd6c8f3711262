#pragma once

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

class QFileDialog;

// Answers the modal dialogs that a command opens: records every message box (icon, title,
// text) and presses its first button; hands file dialogs to a callback that picks a file.
class ModalCatcher : public QObject {
    Q_OBJECT

public:
    struct Message {
        QMessageBox::Icon icon;
        QString title;
        QString text;
    };

    explicit ModalCatcher(QObject* parent = nullptr);
    ~ModalCatcher() override;

    // Called for every file dialog that becomes modal; it must accept or reject the dialog.
    void setFileDialogHandler(std::function<void(QFileDialog*)> handler);
    // Called for any other modal dialog; without a handler such a dialog is rejected.
    void setDialogHandler(std::function<void(QDialog*)> handler);

    QList<Message> messages() const { return m_messages; }
    int fileDialogsSeen() const { return m_fileDialogs; }

private:
    void poll();

    QTimer m_timer;
    QList<Message> m_messages;
    int m_fileDialogs = 0;
    std::function<void(QFileDialog*)> m_fileDialogHandler;
    std::function<void(QDialog*)> m_dialogHandler;
};
