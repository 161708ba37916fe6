#include "help/explanation_page.h"

#include <QPainter>

#include "help/page_picture.h"
#include "ui/caption_button.h"
#include "ui/design_names.h"
#include "ui/fonts.h"

namespace qismaru::help {

ExplanationPage::ExplanationPage(const ExplanationPageInfo& info, QWidget& index)
    : AuxiliaryWindow(index, info.form, info.caption, info.clientWidth, info.clientHeight),
      info_(info),
      picture_(renderPagePicture(info))
{
    index.setEnabled(false);

    if (info.background == PageBackground::White) {
        QPalette white = palette();
        white.setColor(QPalette::Window, Qt::white);
        setPalette(white);
    }
    setAutoFillBackground(true);

    // The Close button wears the page's own font.
    auto* close = new ui::CaptionButton(ui::design::kPageCloseButton, info.closeCaption, info.closeGeometry(),
                                        ui::designFont(ui::kMsSansSerif, 7.8), this);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
}

void ExplanationPage::paintEvent(QPaintEvent*)
{
    // A picture larger than the window shows only its top-left part.
    QPainter painter(this);
    painter.drawImage(0, 0, picture_);
}

}  // namespace qismaru::help
