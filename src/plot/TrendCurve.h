#pragma once

#include <QRect>
#include <QString>
#include <QVector>
#include <qwt_plot_curve.h>

class TrendSeriesData;

// A plot curve for long trend recordings. It is a plain QwtPlotCurve (style, pen, legend and
// samples behave as with setSamples; the bounding rectangle covers the finite values only, the
// title is plain text) whose line drawing paints only what the output can show: per column of the
// visible range it keeps the first and the last sample, their neighbours and the smallest and the
// largest sample between them, so a spike of a single sample never disappears, and draws that
// polyline through Qwt's own mapping, clipping and painting. Columns are found by searching out
// from where the next one starts if it is as wide as the last one, when the times never decrease
// (checked once per curve), and the extremes come from a min/max index, so a repaint costs about
// the same for a thousand samples as for sixty million. Times out of order merge runs of consecutive samples that fall into the same column
// instead. On whole pixels with a thin opaque pen, a dense column whose pixels are one run is
// filled as a rectangle one pixel wide, and the segments between two such columns that paint
// nothing outside them are left out: Qt's raster engine strokes lines pixel by pixel but fills
// rectangles in spans, so the picture stays the same in a fraction of the time. A value that
// the scale cannot map to a pixel (an infinity) is drawn as a stroke to the canvas edge on its
// side, at its time.
//
// On painters that map to whole device pixels (widgets, pixmaps, images at the plot's own
// resolution) a column is one pixel and the picture equals the full drawing. A scaled painter on
// an image (a raster export at another resolution) cuts sixteen columns per image pixel. Vector
// painters (SVG, PDF, PostScript) cut columns of 1/dpi inch, dpi being the larger of the paint
// device's resolution and VectorResolution(): documents of huge recordings stay small while the
// curve is still resolved finer than the document is printed. Where the raster engine strokes the
// pen as an outline (a scaled painter), the polyline is drawn in short pieces that leave the
// picture as one piece would draw it, since one long outline takes the engine quadratic time.
class TrendCurve : public QwtPlotCurve {
public:
    // Column resolution for vector output unless set otherwise: finer than the 170 dpi at which
    // plots are exported, coarse enough to keep such documents small.
    static constexpr double DefaultVectorResolution = 300.0;

    explicit TrendCurve(const QString& title = QString());

    // Shares both vectors (no copy). They must be equally long.
    void SetSeries(const QVector<double>& times, const QVector<double>& values);
    const TrendSeriesData* Series() const;

    // Columns per inch for vector outputs (SVG, PDF, PostScript); the paint device's own
    // resolution is used when it is finer. 0 or less draws every sample on any output that does
    // not map to whole device pixels.
    void SetVectorResolution(double dotsPerInch);
    double VectorResolution() const { return m_vectorResolution; }

    // Number of points handed to the painter by the last line drawing, before clipping.
    int LastDrawnPointCount() const { return m_lastDrawnPointCount; }
    // Number of pixel columns the last line drawing filled as rectangles.
    int LastFilledColumnCount() const { return m_lastFilledColumnCount; }

    // The union of runs one pixel wide, ordered by column, as few disjoint rectangles: rows that
    // begin and end at the same columns share one. The raster engine fills a rectangle row by
    // row, so a row of a wide one costs about what a single pixel of a one pixel wide run costs.
    // Going from column to column only the rows where one run differs from the last are visited.
    static QVector<QRect> MergeColumnRuns(const QVector<QRect>& runs);

protected:
    void drawLines(QPainter* painter, const QwtScaleMap& xMap, const QwtScaleMap& yMap,
        const QRectF& canvasRect, int from, int to) const override;

private:
    bool CanReduce() const;

    double m_vectorResolution = DefaultVectorResolution;
    mutable int m_lastDrawnPointCount = 0;
    mutable int m_lastFilledColumnCount = 0;
};
