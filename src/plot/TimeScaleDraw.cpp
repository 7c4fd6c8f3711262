#include "TimeScaleDraw.h"

#include "TrendTime.h"

#include <QString>

TrendPlot::TimeScaleDraw::~TimeScaleDraw() = default;

QwtText TrendPlot::TimeScaleDraw::label(double value) const
{
    return QwtText(
        TrendTimeToDateTime(value).toString(QStringLiteral("MM-dd hh:mm:ss")), QwtText::AutoText);
}
