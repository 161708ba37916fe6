#include "ui/case_document.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>

#include "estate/case_opening.h"
#include "estate/estate_report.h"
#include "model/case_entry.h"
#include "present/positions_text.h"
#include "ui/estate_dialog.h"
#include "ui/main_window.h"
#include "ui/message_boxes.h"
#include "ui/qt_text.h"
#include "ui/window_placement.h"

namespace qismaru::ui {

namespace {

const char* const kRecentFilesKey = "recentFiles";

QString fromStd(const std::string& text) { return QString::fromStdString(text); }

QString withSuffix(const QString& path)
{
    const QString suffix = fromView(estate::kCaseFileSuffix);
    return path.endsWith(suffix, Qt::CaseInsensitive) ? path : path + suffix;
}

// The file's text, or why it could not be read.
std::optional<QByteArray> readSmallFile(const QString& path, QString& why)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        why = "تعذر فتح الملف: " + file.errorString();
        return std::nullopt;
    }
    // One byte more than a case file may hold tells a case file from a larger one.
    QByteArray bytes = file.read(static_cast<qint64>(estate::kMaxCaseFileBytes) + 1);
    if (file.error() != QFileDevice::NoError) {
        why = "تعذر قراءة الملف: " + file.errorString();
        return std::nullopt;
    }
    return bytes;
}

}  // namespace

CaseDocument::CaseDocument(MainWindow& window, MessageBoxes& messages, std::unique_ptr<CaseFileDialogs> dialogs,
                           std::unique_ptr<QSettings> settings, EstateWindow::Commands estateCommands)
    : QObject(&window),
      window_(window),
      messages_(messages),
      dialogs_(std::move(dialogs)),
      settings_(std::move(settings)),
      estateCommands_(std::move(estateCommands))
{
    connect(&window_, &MainWindow::caseDivided, this, [this](bool divided) {
        if (divided) showSettlement();
    });
    connect(&window_, &MainWindow::caseReplaced, this, &CaseDocument::forgetCase);
    window_.secondaryWindows().mayLeaveCase = [this] { return mayLeaveCase(); };
}

CaseDocument::~CaseDocument()
{
    delete estateWindow_;
    delete estateDialog_;
}

estate::CaseFile CaseDocument::currentCase() const
{
    return {enteredHeirs(window_.caseState()), estate_, window_.positions()};
}

// A case of heirs alone is entered again in seconds, and the main window
// has always started a new case at once; a case kept in a file, or one with
// an estate's amounts, is work, and is not lost without asking.
bool CaseDocument::hasUnsavedWork() const
{
    const estate::CaseFile current = currentCase();
    return current != saved_ && (!path_.isEmpty() || current.estate.has_value());
}

bool CaseDocument::mayLeaveCase()
{
    if (!hasUnsavedWork()) return true;
    switch (dialogs_->askUnsaved(&window_)) {
    case CaseFileDialogs::UnsavedChoice::Save: return save();
    case CaseFileDialogs::UnsavedChoice::Discard: return true;
    case CaseFileDialogs::UnsavedChoice::Cancel: return false;
    }
    return false;
}

bool CaseDocument::open(const QString& path)
{
    QString why;
    const std::optional<QByteArray> bytes = readSmallFile(path, why);
    estate::OpenedCase opened;
    if (bytes) {
        opened = estate::openCaseFile(std::string_view(bytes->constData(), static_cast<std::size_t>(bytes->size())));
        if (!opened.ok()) why = fromStd(opened.problem);
    }
    if (!opened.ok()) {
        messages_.inform(&window_, kProgramCaption, why + "\n" + QDir::toNativeSeparators(path));
        if (!bytes) forget(path);
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
    path_ = QFileInfo(path).absoluteFilePath();
    saved_ = currentCase();
    remember(path_);
    return true;
}

void CaseDocument::openWithDialog()
{
    if (!mayLeaveCase()) return;
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
    QSaveFile file(path_);
    const std::string text = estate::caseFileText(current);
    // QSaveFile writes beside the file and renames at commit: a failed save
    // leaves the old file as it was.
    const bool written =
        file.open(QIODevice::WriteOnly) &&
        file.write(text.data(), static_cast<qint64>(text.size())) == static_cast<qint64>(text.size()) && file.commit();
    if (!written) {
        messages_.inform(&window_, kProgramCaption,
                         "تعذر حفظ المسألة في الملف:\n" + QDir::toNativeSeparators(path_) + "\n" + file.errorString());
        return false;
    }
    saved_ = current;
    remember(path_);
    return true;
}

bool CaseDocument::saveAs()
{
    const QString suggested = path_.isEmpty() ? QDir(startFolder()).filePath("مسألة.qismaru") : path_;
    const QString chosen = dialogs_->fileToSave(&window_, suggested);
    if (chosen.isEmpty()) return false;
    const QString previous = path_;
    path_ = QFileInfo(withSuffix(chosen)).absoluteFilePath();
    if (save()) return true;
    path_ = previous;
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

void CaseDocument::setEstate(const std::optional<estate::EstateInputs>& inputs)
{
    estate_ = inputs;
    if (!estate_ && estateWindow_) estateWindow_->close();
    showSettlement();
}

void CaseDocument::showSettlement()
{
    const CaseState& state = window_.caseState();
    if (!estate_ || !state.computed) return;
    const CaseComputation computation = computeCase(state.counts, window_.positions());
    const estate::Settlement settlement = estate::settleEstate(*estate_, state.counts, computation);
    estate::EstateReport report =
        estate::buildEstateReport(settlement, state.counts, computation.result, estate::Grouping::Accepted);
    // The settlement follows the school of the table; the notes say which.
    report.notes.insert(report.notes.begin(), positionsLine(window_.positions()));
    if (!estateWindow_) estateWindow_ = new EstateWindow(estateCommands_);
    estateWindow_->showReport(report);
    showOver(*estateWindow_, window_);
}

void CaseDocument::forgetCase()
{
    estate_.reset();
    path_.clear();
    saved_ = {};
    if (estateWindow_) estateWindow_->close();
}

QStringList CaseDocument::recentFiles() const { return settings_->value(kRecentFilesKey).toStringList(); }

void CaseDocument::remember(const QString& path)
{
    QStringList files = recentFiles();
    files.removeAll(path);
    files.prepend(path);
    while (files.size() > kRecentFilesKept) files.removeLast();
    settings_->setValue(kRecentFilesKey, files);
}

void CaseDocument::forget(const QString& path)
{
    QStringList files = recentFiles();
    if (files.removeAll(QFileInfo(path).absoluteFilePath()) > 0) settings_->setValue(kRecentFilesKey, files);
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
