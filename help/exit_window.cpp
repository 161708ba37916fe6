#include "help/exit_window.h"

#include <utility>

#include "help/drawn_lines.h"
#include "ui/kit/caption_button.h"
#include "ui/kit/design_names.h"
#include "ui/kit/drawing_surface.h"
#include "ui/kit/fonts.h"
#include "ui/kit/twips.h"

namespace qismaru::help {

namespace {

constexpr int kButtonTop = 600;

}  // namespace

QString ExitWindow::question() { return "هـل تريد الخروج ؟"; }

ExitWindow::ExitWindow(QWidget& main, std::function<void()> endProgram)
    : AuxiliaryWindow(main, ui::design::kExitWindow, " الخروج", 2508, 888), endProgram_(std::move(endProgram))
{
    surface_ = new ui::DrawingSurface(size(), QColor(192, 192, 192), this);
    const QSize aboveButtons(width(), ui::px(kButtonTop));
    const DrawnLines lines{{question()}};
    surface_->setDrawingFont(fontFittingLines(ui::designFont(ui::kMsSansSerif, 18), lines, aboveButtons));
    drawLines(*surface_, lines);

    auto* yes = new ui::CaptionButton(ui::design::kExitYesButton, " نعـم", ui::twipsRect(1560, kButtonTop, 615, 255),
                                      ui::designFont(ui::kTraditionalArabic, 10.2), this);
    auto* no = new ui::CaptionButton(ui::design::kExitNoButton, " لا", ui::twipsRect(360, kButtonTop, 615, 255),
                                     ui::designFont(ui::kTraditionalArabic, 12), this);
    connect(yes, &QPushButton::clicked, this, &ExitWindow::confirm);
    connect(no, &QPushButton::clicked, this, &QWidget::close);
    // The user who asked to leave confirms with Enter; Escape is "لا".
    setDefaultButton(yes);
}

void ExitWindow::confirm()
{
    if (beneath()) beneath()->setEnabled(true);
    endProgram_();
}

}  // namespace qismaru::help
