#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "answer/later_death_form.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QSpinBox;
class QWidget;

namespace qismaru::ui {

class MessageBoxes;

// The dialog "وفاة وارث قبل القسمة": which heir of the divided case died
// before the division, and his own heirs, entered by their buttons with the
// main window's rules; for each kind of his heirs, whether they are the same
// persons as an earlier group; his relatives beyond the buttons by the
// relation builder, "قريب آخر". The rules are the form's
// (answer/later_death_form.h): the dialog shows them. OK joins the death to
// the case, or says why it cannot and stays open.
class LaterDeathDialog : public QDialog {
    Q_OBJECT

public:
    // Adds the death to the case: "" when it did, else why not (Arabic).
    using Adder = std::function<std::string(const estate::LaterDeathEntry&)>;

    LaterDeathDialog(const CaseAnswer& answer, MessageBoxes& messages, Adder add, QWidget* parent = nullptr);

    // The death as entered so far.
    estate::LaterDeathEntry entry() const { return form_.entry(); }

    // The commands of the controls, callable by tests as a press.
    void pressHeir(HeirKind kind);
    void confirmCount();
    void cancelCount();
    void cancelLastChoice();
    // Opens the relation builder for his relatives beyond the buttons.
    void buildRelatives();
    void accept() override;
    // Escape withdraws a count being entered before it closes the dialog.
    void reject() override;

private:
    QLayout* createDeceasedRow();
    QWidget* createHeirButtons();
    QLayout* createEnteredHeirs();
    QWidget* createCountRow();
    QLayout* createProblemAndButtons();
    void fillDeceased();
    void showHeirs();
    void fillSameChoice(QComboBox& choice, HeirKind kind, const QString& kept);
    void showCounting(bool counting);
    void say(const QString& problem);
    void tell(const KeyPress& key);

    MessageBoxes& messages_;
    Adder add_;
    LaterDeathForm form_;

    QComboBox* deceased_ = nullptr;
    std::vector<QPushButton*> heirButtons_;
    QWidget* heirs_ = nullptr;
    QGridLayout* heirRows_ = nullptr;
    QWidget* countRow_ = nullptr;
    QLabel* countCaption_ = nullptr;
    QSpinBox* count_ = nullptr;
    QPushButton* countOk_ = nullptr;
    QPushButton* cancelLast_ = nullptr;
    QPushButton* relation_ = nullptr;
    QPushButton* ok_ = nullptr;
    QLabel* problem_ = nullptr;
};

}  // namespace qismaru::ui
