#pragma once

#include <QStringList>

#include "help/auxiliary_window.h"

namespace qismaru::ui {
class DrawingSurface;
}

namespace qismaru::help {

// The About window `Form5` (" نـبــذة"): who prepared the program and where
// to send a remark. It disables the main window itself, whenever it becomes
// active.
class AboutWindow : public AuxiliaryWindow {
    Q_OBJECT

public:
    explicit AboutWindow(QWidget& main);

    ui::DrawingSurface* surface() const { return surface_; }

    // The window has become active: the main window is disabled again and
    // the eight lines and the version are drawn afresh on a cleared surface,
    // never twice over.
    void becomeActive();

    // The credits, and below them the program's version, the same as
    // qismaru-calc --version shows.
    static QStringList lines();
    static QString versionLine();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    static QStringList linesWithVersion();

    ui::DrawingSurface* surface_;
};

}  // namespace qismaru::help
