#include "board/player_name.hpp"

#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/uscript.h>
#include <unicode/uspoof.h>

#include <memory>
#include <string>

#include "board/refusal.hpp"

namespace zaptrail::board {
namespace {

[[noreturn]] void Refuse(const std::string& why) {
  throw Refusal(Reason::BadName, why);
}

bool IsKana(UChar32 c) {
  UErrorCode status = U_ZERO_ERROR;
  const UScriptCode script = uscript_getScript(c, &status);
  return U_SUCCESS(status) && (script == USCRIPT_HIRAGANA || script == USCRIPT_KATAKANA);
}

// Letters of any script (kanji are letters too), decimal digits, kana and the kana length mark,
// the plain space, '-' and '_'.
bool IsAllowed(UChar32 c) {
  if (c == ' ' || c == '-' || c == '_') return true;
  switch (u_charType(c)) {
    case U_UPPERCASE_LETTER:
    case U_LOWERCASE_LETTER:
    case U_TITLECASE_LETTER:
    case U_OTHER_LETTER:
    case U_DECIMAL_DIGIT_NUMBER:
      return true;
    case U_MODIFIER_LETTER:
      return IsKana(c) || c == 0x30FC;
    default:
      return false;
  }
}

std::string Describe(UChar32 c) {
  char code[16];
  std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
  return code;
}

// Names that mix scripts which do not belong together (a Cyrillic letter among Latin ones),
// mix digits of several systems, or hold invisible characters, pass for other names.
void RefuseLookAlikes(const icu::UnicodeString& name) {
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<USpoofChecker, decltype(&uspoof_close)> checker(uspoof_open(&status),
                                                                  &uspoof_close);
  uspoof_setRestrictionLevel(checker.get(), USPOOF_MODERATELY_RESTRICTIVE);
  uspoof_setChecks(checker.get(),
                   USPOOF_RESTRICTION_LEVEL | USPOOF_MIXED_NUMBERS | USPOOF_INVISIBLE, &status);
  const int32_t found = uspoof_check2UnicodeString(checker.get(), name, nullptr, &status);
  if (U_FAILURE(status)) Refuse("the name cannot be checked");
  if (found != 0) Refuse("the name mixes scripts or digits that could pass for another name");
}

}  // namespace

std::string CheckPlayerName(std::string_view name) {
  const icu::UnicodeString raw = icu::UnicodeString::fromUTF8(
      icu::StringPiece(name.data(), static_cast<int32_t>(name.size())));
  if (raw.indexOf(static_cast<UChar>(0xFFFD)) >= 0) Refuse("the name is not valid UTF-8");
  UErrorCode status = U_ZERO_ERROR;
  const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(status);
  const icu::UnicodeString normal = U_SUCCESS(status) ? nfc->normalize(raw, status) : raw;
  if (U_FAILURE(status)) Refuse("the name cannot be normalised");

  const int32_t length = normal.countChar32();
  if (length == 0) Refuse("the name is empty");
  if (length > kLongestName) Refuse("the name is longer than 16 characters");
  for (int32_t at = 0; at < normal.length(); at = normal.moveIndex32(at, 1)) {
    const UChar32 c = normal.char32At(at);
    if (!IsAllowed(c)) {
      Refuse("the name may hold only letters, digits, kana, kanji, spaces, '-' and '_', not " +
             Describe(c));
    }
  }
  if (normal.startsWith(" ") || normal.endsWith(" "))
    Refuse("the name begins or ends with a space");
  if (normal.indexOf("  ") >= 0) Refuse("the name holds two spaces in a row");
  RefuseLookAlikes(normal);

  std::string composed;
  normal.toUTF8String(composed);
  return composed;
}

}  // namespace zaptrail::board
