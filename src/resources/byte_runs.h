// Bounds-checked decoder of the PCX-style byte run coding shared by PID, PCX and mask files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "platform/bytes.h"

namespace vyr {

// A byte below 0xC0 is one literal pixel; a byte of 0xC0 or above holds a count in its
// low six bits and is followed by the value repeated count times.
class ByteRunDecoder {
 public:
  ByteRunDecoder(ByteSpan input, size_t position) : m_input(input), m_position(position) {}

  // Produces exactly `count` bytes into `out`. With `carry`, a run that passes the end
  // is kept and continues in the next call (PCX planes and scan lines); without it such
  // a run fails. Also fails when the input ends first. Never reads or writes outside.
  bool Decode(uint8_t* out, size_t count, bool carry) {
    size_t done = 0;
    if (m_pending > 0) {
      const size_t n = m_pending < count ? m_pending : count;
      std::memset(out, m_pendingValue, n);
      m_pending -= n;
      done = n;
    }
    const uint8_t* in = m_input.data();
    const size_t size = m_input.size();
    while (done < count) {
      if (m_position >= size) return false;
      const uint8_t code = in[m_position++];
      if (code < 0xC0) {
        out[done++] = code;
        continue;
      }
      const size_t run = code & 0x3F;
      if (m_position >= size) return false;
      const uint8_t value = in[m_position++];
      const size_t room = count - done;
      if (run > room) {
        if (!carry) return false;
        std::memset(out + done, value, room);
        m_pending = run - room;
        m_pendingValue = value;
        return true;
      }
      std::memset(out + done, value, run);
      done += run;
    }
    return true;
  }

  size_t Position() const { return m_position; }

 private:
  ByteSpan m_input;
  size_t m_position;
  size_t m_pending = 0;
  uint8_t m_pendingValue = 0;
};

}  // namespace vyr
