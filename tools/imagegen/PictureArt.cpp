#include "PictureArt.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QStringList>
#include <QVector>
#include <QtMath>

#include <cmath>

namespace {

const QColor HeaderTop(0x3F, 0x7C, 0xC6);
const QColor HeaderBottom(0x2A, 0x5F, 0xA3);
const QColor RowEven(0xD6, 0xE5, 0xF7);
const QColor RowOdd(0xBF, 0xD5, 0xF0);
const QColor BlankCell(0xEE, 0xF4, 0xFB);
const QColor CellText(0x1B, 0x3A, 0x66);
const QColor Frame(0x24, 0x55, 0x94);
const QColor Wordmark(0x1B, 0x3A, 0x66);

// The painter draws in points of the picture's size on screen; the pixel ratio maps them onto
// scale pixels each.
QImage Transparent(int width, int height, int scale)
{
    QImage image(width * scale, height * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    return image;
}

QFont PixelFont(const QString& family, int pixelSize, int weight)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

// A small table in blue shades: a header row and data rows, blank cells paler than filled ones,
// a darker rule after each column group.
struct Table {
    QVector<int> widths;
    QStringList header;
    QVector<QStringList> rows;
    QVector<int> groupEnds; // columns after which a group of columns ends
};

QImage DrawTable(const Table& table, int scale)
{
    const int width = 200;
    const int height = 110;
    const int rowHeight = 20;
    int tableWidth = 0;
    for (int w : table.widths)
        tableWidth += w;
    const int left = (width - tableWidth) / 2;
    const int top = (height - rowHeight * (table.rows.size() + 1)) / 2;
    const QRect frame(left, top, tableWidth, rowHeight * (table.rows.size() + 1));

    QImage image = Transparent(width, height, scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    QPainterPath clip;
    clip.addRoundedRect(QRectF(frame), 3.0, 3.0);
    painter.setClipPath(clip);

    const QFont headerFont = PixelFont(QStringLiteral("DejaVu Sans"), 10, QFont::Bold);
    const QFont cellFont = PixelFont(QStringLiteral("DejaVu Sans"), 11, QFont::Normal);
    for (int row = 0; row <= table.rows.size(); ++row) {
        int x = left;
        const int y = top + row * rowHeight;
        for (int column = 0; column < table.widths.size(); ++column) {
            const QRect cell(x, y, table.widths.at(column), rowHeight);
            QString text;
            if (row == 0) {
                QLinearGradient gradient(0, y, 0, y + rowHeight);
                gradient.setColorAt(0.0, HeaderTop);
                gradient.setColorAt(1.0, HeaderBottom);
                painter.fillRect(cell, gradient);
                text = table.header.value(column);
                painter.setFont(headerFont);
                painter.setPen(Qt::white);
            } else {
                text = table.rows.at(row - 1).value(column);
                painter.fillRect(cell, text.isEmpty() ? BlankCell : ((row % 2) ? RowEven : RowOdd));
                painter.setFont(cellFont);
                painter.setPen(CellText);
            }
            painter.drawText(cell, Qt::AlignCenter, text);
            x += table.widths.at(column);
        }
    }

    // Cell rules in white, group rules in the frame colour, on whole pixels.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::white, 1));
    for (int row = 1; row <= table.rows.size(); ++row)
        painter.drawLine(left, top + row * rowHeight, left + tableWidth - 1, top + row * rowHeight);
    int x = left;
    for (int column = 0; column + 1 < table.widths.size(); ++column) {
        x += table.widths.at(column);
        painter.setPen(QPen(table.groupEnds.contains(column) ? Frame : QColor(Qt::white), 1));
        painter.drawLine(x, top, x, top + frame.height() - 1);
    }
    painter.setClipping(false);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(Frame, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(frame).adjusted(0.5, 0.5, -0.5, -0.5), 3.0, 3.0);
    return image;
}

// Flags share one frame: a thin dark edge and a faint light from above.
void FinishFlag(QPainter& painter, const QRectF& rect)
{
    painter.resetTransform();
    QLinearGradient gloss(0.0, rect.top(), 0.0, rect.bottom());
    gloss.setColorAt(0.0, QColor(255, 255, 255, 60));
    gloss.setColorAt(0.5, QColor(255, 255, 255, 0));
    gloss.setColorAt(1.0, QColor(0, 0, 0, 30));
    painter.fillRect(rect, gloss);
    painter.setPen(QPen(QColor(0, 0, 0, 90), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0.5, 0.5, -0.5, -0.5));
}

const int FlagWidth = 48;
const int FlagHeight = 32;

// Bands of equal size; where the flag's size does not divide evenly the middle band takes the
// spare pixels, so the outer bands match each other.
QImage BandedFlag(const QVector<QColor>& bands, Qt::Orientation orientation, int scale)
{
    QImage image = Transparent(FlagWidth, FlagHeight, scale);
    QPainter painter(&image);
    const int length = orientation == Qt::Horizontal ? FlagHeight : FlagWidth;
    const int count = bands.size();
    const int outer = length / count;
    int start = 0;
    for (int band = 0; band < count; ++band) {
        const int size
            = (band == count / 2 && count % 2 == 1) ? length - outer * (count - 1) : outer;
        const int end = band + 1 == count ? length : start + size;
        if (orientation == Qt::Horizontal)
            painter.fillRect(QRect(0, start, FlagWidth, end - start), bands.at(band));
        else
            painter.fillRect(QRect(start, 0, end - start, FlagHeight), bands.at(band));
        start = end;
    }
    FinishFlag(painter, QRectF(0, 0, FlagWidth, FlagHeight));
    return image;
}

// A five-pointed star with one point towards the given angle (degrees, 0 = up, clockwise).
QPainterPath Star(const QPointF& centre, qreal radius, qreal towards)
{
    QPainterPath path;
    const qreal inner = radius * 0.382;
    for (int i = 0; i < 10; ++i) {
        const qreal angle = qDegreesToRadians(towards + i * 36.0);
        const qreal r = i % 2 == 0 ? radius : inner;
        const QPointF point(centre.x() + r * std::sin(angle), centre.y() - r * std::cos(angle));
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

} // namespace

namespace PictureArt {

QImage CsvTimeDataPairs(int scale)
{
    Table table;
    table.widths = {32, 32, 32, 32, 32, 32};
    table.header = QStringList {"Time", "N1", "Time", "N2", "Time", "N3"};
    table.rows = {{"T1", "D1", "T2", "D2", "T3", "D3"}, {"T4", "D4", "T5", "D5", "", ""},
        {"T6", "D6", "", "", "T7", "D7"}, {"", "", "T8", "D8", "", ""}};
    table.groupEnds = {1, 3};
    return DrawTable(table, scale);
}

QImage CsvTimestampList(int scale)
{
    Table table;
    table.widths = {64, 64, 64};
    table.header = QStringList {"Time", "Name", "Data"};
    table.rows = {{"T1", "N1", "D1"}, {"T2", "N2", "D2"}, {"T3", "N1", "D3"}, {"T4", "N3", "D4"}};
    return DrawTable(table, scale);
}

QImage CsvCommonTime(int scale)
{
    Table table;
    table.widths = {48, 48, 48, 48};
    table.header = QStringList {"Time", "N1", "N2", "N3"};
    table.rows = {{"T1", "D1", "D2", "D3"}, {"T2", "D4", "", "D5"}, {"T3", "D6", "D7", ""},
        {"T4", "", "D8", ""}};
    table.groupEnds = {0};
    return DrawTable(table, scale);
}

QImage FlagUnitedKingdom(int scale)
{
    QImage image = Transparent(FlagWidth, FlagHeight, scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // Drawn in the flag's own 60 x 30 units and fitted to the shared flag size.
    painter.scale(FlagWidth / 60.0, FlagHeight / 30.0);
    painter.fillRect(QRectF(0, 0, 60, 30), QColor(0x01, 0x21, 0x69));

    QPainterPath diagonals;
    diagonals.moveTo(0, 0);
    diagonals.lineTo(60, 30);
    diagonals.moveTo(60, 0);
    diagonals.lineTo(0, 30);
    painter.strokePath(diagonals, QPen(Qt::white, 6));

    // The red saltire is counterchanged: in each quarter it lies on the clockwise side of the
    // white diagonal.
    QPainterPath quarters;
    quarters.moveTo(30, 15);
    quarters.lineTo(60, 15);
    quarters.lineTo(60, 30);
    quarters.closeSubpath();
    quarters.moveTo(30, 15);
    quarters.lineTo(30, 30);
    quarters.lineTo(0, 30);
    quarters.closeSubpath();
    quarters.moveTo(30, 15);
    quarters.lineTo(0, 15);
    quarters.lineTo(0, 0);
    quarters.closeSubpath();
    quarters.moveTo(30, 15);
    quarters.lineTo(30, 0);
    quarters.lineTo(60, 0);
    quarters.closeSubpath();
    painter.save();
    painter.setClipPath(quarters);
    painter.strokePath(diagonals, QPen(QColor(0xC8, 0x10, 0x2E), 4));
    painter.restore();

    QPainterPath cross;
    cross.moveTo(30, 0);
    cross.lineTo(30, 30);
    cross.moveTo(0, 15);
    cross.lineTo(60, 15);
    painter.strokePath(cross, QPen(Qt::white, 10, Qt::SolidLine, Qt::FlatCap));
    painter.strokePath(cross, QPen(QColor(0xC8, 0x10, 0x2E), 6, Qt::SolidLine, Qt::FlatCap));

    FinishFlag(painter, QRectF(0, 0, FlagWidth, FlagHeight));
    return image;
}

QImage FlagGermany(int scale)
{
    QImage image = Transparent(FlagWidth, FlagHeight, scale);
    QPainter painter(&image);
    const QColor bands[]
        = {QColor(0x00, 0x00, 0x00), QColor(0xDD, 0x00, 0x00), QColor(0xFF, 0xCE, 0x00)};
    // 32 pixels do not split into three equal bands; the middle one takes the spare pixels.
    const int edges[] = {0, 11, 21, 32};
    for (int band = 0; band < 3; ++band)
        painter.fillRect(
            QRect(0, edges[band], FlagWidth, edges[band + 1] - edges[band]), bands[band]);
    painter.setRenderHint(QPainter::Antialiasing);
    FinishFlag(painter, QRectF(0, 0, FlagWidth, FlagHeight));
    return image;
}

QImage FlagFrance(int scale)
{
    return BandedFlag(
        {QColor(0x00, 0x55, 0xA4), Qt::white, QColor(0xEF, 0x41, 0x35)}, Qt::Vertical, scale);
}

QImage FlagItaly(int scale)
{
    return BandedFlag(
        {QColor(0x00, 0x92, 0x46), Qt::white, QColor(0xCE, 0x2B, 0x37)}, Qt::Vertical, scale);
}

QImage FlagPoland(int scale)
{
    return BandedFlag({Qt::white, QColor(0xDC, 0x14, 0x3C)}, Qt::Horizontal, scale);
}

QImage FlagRussia(int scale)
{
    return BandedFlag(
        {Qt::white, QColor(0x00, 0x39, 0xA6), QColor(0xD5, 0x2B, 0x1E)}, Qt::Horizontal, scale);
}

// Red, yellow twice as wide, red; the coat of arms shrinks to a small crowned shield near the
// hoist, which is what remains recognisable at this size.
QImage FlagSpain(int scale)
{
    QImage image = Transparent(FlagWidth, FlagHeight, scale);
    QPainter painter(&image);
    const QColor red(0xAA, 0x15, 0x1B);
    painter.fillRect(QRect(0, 0, FlagWidth, 8), red);
    painter.fillRect(QRect(0, 8, FlagWidth, 16), QColor(0xF1, 0xBF, 0x00));
    painter.fillRect(QRect(0, 24, FlagWidth, 8), red);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath shield;
    shield.moveTo(11.5, 12.5);
    shield.lineTo(19.5, 12.5);
    shield.lineTo(19.5, 18.0);
    shield.quadTo(19.5, 21.5, 15.5, 22.0);
    shield.quadTo(11.5, 21.5, 11.5, 18.0);
    shield.closeSubpath();
    painter.setPen(QPen(QColor(0x70, 0x10, 0x10), 0.8));
    painter.setBrush(QColor(0xC6, 0x0B, 0x1E));
    painter.drawPath(shield);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xB0, 0x84, 0x10));
    painter.drawRect(QRectF(12.0, 10.0, 7.0, 2.0));
    FinishFlag(painter, QRectF(0, 0, FlagWidth, FlagHeight));
    return image;
}

// The flag of Brazil stands for Portuguese: the catalogue is written the Brazilian way, as the
// toolkit's default Portuguese locale is Brazil's. Stars and motto are left out at this size.
QImage FlagBrazil(int scale)
{
    QImage image = Transparent(FlagWidth, FlagHeight, scale);
    QPainter painter(&image);
    painter.fillRect(QRect(0, 0, FlagWidth, FlagHeight), QColor(0x00, 0x9C, 0x3B));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xFF, 0xDF, 0x00));
    painter.drawPolygon(QPolygonF(
        {QPointF(4.0, 16.0), QPointF(24.0, 3.5), QPointF(44.0, 16.0), QPointF(24.0, 28.5)}));
    const QPointF centre(24.0, 16.0);
    const qreal radius = 8.0;
    QPainterPath globe;
    globe.addEllipse(centre, radius, radius);
    painter.setBrush(QColor(0x00, 0x27, 0x76));
    painter.drawPath(globe);
    painter.setClipPath(globe);
    painter.setPen(QPen(Qt::white, 1.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(20.0, 34.0), 19.0, 19.0);
    painter.setClipping(false);
    FinishFlag(painter, QRectF(0, 0, FlagWidth, FlagHeight));
    return image;
}

// Five yellow stars in the upper hoist; the small ones each point at the large one.
QImage FlagChina(int scale)
{
    QImage image = Transparent(FlagWidth, FlagHeight, scale);
    QPainter painter(&image);
    painter.fillRect(QRect(0, 0, FlagWidth, FlagHeight), QColor(0xDE, 0x29, 0x10));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xFF, 0xDE, 0x00));
    // Drawn in the flag's own 30 x 20 units.
    painter.scale(FlagWidth / 30.0, FlagHeight / 20.0);
    const QPointF large(5.0, 5.0);
    painter.drawPath(Star(large, 3.0, 0.0));
    for (const QPointF& small :
        {QPointF(10.0, 2.0), QPointF(12.0, 4.0), QPointF(12.0, 7.0), QPointF(10.0, 9.0)}) {
        const QPointF towards = large - small;
        const qreal angle = qRadiansToDegrees(std::atan2(towards.x(), -towards.y()));
        painter.drawPath(Star(small, 1.0, angle));
    }
    FinishFlag(painter, QRectF(0, 0, FlagWidth, FlagHeight));
    return image;
}

// A red disc three fifths of the flag's height across, in the centre of a white field.
QImage FlagJapan(int scale)
{
    QImage image = Transparent(FlagWidth, FlagHeight, scale);
    QPainter painter(&image);
    painter.fillRect(QRect(0, 0, FlagWidth, FlagHeight), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xBC, 0x00, 0x2D));
    const qreal radius = FlagHeight * 0.3;
    painter.drawEllipse(QPointF(FlagWidth / 2.0, FlagHeight / 2.0), radius, radius);
    FinishFlag(painter, QRectF(0, 0, FlagWidth, FlagHeight));
    return image;
}

QImage OrvantaLogo(int scale)
{
    const int width = 300;
    const int height = 90;
    QImage image = Transparent(width, height, scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    // Emblem: a blue disc crossed by a white trend curve that ends in an amber point.
    const QPointF center(45.0, 45.0);
    const double radius = 36.0;
    QRadialGradient disc(QPointF(34.0, 32.0), 52.0);
    disc.setColorAt(0.0, QColor(0x5B, 0x95, 0xDA));
    disc.setColorAt(1.0, QColor(0x1B, 0x47, 0x7E));
    painter.setPen(Qt::NoPen);
    painter.setBrush(disc);
    painter.drawEllipse(center, radius, radius);
    painter.setPen(QPen(QColor(255, 255, 255, 90), 2.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(center, radius - 5.0, radius - 5.0);

    QPainterPath trend;
    trend.moveTo(17.0, 58.0);
    trend.cubicTo(QPointF(27.0, 58.0), QPointF(29.0, 40.0), QPointF(38.0, 42.0));
    trend.cubicTo(QPointF(47.0, 44.0), QPointF(48.0, 56.0), QPointF(56.0, 48.0));
    trend.cubicTo(QPointF(62.0, 42.0), QPointF(63.0, 30.0), QPointF(69.0, 27.0));
    QPen curve(Qt::white, 6.0);
    curve.setCapStyle(Qt::RoundCap);
    curve.setJoinStyle(Qt::RoundJoin);
    painter.strokePath(trend, curve);
    painter.setPen(QPen(Qt::white, 2.5));
    painter.setBrush(QColor(0xF2, 0x9A, 0x2E));
    painter.drawEllipse(QPointF(69.0, 27.0), 6.0, 6.0);

    // Wordmark and line beneath, both fitted to the space right of the emblem.
    const double textLeft = 96.0;
    const double textWidth = width - textLeft - 4.0;
    QFont word = PixelFont(QStringLiteral("URW Gothic"), 48, QFont::DemiBold);
    word.setLetterSpacing(QFont::AbsoluteSpacing, 3.0);
    const double wordWidth = QFontMetricsF(word).horizontalAdvance(QStringLiteral("ORVANTA")) - 3.0;
    if (wordWidth > textWidth)
        word.setPixelSize(int(48 * textWidth / wordWidth));
    painter.setFont(word);
    painter.setPen(Wordmark);
    painter.drawText(QPointF(textLeft, 56.0), QStringLiteral("ORVANTA"));

    QFont line = PixelFont(QStringLiteral("DejaVu Sans"), 11, QFont::Normal);
    line.setLetterSpacing(QFont::AbsoluteSpacing, 3.2);
    painter.setFont(line);
    painter.setPen(QColor(0x5E, 0x70, 0x88));
    painter.drawText(QPointF(textLeft + 2.0, 76.0), QStringLiteral("ENGINE TREND SYSTEMS"));
    painter.setPen(QPen(QColor(0xF2, 0x9A, 0x2E), 2.0));
    painter.drawLine(QPointF(textLeft + 2.0, 64.0), QPointF(textLeft + 60.0, 64.0));
    return image;
}

}
