#pragma once

#include "TrendPlot.h"

#include <qwt_plot_zoomer.h>
#include <qwt_text.h>

// The plot's rectangle zoomer on the bottom and left axes. Its tracker text shows the position
// under the mouse as date ("yy-MM-dd"), time ("hh:mm:ss") and value (two decimals in the
// system's regional number format) on three lines.
class TrendPlot::TrendPlotZoomer : public QwtPlotZoomer {
public:
    TrendPlotZoomer(QWidget* canvas, bool doReplot);
    ~TrendPlotZoomer() override;

    QwtText trackerTextF(const QPointF& position) const override;
};
