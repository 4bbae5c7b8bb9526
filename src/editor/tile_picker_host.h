// CTilePickerHost: the application's tile picker: the window, where it first opens and what it remembers.
#pragma once

#include <QPointer>
#include <QObject>
#include <QRect>
#include <memory>

#include "commands/tiles/tile_picker_control.h"

class QWidget;

namespace vyr {

class CMainFrame;
class CTilePickerWnd;
class CWorldDoc;
class CWorldView;

class CTilePickerHost : public ITilePickerHost {
 public:
  // Listens to the document from now on; `hidden` is the application's TileDialog flag.
  CTilePickerHost(CWorldDoc& doc, CMainFrame& frame, CWorldView* view, int& hidden);
  // Destroys the window (keeping the flag) and stops listening.
  ~CTilePickerHost() override;
  CTilePickerHost(const CTilePickerHost&) = delete;
  CTilePickerHost& operator=(const CTilePickerHost&) = delete;

  TilePickerControl& Control() { return m_control; }
  CTilePickerWnd* Window() const;

  // --- ITilePickerHost
  void CreatePicker() override;
  void DestroyPicker() override;
  bool PickerExists() const override;
  bool PickerVisible() const override;
  void ShowPicker(bool show) override;
  void FollowCurrentTile() override;

 private:
  void Remember();
  // The main window active and the view holding the keyboard.
  void GiveKeysToView();
  // Right edge of the view's client area less the window's width less 4, its top plus 4.
  void PlaceFirst();

  CWorldDoc& m_doc;
  CMainFrame& m_frame;
  QPointer<CWorldView> m_view;
  TilePickerControl m_control;
  QPointer<CTilePickerWnd> m_window;
  QRect m_rect;
  bool m_firstOpening = true;
  std::unique_ptr<QObject> m_modalWatch;
};

}  // namespace vyr
