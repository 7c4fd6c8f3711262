#include "PictureArt.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QStringList>
#include <QVector>

namespace {

const QColor HeaderTop(0x3F, 0x7C, 0xC6);
const QColor HeaderBottom(0x2A, 0x5F, 0xA3);
const QColor RowEven(0xD6, 0xE5, 0xF7);
const QColor RowOdd(0xBF, 0xD5, 0xF0);
const QColor BlankCell(0xEE, 0xF4, 0xFB);
const QColor CellText(0x1B, 0x3A, 0x66);
const QColor Frame(0x24, 0x55, 0x94);
const QColor Wordmark(0x1B, 0x3A, 0x66);

QImage Transparent(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
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

QImage DrawTable(const Table& table)
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

    QImage image = Transparent(width, height);
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

} // namespace

namespace PictureArt {

QImage CsvTimeDataPairs()
{
    Table table;
    table.widths = {32, 32, 32, 32, 32, 32};
    table.header = QStringList {"Time", "N1", "Time", "N2", "Time", "N3"};
    table.rows = {{"T1", "D1", "T2", "D2", "T3", "D3"}, {"T4", "D4", "T5", "D5", "", ""},
        {"T6", "D6", "", "", "T7", "D7"}, {"", "", "T8", "D8", "", ""}};
    table.groupEnds = {1, 3};
    return DrawTable(table);
}

QImage CsvTimestampList()
{
    Table table;
    table.widths = {64, 64, 64};
    table.header = QStringList {"Time", "Name", "Data"};
    table.rows = {{"T1", "N1", "D1"}, {"T2", "N2", "D2"}, {"T3", "N1", "D3"}, {"T4", "N3", "D4"}};
    return DrawTable(table);
}

QImage CsvCommonTime()
{
    Table table;
    table.widths = {48, 48, 48, 48};
    table.header = QStringList {"Time", "N1", "N2", "N3"};
    table.rows = {{"T1", "D1", "D2", "D3"}, {"T2", "D4", "", "D5"}, {"T3", "D6", "D7", ""},
        {"T4", "", "D8", ""}};
    table.groupEnds = {0};
    return DrawTable(table);
}

QImage FlagUnitedKingdom()
{
    QImage image = Transparent(FlagWidth, FlagHeight);
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

QImage FlagGermany()
{
    QImage image = Transparent(FlagWidth, FlagHeight);
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

QImage OrvantaLogo()
{
    const int width = 300;
    const int height = 90;
    QImage image = Transparent(width, height);
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
