#include "help/page_picture.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QStringList>
#include <QStyle>

#include "help_texts/page_texts.h"
#include "ui/kit/fonts.h"
#include "ui/kit/twips.h"

namespace qismaru::help {

namespace {

constexpr double kComfortablePoints = 12.0;
constexpr double kStepPoints = 0.25;
constexpr int kParagraphGap = 3;
constexpr int kGapAboveClose = 4;
constexpr int kTextFlags = Qt::TextWordWrap | Qt::AlignRight | Qt::AlignAbsolute;

// The colour cards: ink inside a frame.
const QColor kFrame(0, 110, 120);
const QColor kColourInk(25, 35, 80);

bool isColour(const ExplanationPageInfo& page) { return page.depth == PictureDepth::Colour; }

int marginOf(const ExplanationPageInfo& page) { return isColour(page) ? 6 : 4; }

QFont pageFont(const ExplanationPageInfo& page, double points)
{
    QFont font = ui::designFont(ui::kMsSansSerif, points);
    // Drawn without grey edges and fitted to the pixel grid, a one-bit
    // picture keeps every stroke and every join of the letters.
    if (!isColour(page)) {
        font.setStyleStrategy(QFont::NoAntialias);
        font.setHintingPreference(QFont::PreferFullHinting);
    }
    return font;
}

int paragraphHeight(const QFontMetrics& metrics, int width, const QString& paragraph)
{
    return metrics.boundingRect(QRect(0, 0, width, 100000), kTextFlags, paragraph).height();
}

// The height of the picture that holds the paragraphs at this width.
int pictureHeight(const ExplanationPageInfo& page, const QFont& font, int width, const QStringList& paragraphs)
{
    const QFontMetrics metrics(font);
    const int margin = marginOf(page);
    int height = 2 * margin + kParagraphGap * (static_cast<int>(paragraphs.size()) - 1);
    for (const QString& paragraph : paragraphs) height += paragraphHeight(metrics, width - 2 * margin, paragraph);
    return height;
}

void drawParagraphs(QPainter& painter, const QRect& area, const QStringList& paragraphs)
{
    const QFontMetrics metrics(painter.font());
    int y = area.top();
    for (const QString& paragraph : paragraphs) {
        const int height = paragraphHeight(metrics, area.width(), paragraph);
        painter.drawText(QRect(area.left(), y, area.width(), height), kTextFlags, paragraph);
        y += height + kParagraphGap;
    }
}

}  // namespace

QStringList paragraphsOf(const ExplanationPageInfo& page, const Positions& positions)
{
    const std::vector<PageStatement> statements = statementsOf(page.topic, positions);
    QStringList paragraphs;
    for (const PageStatement& statement : statements) {
        // A lone statement needs no bullet; several read as a list.
        paragraphs << (statements.size() > 1 ? QString("• ") : QString()) + QString::fromUtf8(statement.text);
    }
    return paragraphs;
}

QRect textAreaOf(const ExplanationPageInfo& page)
{
    return QRect(0, 0, page.clientSize().width(), ui::px(page.closeTop) - kGapAboveClose);
}

PageLayout layoutPage(const ExplanationPageInfo& page, const Positions& positions)
{
    const QSize area = textAreaOf(page).size();
    const QStringList paragraphs = paragraphsOf(page, positions);
    for (double points = kComfortablePoints; points >= ui::kSmallestReadablePoints; points -= kStepPoints) {
        const QFont font = pageFont(page, points);
        if (pictureHeight(page, font, area.width(), paragraphs) <= area.height()) return {font, area, false};
    }
    // The scroll bar takes its width from the text.
    const QFont font = pageFont(page, ui::kSmallestReadablePoints);
    const int width = area.width() - QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    return {font, QSize(width, pictureHeight(page, font, width, paragraphs)), true};
}

QImage renderPagePicture(const ExplanationPageInfo& page, const PageLayout& layout, const Positions& positions)
{
    QImage picture(layout.pictureSize, QImage::Format_RGB32);
    picture.fill(Qt::white);
    {
        QPainter painter(&picture);
        painter.setLayoutDirection(Qt::RightToLeft);
        if (isColour(page)) {
            painter.setPen(QPen(kFrame, 2));
            painter.drawRect(picture.rect().adjusted(1, 1, -2, -2));
        }
        painter.setFont(layout.font);
        painter.setPen(isColour(page) ? kColourInk : QColor(Qt::black));
        const int margin = marginOf(page);
        drawParagraphs(painter, picture.rect().adjusted(margin, margin, -margin, -margin),
                       paragraphsOf(page, positions));
    }
    if (isColour(page)) return picture;
    return picture.convertToFormat(QImage::Format_Mono, Qt::MonoOnly | Qt::ThresholdDither);
}

}  // namespace qismaru::help
