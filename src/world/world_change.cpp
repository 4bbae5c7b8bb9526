// CWorldChange: the recorders of the parts an action may touch, finished and restored together.
#include "world/world_change.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>

#include "world/change_scope_check.h"
#include "world/game_object.h"
#include "world/plane.h"
#include "world/world.h"

namespace vyr {

std::vector<uint8_t> PackBytes(const uint8_t* data, size_t size) {
  z_stream stream{};
  if (deflateInit(&stream, Z_BEST_SPEED) != Z_OK) return {};
  std::vector<uint8_t> packed;
  constexpr size_t kChunk = size_t(1) << 16;
  constexpr size_t kMaxIn = size_t(1) << 30;
  size_t offset = 0;
  int status = Z_OK;
  do {
    const size_t in = std::min(size - offset, kMaxIn);
    stream.next_in = const_cast<Bytef*>(data + offset);
    stream.avail_in = uInt(in);
    offset += in;
    const int flush = offset == size ? Z_FINISH : Z_NO_FLUSH;
    do {
      const size_t used = packed.size();
      packed.resize(used + kChunk);
      stream.next_out = packed.data() + used;
      stream.avail_out = uInt(kChunk);
      status = deflate(&stream, flush);
      packed.resize(used + kChunk - stream.avail_out);
    } while (stream.avail_out == 0 && status != Z_STREAM_ERROR);
  } while (offset < size && status != Z_STREAM_ERROR);
  deflateEnd(&stream);
  if (status != Z_STREAM_END) return {};
  packed.shrink_to_fit();
  return packed;
}

bool UnpackBytes(const std::vector<uint8_t>& packed, uint8_t* out, size_t size) {
  z_stream stream{};
  if (packed.empty() || inflateInit(&stream) != Z_OK) return false;
  stream.next_in = const_cast<Bytef*>(packed.data());
  stream.avail_in = uInt(packed.size());
  constexpr size_t kMaxOut = size_t(1) << 30;
  size_t offset = 0;
  int status = Z_OK;
  while (status == Z_OK) {
    const size_t room = std::min(size - offset, kMaxOut);
    stream.next_out = out + offset;
    stream.avail_out = uInt(room);
    status = inflate(&stream, Z_NO_FLUSH);
    offset += room - stream.avail_out;
    if (status == Z_BUF_ERROR && offset < size) status = Z_OK;  // more room follows
    if (status == Z_OK && offset == size && stream.avail_in == 0) break;
  }
  inflateEnd(&stream);
  return status == Z_STREAM_END && offset == size;
}

CWorldChange::CWorldChange(const CWorld& world, const WorldProperties& properties, const ChangeScope& scope,
                           const CPlane* current) {
  m_current[0] = const_cast<CPlane*>(current);
#ifndef NDEBUG
  m_scopeCheck = std::make_unique<CScopeCheck>(world, properties, scope);
#endif
  if (scope.cells && world.IndexOf(scope.cells) >= 0) m_recorders.push_back(RecordCells(*const_cast<CPlane*>(scope.cells)));
  if (scope.planes) m_recorders.push_back(RecordPlanes(world));
  if (scope.objects && world.IndexOf(scope.objects) >= 0) m_recorders.push_back(RecordObjects(*scope.objects));
  if (scope.header) m_recorders.push_back(RecordHeader(properties));
  if (scope.attributes) m_recorders.push_back(RecordAttributes(world));
}

CWorldChange::~CWorldChange() = default;

CWorldChange::Outcome CWorldChange::Finish(const CWorld& world, const WorldProperties& properties,
                                           const CPlane* current) {
  m_current[1] = const_cast<CPlane*>(current);
  if (m_scopeCheck) {
    const std::string violation = m_scopeCheck->Violation(world, properties);
    m_scopeCheck.reset();
    if (!violation.empty()) ReportScopeViolation(violation);
  }
  bool changed = false;
  for (auto& recorder : m_recorders) {
    switch (recorder->Finish(world, properties)) {
      case Outcome::kUnrecordable:
        return Outcome::kUnrecordable;
      case Outcome::kUnchanged:
        recorder.reset();
        break;
      case Outcome::kChanged:
        changed = true;
        recorder->AddTo(m_notice);
        break;
    }
  }
  std::erase(m_recorders, nullptr);
  return changed ? Outcome::kChanged : Outcome::kUnchanged;
}

bool CWorldChange::Restore(CWorld& world, WorldProperties& properties, const CImageSetTable* imageSets, bool after,
                           CGameObject*& selected) {
  RestoreContext context{world, properties, imageSets, after, m_parked, selected, nullptr, {}};
  for (auto& recorder : m_recorders)
    if (!recorder->Prepare(context)) return false;
  for (const CPlane* plane : context.needed)
    if (!context.HeldAfter(plane)) return false;
  for (auto& recorder : m_recorders) recorder->Apply(context);
  return true;
}

bool CWorldChange::Absorb(CWorldChange& later) {
  const auto objectsOnly = [](const CWorldChange& c) {
    return c.m_recorders.size() == 1 && c.m_parked.empty() && !c.m_noImagesBefore && c.m_notice.objectsPlane;
  };
  if (!objectsOnly(*this) || !objectsOnly(later) || !AbsorbObjects(*m_recorders[0], *later.m_recorders[0]))
    return false;
  m_current[1] = later.m_current[1];
  return true;
}

void CWorldChange::Park(std::unique_ptr<CPlane> plane) { m_parked.push_back(std::move(plane)); }

size_t CWorldChange::Bytes() const {
  size_t bytes = sizeof(*this);
  for (const auto& recorder : m_recorders) bytes += recorder->Bytes();
  for (const auto& plane : m_parked)
    bytes += sizeof(CPlane) + plane->Tiles().size() * 4 + plane->ObjectCount() * sizeof(CGameObject);
  return bytes;
}

}  // namespace vyr
