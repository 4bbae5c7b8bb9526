// CRezType: the id table and the lookups of one type code's items.
#include "resources/rez_type.h"

#include <algorithm>

#include "resources/rez_names.h"

namespace vyr {


CRezType::~CRezType() {
  for (Chunk& chunk : m_chunks) {
    for (size_t i = 0; i < chunk.used; ++i) chunk.At(i)->~CRezItem();
  }
}

CRezItem* CRezType::AddItem(uint32_t id, std::string name) {
  if (m_chunks.empty() || m_chunks.back().used == m_chunks.back().capacity) {
    const size_t capacity = m_chunks.empty() ? 8 : std::min<size_t>(m_chunks.back().capacity * 2, 4096);
    // operator new[] of bytes is aligned for any fundamental type, so for CRezItem too.
    static_assert(alignof(CRezItem) <= __STDCPP_DEFAULT_NEW_ALIGNMENT__);
    m_chunks.push_back(Chunk{std::make_unique_for_overwrite<std::byte[]>(capacity * sizeof(CRezItem)), capacity, 0});
  }
  Chunk& chunk = m_chunks.back();
  CRezItem& item = *new (chunk.storage.get() + chunk.used * sizeof(CRezItem))
      CRezItem(CRezItem::Key{}, this, m_dir, id, std::move(name));
  ++chunk.used;
  m_byId.PushFront(id % kIdBuckets, &item);
  if (m_indexed) {
    m_idIndex[id] = &item;
    m_nameIndex[RezUpper(item.m_name)] = &item;
  }
  return &item;
}

void CRezType::BuildIndex() const {
  if (m_indexed) return;
  m_idIndex.reserve(ItemCount());
  m_nameIndex.reserve(ItemCount());
  // Insertion order with overwriting: the newest duplicate wins, as at a bucket's front.
  for (const Chunk& chunk : m_chunks) {
    for (size_t i = 0; i < chunk.used; ++i) {
      CRezItem* item = chunk.At(i);
      m_idIndex[item->m_id] = item;
      m_nameIndex[RezUpper(item->m_name)] = item;
    }
  }
  m_indexed = true;
}

CRezItem* CRezType::FindById(uint32_t id) const {
  BuildIndex();
  auto it = m_idIndex.find(id);
  return it == m_idIndex.end() ? nullptr : it->second;
}

CRezItem* CRezType::FindByName(std::string_view name) const {
  BuildIndex();
  auto it = m_nameIndex.find(RezUpper(name));
  return it == m_nameIndex.end() ? nullptr : it->second;
}

uint32_t CRezType::FirstFreeNamedId() const {
  // Ids are never removed, so the first free id only moves upwards.
  while (m_freeIdHint != 0xFFFFFFFF && FindById(m_freeIdHint) != nullptr) ++m_freeIdHint;
  return m_freeIdHint;
}

}  // namespace vyr
