// CTilePickerHost: creating, placing, showing and destroying the tile picker window.
#include "editor/tile_picker_host.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <utility>

#include "editor/main_frame.h"
#include "editor/tile_picker_wnd.h"
#include "editor/world_view.h"
#include "platform/command_ids.h"
#include "world/world_doc.h"

namespace vyr {

namespace {

// Runs `back` once a modal dialog has closed and no other is left open.
class ModalCloseWatch : public QObject {
 public:
  explicit ModalCloseWatch(std::function<void()> back) : m_back(std::move(back)) { qApp->installEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const auto* widget = event->type() == QEvent::Hide ? qobject_cast<QWidget*>(watched) : nullptr;
    if (widget && widget->isWindow() && widget->isModal()) {
      QTimer::singleShot(0, this, [this] {
        if (!QApplication::activeModalWidget()) m_back();
      });
    }
    return false;
  }

 private:
  std::function<void()> m_back;
};

}  // namespace

CTilePickerHost::CTilePickerHost(CWorldDoc& doc, CMainFrame& frame, CWorldView* view, int& hidden)
    : m_doc(doc), m_frame(frame), m_view(view), m_control(hidden, *this) {
  m_doc.AddObserver(&m_control);
  // A closing dialog leaves the keys to whichever window the system picks, often the
  // picker; they go back to the main window, as when the picker first opened.
  m_modalWatch = std::make_unique<ModalCloseWatch>([this] { GiveKeysToView(); });
}

CTilePickerHost::~CTilePickerHost() {
  m_doc.RemoveObserver(&m_control);
  m_control.Close();
}

void CTilePickerHost::CreatePicker() {
  CTilePickerWnd::Owner owner;
  owner.userClosed = [this] {
    Remember();
    m_control.UserClosed();
  };
  // A picker already replaced may still ask: only the one shown now closes.
  owner.closeMe = [this](CTilePickerWnd& asking) {
    if (&asking == m_window) m_control.Close();
  };
  owner.insertAtCursor = [this] { m_frame.SendCommand(cmd::kTileInsert); };
  m_window = new CTilePickerWnd(m_doc, std::move(owner), &m_frame);
  if (m_firstOpening) {
    PlaceFirst();
    m_firstOpening = false;
  } else {
    m_window->setGeometry(m_rect);
  }
  if (m_view) m_view->SetTilePickerWindow(m_window);
  m_window->show();
  // The keys keep going to the view.
  GiveKeysToView();
}

void CTilePickerHost::GiveKeysToView() {
  m_frame.activateWindow();
  if (m_view) m_view->setFocus();
}

void CTilePickerHost::PlaceFirst() {
  if (!m_view) return;
  // The view shows or hides its scroll bars for the new plane in a queued call: first that.
  QCoreApplication::sendPostedEvents(m_view, QEvent::MetaCall);
  const QWidget* client = m_view->viewport();
  const QPoint topLeft = client->mapToGlobal(QPoint(0, 0));
  m_window->move(topLeft.x() + client->width() - m_window->width() - 4, topLeft.y() + 4);
}

void CTilePickerHost::Remember() {
  if (m_window) m_rect = m_window->geometry();
}

void CTilePickerHost::DestroyPicker() {
  if (!m_window) return;
  Remember();
  m_window->close();
  // The window may be the one asking (from its own event): it goes once that is over.
  CTilePickerWnd* window = m_window;
  m_window = nullptr;
  window->deleteLater();
}

CTilePickerWnd* CTilePickerHost::Window() const { return m_window.data(); }

bool CTilePickerHost::PickerExists() const { return !m_window.isNull(); }

bool CTilePickerHost::PickerVisible() const { return m_window && m_window->isVisible(); }

void CTilePickerHost::ShowPicker(bool show) {
  if (!m_window) return;
  if (!show) Remember();
  m_window->setVisible(show);
  // Hidden from inside (Ctrl+T), the picker leaves the keys to the main window.
  if (!show) m_frame.activateWindow();
}

void CTilePickerHost::FollowCurrentTile() {
  if (m_window) m_window->FollowCurrentTile();
}

}  // namespace vyr
