#include "IconArt.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>

#include <algorithm>

namespace {

// One palette for every icon: a light top and a darker bottom per material, and an outline a
// shade darker still. Strokes sit on half units so that they fall on whole pixels at 32 px.
struct Material {
    QColor light;
    QColor dark;
    QColor outline;
};

const Material Paper {QColor(0xFF, 0xFF, 0xFF), QColor(0xE1, 0xE8, 0xF1), QColor(0x4E, 0x5E, 0x73)};
const Material Fold {QColor(0xD8, 0xE0, 0xEA), QColor(0xBC, 0xC8, 0xD6), QColor(0x4E, 0x5E, 0x73)};
const Material Blue {QColor(0x9C, 0xC8, 0xF0), QColor(0x2E, 0x6B, 0xB8), QColor(0x1B, 0x47, 0x7E)};
const Material Amber {QColor(0xFB, 0xDA, 0x8C), QColor(0xE9, 0xA9, 0x40), QColor(0x9E, 0x6B, 0x1A)};
const Material AmberBack {
    QColor(0xEF, 0xBD, 0x5E), QColor(0xCF, 0x91, 0x2F), QColor(0x9E, 0x6B, 0x1A)};
const Material Green {QColor(0x7C, 0xCB, 0x6F), QColor(0x2F, 0x8F, 0x3B), QColor(0x1F, 0x5E, 0x27)};
const Material Red {QColor(0xF2, 0x86, 0x74), QColor(0xC8, 0x3B, 0x30), QColor(0x83, 0x24, 0x1D)};
const Material Wood {QColor(0xD9, 0x9E, 0x62), QColor(0xA0, 0x66, 0x33), QColor(0x66, 0x40, 0x1F)};
const Material Doorway {
    QColor(0x5A, 0x66, 0x73), QColor(0x2C, 0x34, 0x3C), QColor(0x22, 0x28, 0x2E)};
const Material Metal {QColor(0xE2, 0xE6, 0xEA), QColor(0x8C, 0x95, 0x9F), QColor(0x4F, 0x58, 0x62)};
const Material Bulb {QColor(0xFF, 0xFB, 0xD8), QColor(0xF2, 0xB9, 0x28), QColor(0xA3, 0x7B, 0x12)};

const QColor ChartCurve(0x2E, 0x6B, 0xB8);
const QColor ChartAxis(0x5A, 0x69, 0x7C);
const QColor ChartGrid(0xC6, 0xD4, 0xE5);
const QColor TextLine(0xA9, 0xB6, 0xC6);

QPen Outline(const QColor& color, double px, double units = 1.0)
{
    QPen pen(color, std::max(units, px));
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

QBrush Vertical(const Material& material, double top, double bottom)
{
    QLinearGradient gradient(0.0, top, 0.0, bottom);
    gradient.setColorAt(0.0, material.light);
    gradient.setColorAt(1.0, material.dark);
    return gradient;
}

QBrush Sphere(const Material& material, const QPointF& center, double radius)
{
    QRadialGradient gradient(center, radius, center - QPointF(radius * 0.1, radius * 0.1));
    gradient.setColorAt(0.0, material.light);
    gradient.setColorAt(1.0, material.dark);
    return gradient;
}

void Fill(QPainter& painter, const QPainterPath& path, const QBrush& brush, const QPen& pen)
{
    painter.setBrush(brush);
    painter.setPen(pen);
    painter.drawPath(path);
}

// A sheet of paper with its top right corner folded down.
void Page(QPainter& painter, double px, const QRectF& r, double fold = 6.0)
{
    QPainterPath sheet;
    sheet.moveTo(r.left(), r.top());
    sheet.lineTo(r.right() - fold, r.top());
    sheet.lineTo(r.right(), r.top() + fold);
    sheet.lineTo(r.right(), r.bottom());
    sheet.lineTo(r.left(), r.bottom());
    sheet.closeSubpath();
    Fill(painter, sheet, Vertical(Paper, r.top(), r.bottom()), Outline(Paper.outline, px));

    QPainterPath corner;
    corner.moveTo(r.right() - fold, r.top());
    corner.lineTo(r.right() - fold, r.top() + fold);
    corner.lineTo(r.right(), r.top() + fold);
    corner.closeSubpath();
    Fill(painter, corner, Vertical(Fold, r.top(), r.top() + fold), Outline(Fold.outline, px));
}

void TextLines(QPainter& painter, double px, double left, double right, double top, int count)
{
    painter.setPen(Outline(TextLine, px, 1.2));
    for (int i = 0; i < count; ++i) {
        const double y = top + 3.0 * i;
        painter.drawLine(QPointF(left, y), QPointF(i % 2 ? right - 3.0 : right, y));
    }
}

// Axes and a rising curve with its peak near the right, the motif of every chart icon.
void Chart(QPainter& painter, double px, const QRectF& area, double curveWidth)
{
    const auto at = [&area](double x, double y) {
        return QPointF(area.left() + x * area.width(), area.top() + y * area.height());
    };
    painter.setPen(Outline(ChartAxis, px));
    painter.drawLine(area.topLeft(), area.bottomLeft());
    painter.drawLine(area.bottomLeft(), area.bottomRight());

    QPolygonF curve;
    curve << at(0.08, 0.78) << at(0.32, 0.42) << at(0.52, 0.6) << at(0.76, 0.18) << at(1.0, 0.08);
    QPen pen(ChartCurve, std::max(curveWidth, 1.5 * px));
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(curve);
}

// A block arrow along +x from `from` to `to`.
void Arrow(QPainter& painter, double px, const QPointF& from, const QPointF& to,
    const Material& material, double shaft = 5.0, double head = 11.0)
{
    const QLineF line(from, to);
    const double length = line.length();
    const double headLength = head * 0.6;
    QPolygonF shape;
    shape << QPointF(0.0, -shaft / 2) << QPointF(length - headLength, -shaft / 2)
          << QPointF(length - headLength, -head / 2) << QPointF(length, 0.0)
          << QPointF(length - headLength, head / 2) << QPointF(length - headLength, shaft / 2)
          << QPointF(0.0, shaft / 2);
    QTransform transform;
    transform.translate(from.x(), from.y());
    transform.rotate(-line.angle());
    QPainterPath path;
    path.addPolygon(transform.map(shape));
    path.closeSubpath();
    const QRectF bounds = path.boundingRect();
    Fill(painter, path, Vertical(material, bounds.top(), bounds.bottom()),
        Outline(material.outline, px));
}

void FolderBack(QPainter& painter, double px)
{
    QPainterPath back;
    back.moveTo(2.5, 6.5);
    back.lineTo(11.5, 6.5);
    back.lineTo(13.5, 8.5);
    back.lineTo(28.5, 8.5);
    back.lineTo(28.5, 26.5);
    back.lineTo(2.5, 26.5);
    back.closeSubpath();
    Fill(painter, back, Vertical(AmberBack, 6.5, 26.5), Outline(AmberBack.outline, px));
}

// The front flap tilted forward, showing what lies in the folder.
void FolderOpenFront(QPainter& painter, double px)
{
    QPainterPath front;
    front.moveTo(7.0, 13.5);
    front.lineTo(31.0, 13.5);
    front.lineTo(28.5, 26.5);
    front.lineTo(2.5, 26.5);
    front.closeSubpath();
    Fill(painter, front, Vertical(Amber, 13.5, 26.5), Outline(Amber.outline, px));
}

} // namespace

namespace IconArt {

void ChartLine(QPainter& painter, double px)
{
    QPainterPath panel;
    panel.addRoundedRect(QRectF(2.5, 3.5, 27.0, 25.0), 3.5, 3.5);
    Fill(painter, panel, Vertical(Paper, 3.5, 28.5), Outline(Blue.outline, px));

    painter.setPen(Outline(ChartGrid, px));
    for (double y : {9.5, 15.5, 21.5})
        painter.drawLine(QPointF(7.0, y), QPointF(26.5, y));

    QPolygonF curve;
    curve << QPointF(7.0, 22.0) << QPointF(11.5, 15.0) << QPointF(15.5, 18.5) << QPointF(20.5, 10.0)
          << QPointF(26.0, 7.5);
    QPolygonF area = curve;
    area << QPointF(26.0, 24.5) << QPointF(7.0, 24.5);
    QColor shade = ChartCurve;
    shade.setAlpha(70);
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    painter.drawPolygon(area);

    painter.setPen(Outline(ChartAxis, px));
    painter.drawLine(QPointF(6.5, 6.5), QPointF(6.5, 24.5));
    painter.drawLine(QPointF(6.5, 24.5), QPointF(26.5, 24.5));

    QPen pen(ChartCurve, std::max(2.4, 1.5 * px));
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(curve);
}

void FolderDocument(QPainter& painter, double px)
{
    FolderBack(painter, px);
    Page(painter, px, QRectF(8.5, 2.5, 16.0, 18.0), 4.0);
    TextLines(painter, px, 11.0, 20.0, 7.5, 3);
    FolderOpenFront(painter, px);
}

void FolderClosed(QPainter& painter, double px)
{
    FolderBack(painter, px);
    QPainterPath front;
    front.addRect(QRectF(2.5, 11.5, 26.0, 15.0));
    Fill(painter, front, Vertical(Amber, 11.5, 26.5), Outline(Amber.outline, px));
    painter.setPen(Outline(QColor(255, 255, 255, 150), px));
    painter.drawLine(QPointF(3.5, 12.5 + 0.5 * px), QPointF(27.5, 12.5 + 0.5 * px));
}

void FolderInto(QPainter& painter, double px)
{
    FolderBack(painter, px);
    Arrow(painter, px, QPointF(16.5, 1.0), QPointF(16.5, 18.0), Green, 5.0, 11.0);
    FolderOpenFront(painter, px);
}

void DocumentInto(QPainter& painter, double px)
{
    const QRectF page(10.5, 2.5, 19.0, 27.0);
    Page(painter, px, page);
    // A small table: the CSV file.
    const QRectF table(13.5, 10.5, 13.0, 15.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xD6, 0xE5, 0xF7));
    painter.drawRect(table);
    painter.setBrush(Blue.dark);
    painter.drawRect(QRectF(table.left(), table.top(), table.width(), 3.75));
    painter.setPen(Outline(Blue.outline, px));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(table);
    painter.setPen(Outline(QColor(0x7F, 0xA6, 0xD6), px));
    for (int row = 2; row < 4; ++row)
        painter.drawLine(QPointF(table.left(), table.top() + 3.75 * row),
            QPointF(table.right(), table.top() + 3.75 * row));
    painter.drawLine(QPointF(table.left() + 6.5, table.top() + 3.75),
        QPointF(table.left() + 6.5, table.bottom()));
    Arrow(painter, px, QPointF(1.0, 19.0), QPointF(16.0, 19.0), Green);
}

void DocumentChart(QPainter& painter, double px)
{
    const QRectF page(6.5, 2.5, 19.0, 27.0);
    Page(painter, px, page);
    TextLines(painter, px, 9.5, 17.5, 6.5, 1);
    Chart(painter, px, QRectF(9.5, 11.5, 13.0, 14.0), 2.4);
}

void CopyChart(QPainter& painter, double px)
{
    Page(painter, px, QRectF(2.5, 1.5, 17.0, 22.0), 5.0);
    TextLines(painter, px, 5.5, 13.5, 6.5, 4);
    Page(painter, px, QRectF(11.5, 8.5, 18.0, 22.0), 5.0);
    Chart(painter, px, QRectF(14.5, 15.5, 12.0, 11.5), 2.4);
}

void Exit(QPainter& painter, double px)
{
    QPainterPath doorway;
    doorway.addRect(QRectF(6.5, 3.5, 15.0, 25.0));
    Fill(painter, doorway, Vertical(Doorway, 3.5, 28.5), Outline(Doorway.outline, px));

    // The door leaf swung open towards the viewer, hinged on the left.
    QPainterPath leaf;
    leaf.moveTo(6.5, 3.5);
    leaf.lineTo(14.5, 6.0);
    leaf.lineTo(14.5, 31.0);
    leaf.lineTo(6.5, 28.5);
    leaf.closeSubpath();
    Fill(painter, leaf, Vertical(Wood, 3.5, 31.0), Outline(Wood.outline, px));
    painter.setPen(Outline(QColor(0x7A, 0x58, 0x10), px));
    painter.setBrush(QColor(0xF4, 0xD0, 0x5A));
    painter.drawEllipse(QPointF(12.5, 18.0), 1.2, 1.2);

    Arrow(painter, px, QPointF(15.0, 16.5), QPointF(31.0, 16.5), Red, 5.0, 11.0);
}

void Globe(QPainter& painter, double px)
{
    const QPointF center(16.0, 16.0);
    const double radius = 13.5;
    QPainterPath ball;
    ball.addEllipse(center, radius, radius);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Sphere(Blue, QPointF(12.0, 11.0), 19.0));
    painter.drawPath(ball);

    painter.save();
    painter.setClipPath(ball);
    QPen grid(QColor(255, 255, 255, 175), std::max(1.1, px));
    painter.setPen(grid);
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(QPointF(16.0, 2.0), QPointF(16.0, 30.0));
    painter.drawEllipse(center, 6.5, radius);
    painter.drawLine(QPointF(2.0, 16.0), QPointF(30.0, 16.0));
    // The two parallels bow a little, as seen on a sphere.
    for (double sign : {-1.0, 1.0}) {
        QPainterPath parallel;
        const double y = 16.0 + sign * 7.5;
        parallel.moveTo(3.0, y - sign * 1.0);
        parallel.quadTo(QPointF(16.0, y + sign * 1.6), QPointF(29.0, y - sign * 1.0));
        painter.drawPath(parallel);
    }
    painter.restore();

    painter.setPen(Outline(Blue.outline, px));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(ball);
}

void Information(QPainter& painter, double px)
{
    const QPointF center(16.0, 16.0);
    QPainterPath disc;
    disc.addEllipse(center, 13.5, 13.5);
    Fill(painter, disc, Sphere(Blue, QPointF(12.0, 11.0), 19.0), Outline(Blue.outline, px));

    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(16.0, 9.0), 2.4, 2.4);
    QPainterPath stem;
    stem.addRoundedRect(QRectF(13.9, 13.0, 4.2, 11.5), 0.8, 0.8);
    stem.addRect(QRectF(12.5, 13.0, 2.0, 1.8));
    stem.addRect(QRectF(12.5, 22.7, 7.0, 1.8));
    stem.setFillRule(Qt::WindingFill);
    painter.drawPath(stem.simplified());
}

void Light(QPainter& painter, double px)
{
    QPainterPath glass;
    glass.addEllipse(QPointF(16.0, 11.5), 9.5, 9.5);
    QPainterPath neck;
    neck.moveTo(9.5, 16.0);
    neck.lineTo(22.5, 16.0);
    neck.quadTo(QPointF(20.0, 18.5), QPointF(20.0, 22.0));
    neck.lineTo(12.0, 22.0);
    neck.quadTo(QPointF(12.0, 18.5), QPointF(9.5, 16.0));
    neck.closeSubpath();
    glass = glass.united(neck);
    Fill(painter, glass, Sphere(Bulb, QPointF(13.5, 8.5), 13.0), Outline(Bulb.outline, px));

    // The filament glowing in the middle of the glass.
    QPen filament(QColor(0xD9, 0x6A, 0x12), std::max(1.1, px));
    filament.setJoinStyle(Qt::RoundJoin);
    filament.setCapStyle(Qt::RoundCap);
    painter.setPen(filament);
    painter.setBrush(Qt::NoBrush);
    QPolygonF wire;
    wire << QPointF(14.0, 21.5) << QPointF(14.0, 14.5) << QPointF(15.0, 11.5) << QPointF(16.0, 14.0)
         << QPointF(17.0, 11.5) << QPointF(18.0, 14.5) << QPointF(18.0, 21.5);
    painter.drawPolyline(wire);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 190));
    painter.drawEllipse(QPointF(12.0, 8.0), 2.0, 3.0);

    // Screw base with two threads and the contact tip.
    QLinearGradient metal(11.5, 0.0, 20.5, 0.0);
    metal.setColorAt(0.0, Metal.dark);
    metal.setColorAt(0.35, Metal.light);
    metal.setColorAt(1.0, Metal.dark);
    QPainterPath base;
    base.addRoundedRect(QRectF(11.5, 21.5, 9.0, 6.0), 1.0, 1.0);
    Fill(painter, base, metal, Outline(Metal.outline, px));
    painter.setPen(Outline(Metal.outline, px));
    painter.drawLine(QPointF(12.0, 23.5), QPointF(20.0, 24.0));
    painter.drawLine(QPointF(12.0, 25.5), QPointF(20.0, 26.0));
    QPainterPath tip;
    tip.addRoundedRect(QRectF(13.5, 27.5, 5.0, 2.5), 1.2, 1.2);
    Fill(painter, tip, QColor(0x5C, 0x64, 0x6E), Outline(Metal.outline, px));
}

}
