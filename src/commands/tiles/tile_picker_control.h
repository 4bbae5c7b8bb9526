// TilePickerControl: when the tile picker opens, hides, shows and closes, and the hidden flag the profile keeps.
#pragma once

#include <cstdint>

#include "platform/command_table.h"
#include "platform/profile.h"
#include "world/document_observer.h"

namespace vyr {

// The picker window as its owner sees it.
class ITilePickerHost {
 public:
  virtual ~ITilePickerHost() = default;
  // A new picker for the current document, shown normally.
  virtual void CreatePicker() = 0;
  // Closes the picker and destroys it.
  virtual void DestroyPicker() = 0;
  virtual bool PickerExists() const = 0;
  virtual bool PickerVisible() const = 0;
  virtual void ShowPicker(bool show) = 0;
  // The current set or image changed: the picker lists the current set and selects the image.
  virtual void FollowCurrentTile() = 0;
};

// Owned by the application with the flag it reads from and writes to the profile. As a
// document observer it reopens the picker for a new current plane (unless the user hid
// it), closes it before the contents go and keeps its list on the current set.
class TilePickerControl : public IDocumentObserver {
 public:
  // `hidden` is 1 while the user wants the picker hidden; it must outlive the control.
  TilePickerControl(int& hidden, ITilePickerHost& host) : m_hidden(hidden), m_host(host) {}

  // With the hidden flag set and no force, nothing; otherwise a fresh picker.
  void Open(bool force);
  // A close the program makes: the hidden flag stays as it was.
  void Close();
  // The user closed the picker's window: it stays, hidden, and so does the flag.
  void UserClosed() { SetHidden(1); }
  // "Okno Wyboru": open it (force), or hide it, or show it again.
  void Toggle();
  // The menu's check mark: the picker exists and is visible.
  bool Checked() const { return m_host.PickerExists() && m_host.PickerVisible(); }
  int Hidden() const { return m_hidden; }
  // Where a change of the flag is written at once (Options/TileDialog); null: nowhere.
  void SetProfile(Profile* profile) { m_profile = profile; }

  // Enters "Okno Wyboru" with its check mark.
  void RegisterCommands(CommandTable& table);

  // --- IDocumentObserver
  // A picker the user hid stays, but lists the new plane's set for when it is shown.
  void CurrentPlaneChanged() override {
    Open(false);
    Follow();
  }
  void CurrentImageChanged(int32_t) override { Follow(); }
  void ContentsReset() override { Close(); }

 private:
  void Follow() {
    if (m_host.PickerExists()) m_host.FollowCurrentTile();
  }

  void SetHidden(int hidden);

  int& m_hidden;
  ITilePickerHost& m_host;
  Profile* m_profile = nullptr;
  bool m_programClose = false;
};

}  // namespace vyr
