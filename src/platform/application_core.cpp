// Application-level document handling shared by the editor and the headless tests.
#include "platform/application_core.h"

#include <filesystem>

#include "platform/command_line.h"
#include "platform/doc_template.h"
#include "platform/document.h"
#include "platform/interaction_port.h"
#include "platform/message_format.h"
#include "platform/platform_texts.h"
#include "platform/profile.h"
#include "platform/shown_text.h"

namespace vyr {
namespace {

std::string AbsolutePath(const std::string& path) {
  std::error_code ec;
  std::filesystem::path absolute = std::filesystem::absolute(path, ec);
  return ec ? path : absolute.lexically_normal().string();
}

bool IsRegularFile(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec);
}

}  // namespace

CApplicationCore::CApplicationCore(Profile& profile, IInteractionPort& port, std::string docTemplate)
    : m_profile(profile), m_port(port), m_docTemplate(std::move(docTemplate)) {
  m_recent.ReadList(m_profile);
  Commands().On(cmd::kFileNew, [this] { OnFileNew(); });
  Commands().On(cmd::kFileOpen, [this] { OnFileOpen(); });
  Commands().OnRange(cmd::kFileRecent1, cmd::kFileRecent1 + cmd::kRecentFileCount - 1,
                     [this](CommandId id) { OpenRecentFile(int(id - cmd::kFileRecent1)); });
  Commands().OnUpdateRange(cmd::kFileRecent1, cmd::kFileRecent1 + cmd::kRecentFileCount - 1,
                           [this](CommandId id, CommandState& state) {
                             state.Enable(!m_recent[int(id - cmd::kFileRecent1)].empty());
                           });
  Commands().On(cmd::kOpenStartupPath, [this] {
    if (m_document && !m_startupPath.empty()) m_document->OnOpenDocument(m_startupPath);
  });
}

CApplicationCore::~CApplicationCore() = default;

void CApplicationCore::SetDocument(CDocument* document) {
  m_document = document;
  if (m_document) {
    m_document->AttachFramework(&m_port,
                                [this](const std::string& path) {
                                  m_recent.Add(path);
                                  m_recent.WriteList(m_profile);
                                },
                                m_docTemplate);
  }
}

void CApplicationCore::OnFileOpen() {
  std::optional<std::string> path =
      m_port.AskOpenFileName(text::kOpenTitle, DocTemplateFilter(m_docTemplate),
                             m_document ? m_document->GetPathName() : std::string());
  if (path && !path->empty()) OpenDocumentFile(*path);
}

bool CApplicationCore::OnFileNew() {
  if (!m_document || !m_document->SaveModified()) return false;
  return m_document->OnNewDocument();
}

bool CApplicationCore::OpenDocumentFile(const std::string& path) {
  return TryOpen(path) == OpenOutcome::Opened;
}

CApplicationCore::OpenOutcome CApplicationCore::TryOpen(const std::string& path) {
  if (!m_document || !m_document->SaveModified()) return OpenOutcome::Cancelled;
  const std::string absolute = AbsolutePath(path);
  if (!m_document->OnOpenDocument(absolute)) {
    // The previous world is gone; nothing is left that a save could write.
    m_document->SetModifiedFlag(false);
    m_document->ClearPathName();
    ReportOpenFailure(absolute);
    return OpenOutcome::Failed;
  }
  m_document->SetPathName(absolute);
  return OpenOutcome::Opened;
}

bool CApplicationCore::OpenRecentFile(int index) {
  if (index < 0 || index >= m_recent.Size() || m_recent[index].empty()) return false;
  const std::string path = m_recent[index];
  OpenOutcome outcome = TryOpen(path);
  if (outcome == OpenOutcome::Failed) {
    for (int i = 0; i < m_recent.Size(); ++i) {
      if (m_recent[i] == path) {
        m_recent.Remove(i);
        m_recent.WriteList(m_profile);
        break;
      }
    }
  }
  return outcome == OpenOutcome::Opened;
}

bool CApplicationCore::OpenStartupPath(const std::string& rawCommandLine) {
  m_startupPath = rawCommandLine;
  if (!m_document) return false;
  StartupOpenResult result = vyr::OpenStartupPath(
      rawCommandLine, IsRegularFile,
      [this](const std::string& path) { return m_document->OnOpenDocument(AbsolutePath(path)); });
  if (!result.attempted) return false;
  m_startupPath = AbsolutePath(result.pathName);
  if (!result.opened) ReportOpenFailure(m_startupPath);
  // A path that did not open is not offered again in the recent files.
  m_document->SetPathName(m_startupPath, result.opened);
  return result.opened;
}

void CApplicationCore::ReportOpenFailure(const std::string& path) {
  const std::string reason = m_document->FailureReason();
  m_port.Message(FormatMessage(text::kCannotOpen, {path}) + "\n\n" +
                     (reason.empty() ? ShownText(text::kCannotOpenWhy) : Sentence(reason)),
                 MessageIcon::Error);
}

bool CApplicationCore::SaveAllModified() { return !m_document || m_document->SaveModified(); }

bool CApplicationCore::SaveSettings(std::string& error) {
  m_recent.WriteList(m_profile);
  return m_profile.Save(error);
}

}  // namespace vyr
