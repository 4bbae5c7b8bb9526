// CTilePickerWnd: the modeless "Obrazy Klocków" tool window listing the current image set's images as thumbnails.
#pragma once

#include <QList>
#include <QListWidget>
#include <QRgb>
#include <QWidget>
#include <functional>

#include "commands/tiles/tile_picker_model.h"

class QPushButton;

namespace vyr {

class CWorldDoc;
class TilePickerList;

class CTilePickerWnd : public QWidget {
  Q_OBJECT

 public:
  // What the window asks of its owner.
  struct Owner {
    std::function<void()> userClosed;     // the user closed the window
    std::function<void(CTilePickerWnd&)> closeMe;  // there is nothing to list: close it (posted)
    std::function<void()> insertAtCursor;  // Space: the main frame's "Wstaw w miejscu kursora"
  };

  CTilePickerWnd(CWorldDoc& doc, Owner owner, QWidget* parent);
  ~CTilePickerWnd() override;

  // Lists the current set again when it is another one (or none is listed), then selects
  // the current image by prefix; with nothing to list, asks to be closed.
  void FollowCurrentTile();

  const TilePickerModel& Model() const { return m_model; }
  QListWidget* List() const;

  // --- what the list reports
  // The selection moved by a left click or a key: it becomes the current image.
  void OnSelectionMoved();
  // Places the item's image at the tile cursor with undo; the current image stays.
  void PlaceItem(int index);
  void OnSpace() const;
  // Item `index` through the document's palette, as the list draws it.
  void DrawItem(QPainter& painter, const QRect& rect, int index, bool selected) const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  const CImageSet* CurrentSet() const;
  // Builds the list for the current set at the current zoom; false when there is nothing.
  bool BuildList();
  void ShowSelection();
  void Zoom(bool in);
  void LayOut();

  CWorldDoc& m_doc;
  Owner m_owner;
  TilePickerModel m_model;
  TilePickerList* m_list = nullptr;
  QPushButton* m_zoomIn = nullptr;
  QPushButton* m_zoomOut = nullptr;
  mutable QList<QRgb> m_colours;
  bool m_closeAsked = false;
};

}  // namespace vyr
