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
#include <memory>
#include <poppler-qt5.h>
#include <qwt_plot.h>
#include <qwt_plot_renderer.h>

namespace {

// A temporary file with the given suffix beside the target, or in the system's temporary folder
// where the target's folder refuses new files but the target itself exists.
bool OpenTemporary(QTemporaryFile& file, const QFileInfo& target, const QString& suffix)
{
    const QString pattern = QLatin1String("/.curvescope-XXXXXX.") + suffix;
    file.setFileTemplate(target.absolutePath() + pattern);
    if (file.open()) {
        file.close();
        return true;
    }
    file.setFileTemplate(QDir::tempPath() + pattern);
    if (!target.isFile() || !file.open())
        return false;
    file.close();
    return true;
}

// One PostScript page of the PDF's page size, in vector form as the PDF draws it.
bool ConvertToPostScript(const QString& pdfPath, const QString& psPath, const QString& title)
{
    const std::unique_ptr<Poppler::Document> document(Poppler::Document::load(pdfPath));
    if (!document || document->isLocked() || document->numPages() != 1)
        return false;
    const std::unique_ptr<Poppler::Page> page(document->page(0));
    const std::unique_ptr<Poppler::PSConverter> converter(document->psConverter());
    if (!page || !converter)
        return false;
    const QSizeF points = page->pageSizeF();
    converter->setOutputFileName(psPath);
    converter->setPageList({1});
    converter->setPaperWidth(qRound(points.width()));
    converter->setPaperHeight(qRound(points.height()));
    converter->setTitle(title);
    return converter->convert();
}

} // namespace

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
    // Qwt writes no PostScript with Qt 5: the PDF it renders is converted. Every other format
    // is rendered as it is, the renderer picking it from the temporary file's suffix.
    const QFileInfo target(fileName);
    const bool postScript = target.suffix() == QLatin1String("ps");
    const QString renderedSuffix = postScript ? QStringLiteral("pdf") : target.suffix();
    QTemporaryFile rendered;
    if (!OpenTemporary(rendered, target, renderedSuffix))
        return false;
    QwtPlotRenderer renderer;
    {
        // Time labels spaced for the document, laid out at the plot's resolution.
        const QSizeF size(WidthMm * plot->logicalDpiX(), HeightMm * plot->logicalDpiY());
        const TimeAxisLabelFitter::ForRendering timeLabels(plot, size / 25.4);
        renderer.renderDocument(plot, rendered.fileName(), QSizeF(WidthMm, HeightMm), Resolution);
    }
    if (!IsComplete(rendered.fileName(), renderedSuffix))
        return false;
    QTemporaryFile converted;
    if (postScript
        && (!OpenTemporary(converted, target, target.suffix())
            || !ConvertToPostScript(rendered.fileName(), converted.fileName(), target.fileName())
            || !IsComplete(converted.fileName(), target.suffix())))
        return false;

    QFile source(postScript ? converted.fileName() : rendered.fileName());
    ReplacingFile destination(fileName);
    if (!source.open(QIODevice::ReadOnly) || !destination.Open())
        return false;
    QByteArray block;
    bool copied = true;
    while (copied && !(block = source.read(1 << 20)).isEmpty())
        copied = destination.Device()->write(block) == block.size();
    if (!copied || source.error() != QFileDevice::NoError)
        destination.CancelWriting();
    return destination.Commit();
}
