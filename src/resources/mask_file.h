// Loose image files read into plain pixel buffers (mask images for tile attributes).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/bytes.h"

namespace vyr {

// Width x height bytes, one per pixel, top row first.
struct MaskPixels {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint8_t> pixels;
};

enum class MaskFileKind { None, Bmp, Pcx, Rid, Pid };

// The reader chosen by the extension after the last dot (case-insensitive); None
// for any other extension or a path without a dot.
MaskFileKind MaskFileKindOfPath(const std::string& path);

// Decodes a loose file's bytes; on failure `out` is left empty and `reason` says why.
bool DecodeMaskFile(ByteSpan bytes, MaskFileKind kind, MaskPixels& out, std::string* reason = nullptr);
// Reads and decodes the file at `path`.
bool LoadMaskFile(const std::string& path, MaskPixels& out, std::string* reason = nullptr);

}  // namespace vyr
