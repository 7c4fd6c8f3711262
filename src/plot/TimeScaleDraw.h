#pragma once

#include "TrendPlot.h"

#include <qwt_scale_draw.h>
#include <qwt_text.h>

// Labels of the time axis: local month, day and time of day of each tick ("MM-dd hh:mm:ss").
// The ticks themselves come from the linear scale engine, spaced in plain milliseconds.
class TrendPlot::TimeScaleDraw : public QwtScaleDraw {
public:
    TimeScaleDraw() = default;
    ~TimeScaleDraw() override;

    QwtText label(double value) const override;
};
