// Model of the "Statystyki Klocków" dialog: image use of one set on one plane and the
// script that deletes the images no plane uses.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/interaction_port.h"
#include "res/control_ids.h"

namespace vyr {

class CPlane;
class CWorld;

class CTileStatsDialog : public CDialogModel {
 public:
  static constexpr int kTemplateId = ctl::kTileStatsDialog;

  // For set slot `set` of `plane`, a plane of `world`.
  CTileStatsDialog(const CWorld& world, const CPlane& plane, int32_t set)
      : m_world(world), m_plane(plane), m_set(set) {}
  int TemplateId() const override { return kTemplateId; }

  // Counts and fills the lists; they stay empty when the slot holds no loaded set.
  void OnInitDialog() override;

  std::vector<std::string> m_used;       // "Użyte:"
  std::vector<std::string> m_counts;     // "Ilość": "%i\ttile %i"
  std::vector<std::string> m_unused;     // "Nieużyte:"
  std::vector<std::string> m_available;  // "Dostępne:"
  std::string m_usedTotal;               // "Wszystkie Użyte:"
  std::string m_unusedTotal;             // "Wszystkie Nieużyte:"
  std::string m_imagesTotal;             // "Wszystkie Klocki:"
  std::string m_script;                  // "del N.PID" lines, CR LF

 private:
  const CWorld& m_world;
  const CPlane& m_plane;
  int32_t m_set;
};

}  // namespace vyr
