// Image kinds, the PID/RID header, and the PID/RID encoders.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/bytes.h"

namespace vyr {

class CDibG;

// Image kind numbers passed between the image loader and the surface.
inline constexpr int kImageKindBmp = 1;
inline constexpr int kImageKindPcx = 2;
inline constexpr int kImageKindRid = 3;
inline constexpr int kImageKindPid = 6;

// Archive type codes of the image formats (the extension packed into a u32).
inline constexpr uint32_t kTypeCodeBmp = 0x00424D50;
inline constexpr uint32_t kTypeCodePcx = 0x00504358;
inline constexpr uint32_t kTypeCodeRid = 0x00524944;
inline constexpr uint32_t kTypeCodePid = 0x00504944;

// The kind of an item's type code, or 0 for an item that is not an image.
int ImageKindOfTypeCode(uint32_t typeCode);

// PID and RID header flags.
inline constexpr uint32_t kPidFlagTransparent = 0x01;      // drawn with transparency
inline constexpr uint32_t kPidFlagTransparentRuns = 0x20;  // transparent run coding (also drawn transparent)
inline constexpr uint32_t kPidFlagPalette = 0x80;          // last 768 bytes are the image's palette
inline constexpr size_t kPidHeaderSize = 32;

struct PidHeader {
  uint32_t word0 = 0;  // not interpreted
  uint32_t flags = 0;
  uint32_t width = 0;
  uint32_t height = 0;
  int32_t offsetX = 0;  // hot spot
  int32_t offsetY = 0;
  uint32_t word6 = 0;  // not interpreted
  uint32_t word7 = 0;
};

bool ReadPidHeader(ByteSpan item, PidHeader& out, std::string* reason = nullptr);

// What the image loader takes from an item besides its pixels.
struct ImageInfo {
  int32_t offsetX = 0;
  int32_t offsetY = 0;
  bool transparent = false;
};

// PID and RID: hot spot from the header, transparency when flags & 0x21; BMP and PCX:
// no hot spot and `defaultTransparent`. Fails for a short PID/RID header or another kind.
bool ReadImageInfo(ByteSpan item, int kind, bool defaultTransparent, ImageInfo& out,
                   std::string* reason = nullptr);

// --- Encoders (our demo content and tests) ---

enum class PidCoding {
  TransparentRuns,  // flag 0x20: runs of colour 0 and literal runs
  ByteRuns,         // flag 0x20 clear: PCX-style byte runs
};

struct PidEncodeOptions {
  PidCoding coding = PidCoding::TransparentRuns;
  // Sets flag 0x01 (transparency without transparent runs); ignored for TransparentRuns.
  bool transparent = false;
  int32_t offsetX = 0;
  int32_t offsetY = 0;
  // Empty, or 768 bytes of R, G, B appended as the image's own palette (flag 0x80).
  std::vector<uint8_t> paletteRgb;
  uint32_t word0 = 0;
};

// Encodes width x height pixels (rows `stride` bytes apart, top row first).
std::vector<uint8_t> EncodePid(const uint8_t* pixels, int32_t width, int32_t height, size_t stride,
                               const PidEncodeOptions& options);
std::vector<uint8_t> EncodePid(const CDibG& surface, const PidEncodeOptions& options);

// A RID item: the 32-byte header and rows padded to a multiple of 4 bytes.
std::vector<uint8_t> EncodeRid(const uint8_t* pixels, int32_t width, int32_t height, size_t stride,
                               uint32_t flags, int32_t offsetX, int32_t offsetY);

}  // namespace vyr
