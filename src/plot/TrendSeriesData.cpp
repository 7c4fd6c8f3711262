#include "TrendSeriesData.h"

#include <algorithm>
#include <cmath>

namespace {

// The smallest and largest finite number of data[0..count); false when there is none.
bool FiniteRange(const double* data, int count, double* low, double* high)
{
    bool found = false;
    for (int i = 0; i < count; ++i) {
        const double v = data[i];
        if (!std::isfinite(v))
            continue;
        *low = found ? std::min(*low, v) : v;
        *high = found ? std::max(*high, v) : v;
        found = true;
    }
    return found;
}

} // namespace

TrendSeriesData::TrendSeriesData(const QVector<double>& times, const QVector<double>& values)
    : m_times(times)
    , m_values(values)
    , m_valueIndex(values)
{
    const int count = qMin(m_times.size(), m_values.size());
    const double* x = m_times.constData();

    // Checked once per curve, in a loop without branches; NaN compares false and counts as
    // out of order.
    bool ordered = count == 0 || x[0] == x[0];
    for (int i = 1; i < count; ++i)
        ordered &= x[i] >= x[i - 1];
    m_nonDecreasing = ordered;

    // The bounding rectangle is what the automatic scaling and the zoom base start from. It
    // spans the times of all samples and the finite values: one infinite value (the readers keep
    // them) would give the value axis an infinite range, on which Qwt builds ticks until memory
    // runs out. v - v is 0 for numbers only.
    const double* y = m_values.constData();
    bool finite = true;
    for (int i = 0; i < count; ++i)
        finite &= y[i] - y[i] == 0.0;
    m_valuesFinite = finite;

    // Without visiting every sample through a virtual call, as the default of QwtSeriesData
    // would: ordered times have their extremes at the ends, the value index knows the rest.
    bool haveX = false;
    double minX = 0.0;
    double maxX = 0.0;
    if (ordered && count > 0 && std::isfinite(x[0]) && std::isfinite(x[count - 1])) {
        minX = x[0];
        maxX = x[count - 1];
        haveX = true;
    } else {
        haveX = FiniteRange(x, count, &minX, &maxX);
    }
    bool haveY = false;
    double minY = 0.0;
    double maxY = 0.0;
    if (finite && count > 0) {
        int minIndex = 0;
        int maxIndex = 0;
        m_valueIndex.Find(0, count - 1, minIndex, maxIndex);
        minY = y[minIndex];
        maxY = y[maxIndex];
        haveY = true;
    } else {
        haveY = FiniteRange(y, count, &minY, &maxY);
    }
    // Qwt's scale arithmetic (the range, its steps, a margin of a step) has to stay finite: values
    // beyond the limit count as at the limit, and are drawn like values off the canvas.
    minY = std::max(-ValueLimit, std::min(minY, ValueLimit));
    maxY = std::max(-ValueLimit, std::min(maxY, ValueLimit));

    // A negative extent is Qwt's "no bounds" for that direction: a curve without a single finite
    // value leaves the value axis to the other curves, or to Qwt's default range.
    d_boundingRect = QRectF(haveX ? minX : 1.0, haveY ? minY : 1.0, haveX ? maxX - minX : -2.0,
        haveY ? maxY - minY : -2.0);
}

size_t TrendSeriesData::size() const
{
    return static_cast<size_t>(qMin(m_times.size(), m_values.size()));
}

QPointF TrendSeriesData::sample(size_t i) const
{
    const int index = static_cast<int>(i);
    return QPointF(m_times.at(index), m_values.at(index));
}

QRectF TrendSeriesData::boundingRect() const { return d_boundingRect; }
