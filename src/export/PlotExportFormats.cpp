#include "PlotExportFormats.h"

#include <QCoreApplication>

namespace {
// A format name as text, up to a NUL byte if the plugin put one in.
QString FormatText(const QByteArray& format) { return QString::fromUtf8(format.constData()); }
}

PlotExportFormats::PlotExportFormats(const QList<QByteArray>& writableImageFormats)
    : m_suffixes(writableImageFormats)
{
    if (!m_suffixes.isEmpty()) {
        QStringList patterns;
        for (const QByteArray& format : m_suffixes)
            patterns << QLatin1String("*.") + FormatText(format);
        m_filters << QCoreApplication::translate("MainWindow", "Images") + QLatin1String(" (")
                + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    const QString documents = QCoreApplication::translate("MainWindow", " Documents");
    m_filters << QLatin1String("SVG") + documents + QLatin1String(" (*.svg)");
    m_suffixes << "svg";
    m_filters << QLatin1String("Postscript") + documents + QLatin1String(" (*.ps)");
    m_suffixes << "ps";
    m_filters << QLatin1String("PDF") + documents + QLatin1String(" (*.pdf)");
    m_suffixes << "pdf";
}

bool PlotExportFormats::Accepts(const QString& suffix) const
{
    return m_suffixes.contains(suffix.toLatin1());
}

QString PlotExportFormats::RefusalText(const QString& suffix) const
{
    QStringList accepted;
    for (const QByteArray& format : m_suffixes)
        accepted << FormatText(format);
    return QCoreApplication::translate("MainWindow",
        "The selected file format \"%1\" is not supported!\nPlease use one of the following file "
        "extensions:\n%2")
        .arg(suffix, accepted.join(QLatin1Char(' ')));
}
