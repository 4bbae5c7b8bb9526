// The framework's document: path name, title, modified flag and the save question.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "platform/command_table.h"

namespace vyr {

class IInteractionPort;

// Base of the application's single document. The derived document supplies the open
// and save steps; this class adds what the framework did around them: File Save and
// Save As (commands 57603, 57604), the "save changes?" question and the title.
class CDocument : public CommandTarget {
 public:
  CDocument();
  ~CDocument() override = default;

  // What the framework needs from the application: the user, the recent-file list and
  // the document template string (for the file filter and the default extension).
  void AttachFramework(IInteractionPort* port, std::function<void(const std::string&)> addToRecent,
                       std::string docTemplate);
  IInteractionPort* Port() const { return m_port; }

  // The framework's new-document step: contents, path name and modified flag cleared.
  virtual bool OnNewDocument();
  virtual bool OnOpenDocument(const std::string& path) = 0;
  virtual bool OnSaveDocument(const std::string& path) = 0;
  virtual void DeleteContents() {}
  virtual bool IsModified() const { return m_modified; }
  virtual void SetModifiedFlag(bool modified = true) { m_modified = modified; }
  // Why the last open or save failed, when the document has not told the user itself;
  // empty otherwise. The framework shows it.
  virtual std::string FailureReason() const { return {}; }
  // The last save stopped at the user's own answer: nothing more is said.
  virtual bool SaveDeclined() const { return false; }
  // The user answered No to "save changes?": the unsaved changes are given up.
  virtual void OnChangesDiscarded() {}

  const std::string& GetPathName() const { return m_pathName; }
  // Sets the path and the title (the file name) and, unless told not to, adds the path
  // to the recent-file list.
  void SetPathName(const std::string& path, bool addToRecent = true);
  void ClearPathName();
  const std::string& GetTitle() const { return m_title; }
  // The file whose open step is running, empty otherwise.
  const std::string& OpeningPathName() const { return m_openingPathName; }
  // What the window shows: while a file is being opened (and the open asks its questions)
  // that file's name, else the title.
  std::string DisplayTitle() const;

  // Asks "Save changes to <name>?" when modified; Yes saves. False when the user
  // cancelled or the save failed, so the caller must stop.
  bool SaveModified();
  // Save: to the path name, or through Save As when there is none.
  bool DoFileSave();
  // Save As when `path` is empty (asks for a name), else save to `path`.
  bool DoSave(std::optional<std::string> path);

 protected:
  // The derived open step names the file it reads for as long as it runs.
  void SetOpeningPathName(std::string path) { m_openingPathName = std::move(path); }

 private:
  IInteractionPort* m_port = nullptr;
  std::function<void(const std::string&)> m_addToRecent;
  std::string m_docTemplate;
  std::string m_pathName;
  std::string m_title;
  std::string m_openingPathName;
  bool m_modified = false;
};

}  // namespace vyr
