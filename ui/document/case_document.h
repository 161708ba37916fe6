#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <memory>
#include <optional>

#include "answer/case_session.h"
#include "ui/document/case_file_dialogs.h"
#include "ui/document/estate_dialog.h"
#include "ui/document/later_death_dialog.h"
#include "ui/document/relation_dialog.h"
#include "ui/document/together_dialog.h"
#include "ui/document/waiting_dialog.h"
#include "ui/reports/combined_window.h"
#include "ui/reports/estate_window.h"
#include "ui/reports/waiting_window.h"

class QSettings;

namespace qismaru::ui {

class MessageBoxes;
class WindowPlaces;

// The case on the main window as a document: the Qt side of its session
// (answer/case_session.h), which holds the heirs, the positions, the estate,
// the later deaths and the one answer every window shows. Each change of
// the session says answerChanged(), which the table, the title and its
// mark, the solution window, the estate window and the combined table's
// window follow. The document opens and saves case files, remembers the
// recent ones and asks before unsaved work is lost, once the program has
// given it its dialogs; it opens the windows of the estate and the later
// deaths beside `window`.
class CaseDocument : public QObject {
    Q_OBJECT

public:
    CaseDocument(QWidget& window, MessageBoxes& messages, WindowPlaces& places);
    ~CaseDocument() override;

    // The file dialogs, the settings that keep the recent files, and what
    // the estate window's Print and PDF do; without them there is no file
    // to open or save.
    void attach(std::unique_ptr<CaseFileDialogs> dialogs, std::unique_ptr<QSettings> settings,
                EstateWindow::Commands estateCommands, CombinedWindow::Commands combinedCommands = {});

    const CaseSession& session() const { return session_; }
    const CaseAnswer& answer() const { return session_.answer(); }

    // The keypad of the main window and its count dialog.
    KeyPress press(HeirKind kind);
    KeyPress confirmCount(int count);
    void cancelCount() { session_.cancelCount(); }
    std::optional<int> cancelLast();
    // Calculate, and the school and positions chosen (menu "المذهب").
    Calculation calculate();
    Calculation setPositions(const Positions& positions);
    // A new case (after asking about unsaved work, by the caller), or one
    // with these heirs entered elsewhere.
    void newCase();
    void replaceHeirs(const CaseState& state);

    // Relatives beyond the heir buttons (menu "ملف", "قريب آخر…"): the
    // relation builder, and the commands it gives. A relative the case does
    // not take is refused with the reason (Arabic), and nothing changes.
    void enterRelative();
    std::string addRelative(const RelativeEntry& relative);
    bool removeLastRelative();
    RelationDialog* relationDialog() const { return relationDialog_; }

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
    const std::vector<estate::LaterDeathEntry>& laterDeaths() const { return session_.laterDeaths(); }
    void showCombined();

    // What waits beside the heirs (menu "ملف", "حمل أو مفقود أو خنثى…"): the
    // dialog that marks it, and the marks it hands on, refused with the
    // reason (Arabic) while nothing changes. Once the case is answered, the
    // outcome known and recorded, or refused with the reason.
    void markWaiting();
    std::string setWaiting(std::optional<estate::WaitingEntry> waiting);
    std::string recordOutcome(const std::string& outcome);
    // Those who died together (menu "ملف", "من ماتوا معًا…"): the dialog, and
    // the case it hands on, divided at once or refused with the reason, the
    // case then left as it was.
    void enterTogether();
    std::string setTogether(const DiedTogether& together);
    // Opens the window of the division of a case that waits, or of those who
    // died together, when the answer has one: the main window's table
    // cannot hold it.
    void showWaiting();
    WaitingDialog* waitingDialog() const { return waitingDialog_; }
    TogetherDialog* togetherDialog() const { return togetherDialog_; }
    WaitingWindow* waitingWindow() const { return waitingWindow_; }

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
    bool hasUnsavedWork() const { return session_.hasUnsavedWork(); }

    const std::optional<estate::EstateInputs>& estate() const { return session_.estate(); }
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
    // The heirs were replaced as a whole (a new case, a file opened).
    void caseReplaced();
    // A relative by path was added or withdrawn.
    void relativesChanged();
    // What waits, or those who died together, was marked or withdrawn.
    void marksChanged();
    void positionsChanged(const qismaru::Positions& positions);
    // What a command did, for the status bar.
    void done(const QString& what);

private:
    void changed();
    bool mayBeSaved();
    void remember(const QString& path);
    void forget(const QString& path);
    QString startFolder() const;

    QWidget& window_;
    MessageBoxes& messages_;
    WindowPlaces& places_;
    CaseSession session_;
    std::unique_ptr<CaseFileDialogs> dialogs_;
    std::unique_ptr<QSettings> settings_;
    EstateWindow::Commands estateCommands_;
    CombinedWindow::Commands combinedCommands_;
    QString path_;
    std::optional<estate::FileStamp> stamp_;  // the file as last opened or saved
    QPointer<EstateDialog> estateDialog_;
    QPointer<EstateWindow> estateWindow_;
    QPointer<LaterDeathDialog> laterDeathDialog_;
    QPointer<RelationDialog> relationDialog_;
    QPointer<CombinedWindow> combinedWindow_;
    QPointer<WaitingDialog> waitingDialog_;
    QPointer<TogetherDialog> togetherDialog_;
    QPointer<WaitingWindow> waitingWindow_;
};

}  // namespace qismaru::ui
