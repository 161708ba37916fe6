#include "ui/kit/caption_button.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <algorithm>
#include <climits>

#include "ui/kit/fonts.h"

namespace qismaru::ui {

namespace {

// Room the button's bevel takes on each side, and between two lines.
constexpr int kBevel = 3;
constexpr int kLineGap = 2;
constexpr double kStepPoints = 0.2;

int inkHeight(const QFontMetrics& metrics, const QStringList& lines)
{
    int height = kLineGap * (static_cast<int>(lines.size()) - 1);
    for (const QString& line : lines) height += metrics.tightBoundingRect(line).height();
    return height;
}

bool fits(const QFont& font, const QStringList& lines, const QSize& button)
{
    const QFontMetrics metrics(font);
    for (const QString& line : lines) {
        if (metrics.horizontalAdvance(line) > button.width() - 2 * kBevel) return false;
    }
    return inkHeight(metrics, lines) <= button.height() - 2;
}

// The caption on two lines, broken between words where the wider line is
// narrowest; the caption itself when it is one word.
QStringList wrapped(const QString& caption, const QFont& font)
{
    const QStringList words = caption.split(' ', Qt::SkipEmptyParts);
    const QFontMetrics metrics(font);
    QStringList best{caption};
    int bestWidth = INT_MAX;
    for (qsizetype cut = 1; cut < words.size(); ++cut) {
        const QStringList lines{words.mid(0, cut).join(' '), words.mid(cut).join(' ')};
        const int width = std::max(metrics.horizontalAdvance(lines[0]), metrics.horizontalAdvance(lines[1]));
        if (width < bestWidth) best = lines, bestWidth = width;
    }
    return best;
}

}  // namespace

CaptionLayout layoutCaption(const QString& caption, const QFont& designed, const QSize& button)
{
    const QString text = caption.trimmed();
    // The windows' own sans face: bold, and its hamzas stay clear at the
    // smallest readable size, where the naskh faces' merge into the alef.
    QFont compact = designFont(kMsSansSerif, designed.pointSizeF(), designed.bold());
    QFont font = designed;
    const double largest = std::max(designed.pointSizeF(), kSmallestReadablePoints);
    for (double points = largest; points >= kSmallestReadablePoints - 0.01; points -= kStepPoints) {
        for (QFont* face : {&font, &compact}) {
            face->setPointSizeF(points);
            if (fits(*face, {text}, button)) return {*face, {text}};
            const QStringList lines = wrapped(text, *face);
            if (lines.size() == 2 && fits(*face, lines, button)) return {*face, lines};
        }
    }
    // Nothing fits at a readable size: the compact face still keeps it.
    compact.setPointSizeF(kSmallestReadablePoints);
    return {compact, wrapped(text, compact)};
}

CaptionButton::CaptionButton(const QString& objectName, const QString& caption, const QRect& geometry,
                             const QFont& font, QWidget* parent)
    : QPushButton(caption, parent)
{
    setObjectName(objectName);
    const CaptionLayout layout = layoutCaption(caption, font, geometry.size());
    setFont(layout.font);
    lines_ = layout.lines;
    setGeometry(geometry);
    setAutoDefault(false);
}

void CaptionButton::keyPressEvent(QKeyEvent* event)
{
    // Qt gives Enter to a button only in a dialog of its own kind; these
    // buttons stand on plain windows, where the user expects the same.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

QList<QPoint> CaptionButton::lineOrigins() const
{
    const QFontMetrics metrics(font());
    QList<QPoint> origins;
    int top = (height() - inkHeight(metrics, lines_)) / 2;
    for (const QString& line : lines_) {
        const QRect ink = metrics.tightBoundingRect(line);
        origins << QPoint((width() - metrics.horizontalAdvance(line)) / 2, top - ink.top());
        top += ink.height() + kLineGap;
    }
    return origins;
}

QRect CaptionButton::captionInk() const
{
    const QFontMetrics metrics(font());
    const QList<QPoint> origins = lineOrigins();
    QRect ink;
    for (qsizetype i = 0; i < lines_.size(); ++i) ink |= metrics.tightBoundingRect(lines_[i]).translated(origins[i]);
    return ink;
}

void CaptionButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    const int shift = option.state & QStyle::State_Sunken ? 1 : 0;
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    const QList<QPoint> origins = lineOrigins();
    for (qsizetype i = 0; i < lines_.size(); ++i) painter.drawText(origins[i] + QPoint(shift, shift), lines_[i]);
}

}  // namespace qismaru::ui
