// Fuzzes the PCX decoder (one and three planes) and its embedded palette.
#include "resources/dib.h"
#include "resources/image_formats.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vyr;
  const ByteSpan item(data, size);
  CPalId palette;
  palette.BuildFromImageData(item, kImageKindPcx);
  CDibG dib(size % 2 ? RowOrder::BottomUp : RowOrder::TopDown);
  if (dib.LoadFromMemory(item, kImageKindPcx, &palette)) dib.ReindexToColourCube();
  return 0;
}
