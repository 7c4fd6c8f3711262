#pragma once

#include <QPen>
#include <QString>
#include <QVariant>
#include <QVector>
#include <qwt_plot.h>

class QwtPlotPanner;
class TimeAxisLabelFitter;

// The interactive plot of one opened data file: a time axis at the bottom, a value axis on the
// left, a checkable legend on the right whose entries hide and show their curves, a rectangle
// zoomer with an always-on tracker and a panner on Ctrl + left button. It knows nothing about
// trend files: the main window gives it titles and curves.
class TrendPlot : public QwtPlot {
    Q_OBJECT

public:
    class TimeScaleDraw;
    class TrendPlotZoomer;

    explicit TrendPlot(QWidget* parent = nullptr);
    ~TrendPlot() override;

    // Adds one curve (x = time stamps in ms since 1970, y = values) and restarts the zoom stack
    // from the resulting full view. An empty series or one whose vectors differ in length is
    // skipped silently and takes no colour. The vectors are shared, not copied.
    void AddCurve(
        const QVector<double>& times, const QVector<double>& values, const QString& title);

    // Pen of the next curve in the 20-colour cycle.
    QPen NextPen();

public slots:
    // A checked legend entry hides its curve, an unchecked one shows it; the axes keep the
    // ranges they show, zoomed or not.
    void legend_item_ckecked(const QVariant& itemInfo, bool on, int index);

private:
    int colorIndex = 0;
    TimeScaleDraw* timeScaleDraw = nullptr;
    QwtPlotPanner* panner = nullptr;
    TrendPlotZoomer* zoomer = nullptr;
    TimeAxisLabelFitter* m_timeAxisFitter = nullptr;
};
