#include "ModalCatcher.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QPointer>

ModalCatcher::ModalCatcher(QObject* parent)
    : QObject(parent)
{
    m_timer.setInterval(20);
    connect(&m_timer, &QTimer::timeout, this, &ModalCatcher::poll);
    m_timer.start();
}

ModalCatcher::~ModalCatcher() = default;

void ModalCatcher::setFileDialogHandler(std::function<void(QFileDialog*)> handler)
{
    m_fileDialogHandler = std::move(handler);
}

void ModalCatcher::setDialogHandler(std::function<void(QDialog*)> handler)
{
    m_dialogHandler = std::move(handler);
}

void ModalCatcher::poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible())
        return;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        m_messages.append({box->icon(), box->windowTitle(), box->text()});
        const QList<QAbstractButton*> buttons = box->buttons();
        if (!buttons.isEmpty())
            buttons.first()->click();
        else
            box->reject();
        return;
    }
    if (auto* fileDialog = qobject_cast<QFileDialog*>(modal)) {
        ++m_fileDialogs;
        QPointer<QFileDialog> guard(fileDialog);
        if (m_fileDialogHandler)
            m_fileDialogHandler(fileDialog);
        if (guard && guard->isVisible() && guard == QApplication::activeModalWidget()
            && !m_fileDialogHandler)
            guard->reject();
        return;
    }
    if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        if (m_dialogHandler)
            m_dialogHandler(dialog);
        else
            dialog->reject();
    }
}
