// Toolbars 128 and 129 (16 x 16 buttons) and the status pane sets 1 and 2.
#include "res/resources.h"

namespace vyr::res {
namespace {

constexpr CommandId S = kToolbarSeparator;

constexpr CommandId kToolbar128[] = {
    cmd::kFileNew, cmd::kFileOpen, cmd::kFileSave, cmd::kFilePrint, S,
    cmd::kToolbarUnnamed32850, cmd::kGameTest, S,
    cmd::kEditCut, cmd::kEditCopy, cmd::kEditPaste, cmd::kEditUndo, S,
    cmd::kZoomIn, cmd::kZoomOut, S,
    cmd::kPlanes, cmd::kWorldView, cmd::kObjectMode, cmd::kToolbarUnnamed32782, S,
    cmd::kContextHelp,
};

constexpr CommandId kToolbar129[] = {
    cmd::kFileNew, cmd::kFileOpen, cmd::kFileSave, cmd::kFilePrint, S,
    cmd::kToolbarUnnamed32850, cmd::kGameTest, S,
    cmd::kEditCut, cmd::kEditCopy, cmd::kEditPaste, cmd::kEditUndo, S,
    cmd::kZoomIn, cmd::kZoomOut, S,
    cmd::kObjectEdit, cmd::kWorldView, cmd::kTileMode, cmd::kToolbarUnnamed32782, S,
    cmd::kContextHelp,
};

constexpr CommandId kPaneSet1[] = {cmd::kMessagePane, cmd::kPaneMouse, cmd::kPaneTile,
                                   cmd::kPaneSet, cmd::kPaneImage, cmd::kPaneZoom};
constexpr CommandId kPaneSet2[] = {cmd::kMessagePane, cmd::kPaneObjectMouse,
                                   cmd::kPaneObjectLogic, cmd::kPaneObjectPosition, cmd::kPaneZoom};

}  // namespace

std::span<const CommandId> Toolbar(int resourceId) {
  switch (resourceId) {
    case kMenuTileMode: return kToolbar128;
    case kMenuObjectMode: return kToolbar129;
    default: return {};
  }
}

std::span<const CommandId> StatusPanes(int set) {
  switch (set) {
    case 1: return kPaneSet1;
    case 2: return kPaneSet2;
    default: return {};
  }
}

}  // namespace vyr::res
