#include "ScreenResolution.h"

#include <QGuiApplication>
#include <QIcon>
#include <QImageReader>

void UseScreenResolution()
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
}

QPixmap ScreenPixmap(const QString& path)
{
    // An icon looks for the @2x file itself and picks by the application's pixel ratio.
    const QSize size = QImageReader(path).size();
    return size.isValid() ? QIcon(path).pixmap(size) : QPixmap();
}
