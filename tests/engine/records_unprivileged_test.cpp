// Folders a player shares with other users, played as an unprivileged user: a save that could
// write the file but never replace it must not trap the run.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "session/close_and_save.hpp"
#include "session/records_place.hpp"
#include "tests/engine/child_process.hpp"
#include "tests/engine/scratch_directory.hpp"

namespace zaptrail {
namespace {

using testing::AsNobody;
using testing::kNobody;
using testing::ReadWholeFile;
using testing::ScratchDirectory;
namespace fs = std::filesystem;

class RecordsAsNobody : public ::testing::Test {
 protected:
  void SetUp() override {
    if (::geteuid() != 0) {
      GTEST_SKIP() << "only root can give files to another user and then become nobody";
    }
    fs::permissions(scratch.Path(), fs::perms(0755));
    fs::create_directory(scratch.Path() / "home");
    ::chown((scratch.Path() / "home").c_str(), kNobody, kNobody);
  }
  std::string FileIn(const std::string& folder, const std::string& content, fs::perms mode) {
    fs::create_directories(scratch.Path() / folder);
    const std::string path = (scratch.Path() / folder / "zaptrail.ini").string();
    std::ofstream(path, std::ios::binary) << content;
    fs::permissions(path, mode);
    return path;
  }

  ScratchDirectory scratch;
  std::string user = (scratch.Path() / "home" / "zaptrail").string() + "/";
};

// Chooses the place as the game starts, and closes as the player does.
std::string StartAndQuit(const std::string& app, const std::string& user) {
  const RecordsPlace place = ChooseRecordsPlace(app, user);
  if (SavePath(place) != user + kRecordsFileName) return "chose " + SavePath(place);
  const CloseSave save = SaveBeforeClosing({"40", "7"}, place, CloseAsker::Player);
  if (save.next != AfterSave::Close) return "not saved: " + save.error;
  // A start-up check that let the folder pass would have the quit fall back all the same.
  const CloseSave fallback =
      SaveBeforeClosing({"40", "7"}, RecordsPlace{app, user}, CloseAsker::Player);
  if (fallback.savedTo != user + kRecordsFileName) return "no fallback: " + fallback.error;
  return {};
}

TEST_F(RecordsAsNobody, AStickySharedFolderOwnedByAnotherSendsTheTimesToThePlayersFolder) {
  const std::string shared = FileIn("shared", "50\r\n", fs::perms(0666));
  fs::permissions(scratch.Path() / "shared", fs::perms(01777));
  EXPECT_EQ(
      AsNobody([&] { return StartAndQuit(fs::path(shared).parent_path().string() + "/", user); }),
      "");
  EXPECT_EQ(ReadWholeFile(shared), "50\r\n");
  EXPECT_EQ(ReadWholeFile(user + kRecordsFileName), "40\r\n7\r\n");
}

TEST_F(RecordsAsNobody, ALinkIntoALockedFolderSendsTheTimesToThePlayersFolder) {
  const std::string locked = FileIn("locked", "50\r\n", fs::perms(0666));
  const fs::path app = scratch.Path() / "app";
  fs::create_directory(app);
  fs::create_symlink(locked, app / "zaptrail.ini");
  ::chown(app.c_str(), kNobody, kNobody);
  EXPECT_EQ(AsNobody([&] { return StartAndQuit(app.string() + "/", user); }), "");
  EXPECT_EQ(ReadWholeFile(locked), "50\r\n");
  EXPECT_EQ(ReadWholeFile(user + kRecordsFileName), "40\r\n7\r\n");
}

// Only when neither place takes the file is the player asked, and told which folder refused.
TEST_F(RecordsAsNobody, WhenNeitherPlaceTakesTheFileTheQuestionNamesTheFolders) {
  const std::string shared = FileIn("shared", "50\r\n", fs::perms(0666));
  const std::string sharedFolder = (scratch.Path() / "shared").string() + "/";
  fs::permissions(sharedFolder, fs::perms(01777));
  fs::permissions(scratch.Path() / "home", fs::perms(0555));
  const std::string problems = AsNobody([&] {
    const CloseSave save =
        SaveBeforeClosing({"40"}, RecordsPlace{sharedFolder, user}, CloseAsker::Player);
    const std::string expected = "ﾌｧｲﾙ " + shared + " を作成できません (ﾌｫﾙﾀﾞ " + sharedFolder +
                                 " で置き換えられません); ﾌｧｲﾙ " + user +
                                 "zaptrail.ini を作成できません (ﾌｫﾙﾀﾞ " + user +
                                 " に書き込めません)";
    if (save.next != AfterSave::AskPlayer) return std::string("not asked");
    return save.error == expected ? std::string() : "asked: " + save.error;
  });
  EXPECT_EQ(problems, "");
  EXPECT_EQ(ReadWholeFile(shared), "50\r\n");
}

}  // namespace
}  // namespace zaptrail
