// A file replaced on disk: what is the old file's own is kept.

#include <gtest/gtest.h>
#include <sys/stat.h>
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

// The old file's mode, owner and group stay (the owner only where the
// system lets this user give one: as root, or his own).
TEST(DiskFile, AReplacedFileKeepsItsOwner)
{
    const fs::path folder = freshFolder("replaced-");
    const fs::path path = folder / "c.qismaru";
    std::ofstream(path) << "old";
    ASSERT_EQ(::chmod(path.c_str(), 0664), 0);
    const uid_t owner = ::geteuid() == 0 ? 4321 : ::geteuid();
    const gid_t group = ::geteuid() == 0 ? 4322 : ::getegid();
    ASSERT_EQ(::chown(path.c_str(), owner, group), 0);

    ASSERT_TRUE(replaceFile(path, "new").ok());
    struct stat status {};
    ASSERT_EQ(::stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0664u);
    EXPECT_EQ(status.st_uid, owner);
    EXPECT_EQ(status.st_gid, group);
    fs::remove_all(folder);
}

}  // namespace
}  // namespace qismaru::estate
