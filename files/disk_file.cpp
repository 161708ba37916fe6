#include "files/disk_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <memory>
#include <system_error>

#include "files/beside_file.h"

namespace qismaru::estate {

namespace {

using Failure = DiskOutcome::Failure;

DiskOutcome systemFailure(int error) { return {Failure::System, error, std::nullopt}; }
DiskOutcome lastSystemFailure() { return systemFailure(errno); }

// Closes a descriptor that is still open when its function leaves early.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor()
    {
        if (fd_ >= 0) ::close(fd_);
    }

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // Closes it now: on some file systems the last error of a write shows
    // only here.
    bool close()
    {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written == 0) errno = EIO;  // a regular file takes at least a byte or says why not
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The file a path names, with its links followed; the path itself when it
// names nothing yet.
std::string finalPath(const std::string& path)
{
    const std::unique_ptr<char, decltype(&std::free)> real(::realpath(path.c_str(), nullptr), &std::free);
    return real ? std::string(real.get()) : path;
}

std::string folderOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

FileStamp stampOf(const std::string& finalPath, const struct stat& status)
{
    return {finalPath,
            static_cast<std::uint64_t>(status.st_dev),
            static_cast<std::uint64_t>(status.st_ino),
            static_cast<std::int64_t>(status.st_size),
            static_cast<std::int64_t>(status.st_mtim.tv_sec),
            static_cast<std::int64_t>(status.st_mtim.tv_nsec)};
}

// The new name is kept through a power failure only once the folder is on
// the disk too; a file system that cannot sync a folder loses nothing by it.
void syncFolder(const std::string& folder)
{
    Descriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.valid()) ::fsync(fd.get());
}

// Where the bytes go, and what of the old file is kept.
struct Target {
    std::string path;
    bool exists = false;
    struct stat old {};
};

// The file the save replaces: the one `path` leads to, unless that is no
// longer the file read or written before (then ChangedSince, or with
// `evenIfChanged` the name itself, a link put there replaced, not followed).
DiskOutcome findTarget(const std::string& path, Expected expected, Target& target)
{
    target.path = finalPath(path);
    const bool elsewhere = expected.stamp && target.path != expected.stamp->finalPath;
    if (elsewhere) {
        if (!expected.evenIfChanged) return {Failure::ChangedSince, 0, std::nullopt};
        target.path = path;
        target.exists = ::lstat(path.c_str(), &target.old) == 0;
        if (target.exists && S_ISLNK(target.old.st_mode)) target.exists = false;  // nothing of a link to keep
    } else {
        target.exists = ::stat(target.path.c_str(), &target.old) == 0;
        const bool changed = expected.stamp && (!target.exists || stampOf(target.path, target.old) != *expected.stamp);
        if (changed && !expected.evenIfChanged) return {Failure::ChangedSince, 0, std::nullopt};
    }
    if (target.exists && !S_ISREG(target.old.st_mode)) return {Failure::NotARegularFile, 0, std::nullopt};
    // A file the user may not change stays as it is, though its folder would let it be replaced.
    if (target.exists && ::access(target.path.c_str(), W_OK) != 0) return lastSystemFailure();
    return {};
}

// The old file's owner and group where the system allows (a user may give
// a file a group of his own, only root another owner), then its mode, which
// a change of owner may have cut.
bool keepOwnerAndMode(int fd, const Target& target)
{
    if (!target.exists) return true;
    if (::fchown(fd, target.old.st_uid, target.old.st_gid) != 0) {
        [[maybe_unused]] const int kept = ::fchown(fd, static_cast<uid_t>(-1), target.old.st_gid);
    }
    return ::fchmod(fd, target.old.st_mode & 07777) == 0;
}

}  // namespace

DiskOutcome readRegularFile(const std::string& path, std::size_t limit, std::string& bytes)
{
    bytes.clear();
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) return lastSystemFailure();
    if (!S_ISREG(status.st_mode)) return {Failure::NotARegularFile, 0, std::nullopt};
    // Not waiting, should the file have been swapped for a FIFO meanwhile.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!fd.valid()) return lastSystemFailure();
    if (::fstat(fd.get(), &status) != 0) return lastSystemFailure();
    if (!S_ISREG(status.st_mode)) return {Failure::NotARegularFile, 0, std::nullopt};
    bytes.resize(limit);
    std::size_t filled = 0;
    while (filled < limit) {
        const ssize_t got = ::read(fd.get(), bytes.data() + filled, limit - filled);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return lastSystemFailure();
        if (got == 0) break;
        filled += static_cast<std::size_t>(got);
    }
    bytes.resize(filled);
    return {Failure::None, 0, stampOf(finalPath(path), status)};
}

DiskOutcome replaceFile(const std::string& path, std::string_view bytes, Expected expected)
{
    Target target;
    if (DiskOutcome found = findTarget(path, expected, target); !found.ok()) return found;
    removeStaleBeside(target.path);

    std::string temporary;
    Descriptor fd(createBeside(target.path, temporary));
    if (!fd.valid()) return lastSystemFailure();
    struct stat written {};
    const bool whole = writeAll(fd.get(), bytes) && keepOwnerAndMode(fd.get(), target) && ::fsync(fd.get()) == 0 &&
                       ::fstat(fd.get(), &written) == 0 && fd.close() &&
                       ::rename(temporary.c_str(), target.path.c_str()) == 0;
    if (!whole) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return systemFailure(error);
    }
    syncFolder(folderOf(target.path));
    return {Failure::None, 0, stampOf(finalPath(path), written)};
}

std::string arabicDiskText(const DiskOutcome& outcome)
{
    if (outcome.failure == Failure::NotARegularFile) return "ليس ملفاً عادياً، بل هو مجلد أو جهاز أو أنبوب";
    if (outcome.failure == Failure::ChangedSince) return "تغيّر الملف على القرص منذ فُتح أو حُفظ";
    switch (outcome.error) {
    case ENOSPC: return "لا مساحة كافية على القرص";
    case EDQUOT: return "جاوز المستخدم حصته من القرص";
    case EACCES:
    case EPERM: return "ليس للمستخدم إذن بذلك";
    case EROFS: return "القرص للقراءة فقط";
    case ENOENT: return "لا يوجد ملف أو مجلد بهذا الاسم";
    case ENOTDIR: return "جزء من المسار ليس مجلداً";
    case EISDIR: return "هذا مجلد وليس ملفاً";
    case ENAMETOOLONG: return "اسم الملف أطول مما يقبله النظام";
    case EFBIG: return "الملف أكبر مما يقبله النظام";
    case EIO: return "خطأ في القراءة من القرص أو الكتابة عليه";
    case ELOOP: return "روابط المسار تدور ولا تنتهي";
    default: return "خطأ من النظام (" + englishDiskText(outcome) + ")";
    }
}

std::string englishDiskText(const DiskOutcome& outcome)
{
    if (outcome.failure == Failure::NotARegularFile) return "not a regular file (a directory, a FIFO or a device)";
    if (outcome.failure == Failure::ChangedSince) return "the file changed on disk since it was read or written";
    return std::generic_category().message(outcome.error);
}

}  // namespace qismaru::estate
