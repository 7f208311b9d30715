#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "game/errors.hpp"
#include "game/records.hpp"
#include "session/records_file.hpp"
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

TEST_F(RecordsFile, ADeviceTakesTheTextAndIsNeverReplacedByAFile) {
  // A private copy of /dev/null, so that nothing the save does can touch the real one.
  const std::string device = directory.File("null");
  if (::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0) {
    GTEST_SKIP() << "cannot make a device node here";
  }
  std::filesystem::create_symlink("null", path);
  SaveRecords({"57"}, path);
  struct stat info {};
  ASSERT_EQ(::lstat(device.c_str(), &info), 0);
  EXPECT_TRUE(S_ISCHR(info.st_mode));
  EXPECT_TRUE(std::filesystem::is_symlink(path));
  EXPECT_EQ(directory.Entries(), 2);
}

TEST_F(RecordsFile, APipeASocketOrALoopOfLinksIsAFailedSaveAndStaysAsItWas) {
  const auto expectFailedSave = [&](const std::string& what) {
    const std::filesystem::file_type before = std::filesystem::symlink_status(path).type();
    try {
      SaveRecords({"57"}, path);
      ADD_FAILURE() << "saved over " << what;
    } catch (const GameError& error) {
      EXPECT_EQ(std::string(error.what()), "ﾌｧｲﾙ " + path + " を作成できません") << what;
    }
    EXPECT_EQ(std::filesystem::symlink_status(path).type(), before) << what;
    EXPECT_EQ(directory.Entries(), 1) << what;
    std::filesystem::remove(path);
  };

  ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
  expectFailedSave("a pipe");

  const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  ASSERT_LT(path.size(), sizeof address.sun_path);
  path.copy(address.sun_path, path.size());
  ASSERT_EQ(::bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
  ASSERT_TRUE(std::filesystem::is_socket(path));
  expectFailedSave("a socket");
  ::close(listener);

  std::filesystem::create_symlink("zaptrail.ini", path);
  ASSERT_TRUE(std::filesystem::is_symlink(path));
  expectFailedSave("a link to itself");
}

}  // namespace
}  // namespace zaptrail::testing
