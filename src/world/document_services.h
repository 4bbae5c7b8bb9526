// IDocumentServices: what the document asks of the layer above it that talks to the user, in the middle of its own steps.
#pragma once

#include <cstdint>
#include <string>

#include "world/resource_locator.h"

namespace vyr {

// Set by the world area's commands; without it every question is declined and nothing is
// said.
class IDocumentServices : public IResourceQuestions {
 public:
  // Yes to a save that leaves out `count` objects of planes without "Objekty".
  virtual bool SaveWithoutObjects(int64_t count) = 0;
  // A save to a new place left the world's stored archive path leading nowhere; the
  // editor remembered where the archive lies.
  virtual void ArchiveRemembered(const std::string& storedArchivePath) = 0;
};

}  // namespace vyr
