#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "files/case_file_later.h"
#include "model/case_state.h"
#include "ui/document/shown_answer.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QSpinBox;
class QWidget;

namespace qismaru::ui {

class MessageBoxes;

// The dialog "وفاة وارث قبل القسمة": which heir of the divided case died
// before the division (a surviving person who received something), and his
// own heirs, entered by their buttons with the main window's rules (one
// press for a single kind, a count for the others, the spouses never
// together, at most four wives, the school's grandmothers, and a man
// leaves no husband, a woman no wives). For each kind of his heirs the user
// may say that they are the same persons as an earlier group; only the
// groups with as many survivors as were entered are offered. OK joins the
// death to the case, or says why it cannot and stays open.
class LaterDeathDialog : public QDialog {
    Q_OBJECT

public:
    // Adds the death to the case: "" when it did, else why not (Arabic).
    using Adder = std::function<std::string(const estate::LaterDeathEntry&)>;

    LaterDeathDialog(const ShownAnswer& answer, MessageBoxes& messages, Adder add, QWidget* parent = nullptr);

    // The death as entered so far.
    estate::LaterDeathEntry entry() const;

    // The commands of the controls, callable by tests as a press.
    void pressHeir(HeirKind kind);
    void confirmCount();
    void cancelCount();
    void cancelLastChoice();
    void accept() override;
    // Escape withdraws a count being entered before it closes the dialog.
    void reject() override;

private:
    struct Group {
        int index;     // in the combined table so far
        GroupRef ref;  // the reference it is known by first
    };

    QWidget* createHeirButtons();
    void fillDeceased();
    std::optional<Group> deceased() const;
    int survivorsOf(int index) const;
    QString groupName(int index, int persons) const;
    void showHeirs();
    void fillSameChoice(QComboBox& choice, HeirKind kind, int count, const QString& kept) const;
    void showCounting(bool counting);
    void say(const QString& problem);

    MessageBoxes& messages_;
    Adder add_;
    Positions positions_;
    std::vector<DeathCase> deaths_;  // the deaths so far, for their names
    CombinedTable table_;            // the groups so far, with their parts
    int death_ = 2;                  // the number of the death being entered
    CaseState state_;                // his heirs, as the main window keeps a case
    std::vector<Group> groups_;      // every surviving group, in the books' order

    QComboBox* deceased_ = nullptr;
    std::vector<QPushButton*> heirButtons_;
    QWidget* heirs_ = nullptr;
    QGridLayout* heirRows_ = nullptr;
    QWidget* countRow_ = nullptr;
    QLabel* countCaption_ = nullptr;
    QSpinBox* count_ = nullptr;
    QPushButton* countOk_ = nullptr;
    QPushButton* cancelLast_ = nullptr;
    QPushButton* ok_ = nullptr;
    QLabel* problem_ = nullptr;
};

}  // namespace qismaru::ui
