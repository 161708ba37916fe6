#pragma once

class QWidget;

namespace qismaru::ui {

// Shows a secondary window centred over the window that opened it and kept
// above it. Secondary windows have no parent widget (a disabled parent would
// disable them too), so the window system is told who owns them instead.
void showOver(QWidget& window, const QWidget& owner);

}  // namespace qismaru::ui
