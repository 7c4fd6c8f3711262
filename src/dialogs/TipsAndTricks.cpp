#include "TipsAndTricks.h"
#include "ui_TipsAndTricks.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>

#include <limits>

namespace {

// Each tip ends in a paragraph that holds only a line break: spacing before the next tip. Its
// height, at the label's width, is room that may go missing without cutting a word.
int TrailingSpacing(const QLabel* label, int width)
{
    QTextDocument document;
    document.setDefaultFont(label->font());
    document.setDocumentMargin(0);
    document.setHtml(label->text());
    document.setTextWidth(width);
    const QTextBlock last = document.lastBlock();
    if (!last.text().remove(QChar::LineSeparator).trimmed().isEmpty())
        return 0;
    return int(document.documentLayout()->blockBoundingRect(last).height());
}

// The form places the frame and the button row at fixed positions, room enough for its texts at
// ordinary font sizes. Larger fonts (high-DPI screens, accessibility settings) and longer
// translations need more: then the frame, the button row below it and the window grow by what
// is missing, and only then, so that no tip is cut off.
void GrowToFitText(QDialog* dialog, Ui::TipsAndTricks* ui)
{
    QFrame* frame = ui->verticalFrame;
    QLayout* layout = frame->layout();
    // What the texts need at a width, without the spacer that only takes up spare room.
    const QSize spacer = ui->verticalSpacer->sizeHint();
    const auto heightForWidth = [&](int width) {
        ui->verticalSpacer->changeSize(
            spacer.width(), 0, QSizePolicy::Minimum, QSizePolicy::Expanding);
        layout->invalidate();
        const int height = layout->totalHeightForWidth(width);
        ui->verticalSpacer->changeSize(
            spacer.width(), spacer.height(), QSizePolicy::Minimum, QSizePolicy::Expanding);
        layout->invalidate();
        return height;
    };
    int width = qMax(frame->width(), layout->totalMinimumSize().width());
    int height = heightForWidth(width);

    // Missing spacing is taken from one tip: the form as it is suffices while no more than the
    // smallest spacing paragraph is missing.
    const QMargins margins = frame->contentsMargins() + layout->contentsMargins();
    int spare = std::numeric_limits<int>::max();
    for (const QLabel* label : {ui->label_zooming, ui->label_scrolling, ui->label_legend})
        spare = qMin(spare, TrailingSpacing(label, width - margins.left() - margins.right()));
    if (height - spare <= frame->height()) {
        height = frame->height();
    } else if (dialog->logicalDpiX() > 96) {
        // Larger fonts: wider in step with them, so that the window does not only grow downwards,
        // off the bottom of the screen.
        width = qMax(width, frame->width() * dialog->logicalDpiX() / 96);
        height = qMax(frame->height(), heightForWidth(width));
    }

    // The window keeps its margins right of the frame and below the buttons.
    const int rightMargin = dialog->width() - frame->geometry().right();
    const int bottomMargin = dialog->height() - ui->buttonBox->geometry().bottom();
    const int grownWidth = width - frame->width();
    const int grownHeight = height - frame->height();
    QRect buttons = ui->buttonBox->geometry().translated(0, grownHeight);
    buttons.setWidth(buttons.width() + grownWidth);
    // The button's text grows with the font resolution, and so does the row that holds it.
    buttons.setHeight(qMax(buttons.height(), buttons.height() * dialog->logicalDpiY() / 96));
    if (grownWidth == 0 && grownHeight == 0 && buttons == ui->buttonBox->geometry())
        return;
    frame->resize(width, height);
    ui->buttonBox->setGeometry(buttons);
    dialog->resize(qMax(frame->geometry().right(), buttons.right()) + rightMargin,
        buttons.bottom() + bottomMargin);
}

}

TipsAndTricks::TipsAndTricks(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::TipsAndTricks)
{
    ui->setupUi(this);
    GrowToFitText(this, ui);
}

TipsAndTricks::~TipsAndTricks() { delete ui; }
