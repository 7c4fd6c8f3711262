#include "PlainMessageBox.h"

void PlainMessageBox::Critical(QWidget* parent, const QString& title, const QString& text)
{
    Show(parent, QMessageBox::Critical, title, text);
}

void PlainMessageBox::Warning(QWidget* parent, const QString& title, const QString& text)
{
    Show(parent, QMessageBox::Warning, title, text);
}

void PlainMessageBox::Information(QWidget* parent, const QString& title, const QString& text)
{
    Show(parent, QMessageBox::Information, title, text);
}

void PlainMessageBox::Show(
    QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
