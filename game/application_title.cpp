#include <cctype>

#include "game/run_handler.hpp"

namespace zaptrail {

std::string ApplicationTitle(std::string_view executableFileName) {
  std::string title(executableFileName.substr(0, executableFileName.find('.')));
  for (size_t at = 0; at < title.size(); ++at) {
    const auto letter = static_cast<unsigned char>(title[at]);
    title[at] = static_cast<char>(at == 0 ? std::toupper(letter) : std::tolower(letter));
  }
  return title;
}

}  // namespace zaptrail
