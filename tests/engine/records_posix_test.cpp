#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "game/errors.hpp"
#include "game/records.hpp"
#include "tests/engine/records_file_fixture.hpp"

// The records file against what only POSIX systems have: resource limits and permission bits.
namespace zaptrail::testing {
namespace {

TEST_F(RecordsFile, ASaveThatFailsHalfwayLeavesTheOldFileWhole) {
  SaveRecords({"57", "120"}, path);
  // A file-size limit makes the write fail after a few bytes, for any user.
  const pid_t child = ::fork();
  if (child == 0) {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{4, 4};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    try {
      SaveRecords({"1000000", "2000000", "3000000"}, path);
    } catch (const GameError&) {
      ::_exit(0);
    }
    ::_exit(1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the save did not report failure";
  EXPECT_EQ(Content(), "57\r\n120\r\n");
  EXPECT_EQ(directory.Entries(), 1);
}

TEST_F(RecordsFile, AReplacedFileKeepsItsPermissions) {
  SaveRecords({"1"}, path);
  std::filesystem::permissions(path, std::filesystem::perms::owner_read |
                                         std::filesystem::perms::owner_write |
                                         std::filesystem::perms::group_read);
  SaveRecords({"2"}, path);
  EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms::owner_read |
                                                             std::filesystem::perms::owner_write |
                                                             std::filesystem::perms::group_read);
}

}  // namespace
}  // namespace zaptrail::testing
