#pragma once

#include "help/auxiliary_window.h"
#include "help/drawn_lines.h"

namespace qismaru::ui {
class DrawingSurface;
}

namespace qismaru::help {

// The About window `Form5` (" نـبــذة"): the program's name, what it is for,
// its version and its licence, and the saying that asks a reader for advice.
// It disables the main window itself, whenever it becomes active.
class AboutWindow : public AuxiliaryWindow {
    Q_OBJECT

public:
    explicit AboutWindow(QWidget& main);

    ui::DrawingSurface* surface() const { return surface_; }

    // The window has become active: the main window is disabled again and
    // its lines are drawn afresh on a cleared surface, never twice over.
    void becomeActive();

    static DrawnLines lines();
    // The version, the same as qismaru-calc --version shows.
    static QString versionLine();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    ui::DrawingSurface* surface_;
};

}  // namespace qismaru::help
