#pragma once

#include <functional>

#include "help/auxiliary_window.h"

namespace qismaru::ui {
class DrawingSurface;
}

namespace qismaru::help {

// The exit confirmation `Form13` (" الخروج"), the program's way to end.
// " نعـم" ends the program at once; " لا" and the close box return to the
// main window with the case and any result untouched.
class ExitWindow : public AuxiliaryWindow {
    Q_OBJECT

public:
    ExitWindow(QWidget& main, std::function<void()> endProgram);

    ui::DrawingSurface* surface() const { return surface_; }

    // " نعـم".
    void confirm();

    static QString question();

private:
    std::function<void()> endProgram_;
    ui::DrawingSurface* surface_;
};

}  // namespace qismaru::help
