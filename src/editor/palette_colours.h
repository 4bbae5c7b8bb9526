// The Qt colour table of an 8-bit surface shown in the picker and the attribute dialog.
#pragma once

#include <QList>
#include <QRgb>

namespace vyr {

class CPalId;

// The palette's colours, index 0 (transparent) shown as the view's background, palette
// index 255, the colour the view leaves behind transparent pixels. Without a palette, a
// grey ramp.
QList<QRgb> ShownColours(const CPalId* palette);

}  // namespace vyr
