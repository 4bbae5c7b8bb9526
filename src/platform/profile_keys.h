// The profile's section and key names, in one place so readers and writers agree.
#pragma once

#include <string_view>

namespace vyr::profile {

inline constexpr std::string_view kOptions = "Options";
inline constexpr std::string_view kCustom = "Custom";
inline constexpr std::string_view kWindow = "Window";
inline constexpr std::string_view kRecentFileList = "Recent File List";
// Game paths the user allowed to run: each key is the path's bytes in hexadecimal.
inline constexpr std::string_view kApprovedGames = "Approved Games";

// Options
inline constexpr std::string_view kRezFile = "RezFile";
inline constexpr std::string_view kAutoZ = "AutoZ";
inline constexpr std::string_view kAutoImage = "AutoImage";
inline constexpr std::string_view kWarpX = "WarpX";
inline constexpr std::string_view kWarpY = "WarpY";
inline constexpr std::string_view kGrid = "Grid";
inline constexpr std::string_view kTileDialog = "TileDialog";
inline constexpr std::string_view kLanguage = "Language";  // "en" for English, else Polish
inline constexpr std::string_view kAllPlanes = "AllPlanes";
// Seconds of editing between recovery copies (default 60; 0: none).
inline constexpr std::string_view kRecoveryInterval = "RecoveryInterval";
// How many earlier versions of each world a save keeps (default 5; 0: none).
inline constexpr std::string_view kBackups = "Backups";
inline constexpr std::string_view kLiveRepair = "LiveRepair";
inline constexpr std::string_view kMinimap = "Minimap";  // the "Mapa" panel shown (1) or not

// Custom
inline constexpr std::string_view kMoveUp = "Move Up";
inline constexpr std::string_view kMoveDown = "Move Down";
inline constexpr std::string_view kMoveLeft = "Move Left";
inline constexpr std::string_view kMoveRight = "Move Right";

// A world's section (its path): the shortcut tables; numbered keys end in the number.
inline constexpr std::string_view kLogicImageCount = "Logic/Image Name Count";
inline constexpr std::string_view kLogicName = "Logic Name ";
inline constexpr std::string_view kImageName = "Image Name ";
inline constexpr std::string_view kDefaultLogic = "Default Logic ";
inline constexpr std::string_view kZAssocCount = "Z Assoc Count";
inline constexpr std::string_view kZAssocString = "Z Assoc String ";
inline constexpr std::string_view kZAssocCoord = "Z Assoc Coord ";
inline constexpr std::string_view kDefaultZValue = "Default Z Value ";
// The zoom the world was last shown at, in percent.
inline constexpr std::string_view kZoom = "Zoom";
// Where the world's archive was found when it was last saved: tried before asking.
inline constexpr std::string_view kRezFound = "RezFound";

// Window
inline constexpr std::string_view kPlacement = "Placement";

}  // namespace vyr::profile
