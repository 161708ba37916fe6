#include "ui/document/case_saving.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "files/case_file.h"
#include "ui/document/case_file_dialogs.h"
#include "ui/kit/message_boxes.h"

namespace qismaru::ui {

namespace {

using Result = CaseSaving::Result;

QString saveFailureText(const QString& path, const estate::DiskOutcome& outcome)
{
    // A failed save replaces nothing: a file that was there is there as it was.
    const QString kept =
        QFileInfo::exists(path) ? "بقي الملف على حاله، ولم تحفظ المسألة المعروضة." : "لم تحفظ المسألة المعروضة.";
    return "تعذر حفظ المسألة في الملف:\n" + QDir::toNativeSeparators(path) + "\n" +
           QString::fromStdString(estate::arabicDiskText(outcome)) + ".\n" + kept;
}

}  // namespace

CaseSaving saveCaseText(QWidget* parent, MessageBoxes& messages, CaseFileDialogs* dialogs, const QString& path,
                        const std::string& text, const std::optional<estate::FileStamp>& known)
{
    using estate::DiskOutcome;
    // What a case may hold is bounded so that this never happens; should it,
    // the file stays as it was rather than become one no Qismaru opens.
    if (text.size() > estate::kMaxCaseFileBytes) {
        messages.inform(parent, kProgramCaption,
                        "تعذر حفظ المسألة في الملف:\n" + QDir::toNativeSeparators(path) +
                            "\nهي أكبر مما يقرؤه قسمارو من ملف مسألة، فلم يُكتب الملف.");
        return {Result::NotSaved, std::nullopt};
    }
    const std::string onDisk = QFile::encodeName(path).toStdString();
    const estate::FileStamp* stamp = known ? &*known : nullptr;
    DiskOutcome written = estate::replaceFile(onDisk, text, {stamp, false});
    if (written.failure == DiskOutcome::Failure::ChangedSince && dialogs) {
        switch (dialogs->askChanged(parent, path)) {
        case CaseFileDialogs::ChangedChoice::SaveAnyway:
            written = estate::replaceFile(onDisk, text, {stamp, true});
            break;
        case CaseFileDialogs::ChangedChoice::SaveAs: return {Result::SaveAsWanted, std::nullopt};
        case CaseFileDialogs::ChangedChoice::Cancel: return {Result::NotSaved, std::nullopt};
        }
    }
    if (!written.ok()) {
        messages.inform(parent, kProgramCaption, saveFailureText(path, written));
        return {Result::NotSaved, std::nullopt};
    }
    return {Result::Saved, written.stamp};
}

}  // namespace qismaru::ui
