#include "TextFit.h"

#include <QAbstractTextDocumentLayout>
#include <QLabel>
#include <QTextBlock>
#include <QTextDocument>

double TextBottom(const QLabel* label)
{
    QTextDocument document;
    document.setDefaultFont(label->font());
    document.setDocumentMargin(0);
    document.setHtml(label->text());
    document.setTextWidth(label->contentsRect().width());
    double bottom = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (!block.text().trimmed().remove(QChar::LineSeparator).isEmpty())
            bottom = document.documentLayout()->blockBoundingRect(block).bottom();
    }
    return bottom;
}
