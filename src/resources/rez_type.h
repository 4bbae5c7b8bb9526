// CRezType: the items of one type code inside one archive directory.
#pragma once

#include <cstdint>
#include <cstddef>
#include <memory>
#include <new>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "resources/rez_bucket.h"
#include "resources/rez_item.h"

namespace vyr {

class CRezDir;

class CRezType {
 public:
  static constexpr size_t kIdBuckets = 19;

  CRezType(CRezDir* dir, uint32_t code) : m_dir(dir), m_code(code) {}
  ~CRezType();
  CRezType(const CRezType&) = delete;
  CRezType& operator=(const CRezType&) = delete;

  uint32_t GetCode() const { return m_code; }
  size_t ItemCount() const { return m_byId.Count(); }

  // Items in the order of the id table (id modulo 19, newest first in each bucket):
  // the order callers see and the order items are written.
  CRezItem* FirstItem() const { return m_byId.First(); }
  CRezItem* NextItem(const CRezItem* item) const { return m_byId.Next(item); }
  std::vector<CRezItem*> Items() const { return m_byId.InOrder(); }

  // Lookups; among duplicates (only a damaged archive has them) the newest wins, as
  // in a front-inserted bucket.
  CRezItem* FindById(uint32_t id) const;
  CRezItem* FindByName(std::string_view name) const;  // ignoring case

  // The lowest id from 10000000 upwards that no item of this type has.
  uint32_t FirstFreeNamedId() const;

 private:
  friend class CRezDir;
  friend class CRezMgr;
  template <typename, size_t>
  friend class RezBucketTable;

  // Adds an item without checking for duplicates (the archive as read, or after checks).
  CRezItem* AddItem(uint32_t id, std::string name);
  void BuildIndex() const;

  CRezDir* m_dir;
  uint32_t m_code;
  // Items in chunks of raw storage: stable addresses, insertion order, few allocations.
  struct Chunk {
    std::unique_ptr<std::byte[]> storage;
    size_t capacity = 0;
    size_t used = 0;
    CRezItem* At(size_t i) const { return std::launder(reinterpret_cast<CRezItem*>(storage.get()) + i); }
  };
  std::vector<Chunk> m_chunks;
  RezBucketTable<CRezItem, kIdBuckets> m_byId;
  // Hash indexes stand in for the 19 name buckets: same answers, constant time. Built on
  // first lookup so that opening a large archive does not pay for them.
  mutable bool m_indexed = false;
  mutable std::unordered_map<uint32_t, CRezItem*> m_idIndex;
  mutable std::unordered_map<std::string, CRezItem*> m_nameIndex;  // upper-cased names
  mutable uint32_t m_freeIdHint = 10000000;
  RezBucketSlot m_slot;  // place in the directory's type table
};

}  // namespace vyr
