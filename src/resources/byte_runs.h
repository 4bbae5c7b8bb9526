// Bounds-checked decoder of the PCX-style byte run coding shared by PID, PCX and mask files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <algorithm>
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
        // Literals usually come in stretches: take them without going round the loop.
        const size_t limit = std::min(count - done, size - m_position);
        size_t n = 0;
        while (n < limit && in[m_position + n] < 0xC0) {
          out[done + n] = in[m_position + n];
          ++n;
        }
        done += n;
        m_position += n;
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
      Fill(out + done, value, run);
      done += run;
    }
    return true;
  }

  size_t Position() const { return m_position; }

 private:
  // Runs are at most 63 bytes: fixed-size stores beat the string instructions compilers
  // pick for short variable-length fills.
  static void Fill(uint8_t* to, uint8_t value, size_t count) {
    uint8_t pattern[16];
    std::memset(pattern, value, sizeof pattern);
    for (; count >= 16; count -= 16, to += 16) std::memcpy(to, pattern, 16);
    if (count >= 8) {
      std::memcpy(to, pattern, 8);
      to += 8, count -= 8;
    }
    if (count >= 4) {
      std::memcpy(to, pattern, 4);
      to += 4, count -= 4;
    }
    for (; count > 0; --count) *to++ = value;
  }

  ByteSpan m_input;
  size_t m_position;
  size_t m_pending = 0;
  uint8_t m_pendingValue = 0;
};

}  // namespace vyr
