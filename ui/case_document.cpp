#include "ui/case_document.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>

#include "estate/case_opening.h"
#include "estate/estate_report.h"
#include "model/case_entry.h"
#include "present/combined_sentences.h"
#include "present/positions_text.h"
#include "ui/case_saving.h"
#include "ui/estate_dialog.h"
#include "ui/kept_settings.h"
#include "ui/later_death_dialog.h"
#include "ui/main_window.h"
#include "ui/message_boxes.h"
#include "ui/qt_text.h"
#include "ui/window_placement.h"

namespace qismaru::ui {

namespace {

// How long the status bar says what a command did.
constexpr int kStatusMilliseconds = 6000;

QString fromStd(const std::string& text) { return QString::fromStdString(text); }

QString withSuffix(const QString& path)
{
    const QString suffix = fromView(estate::kCaseFileSuffix);
    return path.endsWith(suffix, Qt::CaseInsensitive) ? path : path + suffix;
}

std::string onDisk(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace

CaseDocument::CaseDocument(MainWindow& window, MessageBoxes& messages)
    : QObject(&window), window_(window), messages_(messages)
{
    connect(&window_, &MainWindow::caseReplaced, this, &CaseDocument::forgetCase);
}

void CaseDocument::attach(std::unique_ptr<CaseFileDialogs> dialogs, std::unique_ptr<QSettings> settings,
                          EstateWindow::Commands estateCommands, CombinedWindow::Commands combinedCommands)
{
    dialogs_ = std::move(dialogs);
    settings_ = std::move(settings);
    estateCommands_ = std::move(estateCommands);
    combinedCommands_ = std::move(combinedCommands);
}

void CaseDocument::setAnswer(ShownAnswer answer)
{
    answer_ = std::move(answer);
    emit answerChanged();
    emit fileChanged();
}

void CaseDocument::caseEdited() { setAnswer(openAnswer(window_.caseState().counts, window_.positions(), later_)); }

CaseOutcome CaseDocument::calculate()
{
    ShownAnswer computed = computeAnswer(window_.caseState().counts, window_.positions(), estate_, later_);
    const CaseOutcome outcome = computed.computation->outcome;
    if (outcome == CaseOutcome::BeyondExactRange) {
        caseEdited();
    } else {
        setAnswer(std::move(computed));
    }
    return outcome;
}

void CaseDocument::answerAgain()
{
    if (answer_.computed()) {
        setAnswer(computeAnswer(window_.caseState().counts, window_.positions(), estate_, later_));
    } else {
        caseEdited();
    }
}

CaseDocument::~CaseDocument()
{
    delete combinedWindow_;
    delete estateWindow_;
    delete estateDialog_;
}

estate::CaseFile CaseDocument::currentCase() const
{
    return {enteredHeirs(window_.caseState()), estate_, window_.positions(), later_};
}

// A case of heirs alone is entered again in seconds, and the main window
// has always started a new case at once; a case kept in a file, or one with
// an estate's amounts or later deaths, is work, and is not lost without
// asking.
bool CaseDocument::hasUnsavedWork() const
{
    const estate::CaseFile current = currentCase();
    return current != saved_ && (!path_.isEmpty() || current.estate.has_value() || !current.later.empty());
}

bool CaseDocument::mayLeaveCase()
{
    if (!hasUnsavedWork() || !dialogs_) return true;
    switch (dialogs_->askUnsaved(&window_)) {
    case CaseFileDialogs::UnsavedChoice::Save: return save();
    case CaseFileDialogs::UnsavedChoice::Discard: return true;
    case CaseFileDialogs::UnsavedChoice::Cancel: return false;
    }
    return false;
}

bool CaseDocument::open(const QString& path)
{
    const estate::CaseFileReading reading = estate::readCaseFileAt(onDisk(path));
    const estate::OpenedCase opened = estate::openCaseFile(reading);
    const QString why = fromStd(opened.problem);
    if (!opened.ok()) {
        messages_.inform(&window_, kProgramCaption, why + "\n" + QDir::toNativeSeparators(path));
        if (reading.problem == estate::CaseFileProblem::Unreadable) forget(path);
        return false;
    }
    window_.loadCase(*opened.state);
    // The case is answered by the school it was saved with; the menu follows,
    // and the user hears of it when that is not the school chosen so far.
    const Positions& kept = opened.file->positions;
    if (kept != window_.positions()) {
        window_.setPositions(kept);
        messages_.inform(&window_, kProgramCaption, fromStd(estate::positionsTakenFromFileText(kept)));
    }
    estate_ = opened.file->estate;
    later_ = opened.file->later;
    path_ = QFileInfo(path).absoluteFilePath();
    stamp_ = reading.disk.stamp;
    saved_ = currentCase();
    remember(path_);
    caseEdited();
    window_.statusBar()->showMessage("فُتحت المسألة من " + QFileInfo(path_).fileName(), kStatusMilliseconds);
    return true;
}

void CaseDocument::openWithDialog()
{
    if (!dialogs_ || !mayLeaveCase()) return;
    const QString path = dialogs_->fileToOpen(&window_, startFolder());
    if (!path.isEmpty()) open(path);
}

void CaseDocument::openRecent(const QString& path)
{
    if (mayLeaveCase()) open(path);
}

bool CaseDocument::save()
{
    if (path_.isEmpty()) return saveAs();
    const estate::CaseFile current = currentCase();
    // Not QSaveFile: Qt 6.4's commit() misses a buffered write that failed
    // (a full disk) and renames the empty file over the case.
    const CaseSaving saving =
        saveCaseText(&window_, messages_, dialogs_.get(), path_, estate::caseFileText(current), stamp_);
    if (saving.result == CaseSaving::Result::SaveAsWanted) return saveAs();
    if (saving.result != CaseSaving::Result::Saved) return false;
    stamp_ = saving.stamp;
    saved_ = current;
    remember(path_);
    emit fileChanged();
    window_.statusBar()->showMessage("حُفظت المسألة في " + QFileInfo(path_).fileName(), kStatusMilliseconds);
    return true;
}

bool CaseDocument::saveAs()
{
    if (!dialogs_) return false;
    const QString suggested = path_.isEmpty() ? QDir(startFolder()).filePath("مسألة.qismaru") : path_;
    const QString chosen = dialogs_->fileToSave(&window_, suggested);
    if (chosen.isEmpty()) return false;
    const QString previous = path_;
    const std::optional<estate::FileStamp> previousStamp = stamp_;
    // The file chosen is saved over as the user chose it in the dialog.
    path_ = QFileInfo(withSuffix(chosen)).absoluteFilePath();
    stamp_.reset();
    if (save()) return true;
    path_ = previous;
    stamp_ = previousStamp;
    return false;
}

void CaseDocument::editEstate()
{
    // A dialog that has just closed may still wait for its deletion.
    if (estateDialog_ && estateDialog_->isVisible()) return;
    estateDialog_ = new EstateDialog(estate_, &window_);
    estateDialog_->setAttribute(Qt::WA_DeleteOnClose);
    connect(estateDialog_, &QDialog::accepted, this, [this, dialog = estateDialog_] { setEstate(dialog->chosen()); });
    estateDialog_->open();
}

// The settlement is divided again from the computation there is: the
// estate alone changed, not the case.
void CaseDocument::setEstate(const std::optional<estate::EstateInputs>& inputs)
{
    estate_ = inputs;
    ShownAnswer answer = answer_;
    answer.settlement = settlementOf(answer, estate_);
    setAnswer(std::move(answer));
    showSettlement();
}

void CaseDocument::showSettlement()
{
    if (!answer_.settlement) return;
    if (!estateWindow_) {
        estateWindow_ = new EstateWindow(estateCommands_);
        // The window shows the settlement of the answer on screen, or goes
        // when the answer has none.
        connect(this, &CaseDocument::answerChanged, estateWindow_, [this, shown = estateWindow_.data()] {
            if (answer_.settlement)
                shown->showReport(*answer_.settlement);
            else
                shown->close();
        });
        // An open window is already drawn: every change of the answer redraws it.
        estateWindow_->showReport(*answer_.settlement);
    }
    window_.windowPlaces().showBeside(*estateWindow_, window_);
}

void CaseDocument::enterLaterDeath()
{
    if (!answer_.divided() || (answer_.successive && !answer_.joined())) return;
    if (laterDeathDialog_ && laterDeathDialog_->isVisible()) return;
    laterDeathDialog_ = new LaterDeathDialog(
        answer_, messages_, [this](const estate::LaterDeathEntry& death) { return addLaterDeath(death); }, &window_);
    laterDeathDialog_->setAttribute(Qt::WA_DeleteOnClose);
    laterDeathDialog_->open();
}

std::string CaseDocument::addLaterDeath(const estate::LaterDeathEntry& death)
{
    if (!answer_.divided()) return "تُدخل وفاة وارث قبل القسمة بعد «الحساب» لمسألة قُسمت.";
    std::vector<estate::LaterDeathEntry> later = later_;
    later.push_back(death);
    ShownAnswer next = computeAnswer(window_.caseState().counts, window_.positions(), estate_, later);
    if (next.successive && !next.joined()) return next.successive->refusalText();
    later_ = std::move(later);
    setAnswer(std::move(next));
    showCombined();
    window_.statusBar()->showMessage(
        QString::fromStdString(laterDeathHeading(static_cast<int>(later_.size()) + 1, answer_.successive->later.back(),
                                                 answer_.successive->deaths)),
        kStatusMilliseconds);
    return "";
}

void CaseDocument::removeLastLaterDeath()
{
    if (later_.empty()) return;
    later_.pop_back();
    answerAgain();
}

void CaseDocument::showCombined()
{
    if (!answer_.joined()) return;
    if (!combinedWindow_) {
        combinedWindow_ = new CombinedWindow(combinedCommands_);
        // The window shows the combined table of the answer on screen, or
        // goes when the answer has none.
        connect(this, &CaseDocument::answerChanged, combinedWindow_, [this, shown = combinedWindow_.data()] {
            if (answer_.joined())
                shown->showPage(combinedPageOf(answer_));
            else
                shown->close();
        });
        combinedWindow_->showPage(combinedPageOf(answer_));
    }
    window_.windowPlaces().showBeside(*combinedWindow_, window_);
}

void CaseDocument::forgetCase()
{
    estate_.reset();
    later_.clear();
    path_.clear();
    stamp_.reset();
    saved_ = {};
    emit fileChanged();
}

QStringList CaseDocument::recentFiles() const
{
    return settings_ ? keptRecentFiles(*settings_, kRecentFilesKept) : QStringList();
}

void CaseDocument::remember(const QString& path)
{
    if (!settings_) return;
    QStringList files = recentFiles();
    files.removeAll(path);
    files.prepend(path);
    while (files.size() > kRecentFilesKept) files.removeLast();
    keepRecentFiles(*settings_, files);
}

void CaseDocument::forget(const QString& path)
{
    if (!settings_) return;
    QStringList files = recentFiles();
    if (files.removeAll(QFileInfo(path).absoluteFilePath()) > 0) keepRecentFiles(*settings_, files);
}

QString CaseDocument::startFolder() const
{
    if (!path_.isEmpty()) return QFileInfo(path_).absolutePath();
    const QStringList recent = recentFiles();
    if (!recent.isEmpty()) return QFileInfo(recent.constFirst()).absolutePath();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(documents).exists() ? documents : QDir::homePath();
}

}  // namespace qismaru::ui
