#include "win32/main_menu.hpp"

#include <string>
#include <vector>

#include "files/wide_text.hpp"
#include "session/window_descriptions.hpp"

namespace zaptrail {
namespace {

std::wstring ItemCaption(const MenuItem& item) {
  std::string caption(item.caption);
  // Shown right-aligned beside the caption.
  if (item.shortcut != Shortcut::None) caption += "\t" + std::string(ShortcutText(item.shortcut));
  return Wide(caption);
}

ACCEL Accelerator(const MenuItem& item) {
  const auto id = static_cast<WORD>(item.command);
  switch (item.shortcut) {
    case Shortcut::F1:
      return {FVIRTKEY, VK_F1, id};
    case Shortcut::F2:
      return {FVIRTKEY, VK_F2, id};
    case Shortcut::AltEnter:
      return {FVIRTKEY | FALT, VK_RETURN, id};
    case Shortcut::None:
      break;
  }
  return {};
}

}  // namespace

HMENU CreateMainMenu() {
  HMENU bar = CreateMenu();
  for (const Menu& menu : kMainMenu) {
    HMENU popup = CreatePopupMenu();
    for (const MenuItem& item : menu.items) {
      AppendMenuW(popup, MF_STRING, static_cast<UINT_PTR>(item.command), ItemCaption(item).c_str());
    }
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), Wide(menu.caption).c_str());
  }
  return bar;
}

HACCEL CreateMainShortcuts() {
  std::vector<ACCEL> table;
  for (const Menu& menu : kMainMenu) {
    for (const MenuItem& item : menu.items) {
      if (item.shortcut != Shortcut::None) table.push_back(Accelerator(item));
    }
  }
  return CreateAcceleratorTableW(table.data(), static_cast<int>(table.size()));
}

}  // namespace zaptrail
