// Loose image files read into plain pixel buffers (mask images for tile attributes).
#include "resources/mask_file.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "platform/file_io.h"
#include "resources/byte_runs.h"
#include "resources/dib.h"

namespace vyr {

namespace {

bool Refuse(MaskPixels& out, std::string* reason, std::string text) {
  out = MaskPixels{};
  if (reason) *reason = std::move(text);
  return false;
}

bool SizeUsable(int64_t width, int64_t height) {
  return width > 0 && height > 0 && width <= kMaxSurfaceSide && height <= kMaxSurfaceSide;
}

std::string SizeText(int64_t width, int64_t height) {
  return std::to_string(width) + " x " + std::to_string(height);
}

bool DecodeBmp(ByteSpan bytes, MaskPixels& out, std::string* reason) {
  const ByteReader reader(bytes);
  uint32_t pixelOffset = 0, compression = 0;
  int32_t width = 0, height = 0;
  uint16_t bitCount = 0;
  if (!reader.U32(10, pixelOffset) || !reader.I32(18, width) || !reader.I32(22, height) ||
      !reader.U16(28, bitCount) || !reader.U32(30, compression))
    return Refuse(out, reason, "bitmap shorter than its headers");
  if (bitCount != 8) return Refuse(out, reason, "bitmap of " + std::to_string(bitCount) + " bits per pixel, not 8");
  if (compression != 0) return Refuse(out, reason, "compressed bitmap");
  const bool bottomUp = height > 0;
  const int64_t rows = bottomUp ? int64_t(height) : -int64_t(height);
  if (!SizeUsable(width, rows)) return Refuse(out, reason, "bitmap size " + SizeText(width, height) + " is not usable");
  // Rows are padded to 4 bytes and, in the usual bottom-up bitmap, stored bottom row
  // first; the buffer holds the top row first like the image as it is seen.
  const uint64_t pitch = (uint64_t(width) + 3) / 4 * 4;
  if (!reader.Has(pixelOffset, pitch * uint64_t(rows))) return Refuse(out, reason, "bitmap pixel rows run past the end");
  out.width = width;
  out.height = int32_t(rows);
  out.pixels.resize(size_t(width) * size_t(rows));
  for (int64_t y = 0; y < rows; ++y) {
    const int64_t fileRow = bottomUp ? rows - 1 - y : y;
    std::memcpy(out.pixels.data() + size_t(y) * size_t(width), bytes.data() + pixelOffset + uint64_t(fileRow) * pitch,
                size_t(width));
  }
  return true;
}

bool DecodePcx(ByteSpan bytes, MaskPixels& out, std::string* reason) {
  if (bytes.size() < 128 + kPaletteRgbSize) return Refuse(out, reason, "PCX file shorter than its header and palette");
  const uint8_t* p = bytes.data();
  const int64_t width = int64_t(int16_t(LoadU16(p + 8))) - int16_t(LoadU16(p + 4)) + 1;
  const int64_t height = int64_t(int16_t(LoadU16(p + 10))) - int16_t(LoadU16(p + 6)) + 1;
  const uint16_t bytesPerLine = LoadU16(p + 66);
  if (!SizeUsable(width, height)) return Refuse(out, reason, "PCX window " + SizeText(width, height) + " is not usable");
  if (width % 4 != 0) return Refuse(out, reason, "PCX width " + std::to_string(width) + " is not a multiple of 4");
  if (p[3] != 8 || p[65] != 1) return Refuse(out, reason, "PCX mask is not one 8-bit plane");
  if (bytesPerLine < width) return Refuse(out, reason, "PCX scan line narrower than the image");
  const ByteSpan data = bytes.subspan(0, bytes.size() - kPaletteRgbSize);
  if (uint64_t(bytesPerLine) * uint64_t(height) > uint64_t(data.size() - 128) * 32)
    return Refuse(out, reason, "PCX data too short for its size");
  out.width = int32_t(width);
  out.height = int32_t(height);
  out.pixels.resize(size_t(width) * size_t(height));
  ByteRunDecoder decoder(data, 128);
  std::vector<uint8_t> line(bytesPerLine);
  for (int64_t y = 0; y < height; ++y) {
    if (!decoder.Decode(line.data(), line.size(), true))
      return Refuse(out, reason, "PCX data end in row " + std::to_string(y));
    std::memcpy(out.pixels.data() + size_t(y) * size_t(width), line.data(), size_t(width));
  }
  return true;
}

bool DecodeRawOrRuns(ByteSpan bytes, bool runs, MaskPixels& out, std::string* reason) {
  const char* name = runs ? "PID" : "RID";
  uint32_t width = 0, height = 0;
  const ByteReader reader(bytes);
  if (!reader.U32(8, width) || !reader.U32(12, height) || bytes.size() < 16)
    return Refuse(out, reason, std::string(name) + " file shorter than its 16-byte header");
  if (!SizeUsable(width, height))
    return Refuse(out, reason, std::string(name) + " size " + SizeText(width, height) + " is not usable");
  const uint64_t count = uint64_t(width) * height;
  if (!runs) {
    if (!reader.Has(16, count)) return Refuse(out, reason, "RID pixel rows run past the end");
    out.width = int32_t(width);
    out.height = int32_t(height);
    out.pixels.assign(bytes.begin() + 16, bytes.begin() + 16 + ptrdiff_t(count));
    return true;
  }
  if (width % 4 != 0) return Refuse(out, reason, "PID width " + std::to_string(width) + " is not a multiple of 4");
  if (count > uint64_t(bytes.size() - 16) * 32) return Refuse(out, reason, "PID data too short for its size");
  out.width = int32_t(width);
  out.height = int32_t(height);
  out.pixels.resize(size_t(count));
  ByteRunDecoder decoder(bytes, 16);
  for (uint32_t y = 0; y < height; ++y)
    if (!decoder.Decode(out.pixels.data() + size_t(y) * width, width, false))
      return Refuse(out, reason, "PID byte runs do not fill row " + std::to_string(y) + " exactly");
  return true;
}

}  // namespace

MaskFileKind MaskFileKindOfPath(const std::string& path) {
  const size_t dot = path.rfind('.');
  if (dot == std::string::npos) return MaskFileKind::None;
  std::string extension = path.substr(dot + 1);
  for (char& c : extension)
    if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
  if (extension == "BMP") return MaskFileKind::Bmp;
  if (extension == "PCX") return MaskFileKind::Pcx;
  if (extension == "RID") return MaskFileKind::Rid;
  if (extension == "PID") return MaskFileKind::Pid;
  return MaskFileKind::None;
}

bool DecodeMaskFile(ByteSpan bytes, MaskFileKind kind, MaskPixels& out, std::string* reason) {
  switch (kind) {
    case MaskFileKind::Bmp: return DecodeBmp(bytes, out, reason);
    case MaskFileKind::Pcx: return DecodePcx(bytes, out, reason);
    case MaskFileKind::Rid: return DecodeRawOrRuns(bytes, false, out, reason);
    case MaskFileKind::Pid: return DecodeRawOrRuns(bytes, true, out, reason);
    case MaskFileKind::None: break;
  }
  return Refuse(out, reason, "not a mask image type (.BMP, .PCX, .RID or .PID)");
}

bool MaskFileHeaderSize(ByteSpan header, MaskFileKind kind, int64_t& width, int64_t& height) {
  const ByteReader reader(header);
  switch (kind) {
    case MaskFileKind::Bmp: {
      int32_t w = 0, h = 0;
      if (!reader.I32(18, w) || !reader.I32(22, h)) return false;
      width = w;
      height = h < 0 ? -int64_t(h) : int64_t(h);
      return true;
    }
    case MaskFileKind::Pcx: {
      if (header.size() < 12) return false;
      const uint8_t* p = header.data();
      width = int64_t(int16_t(LoadU16(p + 8))) - int16_t(LoadU16(p + 4)) + 1;
      height = int64_t(int16_t(LoadU16(p + 10))) - int16_t(LoadU16(p + 6)) + 1;
      return true;
    }
    case MaskFileKind::Rid:
    case MaskFileKind::Pid: {
      uint32_t w = 0, h = 0;
      if (!reader.U32(8, w) || !reader.U32(12, h)) return false;
      width = w;
      height = h;
      return true;
    }
    case MaskFileKind::None: break;
  }
  return false;
}

namespace {

// The gate's tests on the file's length and its header, reading only the header.
bool PassesGate(const std::string& path, MaskFileKind kind, const MaskFileGate& gate, std::string& why) {
  std::error_code error;
  const uintmax_t length = std::filesystem::file_size(path, error);
  if (error) {
    why = "cannot read " + path + ": " + error.message();
    return false;
  }
  if (length > gate.maxBytes) {
    why = path + " is larger than " + std::to_string(gate.maxBytes) + " bytes";
    return false;
  }
  std::vector<uint8_t> header(128);
  std::ifstream file(path, std::ios::binary);
  file.read(reinterpret_cast<char*>(header.data()), std::streamsize(header.size()));
  header.resize(size_t(std::max<std::streamsize>(file.gcount(), 0)));
  int64_t width = 0, height = 0;
  if (!MaskFileHeaderSize(header, kind, width, height)) {
    why = path + " is shorter than its header";
    return false;
  }
  if (width <= 0 || height <= 0 || uint64_t(width) * uint64_t(height) > gate.maxBytes ||
      (gate.sizeFits && !gate.sizeFits(width, height))) {
    why = "the size " + SizeText(width, height) + " of " + path + " is not accepted";
    return false;
  }
  return true;
}

}  // namespace

bool LoadMaskFile(const std::string& path, MaskPixels& out, std::string* reason, const MaskFileGate* gate) {
  const MaskFileKind kind = MaskFileKindOfPath(path);
  if (kind == MaskFileKind::None) return Refuse(out, reason, "not a mask image type (.BMP, .PCX, .RID or .PID)");
  std::string error;
  if (gate && !PassesGate(path, kind, *gate, error)) return Refuse(out, reason, error);
  std::vector<uint8_t> bytes;
  if (!ReadWholeFile(path, bytes, error)) return Refuse(out, reason, error);
  if (!DecodeMaskFile(bytes, kind, out, reason)) return false;
  // The file may have changed since its header was looked at.
  if (gate && gate->sizeFits && !gate->sizeFits(out.width, out.height))
    return Refuse(out, reason, "the size " + SizeText(out.width, out.height) + " of " + path + " is not accepted");
  return true;
}

}  // namespace vyr
