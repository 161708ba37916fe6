#pragma once

#include <QString>
#include <optional>
#include <string>

#include "files/disk_file.h"

class QWidget;

namespace qismaru::ui {

class CaseFileDialogs;
class MessageBoxes;

// A case's text saved in its file as the window saves it, by the writer of
// case files (estate/disk_file.h). A file that changed on disk since it was
// opened or saved here (`known`), by another window or another program, is
// not saved over unasked; a text larger than a case file may be is not
// written; a save that fails says why in a message.
struct CaseSaving {
    enum class Result { Saved, NotSaved, SaveAsWanted };
    Result result = Result::NotSaved;
    std::optional<estate::FileStamp> stamp;  // the file as saved
};

CaseSaving saveCaseText(QWidget* parent, MessageBoxes& messages, CaseFileDialogs* dialogs, const QString& path,
                        const std::string& text, const std::optional<estate::FileStamp>& known);

}  // namespace qismaru::ui
