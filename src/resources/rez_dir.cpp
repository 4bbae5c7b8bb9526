// CRezDir: tables, path lookups and creation of directories and items.
#include "resources/rez_dir.h"

#include "resources/rez_mgr.h"
#include "resources/rez_names.h"

namespace vyr {

namespace {
bool IsSeparator(char c) { return !IsRezNameChar(static_cast<unsigned char>(c)); }
}  // namespace

CRezDir::CRezDir(CRezMgr* mgr, CRezDir* parent, std::string name)
    : m_mgr(mgr), m_parent(parent), m_name(std::move(name)) {}

CRezDir::~CRezDir() = default;

std::string CRezDir::GetPath() const {
  if (m_parent == nullptr) return "/";
  std::string path;
  for (const CRezDir* d = this; d->m_parent != nullptr; d = d->m_parent) path.insert(0, "/" + d->m_name);
  return path;
}

size_t CRezDir::Depth() const {
  size_t depth = 0;
  for (const CRezDir* d = m_parent; d != nullptr; d = d->m_parent) ++depth;
  return depth;
}

CRezDir* CRezDir::AddSubDir(std::string name) {
  auto owned = std::make_unique<CRezDir>(m_mgr, this, std::move(name));
  CRezDir* dir = owned.get();
  m_ownedDirs.push_back(std::move(owned));
  m_subDirs.PushFront(dir->m_name.size() % kDirBuckets, dir);
  if (m_indexed) m_dirIndex[RezUpper(dir->m_name)] = dir;
  return dir;
}

CRezType* CRezDir::GetOrAddType(uint32_t code) {
  if (CRezType* type = FindType(code)) return type;
  auto owned = std::make_unique<CRezType>(this, code);
  CRezType* type = owned.get();
  m_ownedTypes.push_back(std::move(owned));
  m_types.PushFront(code % kTypeBuckets, type);
  return type;
}

void CRezDir::NoteItemData(uint32_t offset, uint32_t size) {
  m_totalSize += size;
  if (offset != 0 && offset < m_lowestOffset) m_lowestOffset = offset;
}

void CRezDir::ClearContents() {
  m_subDirs.Clear();
  m_types.Clear();
  m_ownedDirs.clear();
  m_ownedTypes.clear();
  m_dirIndex.clear();
  m_indexed = false;
  m_totalSize = 0;
  m_lowestOffset = 0xFFFFFFFF;
}

void CRezDir::BuildIndex() const {
  if (m_indexed) return;
  for (const auto& dir : m_ownedDirs) m_dirIndex[RezUpper(dir->m_name)] = dir.get();
  m_indexed = true;
}

CRezType* CRezDir::FindType(uint32_t code) const {
  return m_types.FindInBucket(code % kTypeBuckets, [code](const CRezType* t) { return t->m_code == code; });
}

CRezDir* CRezDir::FindSubDir(std::string_view name) const {
  BuildIndex();
  auto it = m_dirIndex.find(RezUpper(name));
  return it == m_dirIndex.end() ? nullptr : it->second;
}

CRezDir* CRezDir::FindDir(std::string_view path) {
  const size_t n = path.size();
  if (n == 0) return nullptr;
  // Only one leading separator is passed over: after "//" the first name is empty and
  // names nothing, as for every reader of the format, so a world cannot come to rely on
  // a path the game refuses. Separators between and after names are skipped, however many.
  size_t i = n > 1 && IsSeparator(path[0]) ? 1 : 0;
  CRezDir* dir = this;
  do {
    const size_t start = i;
    while (i < n && !IsSeparator(path[i])) ++i;
    dir = dir->FindSubDir(path.substr(start, i - start));
    if (dir == nullptr) return nullptr;
    while (i < n && IsSeparator(path[i])) ++i;
  } while (i < n);
  return dir;
}

CRezItem* CRezDir::FindItem(std::string_view path) {
  const bool leadingSeparator = path.size() > 1 && IsSeparator(path[0]);
  if (leadingSeparator) path.remove_prefix(1);
  size_t last = path.size();
  while (last > 0 && !IsSeparator(path[last - 1])) --last;
  // A path without any separator finds nothing; "/NAME.EXT" looks in this directory.
  if (last == 0 && !leadingSeparator) return nullptr;
  const std::string_view file = path.substr(last);
  const std::string_view dirPart = last == 0 ? std::string_view() : path.substr(0, last - 1);
  CRezDir* dir = this;
  // An empty directory part or a lone separator stays here; a one-letter name is walked.
  if (dirPart.size() > 1 || (dirPart.size() == 1 && !IsSeparator(dirPart[0]))) {
    dir = FindDir(dirPart);
    if (dir == nullptr) return nullptr;
  }
  const size_t dot = file.rfind('.');
  const std::string_view base = dot == std::string_view::npos ? file : file.substr(0, dot);
  const std::string_view extension = dot == std::string_view::npos ? std::string_view() : file.substr(dot + 1);
  uint32_t code = 0;
  if (!TypeCodeFromExtension(extension, code)) return nullptr;
  return dir->FindItemByName(base, code);
}

CRezItem* CRezDir::FindItemByName(std::string_view name, uint32_t type) const {
  const CRezType* group = FindType(type);
  return group ? group->FindByName(name) : nullptr;
}

CRezItem* CRezDir::FindItemById(uint32_t id, uint32_t type) const {
  const CRezType* group = FindType(type);
  return group ? group->FindById(id) : nullptr;
}

CRezDir* CRezDir::CreateDir(std::string_view name) {
  // A NUL would end the stored name early; the depth cap keeps every walk of the tree bounded.
  if (name.find('\0') != std::string_view::npos || Depth() >= CRezMgr::kMaxDepth) return nullptr;
  if (FindSubDir(name) != nullptr) return nullptr;
  CRezDir* dir = AddSubDir(std::string(name));
  if (m_mgr) {
    dir->m_time = m_mgr->Now();
    m_mgr->RaiseLongestDirName(name.size());
    m_mgr->NoteChange();
  }
  return dir;
}

CRezItem* CRezDir::CreateItem(uint32_t id, std::string_view name, uint32_t type) {
  if (name.find('\0') != std::string_view::npos) return nullptr;
  if (const CRezType* group = FindType(type)) {
    if (group->FindById(id) != nullptr || group->FindByName(name) != nullptr) return nullptr;
  }
  CRezItem* item = GetOrAddType(type)->AddItem(id, std::string(name));
  if (m_mgr) {
    item->SetTime(m_mgr->Now());
    m_mgr->RaiseLongestItemName(name.size());
    m_mgr->NoteChange();
  }
  return item;
}

}  // namespace vyr
