// The demo content: DEMO.REZ (palette, tiles, background, sprites) and DEMO.VWD (a level).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "cli/demo_art.h"
#include "world/world.h"
#include "world/world_host.h"

namespace vyr::demo {

inline constexpr const char* kArchiveName = "DEMO.REZ";
inline constexpr const char* kWorldName = "DEMO.VWD";
// Every archive time stamp, so that the archive is the same bytes on every run.
inline constexpr uint32_t kArchiveTime = 1704067200;  // 2024-01-01 00:00 UTC

// The archive image for the art. False with a reason when the archive cannot be built.
bool BuildDemoArchive(const DemoArt& art, std::vector<uint8_t>& image, std::string* reason);

// Fills an empty world and its properties with the demo level.
bool BuildDemoWorld(const DemoArt& art, CWorld& world, WorldProperties& properties, std::string* reason);

// Writes DEMO.REZ and DEMO.VWD into `folder` (made when missing).
bool WriteDemo(const std::string& folder, std::string* reason);

}  // namespace vyr::demo
