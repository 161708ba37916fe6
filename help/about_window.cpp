#include "help/about_window.h"

#include <QEvent>

#include "help/drawn_lines.h"
#include "packaging/version.h"
#include "ui/kit/caption_button.h"
#include "ui/kit/design_names.h"
#include "ui/kit/drawing_surface.h"
#include "ui/kit/fonts.h"
#include "ui/kit/qt_text.h"
#include "ui/kit/twips.h"

namespace qismaru::help {

namespace {

constexpr int kCloseTop = 2760;

}  // namespace

DrawnLines AboutWindow::lines()
{
    // No author or address is shown: the program is published by its
    // project under the GPL, and the saying stays as it was written.
    return {{"قسمارو", LineSetting::Centred},
            {"قسمة التركات على الورثة", LineSetting::Centred},
            {versionLine(), LineSetting::Centred},
            {"رخصة جنو العمومية العامة", LineSetting::Centred},
            {"GPL-3.0-or-later", LineSetting::Centred},
            {},
            {"       من وجد ملحظاً)", LineSetting::AsStored},
            {"    (فلا يبخلن بالنصح", LineSetting::AsStored}};
}

QString AboutWindow::versionLine() { return "الإصدار " + ui::fromView(kVersion); }

AboutWindow::AboutWindow(QWidget& main) : AuxiliaryWindow(main, ui::design::kAboutWindow, " نـبــذة", 2568, 3288)
{
    surface_ = new ui::DrawingSurface(size(), QColor(192, 192, 192), this);
    const QSize aboveClose(width(), ui::px(kCloseTop));
    surface_->setDrawingFont(fontFittingLines(ui::designFont(ui::kMsSansSerif, 12), lines(), aboveClose));

    auto* close =
        new ui::CaptionButton(ui::design::kAboutCloseButton, " إغـلا ق", ui::twipsRect(600, kCloseTop, 1212, 372),
                              ui::designFont(ui::kTraditionalArabic, 13.8), this);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    setDefaultButton(close);
}

void AboutWindow::becomeActive()
{
    // The activation of a window its Close button has closed arrives after
    // the click: it must not disable the main window for good.
    if (beneath() && isVisible()) beneath()->setEnabled(false);
    surface_->clear();
    drawLines(*surface_, lines());
}

void AboutWindow::showEvent(QShowEvent* event)
{
    // Where the window system does not activate a window as it is shown, the
    // window still disables the main window and shows its lines.
    becomeActive();
    AuxiliaryWindow::showEvent(event);
}

void AboutWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) becomeActive();
    AuxiliaryWindow::changeEvent(event);
}

}  // namespace qismaru::help
