#include "help/explanation_page.h"

#include <QLabel>
#include <QScrollArea>

#include "help/page_picture.h"
#include "ui/kit/caption_button.h"
#include "ui/kit/design_names.h"
#include "ui/kit/fonts.h"

namespace qismaru::help {

ExplanationPage::ExplanationPage(const ExplanationPageInfo& info, const Positions& positions, QWidget& index)
    : AuxiliaryWindow(index, info.form, info.caption, info.clientWidth, info.clientHeight),
      info_(info),
      positions_(positions)
{
    index.setEnabled(false);

    // White, as every text area of the program.
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    const PageLayout layout = layoutPage(info, positions_);
    picture_ = renderPagePicture(info, layout, positions_);
    auto* text = new QLabel;
    text->setPixmap(QPixmap::fromImage(picture_));
    text->setFixedSize(picture_.size());
    // The picture's words, for a screen reader.
    text->setAccessibleName(info.caption);
    text->setAccessibleDescription(paragraphsOf(info, positions_).join('\n'));

    textArea_ = new QScrollArea(this);
    textArea_->setGeometry(textAreaOf(info));
    textArea_->setFrameShape(QFrame::NoFrame);
    textArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    textArea_->setVerticalScrollBarPolicy(layout.scrolls ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    textArea_->setWidget(text);
    // The arrow and page keys scroll the text; Tab moves on to the Close button.
    textArea_->setFocusPolicy(layout.scrolls ? Qt::StrongFocus : Qt::NoFocus);

    // The Close button wears the page's own font, at a readable size.
    auto* close = new ui::CaptionButton(ui::design::kPageCloseButton, info.closeCaption, info.closeGeometry(),
                                        ui::designFont(ui::kMsSansSerif, 7.8), this);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    setDefaultButton(close);
}

}  // namespace qismaru::help
