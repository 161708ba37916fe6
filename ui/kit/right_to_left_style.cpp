#include "ui/kit/right_to_left_style.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <algorithm>

namespace qismaru::ui {

namespace {

// Between the icon and the text, as Qt's own size hint of a button counts it.
constexpr int kIconSpacing = 4;

QIcon::Mode iconMode(const QStyleOption& option)
{
    if (!(option.state & QStyle::State_Enabled)) return QIcon::Disabled;
    return option.state & QStyle::State_HasFocus ? QIcon::Active : QIcon::Normal;
}

}  // namespace

void RightToLeftStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                   const QWidget* widget) const
{
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
    if (element != CE_PushButtonLabel || !button || button->direction != Qt::RightToLeft || button->icon.isNull() ||
        button->text.isEmpty()) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    QRect area = button->rect;
    if (button->state & (State_On | State_Sunken)) {
        area.translate(pixelMetric(PM_ButtonShiftHorizontal, option, widget),
                       pixelMetric(PM_ButtonShiftVertical, option, widget));
    }
    int flags = Qt::AlignCenter | Qt::TextShowMnemonic;
    if (!styleHint(SH_UnderlineShortcut, button, widget)) flags |= Qt::TextHideMnemonic;
    const QSize icon = button->iconSize;
    const int textWidth = button->fontMetrics.boundingRect(area, flags, button->text).width();
    const int width = icon.width() + kIconSpacing + textWidth;
    const int left = area.left() + std::max(0, (area.width() - width) / 2);

    const QRect iconPlace(left + textWidth + kIconSpacing, area.top() + (area.height() - icon.height()) / 2,
                          icon.width(), icon.height());
    const QIcon::State state = button->state & State_On ? QIcon::On : QIcon::Off;
    button->icon.paint(painter, iconPlace, Qt::AlignCenter, iconMode(*button), state);
    drawItemText(painter, QRect(left, area.top(), textWidth, area.height()), flags, button->palette,
                 button->state & State_Enabled, button->text, QPalette::ButtonText);
}

}  // namespace qismaru::ui
