#include <gtest/gtest.h>

#include "game/errors.hpp"
#include "game/integer_text.hpp"

namespace zaptrail {
namespace {

TEST(IntegerText, AcceptedTexts) {
  const std::pair<const char*, int32_t> accepted[] = {
      {"0", 0},
      {"32", 32},
      {"  64", 64},
      {"+5", 5},
      {"-5", -5},
      {"007", 7},
      {"2147483647", 2147483647},
      {"-2147483648", INT32_MIN},
      {"$10", 16},
      {"x1f", 31},
      {"X1F", 31},
      {"0x20", 32},
      {"0X20", 32},
      {"-$10", -16},
      {" -0x10", -16},
      {"$7FFFFFFF", INT32_MAX},
      {"$FFFFFFFF", -1},
      {"$80000000", INT32_MIN},
      {"$000000001", 1},
      {"00000000000000000009", 9},
  };
  for (const auto& [text, value] : accepted) {
    const std::optional<int32_t> parsed = ParseInteger(text);
    ASSERT_TRUE(parsed.has_value()) << '"' << text << '"';
    EXPECT_EQ(*parsed, value) << '"' << text << '"';
  }
}

TEST(IntegerText, RejectedTexts) {
  const char* rejected[] = {"",    " ",    "abc",        "12a",         "1.5",        "1,000",
                            "32 ", "\t32", "- 5",        "+-5",         "$",          "0x",
                            "x",   "$G",   "2147483648", "-2147483649", "$100000000", "99999999999",
                            "--1", "0x-1", "1e3"};
  for (const char* text : rejected) {
    EXPECT_FALSE(ParseInteger(text).has_value()) << '"' << text << '"';
  }
}

TEST(IntegerText, RejectionCarriesTheTextInTheMessage) {
  try {
    TextToInteger("1,000");
    FAIL();
  } catch (const GameError& error) {
    EXPECT_STREQ(error.what(), "'1,000' は整数ではありません");
  }
  EXPECT_EQ(TextToInteger("0x40"), 64);
}

}  // namespace
}  // namespace zaptrail
