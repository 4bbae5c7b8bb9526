// The 128-byte header of an 8-bit PCX file, for tests that build PCX items by hand.
#pragma once

#include <cstdint>

#include "platform/bytes.h"

namespace vyr::test {

// The image window is (xMin, yMin)-(xMax, yMax), both corners inclusive.
inline void WritePcxHeader(ByteWriter& w, int32_t xMin, int32_t yMin, int32_t xMax, int32_t yMax, uint8_t planes,
                           uint16_t bytesPerLine) {
  w.U8(0x0A);  // maker
  w.U8(5);     // version
  w.U8(1);     // run-length coding
  w.U8(8);     // bits per pixel and plane
  w.U16(uint16_t(xMin));
  w.U16(uint16_t(yMin));
  w.U16(uint16_t(xMax));
  w.U16(uint16_t(yMax));
  w.Zeros(65 - 12);
  w.U8(planes);
  w.U16(bytesPerLine);
  w.Zeros(128 - 68);
}

}  // namespace vyr::test
