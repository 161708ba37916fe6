#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qismaru::estate {

// Which file a path led to when it was read or written, and how it was
// then: a save over it can tell whether another program, or another window
// of this one, has changed or replaced it since.
struct FileStamp {
    std::string finalPath;  // the path with its links followed
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedSeconds = 0;
    std::int64_t modifiedNanoseconds = 0;

    bool operator==(const FileStamp&) const = default;
};

// What became of reading or writing a file on disk, and why it failed.
struct DiskOutcome {
    enum class Failure {
        None,
        NotARegularFile,
        System,
        // The file is not as it was read or last written: changed, replaced,
        // removed, or its name now leads elsewhere (a link put in its place).
        ChangedSince,
    };
    Failure failure = Failure::None;
    int error = 0;  // the system's error number, for System
    // The file as read or written, when it was.
    std::optional<FileStamp> stamp;

    bool ok() const { return failure == Failure::None; }
};

// Puts at most `limit` bytes of the regular file at `path` in `bytes`.
// Anything else (a directory, a FIFO, a device) is refused before a byte is
// read: a FIFO would keep the program waiting for a writer that never comes.
DiskOutcome readRegularFile(const std::string& path, std::size_t limit, std::string& bytes);

// How a file that was read or written before is replaced: `expected` is
// the file as it was then. A file no longer as it was is not replaced
// (ChangedSince) unless `evenIfChanged`; then a name that now leads to
// another file than that one (a link put in its place) is itself replaced,
// and the file it leads to is left alone.
struct Expected {
    const FileStamp* stamp = nullptr;
    bool evenIfChanged = false;
};

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
DiskOutcome replaceFile(const std::string& path, std::string_view bytes, Expected expected = {});

// Why it failed, as a clause to follow "تعذر حفظ المسألة: " or the like.
std::string arabicDiskText(const DiskOutcome& outcome);
// The same in English, as the system words it ("No space left on device").
std::string englishDiskText(const DiskOutcome& outcome);

}  // namespace qismaru::estate
