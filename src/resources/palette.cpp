// 256-colour palettes: builders, the default colour cube and the identity adjustment.
#include "resources/palette.h"

#include <algorithm>
#include <vector>

#include "platform/file_io.h"

namespace vyr {

namespace {

bool SetReason(std::string* reason, std::string text) {
  if (reason) *reason = std::move(text);
  return false;
}

PaletteEntries MakeDefaultEntries() {
  PaletteEntries entries{};
  for (int r = 0; r <= 5; ++r)
    for (int g = 0; g <= 6; ++g)
      for (int b = 0; b <= 5; ++b) {
        PaletteEntry& e = entries[size_t(1 + b + 6 * g + 42 * r)];
        e.red = uint8_t(r * 255 / 5);
        e.green = uint8_t(g * 255 / 6);
        e.blue = uint8_t(b * 255 / 5);
      }
  entries[255] = PaletteEntry{255, 255, 255, 0};
  return entries;
}

// Builds entries from 256 records of `stride` bytes with the red, green, blue byte
// positions given; `bytes` must hold 256 records.
PaletteEntries EntriesFrom(ByteSpan bytes, size_t stride, size_t red, size_t green, size_t blue) {
  PaletteEntries entries{};
  for (size_t i = 0; i < kPaletteEntryCount; ++i) {
    const uint8_t* p = bytes.data() + i * stride;
    entries[i] = PaletteEntry{p[red], p[green], p[blue], 0};
  }
  return entries;
}

}  // namespace

const DisplayPalette& DisplayPalette::TrueColour() {
  static const DisplayPalette display{};
  return display;
}

void ApplyIdentityAdjustment(PaletteEntries& entries, const DisplayPalette& display) {
  if (!display.paletteDevice) return;
  // Flushing the system palette is a device side effect with nothing to model here.
  const uint32_t size = std::min<uint32_t>(display.systemSize, kPaletteEntryCount);
  const uint32_t half = std::min<uint32_t>(display.staticCount / 2, size / 2);
  for (uint32_t i = 0; i < half; ++i) {
    const PaletteEntry& low = display.system[i];
    const PaletteEntry& high = display.system[size - half + i];
    entries[i] = PaletteEntry{low.red, low.green, low.blue, 0};
    entries[kPaletteEntryCount - half + i] = PaletteEntry{high.red, high.green, high.blue, 0};
  }
  for (uint32_t i = half; i + half < size; ++i) entries[i].flags = kPaletteEntryReserved;
}

uint8_t ColourCubeIndex(uint8_t red, uint8_t green, uint8_t blue) {
  if (red == 255 && green == 0 && blue == 132) return 0;
  // round(v * levels / 255) with round = add one half and truncate, in integers.
  const unsigned b = (unsigned(blue) * 10 + 255) / 510;
  const unsigned g = (unsigned(green) * 12 + 255) / 510;
  const unsigned r = (unsigned(red) * 10 + 255) / 510;
  return uint8_t(1 + b + 6 * g + 42 * r);
}

const PaletteEntries& DefaultPaletteEntries() {
  static const PaletteEntries entries = MakeDefaultEntries();
  return entries;
}

CPalId::CPalId() : m_display(&DisplayPalette::TrueColour()) {}
CPalId::CPalId(const DisplayPalette& display) : m_display(&display) {}

bool CPalId::Attach(const PaletteEntries& entries, bool identity) {
  m_entries = entries;
  for (PaletteEntry& e : m_entries) e.flags = 0;
  if (identity) ApplyIdentityAdjustment(m_entries, *m_display);
  m_created = true;
  m_colourTable.reset();
  return true;
}

bool CPalId::BuildFromImageData(ByteSpan item, int kind, std::string* reason) {
  if (kind != 2 && kind != 6) return SetReason(reason, "only PCX and PID images carry a palette");
  if (item.size() < kPaletteRgbSize) return SetReason(reason, "image shorter than a 768-byte palette");
  if (kind == 2) {
    if (item.size() <= 65 || item[65] != 1) return SetReason(reason, "PCX image has not one plane");
  } else {
    uint32_t flags = 0;
    if (!ByteReader(item).U32(4, flags)) return SetReason(reason, "PID header too short");
    if (!(flags & 0x80)) return SetReason(reason, "PID image has no palette of its own");
  }
  return Attach(EntriesFrom(item.last(kPaletteRgbSize), 3, 0, 1, 2), false);
}

bool CPalId::BuildFromRgb(ByteSpan rgb, std::string* reason) { return BuildFromRgb(rgb, true, reason); }

bool CPalId::BuildFromRgb(ByteSpan rgb, bool identity, std::string* reason) {
  if (rgb.size() < kPaletteRgbSize) return SetReason(reason, "palette shorter than 768 bytes");
  return Attach(EntriesFrom(rgb, 3, 0, 1, 2), identity);
}

bool CPalId::BuildFromColourTable(ByteSpan bgrx, bool identity, std::string* reason) {
  if (bgrx.size() < kColourTableSize) return SetReason(reason, "colour table shorter than 1024 bytes");
  return Attach(EntriesFrom(bgrx, 4, 2, 1, 0), identity);
}

bool CPalId::BuildFromBgr(ByteSpan bgr, bool identity, std::string* reason) {
  if (bgr.size() < kPaletteRgbSize) return SetReason(reason, "palette shorter than 768 bytes");
  return Attach(EntriesFrom(bgr, 3, 2, 1, 0), identity);
}

bool CPalId::BuildFromPaletteEntries(ByteSpan rgbx, bool identity, std::string* reason) {
  if (rgbx.size() < kColourTableSize) return SetReason(reason, "palette entries shorter than 1024 bytes");
  return Attach(EntriesFrom(rgbx, 4, 0, 1, 2), identity);
}

bool CPalId::BuildFromFile(const std::string& path, int kind, bool identity, std::string* reason) {
  if (kind != 1 && kind != 2) return SetReason(reason, "palette files are BMP or PCX");
  std::vector<uint8_t> bytes;
  std::string error;
  if (!ReadWholeFile(path, bytes, error)) return SetReason(reason, error);
  const ByteSpan all(bytes);
  if (kind == 1) {
    if (all.size() < 54 + kColourTableSize) return SetReason(reason, "bitmap file too short for a colour table");
    return BuildFromColourTable(all.subspan(54, kColourTableSize), identity, reason);
  }
  if (all.size() < 128 + kPaletteRgbSize) return SetReason(reason, "PCX file too short for a palette");
  return BuildFromRgb(all.last(kPaletteRgbSize), identity, reason);
}

bool CPalId::BuildFromSystemPalette(bool identity) { return Attach(m_display->system, identity); }

bool CPalId::BuildDefault() { return Attach(DefaultPaletteEntries(), false); }

void CPalId::Delete() {
  m_entries = PaletteEntries{};
  m_colourTable.reset();
  m_created = false;
}

std::shared_ptr<const ColourTableBytes> CPalId::SharedColourTable() const {
  if (!m_colourTable && m_created) {
    auto table = std::make_shared<ColourTableBytes>();
    CopyOut(*table);
    m_colourTable = std::move(table);
  }
  return m_colourTable;
}

bool CPalId::CopyOut(std::span<uint8_t> colourTable) const {
  if (!m_created || colourTable.size() < kColourTableSize) return false;
  for (size_t i = 0; i < kPaletteEntryCount; ++i) {
    colourTable[i * 4] = m_entries[i].blue;
    colourTable[i * 4 + 1] = m_entries[i].green;
    colourTable[i * 4 + 2] = m_entries[i].red;
    colourTable[i * 4 + 3] = 0;
  }
  return true;
}

}  // namespace vyr
