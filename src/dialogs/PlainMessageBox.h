#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

// The program's modal message boxes (one OK button) with their text shown exactly as written.
// The texts carry names of files, folders and cylinders that come from the trend sets: a
// QMessageBox of its own would take such a text for markup when it looks like some, drop its
// tags, and load any picture that it names, also from a pipe or a device that never ends.
class PlainMessageBox {
public:
    static void Critical(QWidget* parent, const QString& title, const QString& text);
    static void Warning(QWidget* parent, const QString& title, const QString& text);
    static void Information(QWidget* parent, const QString& title, const QString& text);

private:
    static void Show(
        QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text);
};
