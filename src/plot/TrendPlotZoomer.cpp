#include "TrendPlotZoomer.h"

#include "TrendTime.h"

#include <QLocale>
#include <QString>

TrendPlot::TrendPlotZoomer::TrendPlotZoomer(QWidget* canvas, bool doReplot)
    : QwtPlotZoomer(canvas, doReplot)
{
}

TrendPlot::TrendPlotZoomer::~TrendPlotZoomer() = default;

QwtText TrendPlot::TrendPlotZoomer::trackerTextF(const QPointF& position) const
{
    const QDateTime time = TrendTimeToDateTime(position.x());
    const QString text = time.toString(QStringLiteral("yy-MM-dd")) + QLatin1Char('\n')
        + time.toString(QStringLiteral("hh:mm:ss")) + QLatin1Char('\n')
        + QLocale::system().toString(position.y(), 'f', 2);
    return QwtText(text, QwtText::AutoText);
}
