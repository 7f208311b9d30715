#pragma once
// Emits the sheet as C++ data so the game needs no image loader for its own art.
#include <string>

#include "tools/artgen/sheet.hpp"

namespace zaptrail::art {

// Source text defining the symbols declared in view/sprite_sheet_data.hpp.
std::string SheetToCpp(const Sheet& sheet);

}  // namespace zaptrail::art
