// CRezDir: one archive directory with its sub-directories and item types.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "resources/rez_bucket.h"
#include "resources/rez_type.h"

namespace vyr {

class CRezMgr;

class CRezDir {
 public:
  static constexpr size_t kDirBuckets = 5;   // by name length
  static constexpr size_t kTypeBuckets = 9;  // by type code

  CRezDir(CRezMgr* mgr, CRezDir* parent, std::string name);
  ~CRezDir();
  CRezDir(const CRezDir&) = delete;
  CRezDir& operator=(const CRezDir&) = delete;

  const std::string& GetName() const { return m_name; }
  CRezDir* GetParent() const { return m_parent; }
  CRezMgr* GetMgr() const { return m_mgr; }
  uint32_t GetTime() const { return m_time; }
  void SetTime(uint32_t time) { m_time = time; }
  // Where the directory's block stood when the archive was read (or last written).
  uint32_t GetBlockOffset() const { return m_blockOffset; }
  uint32_t GetBlockSize() const { return m_blockSize; }
  // Sum of its items' sizes and the lowest data offset among them (0xFFFFFFFF: none).
  uint64_t GetTotalSize() const { return m_totalSize; }
  uint32_t GetLowestDataOffset() const { return m_lowestOffset; }
  // "/IMAGES/TILES" from the root ("/" for the root itself).
  std::string GetPath() const;
  // Number of directories above this one (0 for the root).
  size_t Depth() const;

  // Iteration in table order (buckets in index order, newest first in each).
  CRezDir* FirstSubDir() const { return m_subDirs.First(); }
  CRezDir* NextSubDir(const CRezDir* dir) const { return m_subDirs.Next(dir); }
  std::vector<CRezDir*> SubDirs() const { return m_subDirs.InOrder(); }
  CRezType* FirstType() const { return m_types.First(); }
  CRezType* NextType(const CRezType* type) const { return m_types.Next(type); }
  std::vector<CRezType*> Types() const { return m_types.InOrder(); }
  size_t SubDirCount() const { return m_subDirs.Count(); }

  CRezType* FindType(uint32_t code) const;
  // A sub-directory by name, ignoring case.
  CRezDir* FindSubDir(std::string_view name) const;
  // Walks a path of directory names ("IMAGES/LEVEL1", "\\IMAGES\\LEVEL1", doubled
  // separators allowed between names, one leading separator passed over); null when a
  // component is missing or the path names nothing.
  CRezDir* FindDir(std::string_view path);
  // "PALETTES/MAIN.PAL": the item MAIN of type code PAL in PALETTES. A path without any
  // separator finds nothing.
  CRezItem* FindItem(std::string_view path);
  CRezItem* FindItemByName(std::string_view name, uint32_t type) const;
  CRezItem* FindItemById(uint32_t id, uint32_t type) const;

  // New sub-directory stamped with the current time; null if the name exists.
  CRezDir* CreateDir(std::string_view name);
  // New item (no data yet) stamped with the current time; null if that id or that name
  // already exists under that type code.
  CRezItem* CreateItem(uint32_t id, std::string_view name, uint32_t type);

 private:
  friend class CRezMgr;
  friend class CRezItem;
  template <typename, size_t>
  friend class RezBucketTable;

  CRezDir* AddSubDir(std::string name);
  CRezType* GetOrAddType(uint32_t code);
  void NoteItemData(uint32_t offset, uint32_t size);
  // Drops every sub-directory, type and item (a damaged block read in part).
  void ClearContents();
  void BuildIndex() const;

  CRezMgr* m_mgr;
  CRezDir* m_parent;
  std::string m_name;
  uint32_t m_time = 0;
  uint32_t m_blockOffset = 0;
  uint32_t m_blockSize = 0;
  uint64_t m_totalSize = 0;
  uint32_t m_lowestOffset = 0xFFFFFFFF;
  std::vector<std::unique_ptr<CRezDir>> m_ownedDirs;
  std::vector<std::unique_ptr<CRezType>> m_ownedTypes;
  RezBucketTable<CRezDir, kDirBuckets> m_subDirs;
  RezBucketTable<CRezType, kTypeBuckets> m_types;
  mutable bool m_indexed = false;
  mutable std::unordered_map<std::string, CRezDir*> m_dirIndex;  // upper-cased names
  RezBucketSlot m_slot;  // place in the parent's table
};

}  // namespace vyr
