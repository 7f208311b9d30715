#include "web/main_menu.hpp"

#include <emscripten/emscripten.h>

#include <string>

#include "session/window_descriptions.hpp"

EM_JS(void, zt_add_menu, (const char* caption), { zaptrailMenu.addMenu(UTF8ToString(caption)); });
EM_JS(void, zt_add_menu_item, (const char* caption, const char* shortcut, int command),
      { zaptrailMenu.addItem(UTF8ToString(caption), UTF8ToString(shortcut), command); });
EM_JS(void, zt_enable_menu_item, (int command, int enabled),
      { zaptrailMenu.enableItem(command, Boolean(enabled)); });
EM_JS(int, zt_menu_active, (), { return zaptrailMenu.active() ? 1 : 0; });

namespace zaptrail {

void BuildMainMenu() {
  for (const Menu& menu : kMainMenu) {
    zt_add_menu(std::string(menu.caption).c_str());
    for (const MenuItem& item : menu.items) {
      zt_add_menu_item(std::string(item.caption).c_str(),
                       std::string(ShortcutText(item.shortcut)).c_str(),
                       static_cast<int>(item.command));
    }
  }
}

void EnableRunCommands(bool enabled) {
  for (const MenuCommand command : {MenuCommand::Property1, MenuCommand::Quit1, MenuCommand::K1}) {
    zt_enable_menu_item(static_cast<int>(command), enabled ? 1 : 0);
  }
}

bool MainMenuActive() {
  return zt_menu_active() != 0;
}

}  // namespace zaptrail
