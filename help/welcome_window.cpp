#include "help/welcome_window.h"

#include <QApplication>
#include <QPalette>

#include "help/drawn_lines.h"
#include "ui/kit/caption_button.h"
#include "ui/kit/design_names.h"
#include "ui/kit/drawing_surface.h"
#include "ui/kit/fonts.h"
#include "ui/kit/message_boxes.h"
#include "ui/kit/twips.h"
#include "ui/main/main_window.h"

namespace qismaru::help {

DrawnLines WelcomeWindow::lines()
{
    // Stored as the saying is written; the braces and the blanks are part of it.
    return {{"    تعلموا الفرائض}", LineSetting::AsStored},
            {"    وعلموهاالنــاس", LineSetting::AsStored},
            {"   {فإنه نصف العلم", LineSetting::AsStored},
            {"  الحديث", LineSetting::AsStored}};
}

WelcomeWindow::WelcomeWindow(ui::MainWindow& main)
    : AuxiliaryWindow(main, ui::design::kWelcomeWindow, ui::kProgramCaption, 3600, 3300, Frame::Untitled)
{
    main.markWelcomeShown();

    surface_ = new ui::DrawingSurface(size(), QApplication::palette().color(QPalette::Button), this);
    // The last, short line stands beside the button, so all four lines may
    // use the whole height of the window.
    surface_->setDrawingFont(fontFittingLines(ui::designFont(ui::kAndalus, 25.8), lines(), size()));
    drawLines(*surface_, lines());

    auto* close =
        new ui::CaptionButton(ui::design::kWelcomeCloseButton, "إغــلاق", ui::twipsRect(2040, 2520, 1095, 375),
                              ui::designFont(ui::kTraditionalArabic, 13.8), this);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    setDefaultButton(close);
}

}  // namespace qismaru::help
