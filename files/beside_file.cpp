#include "files/beside_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <chrono>
#include <optional>
#include <string_view>

namespace qismaru::estate {

namespace {

constexpr std::string_view kSuffix = ".tmp";

struct Split {
    std::string folder;  // with its closing '/', or empty for the current folder
    std::string prefix;  // ".<name>.", the name cut so that the longest a folder allows leaves room
};

Split splitPath(const std::string& path)
{
    const auto slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    const std::string base = path.substr(slash == std::string::npos ? 0 : slash + 1).substr(0, 200);
    return {folder, "." + base + "."};
}

// The process number in "<process>-<n>", where both are digits alone.
std::optional<pid_t> processOf(std::string_view middle)
{
    const auto dash = middle.find('-');
    if (dash == std::string_view::npos || dash == 0 || dash + 1 == middle.size()) return std::nullopt;
    if (middle.substr(dash + 1).find_first_not_of("0123456789") != std::string_view::npos) return std::nullopt;
    pid_t process = 0;
    const auto [end, error] = std::from_chars(middle.data(), middle.data() + dash, process);
    if (error != std::errc() || end != middle.data() + dash || process <= 0) return std::nullopt;
    return process;
}

bool hasEnded(pid_t process)
{
    // EPERM: the process lives, though it is another user's.
    return process != ::getpid() && ::kill(process, 0) != 0 && errno == ESRCH;
}

}  // namespace

int createBeside(const std::string& path, std::string& name)
{
    const Split split = splitPath(path);
    const auto seed = static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count());
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        name = split.folder + split.prefix + std::to_string(::getpid()) + "-" +
               std::to_string((seed + attempt) % 1000000) + std::string(kSuffix);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

void removeStaleBeside(const std::string& path)
{
    const Split split = splitPath(path);
    const int folder = ::open(split.folder.empty() ? "." : split.folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0) return;
    DIR* entries = ::fdopendir(folder);
    if (!entries) {
        ::close(folder);
        return;
    }
    while (const dirent* entry = ::readdir(entries)) {
        const std::string_view name = entry->d_name;
        if (name.size() < split.prefix.size() + kSuffix.size() || !name.starts_with(split.prefix) ||
            !name.ends_with(kSuffix)) {
            continue;
        }
        const std::optional<pid_t> process =
            processOf(name.substr(split.prefix.size(), name.size() - split.prefix.size() - kSuffix.size()));
        struct stat status {};
        if (!process || !hasEnded(*process)) continue;
        if (::fstatat(folder, entry->d_name, &status, AT_SYMLINK_NOFOLLOW) != 0) continue;
        if (S_ISREG(status.st_mode) && status.st_uid == ::geteuid()) ::unlinkat(folder, entry->d_name, 0);
    }
    ::closedir(entries);
}

}  // namespace qismaru::estate
