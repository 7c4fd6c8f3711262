#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// What the plot export offers and accepts: the image formats that Qt can write on this system,
// then the SVG, PostScript and PDF documents. Built from the list of writable image formats
// alone, so the offer follows the image plugins that are installed.
class PlotExportFormats {
public:
    explicit PlotExportFormats(const QList<QByteArray>& writableImageFormats);

    // The save dialog's filters: "Images (*.bmp *.png ...)" when there are image formats, then
    // one filter per document format.
    QStringList Filters() const { return m_filters; }

    // Image formats in Qt's order, then "svg", "ps", "pdf".
    QList<QByteArray> AcceptedSuffixes() const { return m_suffixes; }

    // Exact, case-sensitive: "PNG" is not "png".
    bool Accepts(const QString& suffix) const;

    // The text that refuses a suffix and lists the accepted ones.
    QString RefusalText(const QString& suffix) const;

private:
    QStringList m_filters;
    QList<QByteArray> m_suffixes;
};
