// The program's resources as data: menus, accelerator tables, toolbars, status pane
// sets and the string table, by their resource numbers.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "platform/command_ids.h"

namespace vyr::res {

inline constexpr int kMenuTileMode = 128;
inline constexpr int kMenuObjectMode = 129;
inline constexpr int kDocTemplateString = 128;
inline constexpr int kAppTitleString = 57344;

// A menu entry: a command, a separator, or a pop-up with its own entries.
struct MenuItem {
  enum class Kind : uint8_t { Command, Separator, Popup };
  Kind kind = Kind::Command;
  CommandId id = 0;
  std::string_view text;
  std::span<const MenuItem> children;
  // The recent-file placeholder: the framework puts the recent paths in its place.
  bool recentFiles = false;
  // A checkable entry (the framework draws a check mark when its update handler asks).
  bool checkable = false;
  // Which of the command's keys in the active accelerator table the entry shows (the
  // same command may sit twice in a menu, shown with different keys).
  uint8_t keyChoice = 0;
};

// Key codes are the Windows virtual-key numbers, so the tables read like the originals.
namespace key {
inline constexpr uint16_t kBackspace = 0x08;
inline constexpr uint16_t kTab = 0x09;
inline constexpr uint16_t kReturn = 0x0D;
inline constexpr uint16_t kSpace = 0x20;
inline constexpr uint16_t kPageUp = 0x21;
inline constexpr uint16_t kPageDown = 0x22;
inline constexpr uint16_t kEnd = 0x23;
inline constexpr uint16_t kHome = 0x24;
inline constexpr uint16_t kLeft = 0x25;
inline constexpr uint16_t kUp = 0x26;
inline constexpr uint16_t kRight = 0x27;
inline constexpr uint16_t kDown = 0x28;
inline constexpr uint16_t kInsert = 0x2D;
inline constexpr uint16_t kDelete = 0x2E;
// '0'..'9' and 'A'..'Z' are their own codes.
inline constexpr uint16_t kKeypadPlus = 0x6B;   // VK_ADD
inline constexpr uint16_t kKeypadMinus = 0x6D;  // VK_SUBTRACT
inline constexpr uint16_t kF1 = 0x70;
inline constexpr uint16_t kF5 = 0x74;
inline constexpr uint16_t kOemPlus = 0xBB;   // VK_OEM_PLUS: the main keyboard's = / + key
inline constexpr uint16_t kOemMinus = 0xBD;  // VK_OEM_MINUS
}  // namespace key

enum Modifier : uint8_t { kNone = 0, kShift = 1, kControl = 2, kAlt = 4 };

struct Accelerator {
  uint16_t key;
  uint8_t modifiers;
  CommandId id;
};

std::span<const MenuItem> Menu(int resourceId);
// The text of the first command entry for `id` in menu 128, then 129, at any depth;
// empty when neither menu has one.
std::string_view MenuEntryText(CommandId id);
std::span<const Accelerator> Accelerators(int resourceId);
// Toolbar buttons in order; id 0 is a separator.
std::span<const CommandId> Toolbar(int resourceId);
inline constexpr CommandId kToolbarSeparator = 0;
// Status pane set 1 (tile mode) or 2 (object mode); the first entry is the message pane
// (id 0). Any other set number gives an empty span.
std::span<const CommandId> StatusPanes(int set);

// The string table; empty when `id` has none.
std::string_view LoadString(uint32_t id);
// A command's status prompt (before '\n') and tool tip (after '\n').
std::string_view StatusPrompt(CommandId id);
std::string_view ToolTip(CommandId id);

// Every string id, ascending (for tests and tools).
std::span<const uint32_t> StringIds();

}  // namespace vyr::res
