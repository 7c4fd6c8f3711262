#include "TrendSeriesData.h"

#include <algorithm>
#include <cmath>

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

    // Infinities (the readers keep them) and NaN make the rectangle that Qwt computes depend on
    // the order of the samples through QRectF's arithmetic on them. The zoom base has to be what
    // a plain curve gives, so such data gets Qwt's own computation. v - v is 0 for numbers only.
    const double* y = m_values.constData();
    bool finite = true;
    for (int i = 0; i < count; ++i)
        finite &= x[i] - x[i] == 0.0 && y[i] - y[i] == 0.0;
    if (!finite) {
        d_boundingRect = qwtBoundingRect(*this);
        return;
    }

    // The bounding rectangle without visiting every sample through a virtual call, as the
    // default of QwtSeriesData would: the value index knows the extremes, ordered times have
    // theirs at the ends.
    bool haveX = false;
    double minX = 0.0;
    double maxX = 0.0;
    if (ordered && count > 0) {
        minX = x[0];
        maxX = x[count - 1];
        haveX = true;
    } else {
        for (int i = 0; i < count; ++i) {
            const double t = x[i];
            if (std::isnan(t))
                continue;
            minX = haveX ? std::min(minX, t) : t;
            maxX = haveX ? std::max(maxX, t) : t;
            haveX = true;
        }
    }
    bool haveY = false;
    double minY = 0.0;
    double maxY = 0.0;
    if (count > 0) {
        int minIndex = 0;
        int maxIndex = 0;
        m_valueIndex.Find(0, count - 1, minIndex, maxIndex);
        minY = m_values.at(minIndex);
        maxY = m_values.at(maxIndex);
        haveY = !std::isnan(minY) && !std::isnan(maxY);
    }

    if (haveX && haveY)
        d_boundingRect = QRectF(minX, minY, maxX - minX, maxY - minY);
    else
        d_boundingRect = QRectF(1.0, 1.0, -2.0, -2.0); // Qwt's "no bounds"
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
