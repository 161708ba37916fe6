#pragma once

#include <QDialog>
#include <optional>

#include "estate/amount_messages.h"
#include "estate/settlement.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace qismaru::ui {

// The dialog "التركة": the gross estate, the funeral costs, the debts, the
// bequest, the heirs' consent to a bequest beyond the third, and the number
// of decimals. OK reads every amount exactly; a refused amount is named
// below the fields and keeps the dialog open. "بلا تركة" removes the estate.
class EstateDialog : public QDialog {
    Q_OBJECT

public:
    explicit EstateDialog(const std::optional<estate::EstateInputs>& current, QWidget* parent = nullptr);

    // What the user chose when the dialog was accepted: nothing for no estate.
    const std::optional<estate::EstateInputs>& chosen() const { return chosen_; }

    QLineEdit* amountField(estate::EstateField field) const;

    void accept() override;

private:
    void fill(const std::optional<estate::EstateInputs>& inputs);
    void clearEstate();

    QLineEdit* fields_[4] = {};
    QCheckBox* consent_ = nullptr;
    QSpinBox* decimals_ = nullptr;
    QLabel* problem_ = nullptr;
    std::optional<estate::EstateInputs> chosen_;
};

}  // namespace qismaru::ui
