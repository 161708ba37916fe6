#include "ui/window_placement.h"

#include <QWidget>
#include <QWindow>

namespace qismaru::ui {

void showOver(QWidget& window, const QWidget& owner)
{
    window.winId();  // creates the native window, so that its owner can be set
    if (QWindow* handle = window.windowHandle()) handle->setTransientParent(owner.window()->windowHandle());
    const QRect frame = owner.window()->frameGeometry();
    window.move(frame.center() - QPoint(window.width() / 2, window.height() / 2));
    window.show();
    window.raise();
    window.activateWindow();
}

}  // namespace qismaru::ui
