#include "game/integer_text.hpp"

#include "game/errors.hpp"

namespace zaptrail {
namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::optional<int32_t> ParseInteger(std::string_view text) {
  size_t at = 0;
  while (at < text.size() && text[at] == ' ') ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '-' || text[at] == '+')) negative = text[at++] == '-';
  bool hex = false;
  if (at < text.size() && (text[at] == '$' || text[at] == 'x' || text[at] == 'X')) {
    hex = true;
    ++at;
  } else if (at + 1 < text.size() && text[at] == '0' &&
             (text[at + 1] == 'x' || text[at + 1] == 'X')) {
    hex = true;
    at += 2;
  }
  if (at == text.size()) return std::nullopt;

  const uint64_t limit = hex ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
  const uint64_t base = hex ? 16 : 10;
  uint64_t value = 0;
  for (; at < text.size(); ++at) {
    const int digit =
        hex ? HexDigit(text[at]) : (text[at] >= '0' && text[at] <= '9' ? text[at] - '0' : -1);
    if (digit < 0) return std::nullopt;
    value = value * base + static_cast<uint64_t>(digit);
    if (value > limit) return std::nullopt;
  }
  // Hexadecimal fills all 32 bits, so "$FFFFFFFF" is -1; the sign then negates with wrap-around.
  uint32_t bits = static_cast<uint32_t>(value);
  if (negative) bits = 0u - bits;
  return static_cast<int32_t>(bits);
}

std::string NotAnIntegerMessage(std::string_view text) {
  return "'" + std::string(text) + "' は整数ではありません";
}

int32_t TextToInteger(std::string_view text) {
  const std::optional<int32_t> value = ParseInteger(text);
  if (!value) throw GameError(NotAnIntegerMessage(text));
  return *value;
}

}  // namespace zaptrail
