// The program's help: the keys of both modes and what each menu entry does, made from the
// menu, accelerator and string tables so it always says what the program does.
#pragma once

#include <string>
#include <vector>

#include "res/resources.h"

namespace vyr {

// A key as the help and the menus name it ("Ctrl+Shift+S", "Num +", "F1").
std::string KeyName(const res::Accelerator& accelerator);

// What a command is called in the menus of `menuResource` ("Kursor › W Lewo"), else in the
// other mode's menus, else its tool tip or status prompt; empty when nothing names it.
std::string CommandName(CommandId id, int menuResource);

struct HelpKeyRow {
  std::string key;
  CommandId id = 0;
  std::string command;
  std::string prompt;
};

// One row per accelerator of table 128 or 129, in table order.
std::vector<HelpKeyRow> HelpKeyRows(int table);

// The whole help as an HTML page (UTF-8).
std::string HelpHtml();

}  // namespace vyr
