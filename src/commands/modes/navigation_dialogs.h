// Models of the view's navigation dialogs: "Idź Do X,Y" and "Ustawianie Dodatkowych Ruchów".
#pragma once

#include <cstdint>
#include <string>

#include "platform/interaction_port.h"
#include "res/control_ids.h"

namespace vyr {

struct CustomMoves;

// A typed position or move: empty or non-numeric text reads as 0, and a number past the
// 32-bit range becomes the nearest 32-bit value instead of wrapping.
int32_t ReadSaturatedInt(const std::string& text);

// "Idź Do X,Y": a position to centre on, optionally kept as the warp position.
class CGoToDialog : public CDialogModel {
 public:
  static constexpr int kTemplateId = ctl::kGoToDialog;
  int TemplateId() const override { return kTemplateId; }

  // The edits start empty and the check box clear.
  void OnInitDialog() override;
  // Reads the position; the caller stores it as the warp when m_storeWarp is set.
  bool OnOK(IInteractionPort& port) override;

  std::string m_x;
  std::string m_y;
  bool m_storeWarp = false;
  int32_t m_resultX = -1;
  int32_t m_resultY = -1;
};

// "Ustawianie Dodatkowych Ruchów": the four pixel amounts of the custom moves.
class CCustomMovesDialog : public CDialogModel {
 public:
  static constexpr int kTemplateId = ctl::kCustomMovesDialog;
  explicit CCustomMovesDialog(CustomMoves& moves) : m_moves(moves) {}
  int TemplateId() const override { return kTemplateId; }

  // The edits show the current amounts.
  void OnInitDialog() override;
  // Reads the edits back into the amounts.
  bool OnOK(IInteractionPort& port) override;

  std::string m_left;
  std::string m_right;
  std::string m_up;
  std::string m_down;

 private:
  CustomMoves& m_moves;
};

}  // namespace vyr
