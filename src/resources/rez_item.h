// CRezItem: one stored file of the archive, with its data read on demand.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "resources/rez_bucket.h"

namespace vyr {

class CRezDir;
class CRezMgr;
class CRezType;

class CRezItem {
 public:
  // Only a CRezType makes items; the key keeps the constructor out of other hands.
  class Key {
    Key() = default;
    friend class CRezType;
  };
  CRezItem(Key, CRezType* type, CRezDir* dir, uint32_t id, std::string name);
  CRezItem(const CRezItem&) = delete;
  CRezItem& operator=(const CRezItem&) = delete;

  const std::string& GetName() const { return m_name; }
  uint32_t GetId() const { return m_id; }
  uint32_t GetType() const;  // type code
  uint32_t GetSize() const { return m_size; }
  uint32_t GetTime() const { return m_time; }
  void SetTime(uint32_t time) { m_time = time; }
  // 0 while the item has no data in the file yet.
  uint32_t GetDataOffset() const { return m_offset; }
  const std::string& GetDescription() const { return m_description; }  // empty when absent
  const std::vector<uint32_t>& GetKeys() const { return m_keys; }
  uint32_t GetKeyCount() const { return uint32_t(m_keys.size()); }

  // The item's bytes, read on first use and cached until ReleaseData; empty for an item
  // of size 0 and for one whose data cannot be read or lie outside the file.
  std::span<uint8_t> GetData();
  bool HasCachedData() const { return m_hasData; }
  // The same bytes without caching them: the cached ones when there are, else read into
  // `buffer`, which only grows, so that one buffer serves many items.
  std::span<const uint8_t> ReadData(std::vector<uint8_t>& buffer);
  void ReleaseData();
  // A new buffer of `size` bytes for the caller to fill; the next WriteData appends it.
  std::span<uint8_t> NewData(uint32_t size);
  // Stores the buffer: appended when the item has no data offset, else over its old bytes.
  bool WriteData();
  // Sets the item's, its directory's and the archive's time to now.
  void Touch();

 private:
  friend class CRezMgr;
  friend class CRezType;
  template <typename, size_t>
  friend class RezBucketTable;

  CRezMgr* Mgr() const;
  // The manager of an open archive that holds the item's bytes; null (the manager told)
  // when the archive is closed or the item lies outside it.
  CRezMgr* Readable();

  CRezType* m_type;
  CRezDir* m_dir;
  uint32_t m_id;
  std::string m_name;
  std::string m_description;
  uint32_t m_time = 0;
  uint32_t m_size = 0;
  uint32_t m_offset = 0;
  std::vector<uint32_t> m_keys;
  std::vector<uint8_t> m_data;
  bool m_hasData = false;
  RezBucketSlot m_slot;  // place in the type's id table
};

}  // namespace vyr
