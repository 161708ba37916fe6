#pragma once

#include <QImage>
#include <QPointer>
#include <array>

#include "help/auxiliary_window.h"
#include "help/explanation_page.h"
#include "model/positions.h"

namespace qismaru::help {

// The explanation index `Form3` (" إ يـــــضاح"): the family tree around the
// deceased, one box per heir kind, each opening the page of its rules under
// the school and positions the main window answers by (they cannot change
// while the index is open over the disabled main window). Its Close button
// `Command23` enables the main window again.
class ExplanationIndex : public AuxiliaryWindow {
    Q_OBJECT

public:
    ExplanationIndex(QWidget& main, const Positions& positions);
    ~ExplanationIndex() override;

    // A heir box's click: the page of the topic, loaded afresh unless it is open.
    void openPage(HelpTopic topic);
    ExplanationPage* openedPage(HelpTopic topic) const { return pages_[topicIndex(topic)]; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void createTree();

    Positions positions_;
    QImage background_;
    std::array<QPointer<ExplanationPage>, kHelpTopicCount> pages_;
};

}  // namespace qismaru::help
