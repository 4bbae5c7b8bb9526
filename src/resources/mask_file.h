// Loose image files read into plain pixel buffers (mask images for tile attributes).
#pragma once

#include <cstdint>
#include <functional>
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
// What a caller accepts of a loose file, tested on its header before the file is read
// whole or any pixels are allocated: the size the header gives, and a cap on both the
// file's bytes and its pixel count.
struct MaskFileGate {
  std::function<bool(int64_t width, int64_t height)> sizeFits;
  uint64_t maxBytes = uint64_t(16) << 20;
};
// The width and height a file's first bytes give; false when they are too short.
bool MaskFileHeaderSize(ByteSpan header, MaskFileKind kind, int64_t& width, int64_t& height);
// Reads and decodes the file at `path`, first passing it through `gate` when given.
bool LoadMaskFile(const std::string& path, MaskPixels& out, std::string* reason = nullptr,
                  const MaskFileGate* gate = nullptr);

}  // namespace vyr
