#include "ui/document/case_document.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include "answer/combined_page.h"
#include "ui/document/case_saving.h"
#include "ui/document/estate_dialog.h"
#include "ui/document/kept_settings.h"
#include "ui/document/later_death_dialog.h"
#include "ui/kit/message_boxes.h"
#include "ui/kit/qt_text.h"
#include "ui/kit/window_placement.h"

namespace qismaru::ui {

namespace {

QString fromStd(const std::string& text) { return QString::fromStdString(text); }

QString withSuffix(const QString& path)
{
    const QString suffix = fromView(estate::kCaseFileSuffix);
    return path.endsWith(suffix, Qt::CaseInsensitive) ? path : path + suffix;
}

std::string onDisk(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace

CaseDocument::CaseDocument(QWidget& window, MessageBoxes& messages, WindowPlaces& places)
    : QObject(&window), window_(window), messages_(messages), places_(places)
{
}

void CaseDocument::attach(std::unique_ptr<CaseFileDialogs> dialogs, std::unique_ptr<QSettings> settings,
                          EstateWindow::Commands estateCommands, CombinedWindow::Commands combinedCommands)
{
    dialogs_ = std::move(dialogs);
    settings_ = std::move(settings);
    estateCommands_ = std::move(estateCommands);
    combinedCommands_ = std::move(combinedCommands);
}

CaseDocument::~CaseDocument()
{
    delete relationDialog_;
    delete waitingDialog_;
    delete togetherDialog_;
    delete waitingWindow_;
    delete combinedWindow_;
    delete estateWindow_;
    delete estateDialog_;
}

void CaseDocument::changed()
{
    emit answerChanged();
    emit fileChanged();
}

KeyPress CaseDocument::press(HeirKind kind)
{
    KeyPress key = session_.press(kind);
    if (key.outcome == KeyOutcome::Entered) changed();
    return key;
}

KeyPress CaseDocument::confirmCount(int count)
{
    KeyPress key = session_.confirmCount(count);
    if (key.outcome == KeyOutcome::Entered) changed();
    return key;
}

std::optional<int> CaseDocument::cancelLast()
{
    const std::optional<int> row = session_.cancelLast();
    if (row) changed();
    return row;
}

Calculation CaseDocument::calculate()
{
    Calculation calculation = session_.calculate();
    if (calculation.outcome != Calculation::Outcome::Unchanged) changed();
    return calculation;
}

Calculation CaseDocument::setPositions(const Positions& positions)
{
    Calculation calculation = session_.setPositions(positions);
    if (calculation.outcome == Calculation::Outcome::Unchanged) return calculation;
    emit positionsChanged(session_.positions());
    changed();
    return calculation;
}

void CaseDocument::newCase()
{
    session_.newCase();
    path_.clear();
    stamp_.reset();
    emit caseReplaced();
    changed();
}

void CaseDocument::replaceHeirs(const CaseState& state)
{
    session_.newCase();
    session_.replaceHeirs(state);
    path_.clear();
    stamp_.reset();
    emit caseReplaced();
    changed();
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
    const Positions before = session_.positions();
    const FileOpening opening = session_.open(reading);
    if (!opening.ok()) {
        messages_.inform(&window_, kProgramCaption, fromStd(opening.problem) + "\n" + QDir::toNativeSeparators(path));
        if (reading.problem == estate::CaseFileProblem::Unreadable) forget(path);
        return false;
    }
    path_ = QFileInfo(path).absoluteFilePath();
    stamp_ = reading.disk.stamp;
    remember(path_);
    emit caseReplaced();
    if (session_.positions() != before) emit positionsChanged(session_.positions());
    changed();
    // The case is answered by the school it was saved with; the menu follows,
    // and the user hears of it when that is not the school chosen so far.
    if (!opening.positionsMessage.empty())
        messages_.inform(&window_, kProgramCaption, fromStd(opening.positionsMessage));
    emit done("فُتحت المسألة من " + QFileInfo(path_).fileName());
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

// The case file keeps heirs, what waits and later deaths, not those who died
// together: saving them would write an empty case as if it were this one.
bool CaseDocument::mayBeSaved()
{
    if (!session_.together()) return true;
    messages_.inform(&window_, kProgramCaption, "لا تُحفظ مسألة من ماتوا معًا في ملف.");
    return false;
}

bool CaseDocument::save()
{
    if (!mayBeSaved()) return false;
    if (path_.isEmpty()) return saveAs();
    const estate::CaseFile current = session_.currentCase();
    // Not QSaveFile: Qt 6.4's commit() misses a buffered write that failed
    // (a full disk) and renames the empty file over the case.
    const CaseSaving saving =
        saveCaseText(&window_, messages_, dialogs_.get(), path_, estate::caseFileText(current), stamp_);
    if (saving.result == CaseSaving::Result::SaveAsWanted) return saveAs();
    if (saving.result != CaseSaving::Result::Saved) return false;
    stamp_ = saving.stamp;
    session_.markSaved();
    remember(path_);
    emit fileChanged();
    emit done("حُفظت المسألة في " + QFileInfo(path_).fileName());
    return true;
}

bool CaseDocument::saveAs()
{
    if (!dialogs_ || !mayBeSaved()) return false;
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
    estateDialog_ = new EstateDialog(session_.estate(), &window_);
    estateDialog_->setAttribute(Qt::WA_DeleteOnClose);
    connect(estateDialog_, &QDialog::accepted, this, [this, dialog = estateDialog_] { setEstate(dialog->chosen()); });
    estateDialog_->open();
}

// The settlement is divided again from the computation there is: the
// estate alone changed, not the case.
void CaseDocument::setEstate(const std::optional<estate::EstateInputs>& inputs)
{
    session_.setEstate(inputs);
    changed();
    showSettlement();
}

void CaseDocument::showSettlement()
{
    if (!answer().estateReport(Reader::Page)) return;
    if (!estateWindow_) {
        estateWindow_ = new EstateWindow(estateCommands_);
        // The window shows the settlement of the answer on screen, or goes
        // when the answer has none.
        connect(this, &CaseDocument::answerChanged, estateWindow_, [this, shown = estateWindow_.data()] {
            if (const std::optional<estate::EstateReport> report = answer().estateReport(Reader::Page))
                shown->showReport(*report);
            else
                shown->close();
        });
        // An open window is already drawn: every change of the answer redraws it.
        estateWindow_->showReport(*answer().estateReport(Reader::Page));
    }
    places_.showBeside(*estateWindow_, window_);
}

void CaseDocument::enterRelative()
{
    if (relationDialog_ && relationDialog_->isVisible()) return;
    relationDialog_ = new RelationDialog(*this, &window_);
    relationDialog_->setAttribute(Qt::WA_DeleteOnClose);
    relationDialog_->open();
}

std::string CaseDocument::addRelative(const RelativeEntry& relative)
{
    std::string refused = session_.addRelative(relative);
    if (!refused.empty()) return refused;
    emit relativesChanged();
    changed();
    return "";
}

bool CaseDocument::removeLastRelative()
{
    if (!session_.removeLastRelative()) return false;
    emit relativesChanged();
    changed();
    return true;
}

void CaseDocument::enterLaterDeath()
{
    if (!answer().divided() || (answer().successive && !answer().joined())) return;
    if (laterDeathDialog_ && laterDeathDialog_->isVisible()) return;
    laterDeathDialog_ = new LaterDeathDialog(
        answer(), messages_, [this](const estate::LaterDeathEntry& death) { return addLaterDeath(death); }, &window_);
    laterDeathDialog_->setAttribute(Qt::WA_DeleteOnClose);
    laterDeathDialog_->open();
}

std::string CaseDocument::addLaterDeath(const estate::LaterDeathEntry& death)
{
    std::string refused = session_.addLaterDeath(death);
    if (!refused.empty()) return refused;
    changed();
    showCombined();
    const SuccessiveDeaths& deaths = *answer().successive;
    emit done(fromStd(deaths.heading(deaths.later.size() - 1)));
    return "";
}

void CaseDocument::removeLastLaterDeath()
{
    if (laterDeaths().empty()) return;
    session_.removeLastLaterDeath();
    changed();
}

void CaseDocument::showCombined()
{
    if (!answer().joined()) return;
    if (!combinedWindow_) {
        combinedWindow_ = new CombinedWindow(combinedCommands_);
        // The window shows the combined table of the answer on screen, or
        // goes when the answer has none.
        connect(this, &CaseDocument::answerChanged, combinedWindow_, [this, shown = combinedWindow_.data()] {
            if (answer().joined())
                shown->showPage(combinedPageOf(answer()));
            else
                shown->close();
        });
        combinedWindow_->showPage(combinedPageOf(answer()));
    }
    places_.showBeside(*combinedWindow_, window_);
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
