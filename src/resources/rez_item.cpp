// CRezItem: on-demand data, new data, writing and touching.
#include "resources/rez_item.h"

#include "platform/bytes.h"

#include "resources/rez_dir.h"
#include "resources/rez_mgr.h"
#include "resources/rez_type.h"

namespace vyr {

CRezItem::CRezItem(Key, CRezType* type, CRezDir* dir, uint32_t id, std::string name)
    : m_type(type), m_dir(dir), m_id(id), m_name(std::move(name)) {}

uint32_t CRezItem::GetType() const { return m_type->GetCode(); }

CRezMgr* CRezItem::Mgr() const { return m_dir->GetMgr(); }

CRezMgr* CRezItem::Readable() {
  CRezMgr* mgr = Mgr();
  if (mgr == nullptr || !mgr->IsOpen()) return nullptr;
  // Item data never lie inside the header; offset 0 means "not written yet".
  if (m_offset < RezHeader::kSize || !RangeFits(m_offset, m_size, mgr->FileSize())) {
    mgr->Fail("item '" + m_name + "' points outside the archive");
    return nullptr;
  }
  return mgr;
}

std::span<uint8_t> CRezItem::GetData() {
  if (m_hasData) return {m_data.data(), m_data.size()};
  if (m_size == 0) return {};
  CRezMgr* mgr = Readable();
  if (!mgr) return {};
  std::vector<uint8_t> buffer(m_size);
  if (!mgr->ReadAt(m_offset, buffer.data(), buffer.size())) return {};
  m_data = std::move(buffer);
  m_hasData = true;
  return {m_data.data(), m_data.size()};
}

std::span<const uint8_t> CRezItem::ReadData(std::vector<uint8_t>& buffer) {
  if (m_hasData) return {m_data.data(), m_data.size()};
  if (m_size == 0) return {};
  // Checked first: a size that lies must not make the buffer grow.
  CRezMgr* mgr = Readable();
  if (!mgr) return {};
  if (buffer.size() < m_size) buffer.resize(m_size);
  if (!mgr->ReadAt(m_offset, buffer.data(), m_size)) return {};
  return {buffer.data(), m_size};
}

void CRezItem::ReleaseData() {
  std::vector<uint8_t>().swap(m_data);
  m_hasData = false;
}

std::span<uint8_t> CRezItem::NewData(uint32_t size) {
  ReleaseData();
  m_dir->m_totalSize = m_dir->m_totalSize - m_size + size;
  m_size = size;
  m_data.assign(size, 0);
  m_hasData = true;
  m_offset = 0;
  if (CRezMgr* mgr = Mgr()) mgr->m_header.compact = 0;
  Touch();
  return {m_data.data(), m_data.size()};
}

bool CRezItem::WriteData() {
  if (m_size == 0) return true;
  CRezMgr* mgr = Mgr();
  if (mgr == nullptr || !mgr->IsOpen() || mgr->IsReadOnly()) {
    if (mgr) mgr->Fail("the archive is not open for update");
    return false;
  }
  if (!m_hasData || m_data.size() != m_size) {
    mgr->Fail("item '" + m_name + "' has no data to write");
    return false;
  }
  if (m_offset != 0 && mgr->CanOverwrite(m_offset, m_size)) {
    if (!mgr->WriteAt(m_offset, m_data.data(), m_size)) return false;
  } else {
    // No place yet, or a damaged one: append, never write over what it points at.
    uint32_t offset = 0;
    if (!mgr->AppendItemData(m_data.data(), m_size, offset)) return false;
    m_offset = offset;
    m_dir->NoteItemData(offset, 0);
  }
  Touch();
  return true;
}

void CRezItem::Touch() {
  CRezMgr* mgr = Mgr();
  const uint32_t now = mgr ? mgr->Now() : 0;
  m_time = now;
  m_dir->m_time = now;
  if (mgr) {
    mgr->m_header.changeTime = now;
    mgr->NoteChange();
  }
}

}  // namespace vyr
