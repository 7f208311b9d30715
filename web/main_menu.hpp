#pragma once

// The main panel's menu bar, which the page's script (menu_bar.js) shows and works; a chosen item
// comes back through zt_menu_command.
namespace zaptrail {

// Puts the game's menu into the page: captions with their access keys, shortcuts, commands.
void BuildMainMenu();
// The items that need a run going (settings, quit, the about box), shown disabled once it ended.
void EnableRunCommands(bool enabled);
// True while the menu bar has the keyboard: a menu is open or its titles are selected.
bool MainMenuActive();

}  // namespace zaptrail
