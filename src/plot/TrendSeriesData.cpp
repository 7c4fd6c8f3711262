#include "TrendSeriesData.h"

#include <cmath>

TrendSeriesData::TrendSeriesData(const QVector<double>& times, const QVector<double>& values)
    : m_times(times)
    , m_values(values)
    , m_valueIndex(values)
{
    const int count = qMin(m_times.size(), m_values.size());
    const double* x = m_times.constData();
    const double* y = m_values.constData();

    // One pass for the monotonicity check and the bounding rectangle: the default of
    // QwtSeriesData would walk all samples through a virtual call each.
    double minX = 0.0;
    double maxX = -1.0;
    double minY = 0.0;
    double maxY = -1.0;
    bool haveX = false;
    bool haveY = false;
    for (int i = 0; i < count; ++i) {
        const double t = x[i];
        const double v = y[i];
        if (i > 0 && !(t >= x[i - 1]))
            m_nonDecreasing = false;
        if (!std::isnan(t)) {
            if (!haveX) {
                minX = maxX = t;
                haveX = true;
            } else if (t < minX) {
                minX = t;
            } else if (t > maxX) {
                maxX = t;
            }
        }
        if (!std::isnan(v)) {
            if (!haveY) {
                minY = maxY = v;
                haveY = true;
            } else if (v < minY) {
                minY = v;
            } else if (v > maxY) {
                maxY = v;
            }
        }
    }
    if (count > 0 && std::isnan(x[0]))
        m_nonDecreasing = false;

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
