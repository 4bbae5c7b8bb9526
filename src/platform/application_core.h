// The framework's application object without its windows: the document, recent files,
// File Open and New, opening a path, the start-up open and the question before exit.
#pragma once

#include <string>

#include "platform/command_table.h"
#include "platform/recent_file_list.h"

namespace vyr {

class CDocument;
class IInteractionPort;
class Profile;

class CApplicationCore : public CommandTarget {
 public:
  // `docTemplate` is the template string (resource 128); the recent list is read now.
  CApplicationCore(Profile& profile, IInteractionPort& port, std::string docTemplate);
  ~CApplicationCore() override;

  // The single document, reused for every world.
  void SetDocument(CDocument* document);
  CDocument* Document() const { return m_document; }
  Profile& AppProfile() const { return m_profile; }
  IInteractionPort& Port() const { return m_port; }
  RecentFileList& RecentFiles() { return m_recent; }
  const std::string& DocTemplate() const { return m_docTemplate; }

  // File Open: the save question, then a file dialog, then OpenDocumentFile.
  void OnFileOpen();
  // The framework's File New (the document may override command 57600).
  bool OnFileNew();
  // The save question, the document's open step, the path name and the recent list. On
  // failure the user is told why and the document is left empty and untitled.
  bool OpenDocumentFile(const std::string& path);
  // Opens recent entry `index`; an entry that fails to open leaves the list.
  bool OpenRecentFile(int index);

  // Start-up: keeps the raw command line as the start-up path and opens it by the
  // command-line rule (command 102 re-runs the document's open step on it).
  bool OpenStartupPath(const std::string& rawCommandLine);
  const std::string& StartupPath() const { return m_startupPath; }

  // Before exit: false when the user cancelled (or the save failed).
  bool SaveAllModified();
  // Writes the recent list to the profile and saves the profile file.
  bool SaveSettings(std::string& error);

 private:
  enum class OpenOutcome { Opened, Cancelled, Failed };
  OpenOutcome TryOpen(const std::string& path);
  // "Nie można otworzyć pliku <path>." and the document's reason as a sentence.
  void ReportOpenFailure(const std::string& path);

  Profile& m_profile;
  IInteractionPort& m_port;
  std::string m_docTemplate;
  RecentFileList m_recent{4};
  CDocument* m_document = nullptr;
  std::string m_startupPath;
};

}  // namespace vyr
