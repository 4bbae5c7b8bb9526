// The two pictures of the tile attribute dialog: the image and its attribute preview.
#pragma once

#include "resources/dib.h"
#include "world/tile_attrib.h"

namespace vyr {

class CImage;

// Clears `view` to index 0 and draws the image's pixels at its top-left corner, clipped
// to the view and to the image (no image: the view stays clear).
void DrawAttribImage(CDibG& view, const CImage* image);

// Draws the preview of `record` over the image view: a single inverts the whole view
// (255 − v), a double only the inside of its rectangle, a mask shows its bytes as palette
// indices (cleared first, clipped to the view).
void DrawAttribPreview(CDibG& preview, const CDibG& imageView, const CTileAttrib& record);

}  // namespace vyr
