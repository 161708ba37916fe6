// A file replaced on disk: what is the old file's own is kept, what earlier
// saves left behind is cleared.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "estate/disk_file.h"

namespace qismaru::estate {
namespace {

namespace fs = std::filesystem;

fs::path freshFolder(const char* name)
{
    const fs::path folder = fs::path(::testing::TempDir()) / (name + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

// A process number that no process has any more.
pid_t endedProcess()
{
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

// The old file's mode, owner and group stay (the owner only where the
// system lets this user give one: as root, or his own); temporary files
// of saves whose program ended are removed, and nothing else is.
TEST(DiskFile, AReplacedFileKeepsItsOwnerAndEndedSavesLeaveNothing)
{
    const fs::path folder = freshFolder("replaced-");
    const fs::path path = folder / "c.qismaru";
    std::ofstream(path) << "old";
    ASSERT_EQ(::chmod(path.c_str(), 0664), 0);
    const uid_t owner = ::geteuid() == 0 ? 4321 : ::geteuid();
    const gid_t group = ::geteuid() == 0 ? 4322 : ::getegid();
    ASSERT_EQ(::chown(path.c_str(), owner, group), 0);
    const std::string ended = ".c.qismaru." + std::to_string(endedProcess()) + "-12.tmp";
    const std::vector<std::string> kept = {
        ".c.qismaru." + std::to_string(::getpid()) + "-3.tmp",  // this program's, perhaps saving now
        ".c.qismaru.1-5.tmp",                                   // a process that lives
        ".c.qismaru.x-5.tmp", ".d.qismaru.99999999-5.tmp",      // not such a file, or another file's
    };
    for (const std::string& name : kept) std::ofstream(folder / name) << "kept";
    std::ofstream(folder / ended) << "left by a save that ended";
    fs::create_symlink(path, folder / (".c.qismaru." + std::to_string(endedProcess()) + "-7.tmp"));

    ASSERT_TRUE(replaceFile(path, "new").ok());
    struct stat status {};
    ASSERT_EQ(::stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0664u);
    EXPECT_EQ(status.st_uid, owner);
    EXPECT_EQ(status.st_gid, group);
    EXPECT_FALSE(fs::exists(folder / ended));
    for (const std::string& name : kept) EXPECT_TRUE(fs::exists(folder / name)) << name;
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 6);  // a link is never removed
    fs::remove_all(folder);
}

}  // namespace
}  // namespace qismaru::estate
