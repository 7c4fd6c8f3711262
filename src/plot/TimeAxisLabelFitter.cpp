#include "TimeAxisLabelFitter.h"

#include <QEvent>
#include <QFontMetrics>
#include <QtMath>
#include <algorithm>
#include <cmath>
#include <qwt_plot.h>
#include <qwt_plot_layout.h>
#include <qwt_scale_draw.h>
#include <qwt_scale_engine.h>
#include <qwt_scale_map.h>
#include <qwt_scale_widget.h>
#include <qwt_text.h>

namespace {

// Qwt's own default; a long axis keeps the ticks it always had.
constexpr int MostMajorSteps = 8;

} // namespace

TimeAxisLabelFitter::TimeAxisLabelFitter(QwtPlot* plot)
    : QObject(plot)
    , m_plot(plot)
{
    plot->installEventFilter(this);
    // Queued: the signal comes from within the replot that changed the scale, which must end
    // before another one starts. Zooming and panning change the width of the value axis labels,
    // and with it the length of the time axis.
    connect(plot->axisWidget(QwtPlot::xBottom), &QwtScaleWidget::scaleDivChanged, this,
        &TimeAxisLabelFitter::FitAfterScaleChange, Qt::QueuedConnection);
}

int TimeAxisLabelFitter::LabelWidth() const
{
    const QwtScaleWidget* axis = m_plot->axisWidget(QwtPlot::xBottom);
    const QFontMetrics metrics(axis->font());
    // The widest label that the format can give, whatever the ticks are now: a width that
    // followed the current labels could change with the steps it chooses and never settle.
    QChar widestDigit = QLatin1Char('0');
    for (char digit = '1'; digit <= '9'; ++digit) {
        if (metrics.horizontalAdvance(QLatin1Char(digit)) > metrics.horizontalAdvance(widestDigit))
            widestDigit = QLatin1Char(digit);
    }
    QString widest = axis->scaleDraw()->label(0.0).text();
    for (QChar& c : widest) {
        if (c.isDigit())
            c = widestDigit;
    }
    return qCeil(QwtText(widest).textSize(axis->font()).width());
}

QwtScaleDiv TimeAxisLabelFitter::TicksFor(
    const QwtInterval& range, double mapLength, double axisWidth) const
{
    const double width = range.width();
    const int labelWidth = LabelWidth();
    if (!std::isfinite(range.minValue()) || !std::isfinite(range.maxValue()) || !(width > 0.0)
        || !(mapLength > 0.0) || labelWidth <= 0)
        return QwtScaleDiv();
    // Label centres this far apart leave a little room between the labels.
    const int labelDistance = labelWidth
        + std::max(2, QFontMetrics(m_plot->axisWidget(QwtPlot::xBottom)->font()).leading());
    // An axis of n ticks asks for room for n labels, and the first and the last one reach half
    // their width beyond its ends: more than its width holds would grow the window.
    const double roomForLabels = axisWidth - labelWidth;
    // No more steps than the engine makes by default, none shorter than a label.
    const double shortest = std::max(width / MostMajorSteps, labelDistance * width / mapLength);

    // The engine's own steps of 1, 2 and 5 times a power of ten, the first that gives at least
    // two labels and room for all of them. Between 2 and 5 the one may leave labels in each
    // other and the other a single one; a step of 2.5 (whole milliseconds from 25 ms up) then
    // fits. Failing all that, at least two labels, else the shortest step that keeps them apart.
    const QwtScaleEngine* engine = m_plot->axisScaleEngine(QwtPlot::xBottom);
    const int minorSteps = m_plot->axisMaxMinor(QwtPlot::xBottom);
    QwtScaleDiv quarterSteps;
    QwtScaleDiv twoLabels;
    QwtScaleDiv apart;
    const int lastPower = int(std::floor(std::log10(std::max(width, shortest)))) + 1;
    for (int power = int(std::floor(std::log10(shortest))); power <= lastPower; ++power) {
        for (const double mantissa : {1.0, 2.0, 2.5, 5.0}) {
            const double step = mantissa * std::pow(10.0, power);
            const bool quarter = mantissa == 2.5;
            if (step < shortest || (quarter && power < 1))
                continue;
            const QwtScaleDiv ticks = engine->divideScale(
                range.minValue(), range.maxValue(), MostMajorSteps, minorSteps, step);
            const int count = ticks.ticks(QwtScaleDiv::MajorTick).size();
            if (apart.isEmpty())
                apart = ticks;
            if (count < 2)
                continue;
            if (twoLabels.isEmpty())
                twoLabels = ticks;
            if (count * labelDistance > roomForLabels)
                continue;
            if (!quarter)
                return ticks;
            if (quarterSteps.isEmpty())
                quarterSteps = ticks;
        }
    }
    return !quarterSteps.isEmpty() ? quarterSteps : !twoLabels.isEmpty() ? twoLabels : apart;
}

void TimeAxisLabelFitter::PinRanges()
{
    for (const int axis : {QwtPlot::xBottom, QwtPlot::yLeft}) {
        if (m_plot->axisAutoScale(axis))
            m_plot->setAxisScaleDiv(axis, m_plot->axisScaleDiv(axis));
    }
}

bool TimeAxisLabelFitter::Fit()
{
    // Labels at the ends of the axis reach half their width beyond them, and Qwt takes that
    // room from the canvas: with it the length of the axis would follow the ticks chosen for
    // it, and a choice for one length could be wrong for the other. A permanent margin keeps
    // the length whatever the ticks are: half a label at the right end, at the left end what
    // the value axis above it leaves.
    QwtScaleWidget* axis = m_plot->axisWidget(QwtPlot::xBottom);
    const int halfLabel = (LabelWidth() + 1) / 2;
    m_plot->updateLayout();
    const int left = std::max(0, halfLabel - m_plot->axisWidget(QwtPlot::yLeft)->width());
    int start = 0;
    int end = 0;
    axis->getMinBorderDist(start, end);
    if (start != left || end != halfLabel)
        axis->setMinBorderDist(left, halfLabel);
    m_plot->updateLayout();
    const QwtScaleDiv shown = m_plot->axisScaleDiv(QwtPlot::xBottom);
    const QwtScaleDiv ticks = TicksFor(
        shown.interval(), std::abs(m_plot->canvasMap(QwtPlot::xBottom).pDist()), axis->width());
    if (ticks.isEmpty() || ticks == shown)
        return false;
    PinRanges();
    m_plot->setAxisScaleDiv(QwtPlot::xBottom, ticks);
    return true;
}

bool TimeAxisLabelFitter::eventFilter(QObject* watched, QEvent* event)
{
    // Before the plot's own handling of the new size and before the paint that follows. The
    // replot also gives the axes the border distances of the plot's real size: Qwt computes
    // them in each replot from the layout before it, and while the plot is hidden a change of
    // them lays out nothing, so the first paint would cut the end labels of the value axis.
    // A plot shown for the first time gets its size while still hidden, hence the Show too.
    const bool resized = event->type() == QEvent::Resize && m_plot->isVisible();
    if (watched == m_plot && (resized || event->type() == QEvent::Show)) {
        PinRanges();
        Fit();
        m_plot->replot();
    }
    return QObject::eventFilter(watched, event);
}

void TimeAxisLabelFitter::FitAfterScaleChange()
{
    // Each change of the ticks replots and so comes back here; should the layout ever make two
    // answers alternate, the second round ends it.
    if (m_refitsInARow < 2 && Fit()) {
        ++m_refitsInARow;
        m_plot->replot();
    } else {
        m_refitsInARow = 0;
    }
}

TimeAxisLabelFitter::ForRendering::ForRendering(QwtPlot* plot, const QSizeF& size)
{
    const auto* fitter
        = plot->findChild<TimeAxisLabelFitter*>(QString(), Qt::FindDirectChildrenOnly);
    if (fitter == nullptr || size.isEmpty())
        return;
    // The renderer's own layout of the plot in that size, without scroll bars.
    QwtPlotLayout* layout = plot->plotLayout();
    layout->activate(plot, QRectF(QPointF(0.0, 0.0), size), QwtPlotLayout::IgnoreScrollbars);
    const double axisWidth = layout->scaleRect(QwtPlot::xBottom).width();
    // The end labels take at most half a label each off the length the range is drawn on.
    const QwtScaleDiv ticks = fitter->TicksFor(plot->axisScaleDiv(QwtPlot::xBottom).interval(),
        axisWidth - fitter->LabelWidth(), axisWidth);
    plot->updateLayout();
    if (ticks.isEmpty())
        return;
    m_plot = plot;
    m_axis = plot->axisWidget(QwtPlot::xBottom);
    m_shownTicks = m_axis->scaleDraw()->scaleDiv();
    m_axis->setScaleDiv(ticks);
}

TimeAxisLabelFitter::ForRendering::~ForRendering()
{
    if (m_axis == nullptr)
        return;
    m_axis->setScaleDiv(m_shownTicks);
    m_plot->updateLayout();
}
