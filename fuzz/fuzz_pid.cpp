// Fuzzes the PID decoder, its embedded palette and the encoder round trip.
#include <cstdlib>

#include "resources/dib.h"
#include "resources/image_formats.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vyr;
  const ByteSpan item(data, size);
  CPalId palette;
  palette.BuildFromImageData(item, kImageKindPid);
  CDibG dib(size % 2 ? RowOrder::BottomUp : RowOrder::TopDown);
  std::string reason;
  if (!dib.LoadFromMemory(item, kImageKindPid, &palette, &reason)) return 0;
  dib.ReindexToColourCube(&palette);
  // What decodes must survive our encoder unchanged.
  for (PidCoding coding : {PidCoding::TransparentRuns, PidCoding::ByteRuns}) {
    PidEncodeOptions options;
    options.coding = coding;
    const auto encoded = EncodePid(dib, options);
    CDibG again;
    if (!again.LoadFromMemory(encoded, kImageKindPid, nullptr, &reason)) std::abort();
    for (int32_t y = 0; y < dib.Height(); ++y)
      for (int32_t x = 0; x < dib.Width(); ++x)
        if (again.GetPixel(x, y) != dib.GetPixel(x, y)) std::abort();
  }
  return 0;
}
