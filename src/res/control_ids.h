// Dialog template numbers and the control ids inside them, one table for models and Qt dialogs.
#pragma once

namespace vyr::ctl {

// Dialog templates.
inline constexpr int kNewWorldDialog = 130;
inline constexpr int kWorldInfoDialog = 132;
// The image-adding dialog has no template of its own in the old program; this number is ours.
inline constexpr int kAddImageSetsDialog = 169;
inline constexpr int kGoToDialog = 163;
inline constexpr int kCustomMovesDialog = 167;

// "Nowy Świat" and "Informacje Świata": the header fields both show.
inline constexpr int kWorldName = 1000;
inline constexpr int kWorldAuthor = 1001;
inline constexpr int kWorldStartY = 1002;
inline constexpr int kWorldArchivePath = 1003;
inline constexpr int kWorldImageDir = 1004;
inline constexpr int kWorldStartX = 1005;
inline constexpr int kWorldPalette = 1006;
inline constexpr int kWorldUseZ = 1029;

// "Informacje Świata" only.
inline constexpr int kWorldPlaneCount = 1007;
inline constexpr int kWorldCreated = 1008;
inline constexpr int kWorldGamePath = 1009;
inline constexpr int kWorldObjectCount = 1010;
inline constexpr int kWorldCompressed = 1157;
inline constexpr int kWorldImageSets[4] = {1133, 1135, 1137, 1139};
inline constexpr int kWorldPrefixes[4] = {1134, 1136, 1138, 1140};

// "Dodawanie Obrazów".
inline constexpr int kAddImagesTree = 1000;
inline constexpr int kAddImagesPrefix = 1001;

// "Idź Do X,Y".
inline constexpr int kGoToX = 1084;
inline constexpr int kGoToY = 1085;
inline constexpr int kGoToStoreWarp = 1160;

// "Ustawianie Dodatkowych Ruchów".
inline constexpr int kMoveLeft = 1165;
inline constexpr int kMoveRight = 1166;
inline constexpr int kMoveUp = 1167;
inline constexpr int kMoveDown = 1168;

}  // namespace vyr::ctl
