// A records file the player brings: what an ordinary editor adds is passed over, and anything
// else that is no best time is still refused with the line that is not one.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/errors.hpp"
#include "game/integer_text.hpp"
#include "session/records_import.hpp"

namespace zaptrail {
namespace {

using Lines = std::vector<std::string>;

std::string RefusalOf(const std::string& content) {
  try {
    ParseImportedRecords(content, "x.ini");
  } catch (const GameError& error) {
    return error.what();
  }
  return "taken";
}

TEST(RecordsImport, EditorsMarkAndTrailingEmptyLinesArePassedOver) {
  EXPECT_EQ(ParseImportedRecords("\xEF\xBB\xBF"
                                 "57\r\n130\r\n",
                                 "x.ini"),
            (Lines{"57", "130"}));
  EXPECT_EQ(ParseImportedRecords("57\r\n130\r\n\r\n\n\r\n", "x.ini"), (Lines{"57", "130"}));
  EXPECT_EQ(ParseImportedRecords("\xEF\xBB\xBF"
                                 "57\n\n",
                                 "x.ini"),
            (Lines{"57"}));
  EXPECT_EQ(ParseImportedRecords("\xEF\xBB\xBF", "x.ini"), Lines{});
}

TEST(RecordsImport, OtherBadLinesAndBytesAreStillRefused) {
  // A gap between two times would shift every level after it.
  EXPECT_EQ(RefusalOf("40\r\n\r\n60\r\n"), NotAnIntegerMessage(""));
  EXPECT_EQ(RefusalOf("\xEF\xBB\xBF"
                      "40\r\nfast\r\n\r\n"),
            NotAnIntegerMessage("fast"));
  // The mark counts only at the very start, and only whole.
  EXPECT_EQ(RefusalOf("40\r\n\xEF\xBB\xBF"
                      "60\r\n"),
            CannotOpenFileMessage("x.ini"));
  EXPECT_EQ(RefusalOf("\xEF\xBB"
                      "40\r\n"),
            CannotOpenFileMessage("x.ini"));
}

}  // namespace
}  // namespace zaptrail
