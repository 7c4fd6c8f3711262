#include "ScreenPixmap.h"

#include <QIcon>
#include <QImageReader>

QPixmap ScreenPixmap(const QString& path)
{
    // An icon looks for the @2x file itself and picks by the application's pixel ratio.
    const QSize size = QImageReader(path).size();
    return size.isValid() ? QIcon(path).pixmap(size) : QPixmap();
}
