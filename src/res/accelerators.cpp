// Accelerator tables 128 (tile mode) and 129 (object mode). Keys named without a table
// sit in both, except those of object-only commands, which sit in 129 only.
#include "res/resources.h"

namespace vyr::res {
namespace {

using namespace key;

constexpr uint8_t kCtrlAlt = kControl | kAlt;
constexpr uint8_t kCtrlShift = kControl | kShift;

constexpr Accelerator kTable128[] = {
    // Tile cursor.
    {kLeft, kNone, cmd::kCursorLeft},
    {kRight, kNone, cmd::kCursorRight},
    {kUp, kNone, cmd::kCursorUp},
    {kDown, kNone, cmd::kCursorDown},
    {kHome, kControl, cmd::kCursorTopLeft},
    {kPageUp, kControl, cmd::kCursorTopRight},
    {kPageDown, kControl, cmd::kCursorBottomRight},
    {kEnd, kControl, cmd::kCursorBottomLeft},
    {kHome, kShift, cmd::kCursorRowStart},
    {kEnd, kShift, cmd::kCursorRowEnd},
    {kPageUp, kShift, cmd::kCursorColumnStart},
    {kPageDown, kShift, cmd::kCursorColumnEnd},
    // Tiles.
    {kSpace, kNone, cmd::kTileInsert},
    {kDelete, kNone, cmd::kTileDelete},
    {'I', kControl, cmd::kTileDelete},
    {'F', kControl, cmd::kTileFillColour},
    {kKeypadPlus, kNone, cmd::kTileNext},
    {kKeypadMinus, kNone, cmd::kTilePrevious},
    {kKeypadPlus, kControl, cmd::kImageNext},
    {kKeypadMinus, kControl, cmd::kImagePrevious},
    {'T', kControl, cmd::kTilePicker},
    {'F', kAlt, cmd::kRepairTiles},
    {'B', kControl, cmd::kBucketFill},
    // Modes and objects.
    {'M', kControl, cmd::kToggleMode},
    {kTab, kNone, cmd::kObjectNext},
    {kTab, kShift, cmd::kObjectPrevious},
    {kReturn, kNone, cmd::kObjectEdit},
    {'E', kControl, cmd::kObjectEdit},
    // View.
    {'G', kControl, cmd::kGrid},
    {kF5, kNone, cmd::kRefreshView},
    {'W', kControl, cmd::kWorldView},
    {kOemPlus, kControl, cmd::kZoomIn},
    {kOemMinus, kControl, cmd::kZoomOut},
    {'0', kCtrlAlt, cmd::kZoomActual},
    // Go-to.
    {'P', kCtrlAlt, cmd::kGoTo},
    {'Y', kControl, cmd::kGoTo},
    {'S', kCtrlAlt, cmd::kGoToStart},
    {'W', kCtrlAlt, cmd::kGoToWarp},
    // File, edit, planes, extras.
    {'N', kControl, cmd::kFileNew},
    {'O', kControl, cmd::kFileOpen},
    {'S', kControl, cmd::kFileSave},
    {'S', kCtrlShift, cmd::kFileSaveAs},
    {'Z', kControl, cmd::kEditUndo},
    {'Z', kCtrlShift, cmd::kEditRedo},
    {kBackspace, kAlt, cmd::kEditUndo},
    {'A', kControl, cmd::kPlaneAdd},
    {kReturn, kAlt, cmd::kPlaneInfo},
    {'L', kControl, cmd::kPlanes},
    {'P', kControl, cmd::kMapshot},
    {'L', kCtrlAlt, cmd::kGameTestKey},
    {kF1, kNone, cmd::kHelp},
};

constexpr Accelerator kTable129[] = {
    // View scrolling and custom moves.
    {kRight, kNone, cmd::kScrollRight},
    {kLeft, kNone, cmd::kScrollLeft},
    {kUp, kNone, cmd::kScrollUp},
    {kDown, kNone, cmd::kScrollDown},
    {kUp, kAlt, cmd::kCustomUp},
    {kDown, kAlt, cmd::kCustomDown},
    {kLeft, kAlt, cmd::kCustomLeft},
    {kRight, kAlt, cmd::kCustomRight},
    // Objects.
    {kDelete, kNone, cmd::kObjectDelete},
    {kInsert, kNone, cmd::kObjectInsert},
    {'M', kControl, cmd::kToggleMode},
    {kTab, kNone, cmd::kObjectNext},
    {kTab, kShift, cmd::kObjectPrevious},
    {kReturn, kNone, cmd::kObjectEdit},
    {'E', kControl, cmd::kObjectEdit},
    {kUp, kControl, cmd::kNudgeUp1},
    {kLeft, kControl, cmd::kNudgeLeft1},
    {kRight, kControl, cmd::kNudgeRight1},
    {kDown, kControl, cmd::kNudgeDown1},
    {kUp, kShift, cmd::kNudgeUp10},
    {kLeft, kShift, cmd::kNudgeLeft10},
    {kRight, kShift, cmd::kNudgeRight10},
    {kDown, kShift, cmd::kNudgeDown10},
    {'C', kControl, cmd::kEditCopy},
    {'X', kControl, cmd::kEditCut},
    {'V', kControl, cmd::kEditPaste},
    {'0', kControl, cmd::kSetZ[0]},
    {'1', kControl, cmd::kSetZ[1]},
    {'2', kControl, cmd::kSetZ[2]},
    {'3', kControl, cmd::kSetZ[3]},
    {'4', kControl, cmd::kSetZ[4]},
    {'5', kControl, cmd::kSetZ[5]},
    {'6', kControl, cmd::kSetZ[6]},
    {'7', kControl, cmd::kSetZ[7]},
    {'8', kControl, cmd::kSetZ[8]},
    {'9', kControl, cmd::kSetZ[9]},
    {'0', kAlt, cmd::kAddLogic[0]},
    {'1', kAlt, cmd::kAddLogic[1]},
    {'2', kAlt, cmd::kAddLogic[2]},
    {'3', kAlt, cmd::kAddLogic[3]},
    {'4', kAlt, cmd::kAddLogic[4]},
    {'5', kAlt, cmd::kAddLogic[5]},
    {'6', kAlt, cmd::kAddLogic[6]},
    {'7', kAlt, cmd::kAddLogic[7]},
    {'8', kAlt, cmd::kAddLogic[8]},
    {'9', kAlt, cmd::kAddLogic[9]},
    {'I', kControl, cmd::kAddImageSets},
    // View.
    {'W', kControl, cmd::kWorldView},
    {kOemPlus, kControl, cmd::kZoomIn},
    {kOemMinus, kControl, cmd::kZoomOut},
    {'0', kCtrlAlt, cmd::kZoomActual},
    // Go-to.
    {'P', kCtrlAlt, cmd::kGoTo},
    {'Y', kControl, cmd::kGoTo},
    {'S', kCtrlAlt, cmd::kGoToStart},
    {'W', kCtrlAlt, cmd::kGoToWarp},
    // File, edit, planes, extras.
    {'N', kControl, cmd::kFileNew},
    {'O', kControl, cmd::kFileOpen},
    {'S', kControl, cmd::kFileSave},
    {'S', kCtrlShift, cmd::kFileSaveAs},
    {'Z', kControl, cmd::kEditUndo},
    {'Z', kCtrlShift, cmd::kEditRedo},
    {kBackspace, kAlt, cmd::kEditUndo},
    {'A', kControl, cmd::kPlaneAdd},
    {kReturn, kAlt, cmd::kPlaneInfo},
    {'L', kControl, cmd::kPlanes},
    {'P', kControl, cmd::kMapshot},
    {'L', kCtrlAlt, cmd::kGameTestKey},
    {kF1, kNone, cmd::kHelp},
};

}  // namespace

std::span<const Accelerator> Accelerators(int resourceId) {
  switch (resourceId) {
    case kMenuTileMode: return kTable128;
    case kMenuObjectMode: return kTable129;
    default: return {};
  }
}

}  // namespace vyr::res
