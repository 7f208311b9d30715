// Any text through the integer conversion agrees with a plain reference written apart from it:
// blanks, a sign, then decimal digits within 32 signed bits, or "$", "x" or "0x" and hexadecimal
// digits within 32 bits, which the sign then negates with wrap-around.
#include <cctype>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>

#include "game/errors.hpp"
#include "game/integer_text.hpp"
#include "tests/fuzz/fuzz_check.hpp"

namespace zaptrail::fuzz {
namespace {

std::optional<int32_t> ReferenceInteger(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return std::nullopt;
  text.remove_prefix(first);
  const bool negative = text.front() == '-';
  if (text.front() == '-' || text.front() == '+') text.remove_prefix(1);
  int base = 10;
  for (const std::string_view prefix : {"0x", "0X", "$", "x", "X"}) {
    if (text.starts_with(prefix)) {
      base = 16;
      text.remove_prefix(prefix.size());
      break;
    }
  }
  if (text.empty()) return std::nullopt;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (base == 16 ? !std::isxdigit(byte) : !std::isdigit(byte)) return std::nullopt;
  }
  // Leading zeros can make the digits arbitrarily long without changing the value.
  const size_t significant = text.find_first_not_of('0');
  if (significant == std::string_view::npos) return 0;
  text.remove_prefix(significant);
  if (text.size() > 10) return std::nullopt;
  int64_t magnitude = 0;
  std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
  if (base == 16) {
    if (magnitude > 0xFFFFFFFFll) return std::nullopt;
    return static_cast<int32_t>(static_cast<uint32_t>(negative ? -magnitude : magnitude));
  }
  if (magnitude > (negative ? 2147483648ll : 2147483647ll)) return std::nullopt;
  return static_cast<int32_t>(negative ? -magnitude : magnitude);
}

}  // namespace

int CheckInteger(std::string_view text) {
  const std::optional<int32_t> parsed = ParseInteger(text);
  Require(parsed == ReferenceInteger(text), "the conversion agrees with the reference");
  std::optional<int32_t> converted;
  try {
    converted = TextToInteger(text);
  } catch (const GameError& error) {
    // The message is a C string: it ends at a NUL in the text.
    Require(std::strcmp(error.what(), NotAnIntegerMessage(text).c_str()) == 0,
            "a refusal carries the text");
  }
  Require(converted == parsed, "the raising conversion refuses exactly the same texts");
  return 0;
}

}  // namespace zaptrail::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return zaptrail::fuzz::CheckInteger(std::string_view(reinterpret_cast<const char*>(data), size));
}
