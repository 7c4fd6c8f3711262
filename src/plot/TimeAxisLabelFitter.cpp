#include "TimeAxisLabelFitter.h"

#include <QEvent>
#include <QFontMetrics>
#include <QtMath>
#include <algorithm>
#include <qwt_plot.h>
#include <qwt_scale_div.h>
#include <qwt_scale_draw.h>
#include <qwt_scale_engine.h>
#include <qwt_scale_map.h>
#include <qwt_text.h>
#include <qwt_scale_widget.h>

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

bool TimeAxisLabelFitter::Fit()
{
    m_plot->updateLayout();
    const QwtScaleWidget* axis = m_plot->axisWidget(QwtPlot::xBottom);
    const QwtScaleDraw* draw = axis->scaleDraw();
    const QFontMetrics metrics(axis->font());
    // The widest label that the format can give, whatever the ticks are now: a width that
    // followed the current labels could change with the steps it chooses and never settle.
    QChar widestDigit = QLatin1Char('0');
    for (char digit = '1'; digit <= '9'; ++digit) {
        if (metrics.horizontalAdvance(QLatin1Char(digit)) > metrics.horizontalAdvance(widestDigit))
            widestDigit = QLatin1Char(digit);
    }
    QString widest = draw->label(0.0).text();
    for (QChar& c : widest) {
        if (c.isDigit())
            c = widestDigit;
    }
    const int labelWidth = qCeil(QwtText(widest).textSize(axis->font()).width());
    // Label centres this far apart leave a little room between the labels.
    const int labelDistance = labelWidth + std::max(2, metrics.leading());
    // The first and the last label reach half their width beyond the ends of the scale.
    const int length = axis->width() - labelWidth;
    if (labelWidth <= 0)
        return false;
    // An axis of n steps may have n + 1 labels; all of them must fit its length, or its minimum
    // size would grow the window. That is all an automatic scale needs: it ends on ticks.
    int steps = std::max(1, std::min(MostMajorSteps, std::max(0, length) / labelDistance - 1));
    if (!m_plot->axisAutoScale(QwtPlot::xBottom)) {
        // A zoomed or panned range ends anywhere, and the fewest steps may leave a single tick
        // in it: take the most steps whose ticks the engine spaces far enough apart, if possible
        // with all labels in the length, else with at least two.
        const QwtScaleDiv current = m_plot->axisScaleDiv(QwtPlot::xBottom);
        const QwtScaleMap map = m_plot->canvasMap(QwtPlot::xBottom);
        const double pixelsPerUnit = std::abs(map.pDist() / map.sDist());
        int twoLabels = 0;
        for (int candidate = MostMajorSteps; candidate >= 1; --candidate) {
            const QList<double> ticks = m_plot->axisScaleEngine(QwtPlot::xBottom)
                                            ->divideScale(current.lowerBound(),
                                                current.upperBound(), candidate, 0)
                                            .ticks(QwtScaleDiv::MajorTick);
            if (ticks.size() < 2 || std::abs(ticks[1] - ticks[0]) * pixelsPerUnit < labelDistance)
                continue;
            if (ticks.size() * labelDistance <= length) {
                twoLabels = candidate;
                break;
            }
            if (twoLabels == 0)
                twoLabels = candidate;
        }
        if (twoLabels > 0)
            steps = twoLabels;
    }
    if (steps == m_plot->axisMaxMajor(QwtPlot::xBottom))
        return false;
    m_plot->setAxisMaxMajor(QwtPlot::xBottom, steps);
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
        Fit();
        m_plot->replot();
    }
    return QObject::eventFilter(watched, event);
}

void TimeAxisLabelFitter::FitAfterScaleChange()
{
    // Each change of the steps replots and so comes back here; should the layout ever make two
    // answers alternate, the second round ends it.
    if (m_refitsInARow < 2 && Fit()) {
        ++m_refitsInARow;
        m_plot->replot();
    } else {
        m_refitsInARow = 0;
    }
}
