#include "TrendCurve.h"

#include "TrendSeriesData.h"

#include <QPaintDevice>
#include <QPainter>
#include <QLineF>
#include <QPen>
#include <QRect>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <vector>
#include <qwt_clipper.h>
#include <qwt_painter.h>
#include <qwt_point_mapper.h>
#include <qwt_scale_map.h>
#include <qwt_text.h>

namespace {

// Columns per device pixel where a scaled painter draws on an image.
constexpr double ScaledRasterColumnsPerPixel = 16.0;

// Columns of many samples ahead of the one being worked on whose samples are asked for: far
// enough for the loads to arrive in time, near enough for them to stay in the cache.
constexpr int ColumnsAhead = 8;

// Asks for the cache line of `at` to be loaded.
inline void Prefetch(const double* at)
{
#if defined(__GNUC__) || defined(__clang__)
    __builtin_prefetch(at);
#else
    Q_UNUSED(at)
#endif
}

// Qwt rounds mapped points half away from zero when it aligns them to pixels; the columns have
// to be cut where its rounding puts them.
inline double RoundHalfAwayFromZero(double value)
{
    return value >= 0.0 ? std::floor(value + 0.5) : std::ceil(value - 0.5);
}

// Turns the samples chosen for each column into the points of the reduced polyline.
//
// Within one pixel column all of a column's points share their x position, so the full polyline
// there is a zig-zag of vertical strokes. Qt's thin-line rasterizer paints a vertical stroke
// without its lower end pixel and paints that pixel only where a stroke turns back up (it caps
// direction reversals). So the column's lowest pixel shows exactly when the full polyline turns
// there between its first and last sample; a reduced column has to turn there too, and must
// not let the turn melt into its first or last point (Qwt drops repeated points). On outputs
// that do not align to pixels the points keep the order of the samples instead.
class ColumnEmitter {
public:
    ColumnEmitter(QVector<QPointF>& points, const double* x, const double* y,
        const QwtScaleMap& yMap, bool align)
        : m_points(points)
        , m_x(x)
        , m_y(y)
        , m_yMap(yMap)
        , m_align(align)
    {
    }

    void Single(int index) { Append(index); }

    // first and last bound the column; minIndex and maxIndex are the extremes of the samples
    // from first + 2 to last - 2 (any value when there are none). A column at an infinite
    // position or with a value off the value map (infinite, or too large for the scale) among
    // the samples that the reduction looks at keeps all its samples: such values are drawn at the
    // canvas edge, so the order of the values says nothing about the order of the pixels there.
    void Column(double column, int first, int minIndex, int maxIndex, int last)
    {
        if (last - first < 4 || !std::isfinite(column)
            || !AllMapped({first, first + 1, minIndex, maxIndex, last - 1, last})) {
            for (int i = first; i <= last; ++i)
                Append(i);
            return;
        }
        // The neighbours of the first and the last sample keep the directions in which the
        // polyline leaves the column's first point and reaches its last one.
        const int head = first + 1;
        const int tail = last - 1;
        Append(first);
        Append(head);
        if (!m_align) {
            Append(std::min(minIndex, maxIndex));
            if (minIndex != maxIndex)
                Append(std::max(minIndex, maxIndex));
        } else {
            // In pixel rows, "bottom" is the larger row, whichever way the value axis points.
            int top = minIndex;
            int bottom = maxIndex;
            if (Row(top) > Row(bottom))
                std::swap(top, bottom);
            const double bottomRow = Row(bottom);
            const bool headOnBottom = Row(head) == bottomRow;
            const bool tailOnBottom = Row(tail) == bottomRow;
            if (Row(head) > bottomRow || Row(tail) > bottomRow) {
                // The column's lowest pixel is not among the inner extremes.
                Append(top);
                Append(bottom);
            } else if (headOnBottom && tailOnBottom) {
                Append(top);
                Append(bottom);
                Append(top);
            } else if (tailOnBottom) {
                Append(bottom);
                Append(top);
            } else {
                Append(top);
                Append(bottom);
            }
        }
        Append(tail);
        Append(last);
    }

    double Row(int index) const { return RoundHalfAwayFromZero(m_yMap.transform(m_y[index])); }

private:
    bool AllMapped(std::initializer_list<int> indices) const
    {
        bool finite = true;
        for (const int i : indices)
            finite &= std::isfinite(m_yMap.transform(m_y[i]));
        return finite;
    }

    void Append(int index) { m_points.append(QPointF(m_x[index], m_y[index])); }

    QVector<QPointF>& m_points;
    const double* m_x;
    const double* m_y;
    const QwtScaleMap& m_yMap;
    bool m_align;
};

// Whether the raster engine strokes the pen as a filled outline (its fast path for pens of at
// most one device pixel draws lines directly, in linear time).
bool IsOutlinedOnRaster(const QPainter& painter)
{
    const QPen pen = painter.pen();
    const double width = std::max(1.0, pen.widthF());
    if (pen.isCosmetic())
        return width > 1.0;
    const QTransform transform = painter.combinedTransform();
    const double scale = std::sqrt(std::abs(transform.determinant()));
    return width * scale > 1.0;
}

void DrawPolylineInOnePiece(QPainter* painter, const QPolygonF& polyline)
{
    const bool splitting = QwtPainter::polylineSplitting();
    QwtPainter::setPolylineSplitting(false);
    QwtPainter::drawPolyline(painter, polyline);
    QwtPainter::setPolylineSplitting(splitting);
}

// A stroke from `from` toward `toward`, so short that its far end stays inside the stroke of the
// segment between the two: with the pen's caps it draws the cap at `from`.
QPointF StubEnd(const QPointF& from, const QPointF& toward)
{
    const double length = QLineF(from, toward).length();
    if (!(length > 0.0) || !std::isfinite(length))
        return from;
    return from + (toward - from) * (std::min(length, 1.0 / 64.0) / length);
}

// Draws a long polyline with a wide pen on the raster engine in linear time and with the pixels
// of one piece: pieces with flat ends that meet at a shared point, the pen's join at each such
// point drawn by a stub of two short strokes, and the pen's caps only at the two real ends.
// Painting a pixel twice shows only with translucent or smoothed pens; those get Qwt's own
// cutting, as a plain curve does.
void DrawOutlinedPolyline(QPainter* painter, const QPolygonF& polyline)
{
    constexpr int MaxPieceSize = 64;
    constexpr double MaxPieceExtent = 4.0;
    const int count = polyline.size();
    const QPen pen = painter->pen();
    if (count <= MaxPieceSize) {
        DrawPolylineInOnePiece(painter, polyline);
        return;
    }
    if (pen.color().alpha() != 255 || pen.brush().style() != Qt::SolidPattern
        || painter->testRenderHint(QPainter::Antialiasing)) {
        QwtPainter::drawPolyline(painter, polyline);
        return;
    }
    const QPointF* points = polyline.constData();
    if (pen.capStyle() != Qt::FlatCap) {
        int first = 1;
        while (first < count - 1 && points[first] == points[0])
            ++first;
        painter->drawLine(QLineF(points[0], StubEnd(points[0], points[first])));
        int last = count - 2;
        while (last > 0 && points[last] == points[count - 1])
            --last;
        painter->drawLine(QLineF(points[count - 1], StubEnd(points[count - 1], points[last])));
    }
    QPen flat(pen);
    flat.setCapStyle(Qt::FlatCap);
    painter->setPen(flat);
    // The engine's time grows with the number of pixels that one outline touches, not with its
    // points: a piece ends after MaxPieceSize points or once it spans MaxPieceExtent device
    // pixels across, so that zig-zags within a column go in long pieces and wide strokes across
    // many columns in short ones.
    const QTransform transform = painter->combinedTransform();
    const double maxExtent = MaxPieceExtent / std::sqrt(std::abs(transform.determinant()));
    for (int start = 0;;) {
        int end = start + 1;
        double left = std::min(points[start].x(), points[end].x());
        double right = std::max(points[start].x(), points[end].x());
        while (end + 1 < count && end - start + 1 < MaxPieceSize) {
            const double x = points[end + 1].x();
            left = std::min(left, x);
            right = std::max(right, x);
            if (right - left > maxExtent)
                break;
            ++end;
        }
        painter->drawPolyline(points + start, end - start + 1);
        if (end >= count - 1)
            break;
        const QPointF join[3] = {StubEnd(points[end], points[end - 1]), points[end],
            StubEnd(points[end], points[end + 1])};
        painter->drawPolyline(join, 3);
        start = end;
    }
    painter->setPen(pen);
}

// Whether a thin opaque pen on whole pixels paints exactly what a filled one pixel wide rectangle
// paints: Qt's raster engine draws such lines pixel by pixel, the fill in spans.
bool CanFillColumns(const QPainter& painter)
{
    const QPen pen = painter.pen();
    const QTransform transform = painter.combinedTransform();
    const QPaintEngine* engine = painter.paintEngine();
    return engine && engine->type() == QPaintEngine::Raster && !IsOutlinedOnRaster(painter)
        && pen.style() == Qt::SolidLine && pen.brush().style() == Qt::SolidPattern
        && pen.color().alpha() == 255 && !painter.testRenderHint(QPainter::Antialiasing)
        && painter.compositionMode() == QPainter::CompositionMode_SourceOver
        && transform.type() <= QTransform::TxTranslate
        && transform.dx() == std::round(transform.dx())
        && transform.dy() == std::round(transform.dy());
}

// Where a column of the reduced polyline starts and ends in it, and, for a dense column that is
// filled, the rows it fills and the short strokes that stand in for it where the polyline enters
// and leaves it.
struct ColumnSpan {
    int begin; // first point in the reduced polyline
    int end; // last point
    double column = 0.0;
    bool filled = false;
    double top = 0.0, bottom = 0.0, firstRow = 0.0, lastRow = 0.0;
    // The last row filled: bottom, or bottom - 1 where the polyline does not turn there.
    double fillBottom = 0.0;
    QPointF entry[2] {}, exit[2] {};
};

// Whether no value from..to maps to an infinite pixel.
bool AllMapped(const TrendSeriesData& series, const QwtScaleMap& yMap, int from, int to)
{
    constexpr double Largest = std::numeric_limits<double>::max();
    if (series.ValuesFinite() && !std::isinf(yMap.transform(Largest))
        && !std::isinf(yMap.transform(-Largest)))
        return true;
    const double* y = series.Values().constData();
    bool mapped = true;
    for (int i = from; i <= to; ++i)
        mapped &= !std::isinf(yMap.transform(y[i]));
    return mapped;
}

} // namespace

// Curve titles are cylinder names from the configuration: shown as written, never as markup
// (which would also load any picture that a name points at).
TrendCurve::TrendCurve(const QString& title)
    : QwtPlotCurve(QwtText(title, QwtText::PlainText))
{
}

void TrendCurve::SetSeries(const QVector<double>& times, const QVector<double>& values)
{
    setData(new TrendSeriesData(times, values));
}

const TrendSeriesData* TrendCurve::Series() const
{
    return dynamic_cast<const TrendSeriesData*>(data());
}

QVector<QRect> TrendCurve::MergeColumnRuns(const QVector<QRect>& runs)
{
    QVector<QRect> merged;
    if (runs.isEmpty())
        return merged;
    int minRow = runs.first().top();
    int maxRow = runs.first().bottom();
    for (const QRect& run : runs) {
        minRow = std::min(minRow, run.top());
        maxRow = std::max(maxRow, run.bottom());
    }
    // For each row, the column where its open rectangle began.
    std::vector<int> opened(size_t(maxRow - minRow + 1));
    const auto start = [&](int row) -> int& { return opened[size_t(row - minRow)]; };
    const auto close = [&](int from, int to, int column) {
        for (int y = from; y <= to;) {
            int z = y;
            while (z < to && start(z + 1) == start(y))
                ++z;
            merged.append(QRect(start(y), y, column - start(y), z - y + 1));
            y = z + 1;
        }
    };
    const auto open = [&](int from, int to, int column) {
        for (int y = from; y <= to; ++y)
            start(y) = column;
    };
    int column = runs.first().left();
    int top = runs.first().top();
    int bottom = runs.first().bottom();
    open(top, bottom, column);
    for (int k = 1; k < runs.size(); ++k) {
        const QRect& run = runs[k];
        const int t = run.top();
        const int b = run.bottom();
        if (run.left() != column + 1) {
            close(top, bottom, column + 1);
            open(t, b, run.left());
        } else {
            close(top, std::min(bottom, t - 1), run.left());
            close(std::max(top, b + 1), bottom, run.left());
            open(t, std::min(b, top - 1), run.left());
            open(std::max(t, bottom + 1), b, run.left());
        }
        column = run.left();
        top = t;
        bottom = b;
    }
    close(top, bottom, column + 1);
    return merged;
}

void TrendCurve::SetVectorResolution(double dotsPerInch) { m_vectorResolution = dotsPerInch; }

bool TrendCurve::CanReduce() const
{
    // Fitting and filling work on the whole polygon; leave them to Qwt.
    if (testCurveAttribute(Fitted) && curveFitter())
        return false;
    if (brush().style() != Qt::NoBrush && brush().color().alpha() > 0)
        return false;
    return Series() != nullptr;
}

void TrendCurve::drawLines(QPainter* painter, const QwtScaleMap& xMap, const QwtScaleMap& yMap,
    const QRectF& canvasRect, int from, int to) const
{
    m_lastFilledColumnCount = 0;
    if (from > to)
        return;
    const bool align = QwtPainter::roundingAlignment(painter);

    // Off whole pixels the columns are cut in device space:
    // column = floor((paint x * scale + offset) * columnsPerDeviceUnit).
    double scale = 1.0;
    double offset = 0.0;
    double columnsPerDeviceUnit = 1.0;
    bool reduce = CanReduce();
    if (reduce && !align) {
        const QTransform transform = painter->combinedTransform();
        const QPaintDevice* device = painter->device();
        const double deviceDpi = device && device->logicalDpiX() > 0 ? device->logicalDpiX() : 96.0;
        const QPaintEngine* engine = painter->paintEngine();
        const bool raster = engine && engine->type() == QPaintEngine::Raster;
        if (raster) {
            // A scaled painter on an image (a raster export at its own resolution): points land
            // between pixels, where no reduction is exact; sixteen columns per pixel keep the
            // difference to a few pixels on the edges of a dense band.
            columnsPerDeviceUnit = ScaledRasterColumnsPerPixel;
        } else {
            columnsPerDeviceUnit = std::max(deviceDpi, m_vectorResolution) / deviceDpi;
        }
        scale = transform.m11();
        offset = transform.dx();
        reduce = m_vectorResolution > 0.0 && !transform.isRotating() && scale > 0.0
            && std::isfinite(scale) && std::isfinite(offset);
        // A column keeps up to six samples: a document of fewer samples gains nothing, and Qwt
        // maps them without the detour.
        if (!raster && to - from + 1 <= 6.0 * canvasRect.width() * scale * columnsPerDeviceUnit)
            reduce = false;
    }
    const TrendSeriesData* series = Series();
    if (!reduce && (series == nullptr || AllMapped(*series, yMap, from, to))) {
        m_lastDrawnPointCount = to - from + 1;
        QwtPlotCurve::drawLines(painter, xMap, yMap, canvasRect, from, to);
        return;
    }

    const double* x = series->Times().constData();
    const double* y = series->Values().constData();
    const MinMaxIndex& index = series->ValueIndex();
    const auto column = [&](double time) {
        const double p = xMap.transform(time);
        return align ? RoundHalfAwayFromZero(p)
                     : std::floor((p * scale + offset) * columnsPerDeviceUnit);
    };

    // Qwt clips the polyline to the canvas grown by the pen width; what lies beyond cannot show.
    const double penWidth = std::max(1.0, painter->pen().widthF());
    const QRectF clipRect = canvasRect.adjusted(-penWidth, -penWidth, penWidth, penWidth);

    QVector<QPointF> reduced;
    ColumnEmitter columns(reduced, x, y, yMap, align);

    const bool increasingMap = (xMap.p2() - xMap.p1()) * (xMap.s2() - xMap.s1()) > 0.0;
    // Dense columns whose first and last samples lie strictly inside their run of pixels are
    // filled as rectangles one pixel wide; only the rest of the polyline is stroked.
    const bool fillColumns = reduce && align && series->TimesNonDecreasing() && increasingMap
        && testPaintAttribute(FilterPoints) && CanFillColumns(*painter);
    const QRectF fillArea(std::ceil(canvasRect.left()), std::ceil(canvasRect.top()),
        std::floor(canvasRect.right()) - std::ceil(canvasRect.left()) - 1.0,
        std::floor(canvasRect.bottom()) - std::ceil(canvasRect.top()) - 1.0);
    std::vector<ColumnSpan> spans;
    if (!reduce) {
        // Few samples, or a fill or fit that needs them all, with values off the value map.
        reduced.reserve(to - from + 1);
        for (int i = from; i <= to; ++i)
            columns.Single(i);
    } else if (series->TimesNonDecreasing() && increasingMap) {
        // Columns grow with the index: find the visible ones by binary search and keep one
        // sample on each side, whose segments lead into the canvas.
        const double firstColumn = align
            ? std::floor(clipRect.left()) - 1.0
            : std::floor((clipRect.left() * scale + offset) * columnsPerDeviceUnit) - 1.0;
        const double lastColumn = align
            ? std::ceil(clipRect.right()) + 1.0
            : std::floor((clipRect.right() * scale + offset) * columnsPerDeviceUnit) + 1.0;
        const auto searchFrom = [&](int lo, int hi, double limit) {
            // First index in [lo, hi) whose column is above limit.
            while (lo < hi) {
                const int mid = lo + (hi - lo) / 2;
                if (column(x[mid]) <= limit)
                    lo = mid + 1;
                else
                    hi = mid;
            }
            return lo;
        };
        // The same, searching outward from `guess`, where the next column starts if it is as
        // wide as the last one: recordings are sampled at a steady rate, so the guess is mostly
        // right and the search reads the two samples around it, which were loaded ahead,
        // instead of a dozen samples spread over the column.
        int width = 1;
        const auto nextColumn = [&](int lo, int hi, double limit) {
            const int guess = std::min(lo - 1 + width, hi);
            if (guess < hi && column(x[guess]) <= limit) {
                int below = guess + 1; // column(x[below - 1]) <= limit
                for (int step = 1;; step *= 2) {
                    const int probe = below + step - 1;
                    if (probe >= hi)
                        return searchFrom(below, hi, limit);
                    if (column(x[probe]) > limit)
                        return searchFrom(below, probe, limit);
                    below = probe + 1;
                }
            }
            int above = guess; // above == hi or column(x[above]) > limit
            for (int step = 1;; step *= 2) {
                const int probe = above - step;
                if (probe < lo)
                    return searchFrom(lo, above, limit);
                if (column(x[probe]) <= limit)
                    return searchFrom(probe + 1, above, limit);
                above = probe;
            }
        };
        const int end = to + 1;
        const int begin = searchFrom(from, end, firstColumn - 1.0);
        const int visibleEnd = searchFrom(begin, end, lastColumn);
        reduced.reserve(static_cast<int>(7 * (lastColumn - firstColumn + 3)));
        const auto single = [&](int i) {
            if (fillColumns)
                spans.push_back(ColumnSpan {reduced.size(), reduced.size()});
            columns.Single(i);
        };
        if (begin > from)
            single(begin - 1);
        // Three sweeps over the visible columns, each loading ahead what its next columns read:
        // their bounds, their extremes from the index, and their points. The columns of a long
        // recording lie far apart in memory; in one sweep each would wait for its samples.
        std::vector<int> bounds; // first sample of each column, then visibleEnd
        bounds.reserve(static_cast<size_t>(lastColumn - firstColumn + 3));
        for (int i = begin; i < visibleEnd;) {
            bounds.push_back(i);
            const int next = nextColumn(i + 1, visibleEnd, column(x[i]));
            width = next - i;
            // The times around where the column ColumnsAhead further on probably starts.
            if (width >= 64 && (visibleEnd - next) / ColumnsAhead > width) {
                Prefetch(x + next + ColumnsAhead * width - 1);
                Prefetch(x + next + ColumnsAhead * width);
            }
            i = next;
        }
        const int columnCount = static_cast<int>(bounds.size());
        bounds.push_back(visibleEnd);
        // The extremes of the samples from first + 2 to last - 2 of each column.
        std::vector<int> innerFirst(columnCount);
        std::vector<int> innerLast(columnCount);
        for (int k = 0; k < columnCount; ++k) {
            const bool dense = bounds[k + 1] - bounds[k] >= 5;
            innerFirst[k] = dense ? bounds[k] + 2 : bounds[k];
            innerLast[k] = dense ? bounds[k + 1] - 3 : bounds[k];
        }
        std::vector<int> minIndices(columnCount);
        std::vector<int> maxIndices(columnCount);
        index.FindEach(innerFirst.data(), innerLast.data(), columnCount, minIndices.data(),
            maxIndices.data());
        for (int k = 0; k < columnCount; ++k) {
            if (k + ColumnsAhead < columnCount) {
                for (const int at : {minIndices[k + ColumnsAhead], maxIndices[k + ColumnsAhead]}) {
                    Prefetch(x + at);
                    Prefetch(y + at);
                }
            }
            const int i = bounds[k];
            const int last = bounds[k + 1] - 1;
            const double c = column(x[i]);
            const int minIndex = minIndices[k];
            const int maxIndex = maxIndices[k];
            const int pointsBefore = reduced.size();
            columns.Column(c, i, minIndex, maxIndex, last);
            if (fillColumns) {
                ColumnSpan span {pointsBefore, reduced.size() - 1, c};
                if (last - i >= 4 && c >= fillArea.left() && c <= fillArea.right()) {
                    span.top = span.bottom = span.firstRow = columns.Row(i);
                    span.lastRow = columns.Row(last);
                    bool mapped = std::isfinite(span.top);
                    for (const int at : {i + 1, minIndex, maxIndex, last - 1, last}) {
                        const double row = columns.Row(at);
                        mapped &= std::isfinite(row);
                        span.top = std::min(span.top, row);
                        span.bottom = std::max(span.bottom, row);
                    }
                    span.filled
                        = mapped && span.top >= fillArea.top() && span.bottom <= fillArea.bottom();
                }
                spans.push_back(span);
            }
        }
        if (visibleEnd < end)
            single(visibleEnd);
    } else {
        // Times out of order (or a mirrored axis): merge runs of consecutive samples that fall
        // into the same column, which holds in any order.
        for (int i = from; i <= to;) {
            const double c = column(x[i]);
            int next = i + 1;
            while (next <= to && column(x[next]) == c)
                ++next;
            const int last = next - 1;
            int minIndex = i;
            int maxIndex = i;
            if (last - i >= 4) {
                minIndex = maxIndex = i + 2;
                for (int k = i + 3; k < last - 1; ++k) {
                    if (y[k] < y[minIndex])
                        minIndex = k;
                    if (y[k] > y[maxIndex])
                        maxIndex = k;
                }
            }
            columns.Column(c, i, minIndex, maxIndex, last);
            i = next;
        }
    }
    m_lastDrawnPointCount = reduced.size();
    if (reduced.isEmpty())
        return;

    // Qwt would map an infinite value to an infinite pixel and round that to an arbitrary one.
    // Such a sample is drawn on the canvas edge on its side, at its time: a stroke to the edge,
    // and a run of them a line along it. On whole pixels the bottom edge is the last row inside.
    const double top = canvasRect.top();
    const double bottom = align ? canvasRect.bottom() - 1.0 : canvasRect.bottom();
    for (QPointF& point : reduced) {
        const double row = yMap.transform(point.y());
        if (std::isinf(row))
            point.setY(yMap.invTransform(row < 0.0 ? top : bottom));
    }

    // From here on exactly what QwtPlotCurve does with the full series.
    QwtPointMapper mapper;
    mapper.setFlag(QwtPointMapper::RoundPoints, align);
    mapper.setFlag(QwtPointMapper::WeedOutPoints, testPaintAttribute(FilterPoints));
    mapper.setBoundingRect(canvasRect);
    const QPaintEngine* engine = painter->paintEngine();
    const bool outlined
        = engine && engine->type() == QPaintEngine::Raster && IsOutlinedOnRaster(*painter);
    const auto stroke = [&](const QVector<QPointF>& points) {
        const QwtPointSeriesData pointSeries(points);
        QPolygonF polyline = mapper.toPolygonF(xMap, yMap, &pointSeries, 0, points.size() - 1);
        if (testPaintAttribute(ClipPolygons))
            polyline = QwtClipper::clipPolygonF(clipRect, polyline, false);
        // Qwt cuts polylines into pieces of a few points on raster painters: the raster engine
        // fills a wide stroke as one outline, which takes quadratic time in its length. Every Qwt
        // cut adds end caps, so the picture would depend on where the cuts fall; the cuts here add
        // none.
        if (outlined)
            DrawOutlinedPolyline(painter, polyline);
        else
            DrawPolylineInOnePiece(painter, polyline);
    };
    if (!fillColumns) {
        stroke(reduced);
        return;
    }

    const auto row
        = [&](const QPointF& point) { return RoundHalfAwayFromZero(yMap.transform(point.y())); };
    // Within a dense column the polyline is a zig-zag of vertical strokes through all its rows, and
    // a stroke leaves out only its lower end pixel: rows top..bottom - 1 are painted whatever the
    // order of the samples. The bottom row is painted where the polyline turns back up there
    // between the column's first and last point; at those two points that depends on the strokes
    // to the neighbouring columns, which are drawn as the full polyline draws them: followed by
    // the column's first two strokes (`entry`) or preceded by its last two (`exit`), so that the
    // rasterizer ends the stroke between the columns as it does there.
    const auto plan = [&](ColumnSpan& span) {
        constexpr int MaxPoints = 8;
        const int n = span.end - span.begin + 1;
        if (n > MaxPoints)
            return false;
        double rows[MaxPoints];
        for (int k = 0; k < n; ++k)
            rows[k] = row(reduced[span.begin + k]);
        const double bottom = span.bottom;
        span.fillBottom = bottom - 1.0;
        for (int k = 1; k < n - 1; ++k) {
            if (rows[k] != bottom)
                continue;
            int before = k - 1;
            while (before > 0 && rows[before] == bottom)
                --before;
            int after = k + 1;
            while (after < n - 1 && rows[after] == bottom)
                ++after;
            if (rows[before] < bottom && rows[after] < bottom)
                span.fillBottom = bottom;
        }
        // The first two strokes from point `from` on (step 1) or back (step -1), the second cut
        // short inside the filled rows: the rasterizer decides each end pixel of a stroke from the
        // stroke before it.
        const auto stub = [&](int from, int step, QPointF* path) {
            int k = from;
            for (int stroke = 0; stroke < 2; ++stroke) {
                const int start = k;
                k += step;
                while (k > 0 && k < n - 1 && rows[k] == rows[start])
                    k += step;
                if (k <= 0 || k >= n - 1 || rows[k] == rows[start])
                    return false;
                double target = rows[k];
                if (stroke == 1) // two distinct rows: top < bottom, top <= fillBottom
                    target = std::clamp(rows[start] + std::clamp(rows[k] - rows[start], -2.0, 2.0),
                        span.top, span.fillBottom);
                path[stroke] = QPointF(reduced[span.begin + k].x(), yMap.invTransform(target));
                if (target == rows[start] || row(path[stroke]) != target)
                    return false;
            }
            return true;
        };
        return stub(0, 1, span.entry) && stub(n - 1, -1, span.exit);
    };
    for (ColumnSpan& span : spans)
        span.filled = span.filled && plan(span);

    // The segment between two filled neighbouring columns paints only pixels of their filled rows
    // (with a pixel to spare for the rasterizer's steps at its ends) and is left out; the rest of
    // the polyline is stroked in pieces that pass by filled columns on their entry and exit
    // strokes.
    const auto joined = [&](const ColumnSpan& a, const ColumnSpan& b) {
        const double low = std::min(a.lastRow, b.firstRow) - 1.0;
        const double high = std::max(a.lastRow, b.firstRow) + 1.0;
        return !(a.filled && b.filled && b.column == a.column + 1.0 && low >= std::max(a.top, b.top)
            && high <= std::min(a.fillBottom, b.fillBottom));
    };
    QVector<QRect> runs;
    QVector<QPointF> piece;
    for (size_t k = 0; k < spans.size(); ++k) {
        const ColumnSpan& span = spans[k];
        if (!span.filled) {
            for (int i = span.begin; i <= span.end; ++i)
                piece.append(reduced[i]);
            continue;
        }
        runs.append(QRect(int(span.column), int(span.top), 1, int(span.fillBottom - span.top) + 1));
        // Where the polyline itself starts or ends, its pen's cap shows as on the full polyline.
        if (!piece.isEmpty() || k == 0) {
            piece.append(reduced[span.begin]);
            piece.append(span.entry[0]);
            piece.append(span.entry[1]);
            stroke(piece);
            piece.clear();
        }
        if (k + 1 == spans.size() || joined(span, spans[k + 1])) {
            piece.append(span.exit[1]);
            piece.append(span.exit[0]);
            piece.append(reduced[span.end]);
        }
    }
    if (!piece.isEmpty())
        stroke(piece);
    m_lastFilledColumnCount = runs.size();
    if (!runs.isEmpty()) {
        const QPen pen = painter->pen();
        const QBrush brush = painter->brush();
        painter->setPen(Qt::NoPen);
        painter->setBrush(pen.color());
        painter->drawRects(MergeColumnRuns(runs));
        painter->setPen(pen);
        painter->setBrush(brush);
    }
}
