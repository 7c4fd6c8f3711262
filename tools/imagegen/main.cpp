#include "IconArt.h"
#include "PictureArt.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgGenerator>

#include <cstdio>

// curvescope-imagegen: draws every image the program compiles in, the flags of the
// language folder and the desktop icon set, and writes them into the source tree. The build
// compiles this tool but does not run it; its output is committed.
// Usage: curvescope-imagegen [source root]   (default: the current folder)

namespace {

bool Save(const QImage& image, const QString& path)
{
    // Extensionless resources ("light", "orvanta_logo") still hold PNG data.
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "curvescope-imagegen: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf(
        "%s (%dx%d)\n", qPrintable(QDir::toNativeSeparators(path)), image.width(), image.height());
    return true;
}

// Qt looks for "name@2x.png" beside "name.png" (and "light@2x" beside "light") on screens with
// two or more pixels per point.
QString AtTwoX(const QString& path)
{
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    const int end = dot > slash ? dot : path.size();
    return QString(path).insert(end, QLatin1String("@2x"));
}

// The picture at its size on screen and twice that, for high-DPI screens.
template <typename Draw> bool SaveBothScales(Draw draw, const QString& path)
{
    return Save(draw(1), path) & Save(draw(2), AtTwoX(path));
}

QImage RenderIcon(IconArt::DrawFunction draw, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);
    draw(painter, 32.0 / size);
    return image;
}

bool SaveSvg(IconArt::DrawFunction draw, const QString& path)
{
    QSvgGenerator generator;
    generator.setFileName(path);
    generator.setSize(QSize(32, 32));
    generator.setViewBox(QRect(0, 0, 32, 32));
    generator.setTitle(QStringLiteral("CurveScope"));
    generator.setDescription(QStringLiteral("CurveScope application icon"));
    QPainter painter;
    if (!painter.begin(&generator)) {
        std::fprintf(stderr, "curvescope-imagegen: cannot write %s\n", qPrintable(path));
        return false;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter, 32.0 / 256.0);
    painter.end();

    // The generator states the size in millimetres; icon themes expect plain pixels.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "curvescope-imagegen: cannot read back %s\n", qPrintable(path));
        return false;
    }
    QString svg = QString::fromUtf8(file.readAll());
    file.close();
    svg.replace(QRegularExpression(QStringLiteral("<svg width=\"[^\"]*\" height=\"[^\"]*\"")),
        QStringLiteral("<svg width=\"256\" height=\"256\""));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(svg.toUtf8()) < 0) {
        std::fprintf(stderr, "curvescope-imagegen: cannot write %s\n", qPrintable(path));
        return false;
    }
    file.close();
    std::printf("%s\n", qPrintable(QDir::toNativeSeparators(path)));
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    // Drawing needs fonts but no screen.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList arguments = QCoreApplication::arguments();
    const QDir root(arguments.size() > 1 ? arguments.at(1) : QDir::currentPath());
    const QDir resources(root.filePath(QStringLiteral("resources")));
    const QDir language(root.filePath(QStringLiteral("language")));
    const QDir appIcons(resources.filePath(QStringLiteral("appicon")));
    if (!root.mkpath(resources.path()) || !root.mkpath(appIcons.path())
        || !root.mkpath(language.path())) {
        std::fprintf(stderr, "curvescope-imagegen: cannot create folders under %s\n",
            qPrintable(root.path()));
        return 1;
    }

    const struct {
        const char* name;
        IconArt::DrawFunction draw;
    } icons[]
        = {{"chart_line.png", IconArt::ChartLine}, {"folder_document.png", IconArt::FolderDocument},
            {"folder_closed.png", IconArt::FolderClosed}, {"folder_into.png", IconArt::FolderInto},
            {"document_into.png", IconArt::DocumentInto},
            {"document_chart.png", IconArt::DocumentChart}, {"copy_chart.png", IconArt::CopyChart},
            {"exit.png", IconArt::Exit}, {"globe.png", IconArt::Globe},
            {"information.png", IconArt::Information}, {"light", IconArt::Light}};

    bool ok = true;
    for (const auto& icon : icons) {
        ok &= SaveBothScales([&](int scale) { return RenderIcon(icon.draw, 32 * scale); },
            resources.filePath(QString::fromLatin1(icon.name)));
    }

    ok &= SaveBothScales(
        PictureArt::CsvTimeDataPairs, resources.filePath(QStringLiteral("csv_1.png")));
    ok &= SaveBothScales(
        PictureArt::CsvTimestampList, resources.filePath(QStringLiteral("csv_2.png")));
    ok &= SaveBothScales(
        PictureArt::CsvCommonTime, resources.filePath(QStringLiteral("csv_3.png")));
    ok &= SaveBothScales(
        PictureArt::OrvantaLogo, resources.filePath(QStringLiteral("orvanta_logo")));
    ok &= SaveBothScales(
        PictureArt::FlagUnitedKingdom, resources.filePath(QStringLiteral("united_kingdom.png")));
    const struct {
        const char* code;
        QImage (*draw)(int);
    } flags[] = {{"de", PictureArt::FlagGermany}, {"fr", PictureArt::FlagFrance},
        {"es", PictureArt::FlagSpain}, {"it", PictureArt::FlagItaly},
        {"pl", PictureArt::FlagPoland}, {"pt", PictureArt::FlagBrazil},
        {"ru", PictureArt::FlagRussia}, {"zh", PictureArt::FlagChina},
        {"ja", PictureArt::FlagJapan}};
    for (const auto& flag : flags) {
        ok &= SaveBothScales(flag.draw,
            language.filePath(QStringLiteral("CurveScope_%1.png").arg(QLatin1String(flag.code))));
    }

    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        ok &= Save(RenderIcon(IconArt::ChartLine, size),
            appIcons.filePath(QStringLiteral("curvescope-%1.png").arg(size)));
    }
    ok &= SaveSvg(IconArt::ChartLine, appIcons.filePath(QStringLiteral("curvescope.svg")));
    return ok ? 0 : 1;
}
