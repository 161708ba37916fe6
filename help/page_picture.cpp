#include "help/page_picture.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "help/page_texts.h"
#include "ui/fonts.h"
#include "ui/twips.h"

namespace qismaru::help {

namespace {

constexpr double kLargestPoints = 12.0;
// Below this the dots of the letters merge in a one-bit picture.
constexpr double kSmallestPoints = 7.0;
constexpr double kStepPoints = 0.25;
constexpr int kParagraphGap = 3;
constexpr int kTextFlags = Qt::TextWordWrap | Qt::AlignRight | Qt::AlignAbsolute;

// The colour cards: ink on parchment inside a frame.
const QColor kParchment(252, 247, 234);
const QColor kFrame(0, 110, 120);
const QColor kColourInk(25, 35, 80);

bool isColour(const ExplanationPageInfo& page) { return page.depth == PictureDepth::Colour; }

int marginOf(const ExplanationPageInfo& page) { return isColour(page) ? 8 : 3; }

QRect textRect(const ExplanationPageInfo& page)
{
    const int margin = marginOf(page);
    return visibleTextArea(page).adjusted(margin, margin, -margin, -margin);
}

QStringList paragraphsOf(const ExplanationPageInfo& page)
{
    const auto statements = statementsOf(page.topic);
    QStringList paragraphs;
    for (const PageStatement& statement : statements) {
        // A lone statement needs no bullet; several read as a list.
        paragraphs << (statements.size() > 1 ? QString("• ") : QString()) + QString::fromUtf8(statement.text);
    }
    return paragraphs;
}

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

int textHeight(const QFont& font, int width, const QStringList& paragraphs)
{
    const QFontMetrics metrics(font);
    int height = 0;
    for (const QString& paragraph : paragraphs) height += paragraphHeight(metrics, width, paragraph);
    return height + kParagraphGap * (static_cast<int>(paragraphs.size()) - 1);
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

QRect visibleTextArea(const ExplanationPageInfo& page)
{
    const QSize client = page.clientSize();
    const int width = std::min(page.pictureWidthPixels, client.width());
    const int height = std::min(page.pictureHeightPixels, ui::px(page.closeTop));
    return QRect(0, 0, width, height);
}

PageTextFit fitPageText(const ExplanationPageInfo& page)
{
    const QRect area = textRect(page);
    const QStringList paragraphs = paragraphsOf(page);
    for (double points = kLargestPoints; points >= kSmallestPoints; points -= kStepPoints) {
        const QFont font = pageFont(page, points);
        if (textHeight(font, area.width(), paragraphs) <= area.height()) return {font, true};
    }
    return {pageFont(page, kSmallestPoints), false};
}

QImage renderPagePicture(const ExplanationPageInfo& page)
{
    QImage picture(page.pictureSize(), QImage::Format_RGB32);
    picture.fill(isColour(page) ? kParchment : QColor(Qt::white));
    {
        QPainter painter(&picture);
        painter.setLayoutDirection(Qt::RightToLeft);
        if (isColour(page)) {
            painter.setPen(QPen(kFrame, 2));
            painter.drawRect(visibleTextArea(page).adjusted(2, 2, -2, -2));
        }
        painter.setFont(fitPageText(page).font);
        painter.setPen(isColour(page) ? kColourInk : QColor(Qt::black));
        drawParagraphs(painter, textRect(page), paragraphsOf(page));
    }
    if (isColour(page)) return picture;
    return picture.convertToFormat(QImage::Format_Mono, Qt::MonoOnly | Qt::ThresholdDither);
}

}  // namespace qismaru::help
