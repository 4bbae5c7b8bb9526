// A world host without resources, for tools, tests and fuzzing: names stay names.
#pragma once

#include "world/world_host.h"

namespace vyr {

// Resource location always succeeds and no image set is loaded, so every image-set name
// read from a world is kept in its slot as a name and written back on save.
class StandaloneWorldHost : public IWorldHost {
 public:
  WorldProperties& Properties() override { return m_properties; }
  int ResolveResources() override { return 1; }
  const CImageSetTable* ImageSets() const override { return nullptr; }

  WorldProperties m_properties;
};

}  // namespace vyr
