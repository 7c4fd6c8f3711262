#pragma once

#include "MinMaxIndex.h"

#include <QPointF>
#include <QRectF>
#include <QVector>
#include <limits>
#include <qwt_series_data.h>

// The samples of one trend curve: time stamps (ms since 1970, as double) and values, shared
// with the data reader that produced them rather than copied (QVector is implicitly shared;
// a week of 100 Hz data is hundreds of megabytes). Every sample stays reachable through
// size()/sample(), exactly as with QwtPlotCurve::setSamples; the bounding rectangle covers the
// finite values only. On top of that it knows once whether the times never decrease and keeps a
// min/max index of the values, which is what lets TrendCurve draw only what a pixel column can
// show.
class TrendSeriesData : public QwtSeriesData<QPointF> {
public:
    // The largest value magnitude that the bounding rectangle reaches.
    static constexpr double ValueLimit = std::numeric_limits<double>::max() / 8;

    // The caller guarantees equal lengths (TrendPlot::AddCurve checks it).
    TrendSeriesData(const QVector<double>& times, const QVector<double>& values);

    size_t size() const override;
    QPointF sample(size_t i) const override;
    QRectF boundingRect() const override;

    const QVector<double>& Times() const { return m_times; }
    const QVector<double>& Values() const { return m_values; }
    // True when no time stamp is smaller than the one before it (and none is NaN).
    bool TimesNonDecreasing() const { return m_nonDecreasing; }
    const MinMaxIndex& ValueIndex() const { return m_valueIndex; }
    // False when a value is infinite or NaN.
    bool ValuesFinite() const { return m_valuesFinite; }

private:
    QVector<double> m_times;
    QVector<double> m_values;
    bool m_nonDecreasing;
    bool m_valuesFinite;
    MinMaxIndex m_valueIndex;
};
