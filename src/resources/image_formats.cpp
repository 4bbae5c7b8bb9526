// Image kinds, the PID/RID header, and the surface's decoding entry point.
#include "resources/image_formats.h"

#include "resources/dib.h"

namespace vyr {

int ImageKindOfTypeCode(uint32_t typeCode) {
  switch (typeCode) {
    case kTypeCodeBmp: return kImageKindBmp;
    case kTypeCodePcx: return kImageKindPcx;
    case kTypeCodeRid: return kImageKindRid;
    case kTypeCodePid: return kImageKindPid;
    default: return 0;
  }
}

bool ReadPidHeader(ByteSpan item, PidHeader& out, std::string* reason) {
  if (item.size() < kPidHeaderSize) {
    if (reason) *reason = "image shorter than its 32-byte header";
    return false;
  }
  const uint8_t* p = item.data();
  out.word0 = LoadU32(p);
  out.flags = LoadU32(p + 4);
  out.width = LoadU32(p + 8);
  out.height = LoadU32(p + 12);
  out.offsetX = LoadI32(p + 16);
  out.offsetY = LoadI32(p + 20);
  out.word6 = LoadU32(p + 24);
  out.word7 = LoadU32(p + 28);
  return true;
}

bool ReadImageInfo(ByteSpan item, int kind, bool defaultTransparent, ImageInfo& out, std::string* reason) {
  if (kind == kImageKindBmp || kind == kImageKindPcx) {
    out = ImageInfo{0, 0, defaultTransparent};
    return true;
  }
  if (kind != kImageKindRid && kind != kImageKindPid) {
    if (reason) *reason = "not an image kind";
    return false;
  }
  PidHeader header;
  if (!ReadPidHeader(item, header, reason)) return false;
  out = ImageInfo{header.offsetX, header.offsetY,
                  (header.flags & (kPidFlagTransparent | kPidFlagTransparentRuns)) != 0};
  return true;
}

bool CDibG::LoadFromMemory(ByteSpan item, int kind, CPalId* palette, std::string* reason) {
  switch (kind) {
    case kImageKindBmp: return LoadBitmap(item, palette, reason);
    case kImageKindPcx: return LoadPcx(item, palette, reason);
    case kImageKindRid: return LoadRid(item, palette, reason);
    case kImageKindPid: return LoadPid(item, palette, reason);
    default: return Fail(reason, "image kind " + std::to_string(kind) + " is not an image format");
  }
}

}  // namespace vyr
