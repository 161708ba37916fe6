#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace qismaru::estate {

// What became of reading or writing a file on disk, and why it failed.
struct DiskOutcome {
    enum class Failure { None, NotARegularFile, System };
    Failure failure = Failure::None;
    int error = 0;  // the system's error number, for System

    bool ok() const { return failure == Failure::None; }
};

// Puts at most `limit` bytes of the regular file at `path` in `bytes`.
// Anything else (a directory, a FIFO, a device) is refused before a byte is
// read: a FIFO would keep the program waiting for a writer that never comes.
DiskOutcome readRegularFile(const std::string& path, std::size_t limit, std::string& bytes);

// Puts `bytes` in place of the file at `path`, or in a new file there. They
// go to a new file beside it first, which takes the old one's name only
// once every byte is written and on the disk; on any failure (a full disk,
// no permission) the new file is removed and the old one is left exactly as
// it was. A link is followed, so that the file it names is replaced and the
// link stays. The old file's permissions are kept, and its owner and group
// where the system lets the user give them. Only the old file's name takes
// the new bytes: its other hard links, if any, keep the old ones. What is
// not a regular file (a directory, a device) is not replaced. Temporary
// files of earlier saves beside it, left by a program that ended during its
// save, are removed.
DiskOutcome replaceFile(const std::string& path, std::string_view bytes);

// Why it failed, as a clause to follow "تعذر حفظ المسألة: " or the like.
std::string arabicDiskText(const DiskOutcome& outcome);
// The same in English, as the system words it ("No space left on device").
std::string englishDiskText(const DiskOutcome& outcome);

}  // namespace qismaru::estate
