#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <memory>
#include <optional>

#include "estate/case_file.h"
#include "ui/case_file_dialogs.h"
#include "ui/combined_window.h"
#include "ui/estate_dialog.h"
#include "ui/estate_window.h"
#include "ui/later_death_dialog.h"
#include "ui/shown_answer.h"

class QSettings;

namespace qismaru::ui {

class MainWindow;
class MessageBoxes;

// The case on the main window as a document: its heirs, its estate, the
// heirs who died before the division, the file it is kept in, and the one
// answer every window shows. The main window creates it and tells it of
// every change of the case; it computes the answer once per change and says
// answerChanged(), which the table, the title and its mark, the solution
// window, the estate window and the combined table's window follow. It
// opens and saves case files, remembers the recent ones and asks before
// unsaved work is lost, once the program has given it its dialogs.
class CaseDocument : public QObject {
    Q_OBJECT

public:
    CaseDocument(MainWindow& window, MessageBoxes& messages);
    ~CaseDocument() override;

    // The file dialogs, the settings that keep the recent files, and what
    // the estate window's Print and PDF do; without them there is no file
    // to open or save.
    void attach(std::unique_ptr<CaseFileDialogs> dialogs, std::unique_ptr<QSettings> settings,
                EstateWindow::Commands estateCommands, CombinedWindow::Commands combinedCommands = {});

    const ShownAnswer& answer() const { return answer_; }
    // The heirs or the positions changed, or the case was replaced or
    // withdrawn: the answer is the case as it stands, open.
    void caseEdited();
    // Calculate, or the case answered again under other positions: the
    // outcome, and the answer of the case unless it is beyond exact
    // computation (then the case stays open).
    CaseOutcome calculate();
    // Opens the estate window on the settlement, if there is one: the user
    // asked for it (Calculate with an estate, or the estate dialog's OK).
    void showSettlement();

    // Heirs who died before the division (menu "المناسخات"). The dialog that
    // enters one, for a divided case; a death joins the case, which is
    // answered again with it, or is refused with the reason (Arabic), and
    // nothing changes. The last one can be withdrawn. Opening the window of
    // the combined table, when the later deaths joined.
    void enterLaterDeath();
    std::string addLaterDeath(const estate::LaterDeathEntry& death);
    void removeLastLaterDeath();
    const std::vector<estate::LaterDeathEntry>& laterDeaths() const { return later_; }
    void showCombined();

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
    LaterDeathDialog* laterDeathDialog() const { return laterDeathDialog_; }
    CombinedWindow* combinedWindow() const { return combinedWindow_; }

    static constexpr int kRecentFilesKept = 6;

signals:
    void answerChanged();
    // The file the case is kept in, or whether it is saved, may have changed.
    void fileChanged();

private:
    estate::CaseFile currentCase() const;
    void setAnswer(ShownAnswer answer);
    // The later deaths changed: a computed case is answered again.
    void answerAgain();
    void forgetCase();
    void remember(const QString& path);
    void forget(const QString& path);
    QString startFolder() const;

    MainWindow& window_;
    MessageBoxes& messages_;
    std::unique_ptr<CaseFileDialogs> dialogs_;
    std::unique_ptr<QSettings> settings_;
    EstateWindow::Commands estateCommands_;
    CombinedWindow::Commands combinedCommands_;
    ShownAnswer answer_;
    std::optional<estate::EstateInputs> estate_;
    std::vector<estate::LaterDeathEntry> later_;
    QString path_;
    estate::CaseFile saved_;                  // the case as last opened or saved; empty for a new one
    std::optional<estate::FileStamp> stamp_;  // the file as last opened or saved
    QPointer<EstateDialog> estateDialog_;
    QPointer<EstateWindow> estateWindow_;
    QPointer<LaterDeathDialog> laterDeathDialog_;
    QPointer<CombinedWindow> combinedWindow_;
};

}  // namespace qismaru::ui
