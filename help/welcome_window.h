#pragma once

#include "help/auxiliary_window.h"
#include "help/drawn_lines.h"

namespace qismaru::ui {
class DrawingSurface;
class MainWindow;
}  // namespace qismaru::ui

namespace qismaru::help {

// The welcome window `Form27`, shown once per run over the disabled main
// window: a saying about learning the shares, and "إغــلاق".
class WelcomeWindow : public AuxiliaryWindow {
    Q_OBJECT

public:
    // Loading it marks the welcome as shown for the rest of the run.
    explicit WelcomeWindow(ui::MainWindow& main);

    ui::DrawingSurface* surface() const { return surface_; }

    static DrawnLines lines();

private:
    ui::DrawingSurface* surface_;
};

}  // namespace qismaru::help
