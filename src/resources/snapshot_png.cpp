// Writing a snapshot surface as an 8-bit palette PNG through libpng.
#include "resources/snapshot_png.h"

#include <png.h>

#include <algorithm>
#include <cctype>
#include <csetjmp>
#include <vector>

#include "platform/file_io.h"
#include "resources/snapshot_surface.h"

namespace vyr {

namespace {

// libpng reports errors by longjmp: nothing with a destructor may be made between the
// setjmp and the end of encoding, so every object lives in the caller.
struct PngOutput {
  std::vector<uint8_t> bytes;
  std::string error;
};

void Append(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<PngOutput*>(png_get_io_ptr(png));
  out->bytes.insert(out->bytes.end(), data, data + length);
}

void Flush(png_structp) {}

void OnError(png_structp png, png_const_charp message) {
  static_cast<PngOutput*>(png_get_error_ptr(png))->error = message;
  png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {}

bool Encode(const CSnapshotDib& surface, const png_color* colours, PngOutput& out) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &out, OnError, OnWarning);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  if (!info || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_set_write_fn(png, &out, Append, Flush);
  png_set_IHDR(png, info, png_uint_32(surface.Width()), png_uint_32(surface.Height()), 8, PNG_COLOR_TYPE_PALETTE,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_set_PLTE(png, info, colours, int(kPaletteEntryCount));
  png_write_info(png, info);
  for (int32_t y = 0; y < surface.Height(); ++y) png_write_row(png, surface.RowPtr(y));
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return true;
}

}  // namespace

bool IsPngName(const std::string& path) {
  if (path.size() < 4) return false;
  std::string tail = path.substr(path.size() - 4);
  std::transform(tail.begin(), tail.end(), tail.begin(), [](unsigned char c) { return char(std::tolower(c)); });
  return tail == ".png";
}

bool WriteSnapshotPng(const std::string& path, const CSnapshotDib& surface, const CSnapshotPalette& palette,
                      std::string* reason) {
  png_color colours[kPaletteEntryCount];
  for (size_t i = 0; i < kPaletteEntryCount; ++i) {
    const PaletteEntry& e = palette.Entries()[i];
    colours[i] = png_color{e.red, e.green, e.blue};
  }
  PngOutput out;
  if (surface.BitsPerPixel() != 8 || !Encode(surface, colours, out)) {
    if (reason) *reason = "cannot encode '" + path + "' as PNG" + (out.error.empty() ? "" : ": " + out.error);
    return false;
  }
  std::string error;
  if (!WriteFileAtomically(path, out.bytes, error)) {
    if (reason) *reason = error;
    return false;
  }
  return true;
}

}  // namespace vyr
