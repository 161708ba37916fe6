#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "present/relation_builder.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace qismaru::ui {

class CaseDocument;

// Where the relatives built go: the case's first deceased, or a later
// deceased's heirs. `add` says why one is refused (Arabic) or "".
struct RelativesTarget {
    std::function<std::string(const RelativeEntry&)> add;
    std::function<void()> removeLast;
    std::function<std::vector<RelativeEntry>()> added;  // those given by path, in order
    std::function<std::vector<RelativeEntry>()> all;    // with the buttons' heirs, as the case holds them
    std::function<bool()> open;                         // whether relatives may still be added
};

// The relation builder "قريب آخر": a relative beyond the heir buttons,
// built outwards from the deceased one step at a time (his son, then that
// son's son, ...; his father, then the father's brother, ...; the
// emancipator and his agnates), named as the table names him while it
// grows, with a count and an optional label that tells two lines of one
// path apart. Only the steps that lead to a relative who may stand in a
// case are offered; the case may still refuse him (given twice, ...), and
// the dialog then says why. The relatives added are listed, and the last
// can be withdrawn.
class RelationDialog : public QDialog {
    Q_OBJECT

public:
    RelationDialog(CaseDocument& document, QWidget* parent = nullptr);
    RelationDialog(RelativesTarget target, QWidget* parent);

    const RelativePath& path() const { return builder_.path(); }

    // The commands of the controls, callable by tests as a press.
    void step(Link link);
    void back();
    void restart();
    void add();
    void removeLast();

private:
    QWidget* createSteps();
    QLayout* createRelative();
    QLayout* createAdded();
    RelativeEntry entry() const;
    // The name, the steps offered and the count allowed for the path as built
    // (present/relation_builder.h decides them, for the web page too).
    void showPath();
    void showAdded();
    void showCommands();
    void say(const QString& problem);

    RelativesTarget target_;
    RelationBuilder builder_;
    std::vector<std::pair<Link, QPushButton*>> steps_;
    QLabel* name_ = nullptr;
    QPushButton* back_ = nullptr;
    QPushButton* restart_ = nullptr;
    QSpinBox* count_ = nullptr;
    QLineEdit* label_ = nullptr;
    QLabel* problem_ = nullptr;
    QListWidget* added_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* removeLast_ = nullptr;
};

}  // namespace qismaru::ui
