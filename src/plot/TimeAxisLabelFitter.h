#pragma once

#include <QObject>

class QwtPlot;

// Keeps the labels of a plot's time axis apart. Each "MM-dd hh:mm:ss" label is far wider than a
// number, and the linear scale engine, left to its default of eight major steps, puts them into
// each other on a narrow or zoomed plot; the axis then also asks for room for all of them, which
// widens the window. The fitter lowers the axis's maximum number of major steps to what its
// length holds, whenever the plot is resized or its scale changes, and leaves the choice of tick
// values to the engine.
class TimeAxisLabelFitter : public QObject {
    Q_OBJECT

public:
    explicit TimeAxisLabelFitter(QwtPlot* plot);

    // Lays the plot out at its current size and sets the maximum number of major steps for it;
    // true when that changed, which takes a replot to show.
    bool Fit();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FitAfterScaleChange();

    QwtPlot* m_plot;
    int m_refitsInARow = 0;
};
