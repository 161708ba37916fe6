#include "ui/caption_button.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace qismaru::ui {

namespace {

// Room the button's bevel takes on each side.
constexpr int kBevel = 3;
constexpr double kSmallestPoints = 6.0;

// The designed font, made smaller only where a caption's letters would not
// fit the designed button (the Arabic faces here run wider than the ones the
// buttons were designed with).
QFont fittedFont(QFont font, const QString& caption, const QSize& size)
{
    while (font.pointSizeF() > kSmallestPoints) {
        const QFontMetrics metrics(font);
        const bool fitsAcross = metrics.horizontalAdvance(caption) <= size.width() - 2 * kBevel;
        const bool fitsDown = metrics.tightBoundingRect(caption).height() <= size.height() - 2;
        if (fitsAcross && fitsDown) break;
        font.setPointSizeF(font.pointSizeF() - 0.2);
    }
    return font;
}

}  // namespace

CaptionButton::CaptionButton(const QString& objectName, const QString& caption, const QRect& geometry,
                             const QFont& font, QWidget* parent)
    : QPushButton(caption, parent)
{
    setObjectName(objectName);
    setFont(fittedFont(font, caption, geometry.size()));
    setGeometry(geometry);
    setAutoDefault(false);
}

void CaptionButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    const QFontMetrics metrics(font());
    const QRect ink = metrics.tightBoundingRect(text());
    const int shift = option.state & QStyle::State_Sunken ? 1 : 0;
    const int x = (width() - metrics.horizontalAdvance(text())) / 2 + shift;
    const int baseline = (height() - ink.height()) / 2 - ink.top() + shift;
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(QPoint(x, baseline), text());
}

}  // namespace qismaru::ui
