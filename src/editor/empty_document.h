// A document that holds no world, for running the shell before the world document is
// plugged in: it opens nothing and says why.
#pragma once

#include "platform/document.h"

namespace vyr {

class EmptyDocument final : public CDocument {
 public:
  bool OnOpenDocument(const std::string& path) override;
  bool OnSaveDocument(const std::string& path) override;
  std::string FailureReason() const override { return m_reason; }

 private:
  std::string m_reason;
};

}  // namespace vyr
