// Fuzzes the loose mask-file readers; the first byte picks the reader.
#include <cstdlib>

#include "resources/mask_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vyr;
  if (size == 0) return 0;
  static const MaskFileKind kinds[] = {MaskFileKind::Bmp, MaskFileKind::Pcx, MaskFileKind::Rid, MaskFileKind::Pid};
  MaskPixels mask;
  if (DecodeMaskFile(ByteSpan(data + 1, size - 1), kinds[data[0] % 4], mask) &&
      mask.pixels.size() != size_t(mask.width) * size_t(mask.height))
    std::abort();
  return 0;
}
