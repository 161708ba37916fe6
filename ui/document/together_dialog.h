#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <string>

#include "engine/died_together.h"

class QCheckBox;
class QHBoxLayout;
class QLabel;
class QSpinBox;
class QTableWidget;

namespace qismaru::ui {

// The dialog "من ماتوا معًا": two or more who died in one drowning, fire or
// collapse, the order of their deaths unknown. A row for each death: his
// name, then his living heirs as counts of the 21 kinds; then the relations
// between the dead, a row each ("of" the one who died, "who" his relative
// among them, and the relative's path from him: "b", "s", "f", "h", "w", ...);
// and whether the heirs dispute who died first. OK hands the case to
// `apply`, which says why it is refused ("" when it is divided); the dialog
// then stays open with the reason.
class TogetherDialog : public QDialog {
    Q_OBJECT

public:
    using Apply = std::function<std::string(const DiedTogether&)>;

    TogetherDialog(const std::optional<DiedTogether>& current, Apply apply, QWidget* parent = nullptr);

    // The case as the tables hold it; nothing, with why in `why`, for a count
    // that is not a whole number from 0 to the most.
    std::optional<DiedTogether> chosen(std::string& why) const;

    void accept() override;

    QTableWidget* deaths() const { return deaths_; }
    QTableWidget* relations() const { return relations_; }
    void setDeathCount(int count);
    void addRelation(const QString& of, const QString& who, const QString& path);

private:
    QHBoxLayout* createRelations();
    void fill(const DiedTogether& together);
    void say(const std::string& why);

    Apply apply_;
    QSpinBox* deathCount_ = nullptr;
    QTableWidget* deaths_ = nullptr;
    QTableWidget* relations_ = nullptr;
    QCheckBox* dispute_ = nullptr;
    QLabel* problem_ = nullptr;
};

}  // namespace qismaru::ui
