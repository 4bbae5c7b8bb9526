// Fuzzes the RID decoder and image info reading.
#include "resources/dib.h"
#include "resources/image_formats.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vyr;
  const ByteSpan item(data, size);
  ImageInfo info;
  ReadImageInfo(item, kImageKindRid, true, info);
  CDibG dib(size % 2 ? RowOrder::BottomUp : RowOrder::TopDown);
  if (dib.LoadFromMemory(item, kImageKindRid, nullptr)) dib.FlipVertical();
  return 0;
}
