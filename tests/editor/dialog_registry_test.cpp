// Every dialog template has its Qt dialog, so no model's dialog turns out missing at run time.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>

#include "editor/dialogs/document_dialogs.h"
#include "editor/qt_interaction_port.h"

namespace vyr {
namespace {

// The dialog templates as control_ids.h names them, so a new one needs no list here.
std::map<std::string, int> DialogTemplates() {
  const auto header = std::filesystem::path(VYR_TEST_DATA_DIR).parent_path().parent_path() / "src/res/control_ids.h";
  std::ifstream in(header);
  std::stringstream text;
  text << in.rdbuf();
  const std::string code = text.str();
  static const std::regex kTemplate(R"(inline constexpr int (k\w+Dialog) = (\d+);)");
  std::map<std::string, int> templates;
  for (auto it = std::sregex_iterator(code.begin(), code.end(), kTemplate); it != std::sregex_iterator(); ++it)
    templates[(*it)[1]] = std::stoi((*it)[2]);
  return templates;
}

TEST(DialogRegistry, EveryDialogTemplateHasItsQtDialog) {
  RegisterDocumentDialogs();
  const std::map<std::string, int> templates = DialogTemplates();
  ASSERT_GE(templates.size(), 30u) << "control_ids.h was not read";
  for (const auto& [name, id] : templates)
    EXPECT_TRUE(QtInteractionPort::HasDialog(id)) << "ctl::" << name << " (" << id << ") has no Qt dialog";
}

}  // namespace
}  // namespace vyr
