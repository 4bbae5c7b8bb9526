// InflateZlibStream: libdeflate for the stream, zlib to word a refusal.
#include "world/zlib_inflate.h"

#include <libdeflate.h>
#include <zlib.h>

#include <memory>

namespace vyr {

namespace {

struct FreeDecompressor {
  void operator()(libdeflate_decompressor* d) const { libdeflate_free_decompressor(d); }
};

}  // namespace

InflateResult InflateZlibStream(ByteSpan stream, std::span<uint8_t> out) {
  // libdeflate inflates a whole buffer about twice as fast as zlib's streaming inflate.
  const std::unique_ptr<libdeflate_decompressor, FreeDecompressor> decompressor(libdeflate_alloc_decompressor());
  size_t produced = 0;
  if (decompressor && libdeflate_zlib_decompress(decompressor.get(), stream.data(), stream.size(), out.data(),
                                                 out.size(), &produced) == LIBDEFLATE_SUCCESS) {
    return {Z_OK, produced};
  }
  // libdeflate only says "bad data" where zlib tells a cut-short stream from a damaged one;
  // a refused stream is rare, so zlib reads it again to give the reason it always gave.
  uLongf zlibProduced = uLongf(out.size());
  const int status = uncompress(out.data(), &zlibProduced, stream.data(), uLong(stream.size()));
  return {status, size_t(zlibProduced)};
}

}  // namespace vyr
