#include "help/about_window.h"

#include <QEvent>

#include "app/version/version.h"
#include "help/drawn_lines.h"
#include "ui/caption_button.h"
#include "ui/design_names.h"
#include "ui/drawing_surface.h"
#include "ui/fonts.h"
#include "ui/twips.h"

namespace qismaru::help {

namespace {

// The program is credited to its project. The address is a placeholder in
// the domain reserved for examples, until the project publishes a contact.
const char* const kAuthor = "فريق قسمارو";
const char* const kContactLocalPart = "placeholder";
const char* const kContactDomain = "example.org";

constexpr int kCloseTop = 2760;

}  // namespace

QStringList AboutWindow::lines()
{
    return {"            إعــداد ",
            QString(" ") + kAuthor,
            QString(),
            "       من وجد ملحظاً)",
            "    (فلا يبخلن بالنصح",
            QString(),
            QString("    ") + kContactLocalPart,
            QString("    @") + kContactDomain};
}

QString AboutWindow::versionLine()
{
    return "    الإصدار " + QString::fromUtf8(kVersion.data(), static_cast<int>(kVersion.size()));
}

QStringList AboutWindow::linesWithVersion() { return lines() << versionLine(); }

AboutWindow::AboutWindow(QWidget& main) : AuxiliaryWindow(main, ui::design::kAboutWindow, " نـبــذة", 2568, 3288)
{
    surface_ = new ui::DrawingSurface(size(), QColor(192, 192, 192), this);
    const QSize aboveClose(width(), ui::px(kCloseTop));
    surface_->setDrawingFont(fontFittingLines(ui::designFont(ui::kMsSansSerif, 12), linesWithVersion(), aboveClose));

    auto* close = new ui::CaptionButton(ui::design::kAboutCloseButton, " إغـلا ق", ui::twipsRect(600, kCloseTop, 1212, 372),
                                        ui::designFont(ui::kTraditionalArabic, 13.8), this);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
}

void AboutWindow::becomeActive()
{
    if (beneath()) beneath()->setEnabled(false);
    surface_->clear();
    drawLines(*surface_, linesWithVersion());
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
