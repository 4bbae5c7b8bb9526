// The objects recorder: the records between the unchanged head and tail of a plane's list.
#include <algorithm>
#include <iterator>

#include "platform/bytes.h"
#include "world/change_recorder.h"
#include "world/game_object.h"
#include "world/plane.h"
#include "world/world.h"

namespace vyr {
namespace {

using Records = std::vector<std::vector<uint8_t>>;

Records ObjectRecords(const CPlane& plane, bool& ok) {
  Records records;
  records.reserve(plane.ObjectCount());
  for (const auto& object : plane.Objects()) {
    ByteWriter out;
    if (!object->PutRecord(out)) ok = false;
    records.push_back(std::move(out.Bytes()));
  }
  return records;
}

size_t RecordBytes(const Records& records) {
  size_t bytes = 0;
  for (const auto& record : records) bytes += record.size() + sizeof(record);
  return bytes;
}

class CObjectsRecorder final : public IChangeRecorder {
 public:
  explicit CObjectsRecorder(const CPlane& plane) : m_plane(const_cast<CPlane*>(&plane)) {
    m_start = ObjectRecords(plane, m_ok);
  }

  ChangeOutcome Finish(const CWorld& world, const WorldProperties&) override {
    if (!m_ok || world.IndexOf(m_plane) < 0) return ChangeOutcome::kUnrecordable;
    Records now = ObjectRecords(*m_plane, m_ok);
    if (!m_ok) return ChangeOutcome::kUnrecordable;
    const size_t shorter = std::min(m_start.size(), now.size());
    while (m_head < shorter && m_start[m_head] == now[m_head]) ++m_head;
    while (m_tail < shorter - m_head && m_start[m_start.size() - 1 - m_tail] == now[now.size() - 1 - m_tail]) ++m_tail;
    m_middle[0].assign(std::make_move_iterator(m_start.begin() + ptrdiff_t(m_head)),
                       std::make_move_iterator(m_start.end() - ptrdiff_t(m_tail)));
    m_middle[1].assign(std::make_move_iterator(now.begin() + ptrdiff_t(m_head)),
                       std::make_move_iterator(now.end() - ptrdiff_t(m_tail)));
    Records().swap(m_start);
    return m_middle[0].empty() && m_middle[1].empty() ? ChangeOutcome::kUnchanged : ChangeOutcome::kChanged;
  }

  bool Prepare(RestoreContext& context) override {
    context.needed.push_back(m_plane);
    const int to = context.after ? 1 : 0;
    if (m_plane->ObjectCount() != m_head + m_middle[1 - to].size() + m_tail) return false;
    m_prepared.clear();
    for (const auto& record : m_middle[to]) {
      auto object = std::make_unique<CGameObject>();
      object->Init();
      if (!object->ReadRecord(ByteSpan(record.data(), record.size()), context.imageSets)) return false;
      m_prepared.push_back(std::move(object));
    }
    return true;
  }

  void Apply(RestoreContext& context) override {
    const size_t replaced = m_middle[context.after ? 0 : 1].size();
    std::vector<int32_t> goneIds;
    auto gone = m_plane->Objects().begin();
    std::advance(gone, std::min(m_head, m_plane->ObjectCount()));
    for (size_t i = 0; i < replaced && gone != m_plane->Objects().end(); ++i, ++gone) goneIds.push_back((*gone)->m_id);
    std::vector<CGameObject*> back;
    for (const auto& object : m_prepared) back.push_back(object.get());
    const auto withId = [&back](auto keep) {
      const auto found = std::find_if(back.begin(), back.end(), keep);
      return found == back.end() ? nullptr : *found;
    };
    CGameObject*& selected = context.selected;
    const int32_t selectedId = selected ? selected->m_id : 0;
    if (m_plane->ReplaceObjects(m_head, replaced, std::move(m_prepared), selected)) {
      // The selection stays the same object: the one restored under its id, else none.
      selected = withId([selectedId](const CGameObject* object) { return object->m_id == selectedId; });
    } else if (!selected) {
      // Undoing a removal shows the object that came back.
      selected = withId([&goneIds](const CGameObject* object) {
        return std::find(goneIds.begin(), goneIds.end(), object->m_id) == goneIds.end();
      });
    }
    m_prepared.clear();
  }

  void AddTo(ChangeNotice& notice) const override { notice.objectsPlane = m_plane; }

  size_t Bytes() const override { return sizeof(*this) + RecordBytes(m_middle[0]) + RecordBytes(m_middle[1]); }

  // `later` continues this change: the same objects, changed again.
  bool Absorb(CObjectsRecorder& later) {
    if (later.m_plane != m_plane || later.m_head != m_head || later.m_tail != m_tail ||
        later.m_middle[0].size() != m_middle[1].size())
      return false;
    m_middle[1] = std::move(later.m_middle[1]);
    return true;
  }

 private:
  CPlane* m_plane;
  bool m_ok = true;
  Records m_start;  // every record at the start, until Finish
  size_t m_head = 0, m_tail = 0;
  Records m_middle[2];
  std::vector<std::unique_ptr<CGameObject>> m_prepared;
};

}  // namespace

std::unique_ptr<IChangeRecorder> RecordObjects(const CPlane& plane) {
  return std::make_unique<CObjectsRecorder>(plane);
}

bool AbsorbObjects(IChangeRecorder& first, IChangeRecorder& later) {
  auto* a = dynamic_cast<CObjectsRecorder*>(&first);
  auto* b = dynamic_cast<CObjectsRecorder*>(&later);
  return a && b && a->Absorb(*b);
}

}  // namespace vyr
