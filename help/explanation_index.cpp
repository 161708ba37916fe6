#include "help/explanation_index.h"

#include <QPainter>

#include "help/family_tree.h"
#include "help/index_background.h"
#include "ui/kit/caption_button.h"
#include "ui/kit/design_names.h"
#include "ui/kit/fonts.h"

namespace qismaru::help {

namespace {

const QColor kIndexGrey(128, 128, 128);

}  // namespace

ExplanationIndex::ExplanationIndex(QWidget& main, const Positions& positions)
    : AuxiliaryWindow(main, ui::design::kExplanationIndex, " إ يـــــضاح", 9168, 5352),
      positions_(positions),
      background_(indexBackground())
{
    createTree();
}

ExplanationIndex::~ExplanationIndex()
{
    // At the end of the program a page may still be open over the index.
    for (const QPointer<ExplanationPage>& page : pages_) delete page.data();
}

void ExplanationIndex::createTree()
{
    // The lines first, so that the boxes stand over their ends.
    for (const ui::LineGeometry& line : treeLines()) new ui::LineControl(line, this);
    auto* bar = new QWidget(this);
    bar->setObjectName(ui::design::kSpouseBar);
    bar->setGeometry(spouseBar());
    bar->setAutoFillBackground(true);
    QPalette ink = bar->palette();
    ink.setColor(QPalette::Window, treeInk());
    bar->setPalette(ink);

    for (const IndexButton& box : indexButtons()) {
        auto* button = new ui::CaptionButton(box.name, box.caption, box.geometry(),
                                             ui::designFont(ui::kTraditionalArabic, box.fontPoints), this);
        switch (box.action) {
        case IndexAction::OpenPage:
            connect(button, &QPushButton::clicked, this, [this, topic = box.topic] { openPage(topic); });
            break;
        case IndexAction::CloseIndex: connect(button, &QPushButton::clicked, this, &QWidget::close); break;
        case IndexAction::Nothing: break;  // the deceased has no page
        }
    }
}

void ExplanationIndex::openPage(HelpTopic topic)
{
    QPointer<ExplanationPage>& page = pages_[topicIndex(topic)];
    if (!page) page = new ExplanationPage(pageOf(topic), positions_, *this);
    page->present();
}

void ExplanationIndex::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), kIndexGrey);
    painter.drawImage(0, 0, background_);
}

}  // namespace qismaru::help
