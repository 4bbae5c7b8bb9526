// Fuzzes the world file reader; a world it accepts must save, read back and save to the same image.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "world/standalone_world_host.h"
#include "world/world.h"
#include "world/world_file.h"

namespace {

bool Load(vyr::ByteSpan bytes, vyr::StandaloneWorldHost& host, vyr::CWorld& world, std::string& reason) {
  world.SetViewRect(vyr::CRect{0, 0, 639, 479});
  return world.LoadFromBuffer(host, bytes, &reason) == 1;
}

[[noreturn]] void Die(const char* what, const std::string& reason) {
  std::fprintf(stderr, "%s: %s\n", what, reason.c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vyr::StandaloneWorldHost host;
  vyr::CWorld world;
  std::string reason;
  if (!Load(vyr::ByteSpan(data, size), host, world, reason)) {
    if (reason.empty()) Die("refused without a reason", reason);
    return 0;
  }
  // A save may drop what the format cannot keep (objects of a plane without flag bit 0,
  // whose count the first save still writes); from the second save on the image is fixed.
  std::vector<uint8_t> image;
  if (!vyr::BuildWorldFileImage(world, host.Properties(), image, &reason)) return 0;
  std::vector<uint8_t> previous;
  for (int round = 0; round < 2; ++round) {
    vyr::StandaloneWorldHost again;
    vyr::CWorld reloaded;
    if (!Load(image, again, reloaded, reason)) Die("our own image was refused", reason);
    previous = std::move(image);
    image.clear();
    if (!vyr::BuildWorldFileImage(reloaded, again.Properties(), image, &reason)) {
      Die("a reloaded world cannot be saved", reason);
    }
  }
  if (previous != image) Die("save, load and save again changed the image", "");
  return 0;
}
