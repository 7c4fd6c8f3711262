#pragma once

#include <QtWidgets>
#include <functional>

// Answers the modal dialogs that a command opens: records every message box as "icon|title|text"
// and presses its first button; hands file dialogs to a callback that picks a file.
class ModalCatcher : public QObject {
    Q_OBJECT

public:
    ModalCatcher()
    {
        connect(&m_timer, &QTimer::timeout, this, &ModalCatcher::poll);
        m_timer.start(20);
    }

    // Called for every file dialog that becomes modal; it must accept or reject the dialog.
    void setFileDialogHandler(std::function<void(QFileDialog*)> handler)
    {
        m_fileDialogHandler = std::move(handler);
    }
    // Called for any other modal dialog; without a handler such a dialog is rejected.
    void setDialogHandler(std::function<void(QDialog*)> f) { m_dialogHandler = std::move(f); }

    QStringList messages() const { return m_messages; }

private:
    void poll()
    {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        auto* box = qobject_cast<QMessageBox*>(dialog);
        auto* fileDialog = qobject_cast<QFileDialog*>(dialog);
        if (dialog == nullptr || !dialog->isVisible())
            return;
        // A text that the box takes for markup is marked: names in it do not show as written.
        const bool markup = box != nullptr && box->textFormat() != Qt::PlainText
            && (box->textFormat() == Qt::RichText || Qt::mightBeRichText(box->text()));
        if (box != nullptr)
            m_messages << QString("%1|%2|%3")
                              .arg(box->icon())
                              .arg(box->windowTitle(), (markup ? "(markup) " : "") + box->text());
        if (box != nullptr && !box->buttons().isEmpty())
            box->buttons().first()->click();
        else if (fileDialog != nullptr && m_fileDialogHandler)
            m_fileDialogHandler(fileDialog);
        else if (box == nullptr && fileDialog == nullptr && m_dialogHandler)
            m_dialogHandler(dialog);
        else
            dialog->reject();
    }

    QTimer m_timer;
    QStringList m_messages;
    std::function<void(QFileDialog*)> m_fileDialogHandler;
    std::function<void(QDialog*)> m_dialogHandler;
};
