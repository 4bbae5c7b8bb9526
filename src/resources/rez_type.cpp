// CRezType: the id table and the lookups of one type code's items.
#include "resources/rez_type.h"

#include "resources/rez_names.h"

namespace vyr {

std::string CRezType::GetExtension() const { return ExtensionFromTypeCode(m_code); }

CRezItem* CRezType::AddItem(uint32_t id, std::string name) {
  CRezItem& item = m_items.emplace_back(CRezItem::Key{}, this, m_dir, id, std::move(name));
  m_byId.PushFront(id % kIdBuckets, &item);
  if (m_indexed) {
    m_idIndex[id] = &item;
    m_nameIndex[RezUpper(item.m_name)] = &item;
  }
  return &item;
}

void CRezType::BuildIndex() const {
  if (m_indexed) return;
  m_idIndex.reserve(m_items.size());
  m_nameIndex.reserve(m_items.size());
  // Insertion order with overwriting: the newest duplicate wins, as at a bucket's front.
  for (const CRezItem& item : m_items) {
    CRezItem* p = const_cast<CRezItem*>(&item);
    m_idIndex[item.m_id] = p;
    m_nameIndex[RezUpper(item.m_name)] = p;
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
