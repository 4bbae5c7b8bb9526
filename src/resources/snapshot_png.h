// Writing a snapshot as an 8-bit palette PNG, from a whole surface or band by band as it is drawn.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vyr {

class CSnapshotDib;
class CSnapshotPalette;

// True when the name ends in ".png", in any case: such a snapshot is written as PNG.
bool IsPngName(const std::string& path);

// Encodes rows as they come, with a fast compression setting: the picture never needs to
// exist whole. Begin, then Rows until every row is given, then End; after a false the
// encoder is spent and Error() says why.
class PngRowEncoder {
 public:
  PngRowEncoder();
  ~PngRowEncoder();
  PngRowEncoder(const PngRowEncoder&) = delete;
  PngRowEncoder& operator=(const PngRowEncoder&) = delete;

  bool Begin(int32_t width, int32_t height, const CSnapshotPalette& palette);
  // `count` rows of the image's width, the first at `first`, each `stride` bytes after the
  // one above (negative for rows stored bottom row first).
  bool Rows(const uint8_t* first, ptrdiff_t stride, int32_t count);
  bool End();

  // The encoded file.
  const std::vector<uint8_t>& Bytes() const { return m_bytes; }
  const std::string& Error() const { return m_error; }

 private:
  // libpng's structures, kept opaque so that its header stays in the encoder's file.
  void* m_png = nullptr;
  void* m_info = nullptr;
  std::vector<uint8_t> m_bytes;
  std::string m_error;
};

// Encodes the 8-bit surface with its 256 colours and writes the file atomically. False,
// with the reason, when encoding or writing fails.
bool WriteSnapshotPng(const std::string& path, const CSnapshotDib& surface, const CSnapshotPalette& palette,
                      std::string* reason);

}  // namespace vyr
