// 256-colour palettes (CPalId): builders, the default colour cube and the identity adjustment.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "platform/bytes.h"

namespace vyr {

// One palette entry as a logical palette holds it.
struct PaletteEntry {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
  uint8_t flags = 0;
  friend bool operator==(const PaletteEntry&, const PaletteEntry&) = default;
};

inline constexpr uint8_t kPaletteEntryReserved = 0x01;    // realised in its own system slot
inline constexpr uint8_t kPaletteEntryNoCollapse = 0x04;
inline constexpr size_t kPaletteEntryCount = 256;
inline constexpr size_t kPaletteRgbSize = 768;            // 256 three-byte entries
inline constexpr size_t kColourTableSize = 1024;          // 256 four-byte entries

using PaletteEntries = std::array<PaletteEntry, kPaletteEntryCount>;
// A bitmap colour table: 256 entries of B, G, R, 0.
using ColourTableBytes = std::array<uint8_t, kColourTableSize>;

// What the display says about its palette. Our displays are true-colour; a palette
// device is described only to exercise the identity adjustment.
struct DisplayPalette {
  bool paletteDevice = false;
  uint32_t systemSize = 256;   // entries of the system palette
  uint32_t staticCount = 20;   // reserved (static) system entries, half at each end
  PaletteEntries system{};     // the current system palette

  static const DisplayPalette& TrueColour();
};

// Copies the display's static colours to both ends of `entries` and marks the rest
// reserved, so that the palette realises 1:1 on a palette device. No-op otherwise.
void ApplyIdentityAdjustment(PaletteEntries& entries, const DisplayPalette& display);

// Index into the default colour cube of a colour; (255, 0, 132) gives 0 (transparent).
uint8_t ColourCubeIndex(uint8_t red, uint8_t green, uint8_t blue);

// The default palette: black, the 6 x 7 x 6 colour cube at 1..252, black, black, white.
const PaletteEntries& DefaultPaletteEntries();

class CPalId {
 public:
  CPalId();
  // The display whose system palette the identity adjustment uses; it must outlive this.
  explicit CPalId(const DisplayPalette& display);

  // Embedded palette of a PCX (kind 2) or PID (kind 6) item; other kinds fail.
  bool BuildFromImageData(ByteSpan item, int kind, std::string* reason = nullptr);
  // 256 R, G, B triples (the palette item); adjusted on a palette device.
  bool BuildFromRgb(ByteSpan rgb, std::string* reason = nullptr);
  bool BuildFromRgb(ByteSpan rgb, bool identity, std::string* reason = nullptr);
  // 256 B, G, R, x entries (a bitmap colour table).
  bool BuildFromColourTable(ByteSpan bgrx, bool identity, std::string* reason = nullptr);
  // 256 B, G, R triples.
  bool BuildFromBgr(ByteSpan bgr, bool identity, std::string* reason = nullptr);
  // 256 R, G, B, x entries.
  bool BuildFromPaletteEntries(ByteSpan rgbx, bool identity, std::string* reason = nullptr);
  // Kind 1: a BMP file's colour table; kind 2: a PCX file's last 768 bytes.
  bool BuildFromFile(const std::string& path, int kind, bool identity, std::string* reason = nullptr);
  // The display's system palette.
  bool BuildFromSystemPalette(bool identity);
  // The colour cube; never adjusted.
  bool BuildDefault();
  // The palette item of an archive.
  bool LoadFromItem(ByteSpan item, std::string* reason = nullptr) { return BuildFromRgb(item, reason); }

  void Delete();
  bool IsCreated() const { return m_created; }

  // Writes the 256 entries as B, G, R, 0 into `colourTable` (at least 1024 bytes).
  bool CopyOut(std::span<uint8_t> colourTable) const;
  // The same table, made on first use after each build of the palette for every surface
  // to share; null while the palette is not created.
  std::shared_ptr<const ColourTableBytes> SharedColourTable() const;

  const PaletteEntries& Entries() const { return m_entries; }
  const PaletteEntry& Entry(size_t index) const { return m_entries[index]; }

 private:
  bool Attach(const PaletteEntries& entries, bool identity);

  const DisplayPalette* m_display;
  PaletteEntries m_entries{};
  mutable std::shared_ptr<const ColourTableBytes> m_colourTable;
  bool m_created = false;
};

}  // namespace vyr
