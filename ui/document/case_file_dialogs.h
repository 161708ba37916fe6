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
    enum class ChangedChoice { SaveAnyway, SaveAs, Cancel };

    virtual ~CaseFileDialogs() = default;
    // Empty when the user cancels.
    virtual QString fileToOpen(QWidget* parent, const QString& folder) = 0;
    virtual QString fileToSave(QWidget* parent, const QString& suggested) = 0;
    virtual UnsavedChoice askUnsaved(QWidget* parent) = 0;
    // The file at `path` changed on disk since it was opened or saved here
    // (another window or program saved it, or put something else in its
    // place): save over it anyway, under another name, or not at all.
    virtual ChangedChoice askChanged(QWidget* parent, const QString& path) = 0;
};

class ModalCaseFileDialogs : public CaseFileDialogs {
public:
    QString fileToOpen(QWidget* parent, const QString& folder) override;
    QString fileToSave(QWidget* parent, const QString& suggested) override;
    UnsavedChoice askUnsaved(QWidget* parent) override;
    ChangedChoice askChanged(QWidget* parent, const QString& path) override;
};

// The file dialogs' filter: "مسائل قسمارو (*.qismaru)".
QString caseFileFilter();

}  // namespace qismaru::ui
