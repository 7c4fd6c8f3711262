#include "PlotFileWriter.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QSaveFile>
#include <QSizeF>
#include <QTemporaryFile>
#include <qwt_plot.h>
#include <qwt_plot_renderer.h>

bool PlotFileWriter::IsComplete(const QString& path, const QString& suffix)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() == 0)
        return false;
    const QByteArray head = file.read(6);
    const qint64 tailSize = qMin<qint64>(file.size(), 1024);
    file.seek(file.size() - tailSize);
    const QByteArray tail = file.read(tailSize).trimmed();
    const qint64 size = file.size();
    file.close();

    if (suffix == QLatin1String("svg"))
        return tail.endsWith("</svg>");
    if (suffix == QLatin1String("pdf"))
        return tail.endsWith("%%EOF");
    if (suffix == QLatin1String("ps"))
        return tail.endsWith("%%EOF") || tail.endsWith("showpage");
    if (suffix == QLatin1String("bmp")) {
        // Qt reads a bitmap that stops early without complaint; its header names the file size.
        if (head.size() < 6 || !head.startsWith("BM"))
            return false;
        const auto byte = [&head](int i) { return qint64(static_cast<unsigned char>(head[i])); };
        if (size < (byte(2) | byte(3) << 8 | byte(4) << 16 | byte(5) << 24))
            return false;
    }
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg")) {
        QFile jpeg(path);
        if (!jpeg.open(QIODevice::ReadOnly) || !jpeg.seek(jpeg.size() - 2)
            || jpeg.read(2) != QByteArray("\xff\xd9", 2))
            return false;
    }
    // A format that Qt writes but cannot read back is taken as it is.
    if (!QImageReader::supportedImageFormats().contains(suffix.toLatin1()))
        return true;
    QImageReader reader(path, suffix.toLatin1());
    return !reader.read().isNull();
}

bool PlotFileWriter::Write(QwtPlot* plot, const QString& fileName)
{
    // The temporary file keeps the target's suffix: the renderer picks the format from it.
    const QFileInfo target(fileName);
    QTemporaryFile rendered(
        target.absolutePath() + QLatin1String("/.curvescope-XXXXXX.") + target.suffix());
    if (!rendered.open())
        return false;
    rendered.close();

    QwtPlotRenderer renderer;
    renderer.renderDocument(plot, rendered.fileName(), QSizeF(WidthMm, HeightMm), Resolution);
    if (!IsComplete(rendered.fileName(), target.suffix()))
        return false;

    // QSaveFile replaces the target in one step on every platform and keeps its permissions.
    QFile source(rendered.fileName());
    QSaveFile destination(fileName);
    if (!source.open(QIODevice::ReadOnly) || !destination.open(QIODevice::WriteOnly))
        return false;
    QByteArray block;
    while (!(block = source.read(1 << 20)).isEmpty()) {
        if (destination.write(block) != block.size())
            return false;
    }
    return source.error() == QFileDevice::NoError && destination.commit();
}
