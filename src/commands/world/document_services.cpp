// The document's services: the questions and messages of resource location, saving and plane selection.
#include "commands/world/document_services.h"

#include <memory>

#include "commands/world/world_info_dialog.h"
#include "platform/interaction_port.h"
#include "platform/message_format.h"
#include "platform/path_name.h"
#include "res/messages.h"
#include "world/plane.h"
#include "world/tile_edits.h"
#include "world/world_doc.h"

namespace vyr {

namespace {

class WorldDocumentServices final : public IDocumentServices, private IDocumentObserver {
 public:
  explicit WorldDocumentServices(CWorldDoc& doc) : m_doc(doc) { m_doc.AddObserver(this); }
  ~WorldDocumentServices() override { m_doc.RemoveObserver(this); }
  WorldDocumentServices(const WorldDocumentServices&) = delete;
  WorldDocumentServices& operator=(const WorldDocumentServices&) = delete;

  // The Yes/No question with what else is known before its last paragraph; Yes leads to
  // "Informacje Świata".
  bool NewLocationGiven(const MissingResource& missing) override {
    const std::string_view pattern = missing.field == ResourceField::kPalette    ? res::text::kNoPaletteRez
                                     : missing.field == ResourceField::kImageDir ? res::text::kNoImageRezDir
                                                                                 : res::text::kNoRezFile;
    std::string question = FormatMessage(pattern, {missing.value});
    if (!missing.details.empty()) {
      const size_t last = question.rfind("\n\n");
      question.insert(last == std::string::npos ? question.size() : last, "\n\n" + missing.details);
    }
    return m_doc.Interaction().AskYesNo(question) && RunWorldInfoDialog(m_doc);
  }

  bool SaveWithoutObjects(int64_t count) override {
    return m_doc.Interaction().ShowMessage(FormatMessage(CountForm(res::text::kSaveWithoutObjects, count), {count}),
                                           MessageIcon::Warning, MessageButtons::YesNoDefaultNo) == Answer::Yes;
  }

  void ArchiveRemembered(const std::string& storedArchivePath) override {
    m_doc.Interaction().ShowStatus(FormatMessage(res::text::kArchiveRemembered, {FileNameOf(storedArchivePath)}));
  }

 private:
  // One box with a "WARNING!  Tile %i is %ix%i" line per image of the first set whose size
  // differs from the new current plane's tile size.
  void CurrentPlaneChanged() override {
    const CPlane* plane = m_doc.CurrentPlane();
    const std::string warnings = plane ? TileSizeWarnings(*plane) : std::string();
    if (!warnings.empty()) m_doc.Interaction().Message(warnings, MessageIcon::Warning);
  }

  CWorldDoc& m_doc;
};

}  // namespace

void AttachDocumentServices(CWorldDoc& doc) { doc.SetServices(std::make_unique<WorldDocumentServices>(doc)); }

}  // namespace vyr
