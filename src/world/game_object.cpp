// Game objects: field reset and copy, the 284-byte file record, image resolution and bounds.
#include "world/game_object.h"

#include <limits>

#include "resources/image_set.h"
#include "world/known_name_lists.h"
#include "world/plane.h"

namespace vyr {
namespace {

int32_t g_nextObjectId = 1;

// Positions come from files and may sit near the int32 limits: wrap like the 32-bit
// original instead of overflowing.
int32_t Wrap(int64_t value) { return int32_t(uint32_t(uint64_t(value))); }

void Fail(std::string* reason, std::string text) {
  if (reason) *reason = std::move(text);
}

void PutRect(ByteWriter& out, const CRect& r) {
  out.I32(r.left);
  out.I32(r.top);
  out.I32(r.right);
  out.I32(r.bottom);
}

CRect GetRect(const uint8_t* p) { return CRect{LoadI32(p), LoadI32(p + 4), LoadI32(p + 8), LoadI32(p + 12)}; }

}  // namespace

int32_t ObjectIdCounter::Get() { return g_nextObjectId; }

int32_t ObjectIdCounter::Next() {
  const int32_t id = g_nextObjectId;
  g_nextObjectId = Wrap(int64_t(id) + 1);
  return id;
}

void ObjectIdCounter::Observe(int32_t id) {
  if (id >= 0 && id <= 9999 && id >= g_nextObjectId) g_nextObjectId = id + 1;
}

void ObjectIdCounter::ResetForTests(int32_t value) { g_nextObjectId = value; }

CGameObject::CGameObject() = default;
CGameObject::~CGameObject() = default;

int CGameObject::Init() {
  // Assigning a fresh object resets every field and, by ObjectLink's rule, keeps the link.
  *this = CGameObject();
  Reindex();
  return 1;
}

void CGameObject::CopyFrom(const CGameObject& other) {
  if (&other == this) return;
  *this = other;
  Reindex();
}

void CGameObject::Reindex() {
  if (m_listPosition.m_plane) m_listPosition.m_plane->Reindex(*this);
}

void CGameObject::MoveTo(int32_t x, int32_t y) {
  m_x = x;
  m_y = y;
  Reindex();
}

void CGameObject::SetZ(int32_t z) {
  m_z = z;
  Reindex();
}

void CGameObject::SetBounds(const CRect& bounds) {
  m_bounds = bounds;
  Reindex();
}

void CGameObject::SetImage(const CImage* image) {
  m_image = image;
  Reindex();
}

void CGameObject::ForgetImage() {
  if (m_image.Get()) SetImage(nullptr);
}

uint64_t CGameObject::RecordSize() const {
  return kObjectRecordFixedSize + uint64_t(m_name.size()) + m_logic.size() + m_imageSet.size() + m_animation.size();
}

int CGameObject::PutRecord(ByteWriter& out, std::string* reason) const {
  const uint64_t size = RecordSize();
  if (size > uint64_t(std::numeric_limits<int32_t>::max())) {
    Fail(reason, "object " + std::to_string(m_id) + ": its strings are too long for a record");
    return 0;
  }
  out.I32(m_id);
  out.I32(int32_t(m_name.size()));
  out.I32(int32_t(m_logic.size()));
  out.I32(int32_t(m_imageSet.size()));
  out.I32(int32_t(m_animation.size()));
  for (int32_t v : {int32_t(m_x), int32_t(m_y), int32_t(m_z), m_imageIndex, m_addedFlags, m_dynamicFlags, m_drawFlags, m_userFlags, m_score,
                    m_points, m_powerup, m_damage, m_time, m_health})
    out.I32(v);
  for (const CRect* r : {&m_moveRect, &m_hitRect, &m_attackRect, &m_clipRect, &m_userRect1, &m_userRect2})
    PutRect(out, *r);
  for (int32_t v : m_userValues) out.I32(v);
  // The file keeps the movement bounds as a rectangle: min x, min y, max x, max y.
  for (int32_t v : {m_minX, m_minY, m_maxX, m_maxY, m_speedX, m_speedY, m_tweakX, m_tweakY, m_delay, m_speed, m_width,
                    m_height, m_direction, m_faceDirection, m_optionTime, m_frame, m_hitType, m_hitMask, m_moveX,
                    m_moveY})
    out.I32(v);
  for (const std::string* s : {&m_name, &m_logic, &m_imageSet, &m_animation}) out.Raw(s->data(), s->size());
  return 1;
}

int CGameObject::WriteRecord(ByteWriter& out, std::string* reason) {
  if (!PutRecord(out, reason)) return 0;
  m_recordLength = int32_t(RecordSize());
  return 1;
}

int CGameObject::ReadRecord(ByteSpan source, const CImageSetTable* imageSets, std::string* reason) {
  if (source.size() < kObjectRecordFixedSize) {
    Fail(reason, "object record cut short: " + std::to_string(source.size()) + " of its 284 fixed bytes present");
    return 0;
  }
  const uint8_t* p = source.data();
  int32_t lengths[4];
  uint64_t total = kObjectRecordFixedSize;
  for (int i = 0; i < 4; ++i) {
    lengths[i] = LoadI32(p + 4 + 4 * i);
    if (lengths[i] < 0) {
      Fail(reason, "object record: negative string length " + std::to_string(lengths[i]));
      return 0;
    }
    total += uint64_t(lengths[i]);
  }
  if (total > source.size()) {
    Fail(reason, "object record: its strings need " + std::to_string(total) + " bytes, only " +
                     std::to_string(source.size()) + " remain");
    return 0;
  }
  if (total > uint64_t(std::numeric_limits<int32_t>::max())) {
    Fail(reason, "object record longer than 2 GiB");
    return 0;
  }

  int64_t at = 20;
  auto next = [&]() {
    const int32_t v = LoadI32(p + at);
    at += 4;
    return v;
  };
  auto nextRect = [&]() {
    const CRect r = GetRect(p + at);
    at += 16;
    return r;
  };
  m_id = LoadI32(p);
  m_x = next();
  m_y = next();
  m_z = next();
  for (int32_t* v : {&m_imageIndex, &m_addedFlags, &m_dynamicFlags, &m_drawFlags, &m_userFlags,
                     &m_score, &m_points, &m_powerup, &m_damage, &m_time, &m_health})
    *v = next();
  for (CRect* r : {&m_moveRect, &m_hitRect, &m_attackRect, &m_clipRect, &m_userRect1, &m_userRect2}) *r = nextRect();
  for (int32_t& v : m_userValues) v = next();
  for (int32_t* v : {&m_minX, &m_minY, &m_maxX, &m_maxY, &m_speedX, &m_speedY, &m_tweakX, &m_tweakY, &m_delay,
                     &m_speed, &m_width, &m_height, &m_direction, &m_faceDirection, &m_optionTime, &m_frame,
                     &m_hitType, &m_hitMask, &m_moveX, &m_moveY})
    *v = next();
  const char* text = reinterpret_cast<const char*>(p + kObjectRecordFixedSize);
  std::string* strings[4] = {&m_name, &m_logic, &m_imageSet, &m_animation};
  for (int i = 0; i < 4; ++i) {
    strings[i]->assign(text, size_t(lengths[i]));
    text += lengths[i];
  }
  m_recordLength = int32_t(total);

  KnownNameLists::Logic().Add(m_logic);
  KnownNameLists::ImageSets().Add(m_imageSet);
  KnownNameLists::Animations().Add(m_animation);
  ObjectIdCounter::Observe(m_id);
  m_image = nullptr;
  UpdateBounds(imageSets);  // tells the plane
  return 1;
}

bool CGameObject::Resolve(const CImageSetTable* imageSets) {
  if (m_image.Get() || !imageSets || m_imageSet.empty()) return false;
  const CImageSet* set = imageSets->Find(m_imageSet);
  if (!set) return false;
  if (m_imageIndex == -1)
    m_image = set->GetImage(set->Lowest());
  else if (m_imageIndex >= 0 && m_imageIndex < set->ImageCount())
    m_image = set->GetImage(m_imageIndex);
  return m_image.Get() != nullptr;
}

const CImage* CGameObject::ResolveImage(const CImageSetTable* imageSets) {
  if (Resolve(imageSets)) Reindex();
  return m_image;
}

void CGameObject::UpdateBounds(const CImageSetTable* imageSets) {
  Resolve(imageSets);
  int64_t halfW = 16, halfH = 16, offsetX = 0, offsetY = 0;
  m_imageWidth = 32;
  m_imageHeight = 32;
  if (const CImage* image = m_image) {
    m_imageWidth = image->m_width;
    m_imageHeight = image->m_height;
    // Halves round toward negative infinity, as an arithmetic shift does.
    halfW = int64_t(m_imageWidth) >> 1;
    halfH = int64_t(m_imageHeight) >> 1;
    // The mirrored drawing turns the offset around; bounds follow what is drawn.
    offsetX = (m_drawFlags & kDrawMirror) ? -int64_t(image->m_offsetX) : image->m_offsetX;
    offsetY = image->m_offsetY;
  }
  const int64_t x = m_x, y = m_y;
  m_bounds = CRect{Wrap(x - halfW + offsetX), Wrap(y - halfH + offsetY), Wrap(x + halfW + offsetX),
                   Wrap(y + halfH + offsetY)};
  Reindex();  // image and bounds
}

}  // namespace vyr
