// Dialog template numbers and the control ids inside them, one table for models and Qt dialogs.
#pragma once

namespace vyr::ctl {

// Dialog templates. Each name ends in "Dialog": a test finds them so and asks that each has
// its Qt dialog.
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

// "Robienie Mapshota" (the template number is ours).
inline constexpr int kMapshotDialog = 170;
inline constexpr int kMapshotName = 1161;
inline constexpr int kMapshotObjects = 1010;
inline constexpr int kMapshot100 = 1163;
inline constexpr int kMapshot50 = 1164;
inline constexpr int kMapshot25 = 1165;
inline constexpr int kMapshot12 = 1166;

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

// "Edycja Objektu" and its sub-dialogs.
inline constexpr int kObjectEditDialog = 144;
inline constexpr int kObjectRectsDialog = 147;
inline constexpr int kObjectPointsDialog = 148;
inline constexpr int kObjectFlagsDialog = 149;
inline constexpr int kObjectUserDialog = 150;
inline constexpr int kObjectOtherDialog = 151;
inline constexpr int kObjectHitsDialog = 152;

inline constexpr int kObjectId = 1047;
inline constexpr int kObjectName = 1000;
inline constexpr int kObjectLogic = 1081;
inline constexpr int kObjectImageSet = 1082;
inline constexpr int kObjectAnimation = 1083;
inline constexpr int kObjectX = 1084;
inline constexpr int kObjectY = 1085;
inline constexpr int kObjectZ = 1086;
inline constexpr int kObjectImage = 1035;
inline constexpr int kObjectScore = 1088;
inline constexpr int kObjectPoints = 1089;
inline constexpr int kObjectTime = 1092;
inline constexpr int kObjectPowerup = 1090;
inline constexpr int kObjectDamage = 1091;
inline constexpr int kObjectHealth = 1093;
inline constexpr int kObjectSpeedX = 1103;
inline constexpr int kObjectSpeedY = 1104;
inline constexpr int kObjectFaceDirection = 1120;
inline constexpr int kObjectMinX = 1105;
inline constexpr int kObjectMaxX = 1107;
inline constexpr int kObjectDirection = 1119;
inline constexpr int kObjectMinY = 1106;
inline constexpr int kObjectMaxY = 1108;
inline constexpr int kObjectSpeed = 1116;
inline constexpr int kObjectRects = 1094;
inline constexpr int kObjectPointsButton = 1095;
inline constexpr int kObjectFlags = 1098;
inline constexpr int kObjectHits = 1102;
inline constexpr int kObjectUser = 1096;
inline constexpr int kObjectOther = 1097;
inline constexpr int kObjectPrev = 1049;
inline constexpr int kObjectNext = 1048;
inline constexpr int kObjectDelete = 1099;
inline constexpr int kObjectCopy = 1100;
inline constexpr int kObjectPaste = 1101;
inline constexpr int kObjectRangeX = 1136;
inline constexpr int kObjectRangeY = 1137;

// "Kwadraty Objektu": per rectangle (Ruch, Szkody, Atak, Klipy, User1, User2) the edits
// left, top, right, bottom, then its "X" and "Y" buttons.
inline constexpr int kObjectRectEdits[6][4] = {{1104, 1105, 1106, 1107}, {1108, 1109, 1110, 1111},
                                               {1124, 1125, 1126, 1127}, {1112, 1113, 1114, 1115},
                                               {1116, 1117, 1118, 1119}, {1120, 1121, 1122, 1123}};
inline constexpr int kObjectRectButtons[6][2] = {{1164, 1165}, {1166, 1167}, {1168, 1169},
                                                 {1170, 1171}, {1172, 1173}, {1174, 1175}};

// "Punkty Objektu": xMin, yMin, xMax, yMax, xTweak, yTweak, xRuch, yRuch.
inline constexpr int kObjectPointEdits[8] = {1105, 1106, 1107, 1108, 1113, 1114, 1115, 1116};

// "Flagi Objektu": dynamic flags 1, 2, 4, 8; added flags 1 … 32; draw flags 1 … 8; user flags 1 … 2048.
inline constexpr int kObjectDynamicBoxes[4] = {1106, 1129, 1130, 1131};
inline constexpr int kObjectAddedBoxes[6] = {1107, 1110, 1109, 1108, 1111, 1116};
inline constexpr int kObjectDrawBoxes[4] = {1112, 1114, 1115, 1113};
inline constexpr int kObjectUserBoxes[12] = {1117, 1120, 1119, 1118, 1121, 1122, 1123, 1124, 1125, 1126, 1127, 1128};

// "Wartości 'User'  Objektu": "User 1:" … "User 8:".
inline constexpr int kObjectUserEdits[8] = {1107, 1108, 1109, 1110, 1111, 1112, 1113, 1114};

// "Inne Opcje Objektu": delay, speed, width, height, direction, face direction, time, frame.
inline constexpr int kObjectOtherEdits[8] = {1115, 1116, 1117, 1118, 1119, 1120, 1121, 1122};

// "Informacje Hitów Objektu": in hit-table order the type radios and mask boxes; "Wszystkie".
inline constexpr int kObjectHitTypeRadios[12] = {1123, 1129, 1132, 1124, 1130, 1133, 1125, 1131, 1135, 1136, 1137, 1138};
inline constexpr int kObjectHitMaskBoxes[12] = {1126, 1139, 1140, 1141, 1142, 1143, 1144, 1145, 1146, 1147, 1148, 1149};
inline constexpr int kObjectHitAll = 1150;

// "Informacje Klocków" and "Zmiana Artrybutów Klocków" (the template numbers are ours).
inline constexpr int kTileAttribDialog = 187;
inline constexpr int kScaleAttribsDialog = 188;
inline constexpr int kAttribTabs = 1034;
inline constexpr int kAttribImage = 1035;
inline constexpr int kAttribPreview = 1036;
inline constexpr int kAttribNumber = 1047;
inline constexpr int kAttribNext = 1048;
inline constexpr int kAttribPrevious = 1049;
// Radio buttons for the values 0-4: the single's, the double's outside ("Poza:") and inside ("W:").
inline constexpr int kAttribSingle[5] = {1040, 1041, 1042, 1043, 1061};
inline constexpr int kAttribOutside[5] = {1051, 1052, 1053, 1044, 1046};
inline constexpr int kAttribInside[5] = {1054, 1055, 1056, 1045, 1050};
// "Lewo:", "Góra:", "Prawo:", "Dół:".
inline constexpr int kAttribRect[4] = {1057, 1058, 1059, 1060};
inline constexpr int kAttribFindMask = 1069;
inline constexpr int kScaleAttribsByPercent = 1159;
inline constexpr int kScaleAttribsPercent = 1137;
inline constexpr int kScaleAttribsBySize = 1160;
inline constexpr int kScaleAttribsWidth = 1117;
inline constexpr int kScaleAttribsHeight = 1118;
// "Opcje": no template number of its own in the old program; this one is ours.
inline constexpr int kOptionsDialog = 195;
inline constexpr int kOptionsRezFile = 1003;

}  // namespace vyr::ctl
