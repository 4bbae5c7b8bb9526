// Fuzzes the world file reader; a world it accepts must save and read back to the same image.
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
  std::vector<uint8_t> first;
  if (!vyr::BuildWorldFileImage(world, host.Properties(), first, &reason)) return 0;
  vyr::StandaloneWorldHost host2;
  vyr::CWorld again;
  if (!Load(first, host2, again, reason)) Die("our own image was refused", reason);
  std::vector<uint8_t> second;
  if (!vyr::BuildWorldFileImage(again, host2.Properties(), second, &reason)) Die("a reloaded world cannot be saved", reason);
  if (first != second) Die("save, load and save again changed the image", "");
  return 0;
}
