#include "TrendPlot.h"

#include "PlotAccessibility.h"
#include "TimeAxisLabelFitter.h"
#include "TimeScaleDraw.h"
#include "TrendCurve.h"
#include "TrendPlotZoomer.h"

#include <QColor>
#include <qwt_legend.h>
#include <qwt_legend_data.h>
#include <qwt_plot_canvas.h>
#include <qwt_plot_panner.h>
#include <qwt_plot_zoomer.h>

namespace {

// Rows 6 to 18 of the colour cycle, set by name.
const char* const NamedCurveColors[] = {
    "#cd5c5c",
    "#90ee90",
    "#1e90ff",
    "#ff69b4",
    "#ff8c00",
    "#3cb371",
    "#dc143c",
    "#32cd32",
    "#87cefa",
    "#ba55d3",
    "#bdb76b",
    "#00ced1",
    "#f08080",
};

QColor CurveColor(int row)
{
    switch (row) {
    case 0:
        return QColor(Qt::darkRed);
    case 1:
        return QColor(Qt::darkGreen);
    case 2:
        return QColor(Qt::darkBlue);
    case 3:
        return QColor(Qt::darkMagenta);
    case 4:
        return QColor(Qt::yellow);
    case 5:
        return QColor(Qt::darkCyan);
    case 19:
        return QColor(Qt::green);
    default: {
        QColor color;
        color.setNamedColor(QLatin1String(NamedCurveColors[row - 6]));
        return color;
    }
    }
}

} // namespace

TrendPlot::TrendPlot(QWidget* parent)
    : QwtPlot(parent)
{
    colorIndex = 0;
    InstallPlotAccessibility();

    timeScaleDraw = new TimeScaleDraw();
    setAxisScaleDraw(QwtPlot::xBottom, timeScaleDraw);
    setAxisTitle(QwtPlot::xBottom, tr("Date and Time [MM-dd hh:mm:ss]"));

    auto* legend = new QwtLegend(this);
    legend->setDefaultItemMode(QwtLegendData::Checkable);
    insertLegend(legend, QwtPlot::RightLegend, -1.0);
    connect(legend, &QwtLegend::checked, this, &TrendPlot::legend_item_ckecked);

    panner = new QwtPlotPanner(canvas());
    panner->setMouseButton(Qt::LeftButton, Qt::ControlModifier);
    panner->setCursor(Qt::ClosedHandCursor);

    zoomer = new TrendPlotZoomer(canvas(), true);
    zoomer->setTrackerMode(QwtPicker::AlwaysOn);

    m_timeAxisFitter = new TimeAxisLabelFitter(this);
}

TrendPlot::~TrendPlot() = default;

QPen TrendPlot::NextPen()
{
    QPen pen;
    QColor color;
    if (colorIndex > 19) {
        colorIndex = 0;
        color = QColor(Qt::darkRed);
    } else {
        color = CurveColor(colorIndex);
    }
    pen.setColor(color);
    ++colorIndex;
    return pen;
}

void TrendPlot::AddCurve(
    const QVector<double>& times, const QVector<double>& values, const QString& title)
{
    if (times.isEmpty() || times.size() != values.size())
        return;

    auto* curve = new TrendCurve(title);
    curve->setPen(NextPen());
    curve->attach(this);
    curve->SetSeries(times, values);

    // The full view spans all curves at the automatic scaling, whatever the time axis fitter
    // pinned before. Its ticks are then fitted to the size the plot has now, so that a plot
    // made for a window does not ask it for room for more labels than it will show; that keeps
    // the range, so the zoom base stays the view the plot opens with.
    setAxisAutoScale(QwtPlot::xBottom, true);
    setAxisAutoScale(QwtPlot::yLeft, true);
    zoomer->setZoomBase(true);
    if (m_timeAxisFitter->Fit())
        updateAxes();
}

void TrendPlot::legend_item_ckecked(const QVariant& itemInfo, bool on, int index)
{
    Q_UNUSED(index)
    QwtPlotItem* item = infoToItem(itemInfo);
    if (!item)
        return;
    item->setVisible(!on);

    // Freeze the scales for this replot so that the view neither rescales to the visible curves
    // nor leaves a zoomed rectangle; switching auto scaling back on does not replot.
    setAxisAutoScale(QwtPlot::xBottom, false);
    setAxisAutoScale(QwtPlot::yLeft, false);
    replot();
    setAxisAutoScale(QwtPlot::xBottom, true);
    setAxisAutoScale(QwtPlot::yLeft, true);
}
