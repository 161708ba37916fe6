#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <string>

namespace qismaru::testing {

// Writes to `path` until its file system has no room left, byte by byte at
// the end: what a save then writes beside it meets a full disk.
inline bool fillDisk(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    const std::string page(4096, 'x');
    while (::write(fd, page.data(), page.size()) == static_cast<ssize_t>(page.size())) {
    }
    while (::write(fd, "x", 1) == 1) {
    }
    const bool full = errno == ENOSPC;
    ::close(fd);
    return full;
}

}  // namespace qismaru::testing
