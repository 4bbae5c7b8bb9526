// Inflating world data blocks: the same verdict and bytes as zlib's uncompress on good and damaged streams.
#include <gtest/gtest.h>
#include <zlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "world/world_file.h"
#include "world/zlib_inflate.h"

namespace vyr {
namespace {

// The data block of a world with tiles in runs and a few strings, so deflate picks
// dynamic Huffman blocks; level 0 gives stored blocks and a tiny input fixed ones.
std::vector<uint8_t> Deflate(size_t length, int level) {
  std::vector<uint8_t> plain(length);
  uint32_t seed = 7;
  for (size_t i = 0; i < length; ++i) {
    seed = seed * 1103515245u + 12345u;
    plain[i] = (seed >> 16) % 5 == 0 ? uint8_t(seed >> 24) : i ? plain[i - 1] : 0;
  }
  uLongf packedLength = compressBound(uLong(length));
  std::vector<uint8_t> packed(packedLength);
  EXPECT_EQ(compress2(packed.data(), &packedLength, plain.data(), uLong(length), level), Z_OK);
  packed.resize(packedLength);
  return packed;
}

// Counts the streams that differ; prints the first few.
struct Comparison {
  int checked = 0;
  int accepted = 0;
  int differing = 0;

  void Check(ByteSpan stream, size_t outLength, const std::string& what) {
    std::vector<uint8_t> ours(outLength, 0xAA);
    std::vector<uint8_t> zlibs(outLength, 0xAA);
    const InflateResult result = InflateZlibStream(stream, ours);
    uLongf produced = uLongf(outLength);
    const int status = uncompress(zlibs.data(), &produced, stream.data(), uLong(stream.size()));
    ++checked;
    accepted += status == Z_OK;
    const bool same = result.status == status &&
                      (status != Z_OK || (result.produced == produced && ours == zlibs));
    if (!same && ++differing <= 5) {
      ADD_FAILURE() << what << ": status " << result.status << " / zlib " << status << ", produced "
                    << result.produced << " / zlib " << produced;
    }
  }
};

TEST(ZlibInflateTest, DamagedStreamsGetZlibsVerdict) {
  Comparison c;
  for (auto [length, level] : {std::pair{5000, 6}, {3000, 0}, {40, 9}}) {
    const std::vector<uint8_t> good = Deflate(size_t(length), level);
    const std::string name = "level " + std::to_string(level) + " stream";
    uLongf inflated = uLongf(length);
    std::vector<uint8_t> scratch(length);
    ASSERT_EQ(uncompress(scratch.data(), &inflated, good.data(), uLong(good.size())), Z_OK);
    // Stated lengths one short, exact and one long; then trailing bytes after the stream.
    for (size_t out : {size_t(length) - 1, size_t(length), size_t(length) + 1}) {
      c.Check(good, out, name + " into " + std::to_string(out));
    }
    std::vector<uint8_t> trailing = good;
    trailing.insert(trailing.end(), {1, 2, 3});
    c.Check(trailing, size_t(length), name + " with trailing bytes");
    for (size_t cut = 0; cut < good.size(); ++cut) {
      c.Check(ByteSpan(good).first(cut), size_t(length), name + " cut to " + std::to_string(cut));
    }
    for (size_t at = 0; at < good.size(); ++at) {
      for (uint8_t flip : {0x01, 0x10, 0xFF}) {
        std::vector<uint8_t> bad = good;
        bad[at] ^= flip;
        c.Check(bad, size_t(length), name + " byte " + std::to_string(at) + " ^ " + std::to_string(flip));
      }
    }
  }
  EXPECT_EQ(c.differing, 0);
  EXPECT_GT(c.accepted, 3);  // the good streams themselves, so accepting is compared too
}

// The fuzz harness's corpus: every file's bytes after its stated header, inflated to the
// length its header states.
TEST(ZlibInflateTest, WorldFuzzCorpusGetsZlibsVerdict) {
  const std::filesystem::path corpus =
      std::filesystem::path(VYR_TEST_DATA_DIR).parent_path().parent_path() / "fuzz" / "corpus" / "fuzz_world";
  Comparison c;
  for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
    std::ifstream file(entry.path(), std::ios::binary);
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
    if (bytes.size() < world_file::kShortHeaderFields) continue;
    const uint32_t headerSize = LoadU32(bytes.data());
    if (headerSize > bytes.size()) continue;
    // Within what a stream of this size can inflate to, as the reader checks first.
    const uint64_t stated = LoadU32(bytes.data() + world_file::kUncompressedLength);
    const uint64_t length = std::min<uint64_t>(stated, (bytes.size() - headerSize) * 1032);
    c.Check(ByteSpan(bytes).subspan(headerSize), size_t(length), entry.path().filename().string());
  }
  EXPECT_EQ(c.differing, 0);
  EXPECT_GT(c.checked, 100);
  EXPECT_GE(c.accepted, 6);
}

}  // namespace
}  // namespace vyr
