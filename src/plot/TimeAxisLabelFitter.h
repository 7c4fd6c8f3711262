#pragma once

#include <QObject>
#include <QSizeF>
#include <qwt_scale_div.h>

class QwtPlot;
class QwtScaleWidget;

// Keeps the labels of a plot's time axis readable. Each "MM-dd hh:mm:ss" label is far wider
// than a number, and the linear scale engine, left to its default of eight major steps, puts
// them into each other on a narrow or zoomed plot; the axis then also asks for room for all of
// them, which widens the window. The fitter chooses the ticks of the range the axis shows for
// the length it has, whenever the plot is shown or resized or its range changes, and gives the
// axis a permanent margin for its end labels so that this length does not follow the ticks.
// It never changes the range itself: before it replots, it pins both axes to the ranges they
// show, so that the automatic scaling, which does not know the plot is zoomed or that a curve
// has just been hidden, cannot pick new ones.
class TimeAxisLabelFitter : public QObject {
    Q_OBJECT

public:
    explicit TimeAxisLabelFitter(QwtPlot* plot);

    // Lays the plot out at its current size and sets the time axis ticks for it, keeping the
    // range; true when they changed, which takes a replot (or QwtPlot::updateAxes) to show.
    bool Fit();

    // While it lives, the time axis of the plot is drawn with ticks chosen for a rendering of the
    // plot into a rectangle of the given size, in the plot's own pixels (the renderer lays a
    // document out at the plot's resolution and scales the painter). Does nothing for a plot
    // without a fitter.
    class ForRendering {
    public:
        ForRendering(QwtPlot* plot, const QSizeF& size);
        ~ForRendering();
        ForRendering(const ForRendering&) = delete;
        ForRendering& operator=(const ForRendering&) = delete;

    private:
        QwtPlot* m_plot = nullptr;
        QwtScaleWidget* m_axis = nullptr;
        QwtScaleDiv m_shownTicks;
    };

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Width of the widest label the time format can give, in the axis font.
    int LabelWidth() const;
    // Ticks for the range on a time axis whose range spans mapLength pixels and whose widget
    // is axisWidth pixels wide.
    QwtScaleDiv TicksFor(const QwtInterval& range, double mapLength, double axisWidth) const;
    // Switches the automatic scaling off where it is on, keeping the ranges shown.
    void PinRanges();
    void FitAfterScaleChange();

    QwtPlot* m_plot;
    int m_refitsInARow = 0;
};
