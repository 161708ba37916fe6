#pragma once

#include <QProxyStyle>

namespace qismaru::ui {

// The application's style, with the label of a push button that has both an
// icon and a text drawn as right-to-left reading wants it. Qt 6.4 puts the
// icon on the right and then aligns the text to the "right", which right to
// left turns into the left: the text ends up against the button's left
// border (the standard buttons of our dialogs, and of Qt's file and print
// dialogs). Here the icon and the text are centred together, the text just
// left of the icon.
class RightToLeftStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
};

}  // namespace qismaru::ui
