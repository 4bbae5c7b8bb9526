// Fuzzes the bitmap decoder, which also builds a palette from the colour table.
#include "resources/dib.h"
#include "resources/image_formats.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vyr;
  CPalId palette;
  CDibG dib(size % 2 ? RowOrder::BottomUp : RowOrder::TopDown);
  if (dib.LoadFromMemory(ByteSpan(data, size), kImageKindBmp, &palette)) dib.ReindexToColourCube();
  return 0;
}
