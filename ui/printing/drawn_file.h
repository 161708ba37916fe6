#pragma once

#include <QString>
#include <functional>

#include "files/disk_file.h"

class QImage;
class QPdfWriter;

namespace qismaru::ui {

// The PDF files and pictures the program writes are drawn in memory first,
// then written as case files are (estate/disk_file.h): a new file beside the
// old one, every write checked, which takes the old one's name only once it
// is whole on the disk. A file that cannot be written leaves the old one as
// it was; the target is never opened, not even to try it.

struct DrawnFileOutcome {
    bool drawn = true;  // false: Qt could not draw it, and no file was touched
    estate::DiskOutcome disk;

    bool ok() const { return drawn && disk.ok(); }
};

// `draw` paints the pages on the writer (A4, 1200 dots to the inch, as a
// PDF printer gives them) and says whether it could; the file is titled
// `title`, as a reader lists it.
using PdfDrawing = std::function<bool(QPdfWriter& writer)>;
DrawnFileOutcome writePdfFile(const QString& path, const QString& title, const PdfDrawing& draw);
DrawnFileOutcome writePngFile(const QString& path, const QImage& image);

// Why it failed, as a clause ("لا مساحة كافية على القرص"), and in English
// for a script's one line ("No space left on device").
QString arabicReason(const DrawnFileOutcome& outcome);
QString englishReason(const DrawnFileOutcome& outcome);

// What a window says: "تعذر حفظ <what> في الملف:", the file, the reason, and
// that a file of that name was left as it was.
QString drawnFileFailureText(const QString& what, const QString& path, const DrawnFileOutcome& outcome);

}  // namespace qismaru::ui
