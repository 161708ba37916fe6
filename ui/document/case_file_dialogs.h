#pragma once

#include <QString>

class QWidget;

namespace qismaru::ui {

// What the program asks around case files: which file to open, under which
// name to save, and what to do with unsaved work. An interface, so that
// tests answer without a human.
class CaseFileDialogs {
public:
    enum class UnsavedChoice { Save, Discard, Cancel };

    virtual ~CaseFileDialogs() = default;
    // Empty when the user cancels.
    virtual QString fileToOpen(QWidget* parent, const QString& folder) = 0;
    virtual QString fileToSave(QWidget* parent, const QString& suggested) = 0;
    virtual UnsavedChoice askUnsaved(QWidget* parent) = 0;
};

class ModalCaseFileDialogs : public CaseFileDialogs {
public:
    QString fileToOpen(QWidget* parent, const QString& folder) override;
    QString fileToSave(QWidget* parent, const QString& suggested) override;
    UnsavedChoice askUnsaved(QWidget* parent) override;
};

// The file dialogs' filter: "مسائل قسمارو (*.qismaru)".
QString caseFileFilter();

}  // namespace qismaru::ui
