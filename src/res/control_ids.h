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

// The plane dialogs have no template numbers of their own in the old program; these are ours.
inline constexpr int kNewPlaneDialog = 190;
inline constexpr int kPlaneInfoDialog = 191;
inline constexpr int kPlanesDialog = 192;
inline constexpr int kMovePlaneDialog = 193;

// The tile dialogs have no template numbers of their own in the old program; these are ours.
inline constexpr int kFillDialog = 180;
inline constexpr int kBlockCopyDialog = 181;
inline constexpr int kReplaceDialog = 182;
inline constexpr int kTileStatsDialog = 183;
inline constexpr int kTextReportDialog = 184;
inline constexpr int kScaleObjectsDialog = 154;
inline constexpr int kChangeLogicDialog = 155;
inline constexpr int kChangeZDialog = 161;
inline constexpr int kChangeImageSetDialog = 164;
inline constexpr int kLogicByImageSetDialog = 165;

// The default Z and default logic dialogs of the shortcuts.
inline constexpr int kDefaultZDialog = 157;
inline constexpr int kDefaultLogicDialog = 158;
inline constexpr int kDefaultZ[10] = {1139, 1140, 1141, 1142, 1143, 1144, 1145, 1146, 1147, 1148};
inline constexpr int kDefaultLogic[10] = {1150, 1151, 1083, 1084, 1085, 1086, 1087, 1088, 1089, 1090};

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

// "Nowa Warstwa" and "Informacje Warstwy".
inline constexpr int kPlaneName = 1000;
inline constexpr int kPlaneTileWidth = 1004;
inline constexpr int kPlaneTileHeight = 1005;
inline constexpr int kPlaneWidth = 1006;
inline constexpr int kPlaneHeight = 1010;
inline constexpr int kPlaneMovementX = 1007;
inline constexpr int kPlaneMovementY = 1011;
inline constexpr int kPlaneColour = 1008;
inline constexpr int kPlaneZ = 1012;
inline constexpr int kPlaneImageSets = 1009;
inline constexpr int kPlaneObjects = 1016;
inline constexpr int kPlaneNoImages = 1018;
inline constexpr int kPlaneEndlessX = 1020;
inline constexpr int kPlaneEndlessY = 1019;
inline constexpr int kPlaneAutoSize = 1021;
inline constexpr int kPlaneStatistics = 3;

// "Warstwy w świecie".
inline constexpr int kPlanesList = 1007;
inline constexpr int kPlanesSelect = 1012;
inline constexpr int kPlanesRemove = 1014;
inline constexpr int kPlanesMove = 1015;

// "Przesuń Warstwę".
inline constexpr int kMovePlaneName = 1000;
inline constexpr int kMovePlaneCurrent = 1022;
inline constexpr int kMovePlaneNew = 1023;

// "Idź Do X,Y".
inline constexpr int kGoToX = 1084;
inline constexpr int kGoToY = 1085;
inline constexpr int kGoToStoreWarp = 1160;

// "Ustawianie Dodatkowych Ruchów".
inline constexpr int kMoveLeft = 1165;
inline constexpr int kMoveRight = 1166;
inline constexpr int kMoveUp = 1167;
inline constexpr int kMoveDown = 1168;

// "Wypełnienie".
inline constexpr int kFillWhole = 1022;
inline constexpr int kFillLimited = 1023;
inline constexpr int kFillFull = 1024;
inline constexpr int kFillCurrent = 1025;
inline constexpr int kFillDelete = 1026;
inline constexpr int kFillColour = 1027;
inline constexpr int kFillColumn = 1028;
inline constexpr int kFillRow = 1029;

// "Block Copy".
inline constexpr int kCopyFromColumn = 1152;
inline constexpr int kCopyFromRow = 1153;
inline constexpr int kCopyToColumn = 1154;
inline constexpr int kCopyToRow = 1155;
inline constexpr int kCopyWidth = 1156;
inline constexpr int kCopyHeight = 1157;

// "Zmiana": "Szukaj" and "Zamień na".
inline constexpr int kSearchTile = 1157;
inline constexpr int kSearchDelete = 1158;
inline constexpr int kSearchColour = 1159;
inline constexpr int kSearchValue = 1160;
inline constexpr int kReplaceTile = 1153;
inline constexpr int kReplaceDelete = 1154;
inline constexpr int kReplaceColour = 1155;
inline constexpr int kReplaceValue = 1156;

// "Statystyki Klocków".
inline constexpr int kStatsUsed = 1127;
inline constexpr int kStatsCounts = 1128;
inline constexpr int kStatsUnused = 1129;
inline constexpr int kStatsAvailable = 1130;
inline constexpr int kStatsUsedTotal = 1131;
inline constexpr int kStatsUnusedTotal = 1132;
inline constexpr int kStatsImagesTotal = 1133;
inline constexpr int kStatsScript = 1135;

// The object bulk dialogs: "Procent:", the two names of each replacement, "Zmiana Z".
inline constexpr int kScalePercent = 1137;
inline constexpr int kChangeFrom = 1138;
inline constexpr int kChangeTo = 1139;
inline constexpr int kChangeZLogic = 1081;
inline constexpr int kChangeZValue = 1158;

// The scrollable text of a long report.
inline constexpr int kReportText = 1000;

}  // namespace vyr::ctl
