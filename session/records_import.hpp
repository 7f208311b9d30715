#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zaptrail {

// A records file the player brings from elsewhere (another computer, a browser) is read by the
// game's own rules, but only when it is one: a file the game could have written, every line a
// best time. Anything else would plant lines that end in an error when their level is cleared,
// so it is refused whole.
inline constexpr uint64_t kImportedRecordsMaxBytes = uint64_t{1} << 20;

// The file's best times, line by line. A UTF-8 byte-order mark before the first line and empty
// lines after the last are an editor's, and are passed over. A file too big or not plain text (a
// NUL, a control or a non-ASCII byte) raises the cannot-open error with the file's name; the first
// line that is no best time raises the conversion error with that line.
std::vector<std::string> ParseImportedRecords(std::string_view content,
                                              const std::string& fileName);

}  // namespace zaptrail
