#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <memory>
#include <optional>

#include "estate/case_file.h"
#include "ui/case_file_dialogs.h"
#include "ui/estate_dialog.h"
#include "ui/estate_window.h"

class QSettings;

namespace qismaru::ui {

class MainWindow;
class MessageBoxes;

// The case on the main window as a document: its heirs, its estate and the
// file it is kept in. It opens and saves case files, remembers the recent
// ones, asks before unsaved work is lost, and settles the estate when the
// case is computed.
class CaseDocument : public QObject {
    Q_OBJECT

public:
    CaseDocument(MainWindow& window, MessageBoxes& messages, std::unique_ptr<CaseFileDialogs> dialogs,
                 std::unique_ptr<QSettings> settings, EstateWindow::Commands estateCommands);
    ~CaseDocument() override;

    // Opens a case file in place of the case; a file that cannot be opened
    // is named in a message and nothing changes.
    bool open(const QString& path);
    // The commands of the menu "ملف".
    void openWithDialog();
    void openRecent(const QString& path);
    bool save();
    bool saveAs();
    // The menu item "التركة".
    void editEstate();

    // Whether the case may be replaced or the program closed; asks first
    // when there is unsaved work.
    bool mayLeaveCase();
    bool hasUnsavedWork() const;

    const std::optional<estate::EstateInputs>& estate() const { return estate_; }
    void setEstate(const std::optional<estate::EstateInputs>& inputs);
    const QString& path() const { return path_; }
    QStringList recentFiles() const;
    EstateDialog* estateDialog() const { return estateDialog_; }
    EstateWindow* estateWindow() const { return estateWindow_; }

    static constexpr int kRecentFilesKept = 6;

private:
    estate::CaseFile currentCase() const;
    void showSettlement();
    void forgetCase();
    void remember(const QString& path);
    void forget(const QString& path);
    QString startFolder() const;

    MainWindow& window_;
    MessageBoxes& messages_;
    std::unique_ptr<CaseFileDialogs> dialogs_;
    std::unique_ptr<QSettings> settings_;
    EstateWindow::Commands estateCommands_;
    std::optional<estate::EstateInputs> estate_;
    QString path_;
    estate::CaseFile saved_;  // the case as last opened or saved; empty for a new one
    QPointer<EstateDialog> estateDialog_;
    QPointer<EstateWindow> estateWindow_;
};

}  // namespace qismaru::ui
