#pragma once

#include <QPixmap>
#include <QString>

// The picture in a file at the screen's pixel density: on screens with more than one pixel per
// point its "name@2x" variant beside it, where there is one, shown at the size of the plain
// picture. A missing or unreadable file gives a null pixmap.
QPixmap ScreenPixmap(const QString& path);
