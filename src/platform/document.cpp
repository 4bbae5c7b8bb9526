// Framework document behaviour: title, save question, Save and Save As.
#include "platform/document.h"

#include "platform/doc_template.h"
#include "platform/interaction_port.h"
#include "platform/message_format.h"
#include "platform/platform_texts.h"
#include "platform/shown_text.h"
#include "platform/path_name.h"

namespace vyr {
namespace {

bool HasExtension(const std::string& path) {
  return FileNameOf(path).find('.') != std::string::npos;
}

}  // namespace

CDocument::CDocument() : m_title(kUntitled) {
  Commands().On(cmd::kFileSave, [this] { DoFileSave(); });
  Commands().On(cmd::kFileSaveAs, [this] { DoSave(std::nullopt); });
}

void CDocument::AttachFramework(IInteractionPort* port,
                                std::function<void(const std::string&)> addToRecent,
                                std::string docTemplate) {
  m_port = port;
  m_addToRecent = std::move(addToRecent);
  m_docTemplate = std::move(docTemplate);
}

bool CDocument::OnNewDocument() {
  DeleteContents();
  ClearPathName();
  SetModifiedFlag(false);
  return true;
}

void CDocument::SetPathName(const std::string& path, bool addToRecent) {
  m_pathName = path;
  m_title = path.empty() ? std::string(kUntitled) : FileNameOf(path);
  if (addToRecent && !path.empty() && m_addToRecent) m_addToRecent(path);
}

std::string CDocument::DisplayTitle() const {
  return m_openingPathName.empty() ? m_title : FileNameOf(m_openingPathName);
}

void CDocument::ClearPathName() {
  m_pathName.clear();
  m_title = kUntitled;
}

bool CDocument::SaveModified() {
  if (!IsModified()) return true;
  if (!m_port) return false;
  std::string name = m_pathName.empty() ? m_title : FileNameOf(m_pathName);
  switch (m_port->AskYesNoCancel("Save changes to " + name + "?")) {
    case Answer::Yes:
      return DoFileSave();
    case Answer::No:
      OnChangesDiscarded();
      return true;
    default:
      return false;
  }
}

bool CDocument::DoFileSave() {
  if (m_pathName.empty()) return DoSave(std::nullopt);
  return DoSave(m_pathName);
}

bool CDocument::DoSave(std::optional<std::string> path) {
  std::string target;
  if (path && !path->empty()) {
    target = *path;
  } else {
    if (!m_port) return false;
    const std::string ext = DocTemplatePart(m_docTemplate, DocString::FilterExt);
    std::string initial = m_pathName.empty() ? m_title : m_pathName;
    if (!ext.empty() && !HasExtension(initial)) initial += ext;
    std::optional<std::string> chosen =
        m_port->AskSaveFileName(text::kSaveAsTitle, DocTemplateFilter(m_docTemplate), initial);
    if (!chosen || chosen->empty()) return false;
    target = *chosen;
    // The file dialog's default extension.
    if (!ext.empty() && !HasExtension(target)) target += ext;
  }
  if (!OnSaveDocument(target)) {
    if (m_port && !SaveDeclined()) {
      const std::string reason = FailureReason();
      m_port->Message(FormatMessage(text::kCannotSave, {target}) + "\n\n" +
                          (reason.empty() ? ShownText(text::kCannotSaveWhy) : Sentence(reason)),
                      MessageIcon::Error);
    }
    return false;
  }
  SetPathName(target);
  return true;
}

}  // namespace vyr
