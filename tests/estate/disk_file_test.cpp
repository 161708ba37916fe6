// A file replaced on disk: what is the old file's own is kept, what earlier
// saves left behind is cleared, and a file that is no longer the one read
// or written before is not replaced unasked, nor a link put in its place
// followed.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "files/disk_file.h"

namespace qismaru::estate {
namespace {

namespace fs = std::filesystem;
using Failure = DiskOutcome::Failure;

std::string contentsOf(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

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

// Saved once, then something happens to the file before it is saved again
// with what was known of it: the second save goes through, or asks first
// (ChangedSince), or, told to go on, replaces the name and nothing else.
TEST(DiskFile, ASecondSaveKnowsWhetherTheFileIsStillTheOneSaved)
{
    const fs::path folder = freshFolder("second-save-");
    const fs::path path = folder / "c.qismaru";
    const fs::path other = folder / "other.txt";
    const struct {
        const char* name;
        std::function<void()> meanwhile;
        bool evenIfChanged;
        Failure failure;
        std::string atPath;
    } rows[] = {
        {"nothing happened", [] {}, false, Failure::None, "new"},
        {"saved meanwhile by another window", [&] { replaceFile(path, "another window's"); }, false,
         Failure::ChangedSince, "another window's"},
        {"saved by another window, saved anyway", [&] { replaceFile(path, "another window's"); }, true, Failure::None,
         "new"},
        {"removed meanwhile", [&] { fs::remove(path); }, false, Failure::ChangedSince, ""},
        {"a link to another file put in its place",
         [&] {
             fs::remove(path);
             fs::create_symlink(other, path);
         },
         false, Failure::ChangedSince, "other"},
        {"a link put in its place, saved anyway",
         [&] {
             fs::remove(path);
             fs::create_symlink(other, path);
         },
         true, Failure::None, "new"},
    };
    for (const auto& row : rows) {
        fs::remove(path);
        std::ofstream(other) << "other";
        const DiskOutcome first = replaceFile(path, "old");
        ASSERT_TRUE(first.ok() && first.stamp) << row.name;
        row.meanwhile();
        const DiskOutcome second = replaceFile(path, "new", {&*first.stamp, row.evenIfChanged});
        EXPECT_EQ(second.failure, row.failure) << row.name;
        EXPECT_EQ(contentsOf(path), row.atPath) << row.name;
        EXPECT_EQ(contentsOf(other), "other") << row.name;
        if (!second.ok()) continue;
        EXPECT_FALSE(fs::is_symlink(path)) << row.name;
        // What is known of the file after a save is what a read finds.
        std::string bytes;
        EXPECT_EQ(readRegularFile(path, 100, bytes).stamp, second.stamp) << row.name;
    }
    fs::remove_all(folder);
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
