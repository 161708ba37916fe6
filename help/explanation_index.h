#pragma once

#include <QHash>
#include <QImage>
#include <QPointer>

#include "help/auxiliary_window.h"
#include "help/explanation_page.h"

namespace qismaru::help {

// The explanation index `Form3` (" إ يـــــضاح"): the family tree around the
// deceased, one box per heir kind, each opening the page of its rules. It
// is opened over the disabled main window; its Close button `Command23`
// enables the main window again.
class ExplanationIndex : public AuxiliaryWindow {
    Q_OBJECT

public:
    explicit ExplanationIndex(QWidget& main);
    ~ExplanationIndex() override;

    // A heir box's click: the page of `form`, loaded afresh unless it is open.
    void openPage(const QString& form);
    ExplanationPage* openedPage(const QString& form) const { return pages_.value(form); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void createTree();

    QImage background_;
    QHash<QString, QPointer<ExplanationPage>> pages_;
};

}  // namespace qismaru::help
