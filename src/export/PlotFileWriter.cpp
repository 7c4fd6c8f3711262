#include "PlotFileWriter.h"

#include "ReplacingFile.h"
#include "TimeAxisLabelFitter.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
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
    // The temporary file keeps the target's suffix: the renderer picks the format from it. It
    // lies beside the target unless that folder refuses new files; then the system's temporary
    // folder holds it, and the target is overwritten directly.
    const QFileInfo target(fileName);
    const QString pattern = QLatin1String("/.curvescope-XXXXXX.") + target.suffix();
    QTemporaryFile rendered(target.absolutePath() + pattern);
    if (!rendered.open()) {
        rendered.setFileTemplate(QDir::tempPath() + pattern);
        if (!target.isFile() || !rendered.open())
            return false;
    }
    rendered.close();

    QwtPlotRenderer renderer;
    {
        // Time labels spaced for the document, laid out at the plot's resolution.
        const QSizeF size(WidthMm * plot->logicalDpiX(), HeightMm * plot->logicalDpiY());
        const TimeAxisLabelFitter::ForRendering timeLabels(plot, size / 25.4);
        renderer.renderDocument(plot, rendered.fileName(), QSizeF(WidthMm, HeightMm), Resolution);
    }
    if (!IsComplete(rendered.fileName(), target.suffix()))
        return false;

    // Replaced in one step on every platform, keeping the target's permissions.
    QFile source(rendered.fileName());
    ReplacingFile destination(fileName);
    if (!source.open(QIODevice::ReadOnly) || !destination.Open())
        return false;
    QByteArray block;
    while (!(block = source.read(1 << 20)).isEmpty()) {
        if (destination.Device()->write(block) != block.size()) {
            destination.CancelWriting();
            destination.Commit();
            return false;
        }
    }
    if (source.error() != QFileDevice::NoError)
        destination.CancelWriting();
    return destination.Commit();
}
