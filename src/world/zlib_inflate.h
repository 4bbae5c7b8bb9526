// Inflating a zlib stream whose inflated length is known, with zlib's verdict on a refused one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/bytes.h"

namespace vyr {

struct InflateResult {
  int status = 0;       // zlib's status for the stream (Z_OK, Z_BUF_ERROR, Z_DATA_ERROR, ...)
  size_t produced = 0;  // bytes written to the output
};

// Inflates `stream` into `out` and answers as zlib's uncompress would: Z_OK with the bytes
// produced (fewer than `out` holds when the stream is shorter), or the reason it refuses.
InflateResult InflateZlibStream(ByteSpan stream, std::span<uint8_t> out);

}  // namespace vyr
