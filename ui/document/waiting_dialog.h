#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <string>

#include "files/waiting_entries.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QSpinBox;

namespace qismaru::ui {

// The dialog "حمل أو مفقود أو خنثى": what waits beside the heirs entered.
// An unborn child in the relation of its male form (a child of the
// deceased, a son's child, a sibling, a nephew, an uncle or a cousin), with
// how many children to provide for (none: the school's own number);
// missing heirs by relation and count; heirs of unclear sex by relation and
// count, and whether their sex may yet become clear. OK hands the marks to
// `apply`, which says why the case refuses them ("" when it takes them);
// the dialog then stays open with the reason.
class WaitingDialog : public QDialog {
    Q_OBJECT

public:
    using Apply = std::function<std::string(std::optional<estate::WaitingEntry>)>;

    WaitingDialog(const std::optional<estate::WaitingEntry>& current, Apply apply, QWidget* parent = nullptr);

    // The marks as the controls hold them; nothing when no group is checked.
    std::optional<estate::WaitingEntry> chosen() const;

    void accept() override;

private:
    void fill(const estate::WaitingEntry& entry);
    // OK with the marks, or with none ("لا شيء").
    void applyOrSay(const std::optional<estate::WaitingEntry>& entry);

    Apply apply_;
    QGroupBox* unborn_ = nullptr;
    QComboBox* unbornRelation_ = nullptr;
    QSpinBox* unbornMost_ = nullptr;
    QCheckBox* unbornCertain_ = nullptr;
    QGroupBox* missing_ = nullptr;
    QComboBox* missingRelation_ = nullptr;
    QSpinBox* missingCount_ = nullptr;
    QGroupBox* unclear_ = nullptr;
    QComboBox* unclearRelation_ = nullptr;
    QSpinBox* unclearCount_ = nullptr;
    QCheckBox* unclearHope_ = nullptr;
    QLabel* problem_ = nullptr;
};

}  // namespace qismaru::ui
