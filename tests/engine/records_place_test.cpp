#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "game/records.hpp"
#include "session/close_and_save.hpp"
#include "session/records_file.hpp"
#include "session/records_place.hpp"
#include "tests/engine/scratch_directory.hpp"

namespace zaptrail {
namespace {

using testing::ReadWholeFile;
using testing::ScratchDirectory;
using Lines = std::vector<std::string>;
namespace fs = std::filesystem;

TEST(MergeRecords, LowerDecimalWinsTextStaysAndFileOnlyLevelsAreKept) {
  EXPECT_EQ(MergeRecords({"50", "abc", "7", ""}, {"40", "10", "9", "3", "33"}).Lines(),
            (Lines{"40", "abc", "7", "", "33"}));
  EXPECT_EQ(MergeRecords({"5"}, {"x"}).Lines(), Lines{"5"});
  // By value, not by text: lengths and leading zeros, beyond any machine integer.
  EXPECT_EQ(
      MergeRecords({"100", "12", "99999999999999999999"}, {"99", "012", "100000000000000000000"})
          .Lines(),
      (Lines{"99", "12", "99999999999999999999"}));
  const Lines alone{"57", "", "0130", "9"};
  EXPECT_EQ(MergeRecords(alone, alone).Lines(), alone);
  EXPECT_EQ(MergeRecords({}, {}).Lines(), Lines{});
}

// The list keeps its lines end to end with an index to every 64th: replacing a line by a
// longer or shorter one must leave every later line where it is read.
TEST(BestTimes, ReplacedLinesOfAnyLengthLeaveEveryOtherLineInPlace) {
  Lines expected;
  BestTimes list;
  for (int32_t level = 0; level < 300; ++level) {
    expected.push_back(std::to_string(level));
    list.push_back(expected.back());
  }
  for (const auto& [level, line] : {std::pair<size_t, const char*>{5, "123456789"},
                                    {63, ""},
                                    {64, "x"},
                                    {200, "4"},
                                    {299, "0000000000"},
                                    {0, "7"}}) {
    expected[level] = line;
    list.Replace(level, line);
  }
  EXPECT_EQ(list.Lines(), expected);
  for (size_t level = 0; level < expected.size(); ++level) EXPECT_EQ(list[level], expected[level]);
}

// A save writes the merge a piece at a time: a list far longer than one piece comes out whole.
TEST(SaveRecords, AListOfManyPiecesIsMergedWithTheFileLineByLine) {
  ScratchDirectory scratch;
  const std::string path = scratch.File(kRecordsFileName);
  BestTimes ours;
  std::string inFile;
  std::string expected;
  for (int32_t level = 0; level < 40000; ++level) {
    const int32_t mine = 1000 + level % 7;
    const int32_t theirs = 1000 + level % 5;
    ours.push_back(std::to_string(mine));
    inFile += std::to_string(theirs) + "\n";
    expected += std::to_string(std::min(mine, theirs)) + "\r\n";
  }
  inFile += "9\n";
  expected += "9\r\n";
  std::ofstream(path, std::ios::binary) << inFile;
  SaveRecords(ours, path);
  EXPECT_EQ(ReadWholeFile(path), expected);
}

class RecordsPlaceTest : public ::testing::Test {
 protected:
  std::string Folder(const std::string& name) const {
    fs::create_directories(scratch.Path() / name);
    return (scratch.Path() / name).string() + "/";
  }
  ScratchDirectory scratch;
  std::string app = Folder("app");
  std::string user = (scratch.Path() / "home" / "zaptrail").string() + "/";
};

TEST_F(RecordsPlaceTest, ALinkIsWrittenThroughAndStaysALink) {
  const std::string elsewhere = Folder("elsewhere");
  const std::string path = app + kRecordsFileName;
  fs::create_symlink("../elsewhere/best.txt", path);  // dangling until the first save
  SaveRecords({"57"}, path);
  SaveRecords({"60", "12"}, path);
  EXPECT_TRUE(fs::is_symlink(path));
  EXPECT_EQ(ReadWholeFile(elsewhere + "best.txt"), "57\r\n12\r\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(app), fs::directory_iterator()), 1);
  EXPECT_EQ(std::distance(fs::directory_iterator(elsewhere), fs::directory_iterator()), 1);
}

TEST_F(RecordsPlaceTest, TheExecutablesFolderWhenAFileCanBeMadeThereElseThePlayers) {
  const RecordsPlace writable = ChooseRecordsPlace(app, user);
  EXPECT_EQ(SavePath(writable), app + kRecordsFileName);
  EXPECT_EQ(FallbackPath(writable), user + kRecordsFileName);
  EXPECT_EQ(fs::directory_iterator(app), fs::directory_iterator());  // the probe is gone

  // A file where the folder's entries should go refuses every user, root included.
  const std::string blocked = app + "not-a-folder/";
  std::ofstream(scratch.File("qt/not-a-folder")) << "x";
  const RecordsPlace readOnly = ChooseRecordsPlace(blocked, user);
  EXPECT_EQ(SavePath(readOnly), user + kRecordsFileName);
  EXPECT_EQ(FallbackPath(readOnly), blocked + kRecordsFileName);
}

TEST_F(RecordsPlaceTest, AReadOnlyRecordsFileIsLeftAloneLikeAReadOnlyFolder) {
  const std::string appFile = app + kRecordsFileName;
  std::ofstream(appFile, std::ios::binary) << "50\r\n";
  fs::permissions(appFile, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  const RecordsPlace place = ChooseRecordsPlace(app, user);
  EXPECT_EQ(SavePath(place), user + kRecordsFileName);

  const CloseSave save = SaveBeforeClosing({"50", "7"}, place, CloseAsker::Player);
  EXPECT_EQ(save.next, AfterSave::Close);
  EXPECT_EQ(ReadWholeFile(appFile), "50\r\n");
  EXPECT_EQ(ReadWholeFile(user + kRecordsFileName), "50\r\n7\r\n");
  // Nor does a close that nobody answers write it when the player's folder fails.
  fs::remove_all(scratch.Path() / "home");
  std::ofstream(scratch.File("home")) << "x";
  EXPECT_EQ(SaveBeforeClosing({"1"}, place, CloseAsker::Nobody).next, AfterSave::ExitFailed);
  EXPECT_EQ(ReadWholeFile(appFile), "50\r\n");
  fs::permissions(appFile, fs::perms::owner_write, fs::perm_options::add);
}

// Every close falls back to the other folder, the player's too; the question comes only when
// neither takes the file.
TEST_F(RecordsPlaceTest, EveryCloseFallsBackToThePlayersFolderBeforeItGivesUp) {
  fs::create_directory(app + kRecordsFileName);  // the save beside the executable fails
  const RecordsPlace place = ChooseRecordsPlace(app, user);

  for (const CloseAsker asker : {CloseAsker::Player, CloseAsker::Nobody}) {
    fs::remove_all(user);
    const CloseSave save = SaveBeforeClosing({"7"}, place, asker);
    EXPECT_EQ(save.next, AfterSave::Close);
    EXPECT_EQ(save.savedTo, user + kRecordsFileName);
    EXPECT_EQ(ReadWholeFile(user + kRecordsFileName), "7\r\n");
  }

  fs::remove_all(scratch.Path() / "home");
  std::ofstream(scratch.File("home")) << "x";  // now the player's folder cannot be made either
  const std::string expected = "ﾌｧｲﾙ " + app + "zaptrail.ini を作成できません; ﾌｧｲﾙ " + user +
                               "zaptrail.ini を作成できません (ﾌｫﾙﾀﾞ " + user +
                               " に書き込めません)";
  const CloseSave asked = SaveBeforeClosing({"7"}, place, CloseAsker::Player);
  EXPECT_EQ(asked.next, AfterSave::AskPlayer);
  EXPECT_EQ(asked.error, expected);
  const CloseSave failed = SaveBeforeClosing({"7"}, place, CloseAsker::Nobody);
  EXPECT_EQ(failed.next, AfterSave::ExitFailed);
  EXPECT_EQ(failed.error, expected);
}

}  // namespace
}  // namespace zaptrail
