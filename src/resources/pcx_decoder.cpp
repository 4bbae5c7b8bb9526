// PCX images (one 8-bit plane, or three planes mapped into the colour cube) into a surface.
#include <cstring>
#include <vector>

#include "platform/file_io.h"
#include "resources/byte_runs.h"
#include "resources/dib.h"

namespace vyr {

namespace {

constexpr size_t kPcxHeaderSize = 128;

struct PcxHeader {
  int32_t width = 0;
  int32_t height = 0;
  uint8_t bitsPerPixel = 0;
  uint8_t planes = 0;
  uint16_t bytesPerLine = 0;
};

bool ReadPcxHeader(ByteSpan item, PcxHeader& out, std::string& reason) {
  if (item.size() < kPcxHeaderSize) {
    reason = "PCX shorter than its 128-byte header";
    return false;
  }
  const uint8_t* p = item.data();
  const int32_t xMin = int16_t(LoadU16(p + 4)), yMin = int16_t(LoadU16(p + 6));
  const int32_t xMax = int16_t(LoadU16(p + 8)), yMax = int16_t(LoadU16(p + 10));
  out.width = xMax - xMin + 1;
  out.height = yMax - yMin + 1;
  out.bitsPerPixel = p[3];
  out.planes = p[65];
  out.bytesPerLine = LoadU16(p + 66);
  if (out.width <= 0 || out.height <= 0) {
    reason = "PCX window " + std::to_string(out.width) + " x " + std::to_string(out.height) + " is empty";
    return false;
  }
  if (out.bitsPerPixel != 8) {
    reason = "PCX of " + std::to_string(out.bitsPerPixel) + " bits per pixel, not 8";
    return false;
  }
  if (out.planes != 1 && out.planes != 3) {
    reason = "PCX of " + std::to_string(out.planes) + " planes";
    return false;
  }
  if (out.bytesPerLine < out.width) {
    reason = "PCX scan line of " + std::to_string(out.bytesPerLine) + " bytes is narrower than the image";
    return false;
  }
  return true;
}

}  // namespace

bool CDibG::LoadPcx(ByteSpan item, const CPalId* palette, std::string* reason) {
  Reset();
  PcxHeader header;
  std::string error;
  if (!ReadPcxHeader(item, header, error)) return Fail(reason, error);
  // A run of two bytes yields at most 63 bytes: a larger image cannot be in the item.
  const uint64_t lineBytes = uint64_t(header.bytesPerLine) * header.planes;
  if (lineBytes * uint64_t(header.height) > uint64_t(item.size() - kPcxHeaderSize) * 32)
    return Fail(reason, "PCX data too short for its size");
  if (!Allocate(header.width, header.height, palette)) return Fail(reason, "cannot make the surface");
  ClearPadding();

  // Scan lines hold bytes-per-line bytes per plane; runs may continue into the next
  // plane or line, as common writers emit them.
  ByteRunDecoder decoder(item, kPcxHeaderSize);
  std::vector<uint8_t> line(static_cast<size_t>(lineBytes));
  const size_t width = size_t(header.width);
  for (int32_t y = 0; y < m_height; ++y) {
    if (!decoder.Decode(line.data(), line.size(), true))
      return Fail(reason, "PCX data end in row " + std::to_string(y));
    uint8_t* out = RowPtr(y);
    if (header.planes == 1) {
      std::memcpy(out, line.data(), width);
      continue;
    }
    const uint8_t* red = line.data();
    const uint8_t* green = red + header.bytesPerLine;
    const uint8_t* blue = green + header.bytesPerLine;
    for (size_t x = 0; x < width; ++x) out[x] = ColourCubeIndex(red[x], green[x], blue[x]);
  }
  return true;
}

bool CDibG::LoadPcxFile(const std::string& path, CPalId* palette, std::string* reason) {
  Reset();
  std::vector<uint8_t> bytes;
  std::string error;
  if (!ReadWholeFile(path, bytes, error)) return Fail(reason, error);
  const ByteSpan all(bytes);
  PcxHeader header;
  if (!ReadPcxHeader(all, header, error)) return Fail(reason, error);
  if (header.planes != 1) return Fail(reason, "PCX file of three planes has no palette");
  if (all.size() < kPcxHeaderSize + kPaletteRgbSize) return Fail(reason, "PCX file too short for its palette");
  auto table = std::make_shared<ColourTableBytes>();
  const ByteSpan rgb = all.last(kPaletteRgbSize);
  for (size_t i = 0; i < kPaletteEntryCount; ++i) {
    (*table)[i * 4] = rgb[i * 3 + 2];
    (*table)[i * 4 + 1] = rgb[i * 3 + 1];
    (*table)[i * 4 + 2] = rgb[i * 3];
  }
  if (palette && !palette->IsCreated()) palette->BuildFromColourTable(*table, true);
  // The scan lines lie between the header and the palette.
  if (!LoadPcx(all.first(all.size() - kPaletteRgbSize), palette, reason)) return false;
  m_colourTable = std::move(table);
  return true;
}

}  // namespace vyr
