#include "PlotAccessibility.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QKeyEvent>
#include <qwt_legend.h>
#include <qwt_legend_label.h>
#include <qwt_plot.h>
#include <qwt_plot_canvas.h>
#include <qwt_scale_widget.h>

namespace {

// The curve behind a legend entry of a plot's own legend; null for a legend of another kind.
QwtPlotItem* ItemOfEntry(const QwtLegendLabel* entry)
{
    QWidget* widget = entry->parentWidget();
    while (widget && !qobject_cast<QwtLegend*>(widget))
        widget = widget->parentWidget();
    auto* legend = static_cast<QwtLegend*>(widget);
    auto* plot = legend ? qobject_cast<QwtPlot*>(legend->parentWidget()) : nullptr;
    return plot ? plot->infoToItem(legend->itemInfo(entry)) : nullptr;
}

class LegendEntryAccessible : public QAccessibleWidget {
public:
    explicit LegendEntryAccessible(QwtLegendLabel* entry)
        : QAccessibleWidget(entry, QAccessible::CheckBox)
    {
        // Told after the plot has shown or hidden the curve: the legend was connected first.
        QObject::connect(entry, &QwtLegendLabel::checked, entry, [entry] {
            QAccessible::State changed;
            changed.checked = true;
            QAccessibleStateChangeEvent event(entry, changed);
            QAccessible::updateAccessibility(&event);
        });
    }

    QString text(QAccessible::Text t) const override
    {
        const QwtPlotItem* item = ItemOfEntry(Entry());
        if (t == QAccessible::Name && item)
            return item->title().text();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        const QwtPlotItem* item = ItemOfEntry(Entry());
        s.checkable = true;
        s.checked = item && item->isVisible();
        return s;
    }

    QStringList actionNames() const override { return {toggleAction()}; }

    // Like a click: the legend hides or shows the curve. The entry's own setter does not tell
    // the legend, its Space key does.
    void doAction(const QString& name) override
    {
        if (name != toggleAction() && name != pressAction())
            return;
        for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent space(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
            QCoreApplication::sendEvent(Entry(), &space);
        }
    }

private:
    QwtLegendLabel* Entry() const { return static_cast<QwtLegendLabel*>(widget()); }
};

// The canvas and the axes, named after the titles of the plot and of the axis.
class TitledAccessible : public QAccessibleWidget {
public:
    TitledAccessible(QWidget* widget, QAccessible::Role role)
        : QAccessibleWidget(widget, role)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name || !widget()->accessibleName().isEmpty())
            return QAccessibleWidget::text(t);
        if (auto* axis = qobject_cast<QwtScaleWidget*>(widget()))
            return axis->title().text();
        auto* plot = qobject_cast<QwtPlot*>(widget()->parentWidget());
        return plot ? plot->title().text() : QString();
    }
};

QAccessibleInterface* PlotPartAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("QwtLegendLabel"))
        return new LegendEntryAccessible(static_cast<QwtLegendLabel*>(object));
    if (className == QLatin1String("QwtPlotCanvas"))
        return new TitledAccessible(static_cast<QWidget*>(object), QAccessible::Chart);
    if (className == QLatin1String("QwtScaleWidget"))
        return new TitledAccessible(static_cast<QWidget*>(object), QAccessible::Grouping);
    return nullptr;
}

} // namespace

void InstallPlotAccessibility()
{
    static const bool s_installed = [] {
        QAccessible::installFactory(PlotPartAccessible);
        return true;
    }();
    Q_UNUSED(s_installed)
}
