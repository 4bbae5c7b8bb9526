// Numeric command identifiers of menus, accelerators, toolbars and status panes.
#pragma once

#include <cstdint>

namespace vyr {

using CommandId = uint32_t;

namespace cmd {

// Framework commands (the numbers the Windows framework gives them).
inline constexpr CommandId kFileNew = 57600;
inline constexpr CommandId kFileOpen = 57601;
inline constexpr CommandId kFileClose = 57602;
inline constexpr CommandId kFileSave = 57603;
inline constexpr CommandId kFileSaveAs = 57604;
inline constexpr CommandId kFilePrintSetup = 57606;
inline constexpr CommandId kFilePrint = 57607;
inline constexpr CommandId kFilePrintPreview = 57609;
inline constexpr CommandId kFileRecent1 = 57616;  // ... kFileRecent1 + 3
inline constexpr int kRecentFileCount = 4;
inline constexpr CommandId kEditCopy = 57634;
inline constexpr CommandId kEditCut = 57635;
inline constexpr CommandId kEditPaste = 57637;
inline constexpr CommandId kEditUndo = 57643;
inline constexpr CommandId kEditRedo = 57644;
inline constexpr CommandId kAppAbout = 57664;
inline constexpr CommandId kAppExit = 57665;
inline constexpr CommandId kContextHelp = 57667;
inline constexpr CommandId kHelp = 57670;
inline constexpr CommandId kViewToolbar = 59392;
inline constexpr CommandId kViewStatusBar = 59393;

// Sent by start-up only: the document's open step on the start-up path.
inline constexpr CommandId kOpenStartupPath = 102;

// World and planes.
inline constexpr CommandId kPlaneAdd = 32771;
inline constexpr CommandId kPlaneRemove = 32772;
inline constexpr CommandId kPlaneInfo = 32773;
inline constexpr CommandId kWorldInfo = 32775;
inline constexpr CommandId kPlanes = 32776;
inline constexpr CommandId kWorldView = 32781;  // "Ś&wiat" of "&Widok"
inline constexpr CommandId kToolbarUnnamed32782 = 32782;

// Tile cursor.
inline constexpr CommandId kCursorLeft = 32787;
inline constexpr CommandId kCursorRight = 32788;
inline constexpr CommandId kCursorUp = 32789;
inline constexpr CommandId kCursorDown = 32790;
inline constexpr CommandId kCursorTopLeft = 32791;
inline constexpr CommandId kCursorBottomRight = 32792;
inline constexpr CommandId kCursorTopRight = 32812;
inline constexpr CommandId kCursorBottomLeft = 32813;
inline constexpr CommandId kCursorColumnStart = 32814;
inline constexpr CommandId kCursorColumnEnd = 32815;
inline constexpr CommandId kCursorRowStart = 32816;
inline constexpr CommandId kCursorRowEnd = 32817;
inline constexpr CommandId kAutoCursor = 32811;

// Tiles.
inline constexpr CommandId kTileNext = 32793;
inline constexpr CommandId kTilePrevious = 32794;
inline constexpr CommandId kImageNext = 32795;
inline constexpr CommandId kImagePrevious = 32796;
inline constexpr CommandId kTileInsert = 32797;
inline constexpr CommandId kTileDelete = 32798;
inline constexpr CommandId kTileFillColour = 32807;
inline constexpr CommandId kTileAttribInfo = 32808;
inline constexpr CommandId kTileFill = 32818;
inline constexpr CommandId kTilePicker = 32829;
inline constexpr CommandId kScaleAttribs = 32871;
inline constexpr CommandId kBlockCopy = 32896;
inline constexpr CommandId kReplaceTiles = 32897;
inline constexpr CommandId kInvalidTiles = 32913;
inline constexpr CommandId kRepairTiles = 32915;
// The mouse tools' own entries.
inline constexpr CommandId kLiveRepair = 32930;
inline constexpr CommandId kBucketFill = 32931;

// Status panes (indicators, not commands). Pane 0 is the message pane.
inline constexpr CommandId kMessagePane = 0;
inline constexpr CommandId kPaneTile = 32799;
inline constexpr CommandId kPaneSet = 32800;
inline constexpr CommandId kPaneImage = 32801;
inline constexpr CommandId kPaneMouse = 32803;
inline constexpr CommandId kPaneObjectMouse = 32845;
inline constexpr CommandId kPaneObjectLogic = 32846;
inline constexpr CommandId kPaneObjectPosition = 32847;

// Modes and objects.
inline constexpr CommandId kObjectInsert = 32804;
inline constexpr CommandId kObjectDelete = 32805;
inline constexpr CommandId kOptions = 32819;
inline constexpr CommandId kZoomIn = 32820;
inline constexpr CommandId kZoomOut = 32821;
inline constexpr CommandId kObjectMode = 32830;
inline constexpr CommandId kTileMode = 32832;
inline constexpr CommandId kToggleMode = 32833;
inline constexpr CommandId kObjectEdit = 32834;
inline constexpr CommandId kObjectNext = 32837;
inline constexpr CommandId kObjectPrevious = 32838;
inline constexpr CommandId kNudgeUp1 = 32840;
inline constexpr CommandId kNudgeLeft1 = 32841;
inline constexpr CommandId kNudgeRight1 = 32842;
inline constexpr CommandId kNudgeDown1 = 32843;
inline constexpr CommandId kToolbarUnnamed32850 = 32850;
inline constexpr CommandId kNudgeLeft10 = 32852;
inline constexpr CommandId kNudgeUp10 = 32854;
inline constexpr CommandId kNudgeRight10 = 32855;
inline constexpr CommandId kNudgeDown10 = 32856;
inline constexpr CommandId kGameTest = 32858;
inline constexpr CommandId kScrollRight = 32859;
inline constexpr CommandId kScrollLeft = 32860;
inline constexpr CommandId kScrollUp = 32861;
inline constexpr CommandId kScrollDown = 32862;
inline constexpr CommandId kDeleteAllObjects = 32863;
inline constexpr CommandId kDeleteInvalidObjects = 32864;
inline constexpr CommandId kScaleObjects = 32869;
inline constexpr CommandId kChangeLogic = 32870;

// Z and logic shortcuts: index n = 0..9 maps through these tables (32873 is Z #0,
// 32886 is logic #9).
inline constexpr CommandId kSetZ[10] = {32873, 32872, 32874, 32875, 32876,
                                        32877, 32878, 32879, 32880, 32881};
inline constexpr CommandId kAddLogic[10] = {32887, 32888, 32889, 32890, 32891,
                                            32892, 32893, 32894, 32895, 32886};
inline constexpr CommandId kAutoZ = 32882;
inline constexpr CommandId kEditDefaultZ = 32883;
inline constexpr CommandId kAutoImageSet = 32884;
inline constexpr CommandId kEditDefaultLogic = 32885;
inline constexpr CommandId kChangeZ = 32899;
inline constexpr CommandId kGoTo = 32900;
inline constexpr CommandId kGameTestKey = 32901;
inline constexpr CommandId kGoToWarp = 32902;
inline constexpr CommandId kGoToStart = 32904;
inline constexpr CommandId kChangeImageSets = 32905;
inline constexpr CommandId kLogicByImageSet = 32906;
inline constexpr CommandId kMapshot = 32907;
inline constexpr CommandId kCustomUp = 32908;
inline constexpr CommandId kCustomLeft = 32909;
inline constexpr CommandId kCustomRight = 32910;
inline constexpr CommandId kCustomDown = 32911;
inline constexpr CommandId kCustomMoves = 32912;

// Entries named without a number; these numbers are our own, above the named ones.
inline constexpr CommandId kAddImageSets = 32920;  // "Dodaj ImageSety..."
inline constexpr CommandId kRefreshRez = 32921;    // "&Odśwież Plik 'Rez'"
inline constexpr CommandId kRefreshView = 32922;   // "&Odśwież" (F5)
inline constexpr CommandId kGrid = 32923;          // "&Siatka Pomocnicza" (Ctrl+G)
inline constexpr CommandId kNoImages = 32924;      // "Bez Obrazów"
inline constexpr CommandId kAllPlanes = 32925;     // "Wszystkie Warstwy"
inline constexpr CommandId kPaneZoom = 32926;      // status pane: the zoom in percent
inline constexpr CommandId kRecover = 32960;           // "Odzyskaj..."
inline constexpr CommandId kPreviousVersions = 32961;  // "Poprzednie Wersje..."
inline constexpr CommandId kZoomActual = 32927;    // "Rozmiar &Rzeczywisty" (Ctrl+Alt+0): back to 100 %
inline constexpr CommandId kZoomFit = 32928;       // "&Dopasuj": the whole plane in the window
inline constexpr CommandId kViewMinimap = 32929;   // "Mapa": the minimap panel shown or hidden

}  // namespace cmd
}  // namespace vyr
