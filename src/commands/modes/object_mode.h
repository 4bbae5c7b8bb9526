// ObjectMode: the view's object edit mode; so far the selection frame and the Shift-click range.
#pragma once

#include <cstdint>

#include "commands/modes/edit_mode.h"

namespace vyr {

class CWorldViewModel;

// Shift-click range of object mode, −1 meaning unset.
struct SelectionRange {
  int32_t xMin = -1;
  int32_t xMax = -1;
  int32_t yMin = -1;
  int32_t yMax = -1;
  void Reset() { *this = SelectionRange{}; }
};

class ObjectMode final : public IEditMode {
 public:
  explicit ObjectMode(CWorldViewModel& view) : m_view(view) {}

  int Id() const override;
  // F5 forgets the Shift-click range.
  void OnRefresh() override { m_selection.Reset(); }
  // The frame surrounds the selected object; without one there is nothing to blink.
  bool HasCursor() const override;
  std::vector<CRect> CursorFrames() const override;
  void RegisterCommands(CommandTable& /*table*/) override {}

  SelectionRange& Selection() { return m_selection; }

 private:
  CWorldViewModel& m_view;
  SelectionRange m_selection;
};

}  // namespace vyr
