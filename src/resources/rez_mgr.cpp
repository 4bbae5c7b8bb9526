// CRezMgr: opening an archive with bounded parsing, and writing directories and header.
#include "resources/rez_mgr.h"

#include <algorithm>
#include <ctime>

#include "platform/bytes.h"

namespace vyr {

namespace {

constexpr uint32_t kDirEntryKind = 1;
constexpr size_t kDirEntryFixed = 16;
constexpr size_t kItemEntryFixed = 28;
constexpr uint64_t kMaxFileOffset = 0xFFFFFFFFull;

// 49 characters: the format name and a one-line notice of the tool that wrote the file.
constexpr char kIdentification[] = "RezMgr Version 1 VyrWorld archive writer (C) 2026";
static_assert(sizeof(kIdentification) - 1 == 49);

uint32_t SystemNow() {
  const std::time_t now = std::time(nullptr);
  if (now < 0) return 0;
  return uint64_t(now) > 0xFFFFFFFFull ? 0xFFFFFFFFu : uint32_t(now);
}

// Length of the NUL-terminated text at `pos` inside `block`, or false without a NUL.
// Names are short: a plain loop beats a library call here.
bool TerminatedLength(ByteSpan block, size_t pos, size_t& length) {
  for (size_t i = pos; i < block.size(); ++i) {
    if (block[i] == 0) {
      length = i - pos;
      return true;
    }
  }
  return false;
}

std::string Hex(uint64_t value) {
  char text[24];
  std::snprintf(text, sizeof text, "0x%llX", static_cast<unsigned long long>(value));
  return text;
}

// Why a header cannot be an archive's (no archive writer makes such a root directory in
// a file of this size), or empty when it can.
std::string ImpossibleHeader(const RezHeader& h, uint64_t fileSize) {
  if (h.rootSize == 0) {
    // An empty archive is the header alone; an update of one that was cut short before
    // its header was written leaves that header, untouched, ahead of unreferenced data.
    if (fileSize == RezHeader::kSize || (h.rootOffset == RezHeader::kSize && h.dataEnd == RezHeader::kSize)) return {};
    return "its root directory is empty, yet the file holds " + std::to_string(fileSize - RezHeader::kSize) +
           " bytes past the 168-byte header";
  }
  const std::string root =
      "its root directory block (" + std::to_string(h.rootSize) + " bytes at " + Hex(h.rootOffset) + ")";
  if (h.rootOffset < RezHeader::kSize) return root + " overlaps the 168-byte header";
  if (!RangeFits(h.rootOffset, h.rootSize, fileSize)) {
    return root + " lies outside the file of " + std::to_string(fileSize) + " bytes";
  }
  return {};
}

}  // namespace

CRezMgr::CRezMgr() : m_opener(OpenRezFile), m_clock(SystemNow) {}

CRezMgr::~CRezMgr() {
  if (IsOpen()) CloseArchive();
}

uint32_t CRezMgr::Now() const { return m_clock ? m_clock() : SystemNow(); }

int CRezMgr::OnFileError(RezFileOperation) { return 0; }

void CRezMgr::SetCompact(bool compact) {
  m_header.compact = compact ? 1 : 0;
  NoteChange();
}

void CRezMgr::RaiseLongestDirName(size_t length) {
  if (length + 1 > m_header.longestDirName) m_header.longestDirName = uint32_t(std::min<size_t>(length + 1, kMaxFileOffset));
}

void CRezMgr::RaiseLongestItemName(size_t length) {
  if (length + 1 > m_header.longestItemName) m_header.longestItemName = uint32_t(std::min<size_t>(length + 1, kMaxFileOffset));
}

// ---- file access with the error hook ----

bool CRezMgr::OpenWith(const std::string& path, RezOpenMode mode, std::string* reason) {
  std::string why;
  for (;;) {
    m_file = m_opener ? m_opener(path, mode, why) : OpenRezFile(path, mode, why);
    if (m_file) return true;
    if (!OnFileError(RezFileOperation::kOpen)) break;
  }
  Fail(why.empty() ? "cannot open '" + path + "'" : why);
  if (reason) *reason = m_lastError;
  return false;
}

bool CRezMgr::ReadAt(uint64_t offset, void* buffer, size_t length) {
  for (;;) {
    size_t got = 0;
    const bool ok = m_file->Read(offset, buffer, length, got);
    if (ok && got == length) return true;
    if (!OnFileError(RezFileOperation::kRead)) {
      Fail(ok ? "'" + m_path + "' ends before offset " + std::to_string(offset + length) : m_file->LastError());
      return false;
    }
  }
}

bool CRezMgr::WriteAt(uint64_t offset, const void* data, size_t length) {
  if (m_writeFailed) return false;  // the session is abandoned; never mix old and new
  for (;;) {
    if (m_file->Write(offset, data, length)) return true;
    if (!OnFileError(RezFileOperation::kWrite)) break;
  }
  m_writeFailed = true;
  Fail(m_file->LastError().empty() ? "cannot write '" + m_path + "'" : m_file->LastError());
  return false;
}

bool CRezMgr::FlushFile() {
  for (;;) {
    if (m_file->Flush()) return true;
    if (!OnFileError(RezFileOperation::kFlush)) break;
  }
  m_writeFailed = true;
  Fail(m_file->LastError().empty() ? "cannot flush '" + m_path + "'" : m_file->LastError());
  return false;
}

bool CRezMgr::AppendItemData(const uint8_t* data, uint32_t size, uint32_t& offset) {
  if (m_appendAt + size > kMaxFileOffset) {
    m_writeFailed = true;
    Fail("'" + m_path + "' would grow past 4 GiB");
    return false;
  }
  if (!WriteAt(m_appendAt, data, size)) return false;
  offset = uint32_t(m_appendAt);
  m_appendAt += size;
  m_header.compact = 0;
  return true;
}

bool CRezMgr::CanOverwrite(uint32_t offset, uint32_t size) const {
  if (offset < RezHeader::kSize || !RangeFits(offset, size, FileSize())) return false;
  const uint64_t end = uint64_t(offset) + size;
  auto it = m_claimedBlocks.upper_bound(offset);
  if (it != m_claimedBlocks.begin() && std::prev(it)->second > offset) return false;
  return it == m_claimedBlocks.end() || it->first >= end;
}

// ---- opening ----

bool CRezMgr::OpenArchive(const std::string& path, bool readOnly, std::string* reason) {
  if (IsOpen()) {
    Fail("an archive is open already");
    if (reason) *reason = m_lastError;
    return false;
  }
  m_lastError.clear();
  m_problems.clear();
  m_writeFailed = false;
  m_modified = false;
  if (!OpenWith(path, readOnly ? RezOpenMode::kRead : RezOpenMode::kReadWrite, reason)) return false;
  m_path = path;
  m_readOnly = readOnly;

  uint8_t header[RezHeader::kSize];
  auto refuse = [&](const std::string& why) {
    Fail("'" + path + "' is not an archive: " + why);
    if (reason) *reason = m_lastError;
    m_file->Close();
    m_file.reset();
    return false;
  };
  if (FileSize() < RezHeader::kSize || !ReadAt(0, header, sizeof header)) {
    return refuse(std::to_string(FileSize()) + " bytes, shorter than the 168-byte header");
  }
  m_header.version = LoadU32(header + 127);
  m_header.rootOffset = LoadU32(header + 131);
  m_header.rootSize = LoadU32(header + 135);
  m_header.rootTime = LoadU32(header + 139);
  m_header.dataEnd = LoadU32(header + 143);
  m_header.changeTime = LoadU32(header + 147);
  m_header.largestKeyCount = LoadU32(header + 151);
  m_header.longestDirName = LoadU32(header + 155);
  m_header.longestItemName = LoadU32(header + 159);
  m_header.longestDescription = LoadU32(header + 163);
  m_header.compact = header[167];
  // Any other file (a world, say) would otherwise open as an empty archive, and an update
  // would write over what it holds.
  if (const std::string why = ImpossibleHeader(m_header, FileSize()); !why.empty()) return refuse(why);

  m_root = std::make_unique<CRezDir>(this, nullptr, "");
  m_root->m_blockOffset = m_header.rootOffset;
  m_root->m_blockSize = m_header.rootSize;
  m_root->m_time = m_header.rootTime;
  ReadTree();
  // Bytes past what the tree refers to may still matter to someone (an update cut short,
  // another writer's data): new data never go below the end of the file.
  m_appendAt = std::max(m_appendAt, FileSize());

  if (!readOnly && !m_problems.empty()) {
    // Writing the tree back would drop whatever the damaged blocks held.
    Fail("'" + path + "' is damaged (" + m_problems.front() + "); it is not opened for update");
    if (reason) *reason = m_lastError;
    FreeTree();
    m_file->Close();
    m_file.reset();
    return false;
  }
  return true;
}

void CRezMgr::ReadTree() {
  m_claimedBlocks.clear();
  m_claimedBlocks[0] = RezHeader::kSize;
  m_appendAt = RezHeader::kSize;
  m_maxItemEnd = RezHeader::kSize;
  // Breadth first with an explicit queue: no recursion however the file nests.
  std::vector<CRezDir*> queue{m_root.get()};
  for (size_t next = 0; next < queue.size(); ++next) {
    CRezDir* dir = queue[next];
    if (dir->m_blockSize == 0) continue;
    if (dir->Depth() > kMaxDepth) {
      m_problems.push_back("directory '" + dir->GetPath() + "' lies deeper than " + std::to_string(kMaxDepth) +
                           " levels");
      continue;
    }
    ReadBlock(dir);
    for (CRezDir* sub : dir->SubDirs()) queue.push_back(sub);
  }
  for (const auto& [start, end] : m_claimedBlocks) m_appendAt = std::max<uint64_t>(m_appendAt, end);
  m_appendAt = std::max(m_appendAt, m_maxItemEnd);
}

bool CRezMgr::ClaimBlock(uint64_t offset, uint64_t size) {
  const uint64_t end = offset + size;
  auto it = m_claimedBlocks.upper_bound(offset);
  if (it != m_claimedBlocks.begin() && std::prev(it)->second > offset) return false;
  if (it != m_claimedBlocks.end() && it->first < end) return false;
  m_claimedBlocks.emplace(offset, end);
  return true;
}

void CRezMgr::ReadBlock(CRezDir* dir) {
  const uint64_t offset = dir->m_blockOffset;
  const uint64_t size = dir->m_blockSize;
  const std::string where = "directory '" + dir->GetPath() + "' (block at " + Hex(offset) + ", " +
                            std::to_string(size) + " bytes)";
  if (!RangeFits(offset, size, FileSize())) {
    m_problems.push_back(where + " lies outside the file");
    return;
  }
  if (!ClaimBlock(offset, size)) {
    m_problems.push_back(where + " overlaps the header or another directory block");
    return;
  }
  std::vector<uint8_t> buffer;
  try {
    buffer.resize(size_t(size));
  } catch (const std::bad_alloc&) {
    m_problems.push_back(where + " does not fit in memory");
    return;
  }
  if (!ReadAt(offset, buffer.data(), buffer.size())) {
    m_problems.push_back(where + " cannot be read: " + m_lastError);
    return;
  }
  const ByteSpan block(buffer.data(), buffer.size());

  // Entries are built as they are checked; a block with any bad entry leaves its
  // directory empty, so what was built from it is dropped again.
  const uint64_t fileSize = FileSize();
  const uint64_t maxItemEndBefore = m_maxItemEnd;
  const uint8_t* const data = block.data();
  const size_t blockSize = block.size();
  CRezType* type = nullptr;
  size_t pos = 0;
  while (pos < blockSize) {
    const bool isDir = RangeFits(pos, 4, blockSize) && LoadU32(data + pos) == kDirEntryKind;
    const size_t fixed = isDir ? kDirEntryFixed : kItemEntryFixed;
    size_t nameLength = 0;
    if (!RangeFits(pos, fixed, blockSize) || !TerminatedLength(block, pos + fixed, nameLength)) {
      dir->ClearContents();
      m_maxItemEnd = maxItemEndBefore;
      m_problems.push_back(where + ": entry at " + std::to_string(pos) + " runs past the block");
      return;
    }
    const uint8_t* entry = data + pos;
    const char* name = reinterpret_cast<const char*>(entry + fixed);
    if (isDir) {
      CRezDir* sub = dir->AddSubDir(std::string(name, nameLength));
      sub->m_blockOffset = LoadU32(entry + 4);
      sub->m_blockSize = LoadU32(entry + 8);
      sub->m_time = LoadU32(entry + 12);
      pos += fixed + nameLength + 1;
      continue;
    }
    const size_t descriptionAt = pos + fixed + nameLength + 1;
    const uint64_t keyCount = LoadU32(entry + 24);
    size_t descriptionLength = 0;
    if (!TerminatedLength(block, descriptionAt, descriptionLength) ||
        !RangeFits(descriptionAt + descriptionLength + 1, keyCount * 4, blockSize)) {
      dir->ClearContents();
      m_maxItemEnd = maxItemEndBefore;
      m_problems.push_back(where + ": item entry at " + std::to_string(pos) + " runs past the block");
      return;
    }
    const uint32_t code = LoadU32(entry + 20);
    if (type == nullptr || type->m_code != code) type = dir->GetOrAddType(code);
    CRezItem* item = type->AddItem(LoadU32(entry + 16), std::string(name, nameLength));
    item->m_offset = LoadU32(entry + 4);
    item->m_size = LoadU32(entry + 8);
    item->m_time = LoadU32(entry + 12);
    if (descriptionLength > 0) item->m_description.assign(reinterpret_cast<const char*>(data + descriptionAt), descriptionLength);
    const uint8_t* keys = data + descriptionAt + descriptionLength + 1;
    if (keyCount > 0) {
      item->m_keys.resize(size_t(keyCount));
      for (size_t k = 0; k < keyCount; ++k) item->m_keys[k] = LoadU32(keys + 4 * k);
    }
    dir->NoteItemData(item->m_offset, item->m_size);
    if (item->m_offset >= RezHeader::kSize && RangeFits(item->m_offset, item->m_size, fileSize)) {
      m_maxItemEnd = std::max<uint64_t>(m_maxItemEnd, uint64_t(item->m_offset) + item->m_size);
    }
    pos = descriptionAt + descriptionLength + 1 + size_t(keyCount) * 4;
  }
}

// ---- creating ----

bool CRezMgr::CreateArchive(const std::string& path, std::string* reason) {
  if (IsOpen()) {
    Fail("an archive is open already");
    if (reason) *reason = m_lastError;
    return false;
  }
  m_lastError.clear();
  m_problems.clear();
  m_writeFailed = false;
  if (!OpenWith(path, RezOpenMode::kCreate, reason)) return false;
  m_path = path;
  m_readOnly = false;
  const uint32_t now = Now();
  m_header = RezHeader{};
  m_header.rootTime = now;
  m_header.changeTime = now;
  m_root = std::make_unique<CRezDir>(this, nullptr, "");
  m_root->m_blockOffset = RezHeader::kSize;
  m_root->m_time = now;
  m_claimedBlocks.clear();
  m_claimedBlocks[0] = RezHeader::kSize;
  m_appendAt = RezHeader::kSize;
  m_maxItemEnd = RezHeader::kSize;
  // The empty archive is valid on disk at once; the tree is written on close.
  const std::vector<uint8_t> header = BuildHeader();
  if (!WriteAt(0, header.data(), header.size())) {
    if (reason) *reason = m_lastError;
    FreeTree();
    m_file->Close();
    m_file.reset();
    return false;
  }
  m_modified = true;
  return true;
}

// ---- closing ----

std::vector<uint8_t> CRezMgr::BuildHeader() const {
  ByteWriter w(RezHeader::kSize);
  w.U8(0x0D);
  w.U8(0x0A);
  w.Raw(kIdentification, 49);
  w.Raw("           ", 11);  // pads the text to 60 bytes
  w.U8(0x0D);
  w.U8(0x0A);
  for (int i = 0; i < 60; ++i) w.U8(' ');
  w.U8(0x0D);
  w.U8(0x0A);
  w.U8(0x1A);
  w.U32(1);
  w.U32(m_header.rootOffset);
  w.U32(m_header.rootSize);
  w.U32(m_header.rootTime);
  w.U32(m_header.dataEnd);
  w.U32(m_header.changeTime);
  w.U32(m_header.largestKeyCount);
  w.U32(m_header.longestDirName);
  w.U32(m_header.longestItemName);
  w.U32(m_header.longestDescription);
  w.U8(m_header.compact);
  return std::move(w.Bytes());
}

void CRezMgr::WriteDirBlocks(CRezDir* dir, ByteWriter& image, uint64_t base) {
  const std::vector<CRezDir*> subDirs = dir->SubDirs();
  for (CRezDir* sub : subDirs) WriteDirBlocks(sub, image, base);
  const uint64_t start = base + image.Position();
  for (CRezDir* sub : subDirs) {
    image.U32(kDirEntryKind);
    image.U32(sub->m_blockOffset);
    image.U32(sub->m_blockSize);
    image.U32(sub->m_time);
    image.Raw(sub->m_name.data(), sub->m_name.size());
    image.U8(0);
  }
  for (CRezType* type = dir->FirstType(); type != nullptr; type = dir->NextType(type)) {
    for (CRezItem* item = type->FirstItem(); item != nullptr; item = type->NextItem(item)) {
      image.U32(0);
      image.U32(item->m_offset);
      image.U32(item->m_size);
      image.U32(item->m_time);
      image.U32(item->m_id);
      image.U32(type->m_code);
      image.U32(uint32_t(item->m_keys.size()));
      image.Raw(item->m_name.data(), item->m_name.size());
      image.U8(0);
      image.Raw(item->m_description.data(), item->m_description.size());
      image.U8(0);
      for (uint32_t key : item->m_keys) image.U32(key);
    }
  }
  // Offsets past 4 GiB are caught by the caller before anything is written.
  dir->m_blockOffset = uint32_t(start);
  dir->m_blockSize = uint32_t(base + image.Position() - start);
}

bool CRezMgr::WriteTreeAndHeader() {
  const uint64_t base = m_appendAt;
  ByteWriter image;
  WriteDirBlocks(m_root.get(), image, base);
  if (base + image.Position() > kMaxFileOffset) {
    m_writeFailed = true;
    Fail("'" + m_path + "' would grow past 4 GiB");
    return false;
  }
  if (!WriteAt(base, image.Bytes().data(), image.Position())) return false;
  // The new blocks must be on disk before the header that points at them.
  if (!FlushFile()) return false;
  // The old directory blocks now lie among the item data as dead space.
  if (m_claimedBlocks.size() > 1) m_header.compact = 0;
  m_header.rootOffset = m_root->m_blockOffset;
  m_header.rootSize = m_root->m_blockSize;
  m_header.dataEnd = uint32_t(base);
  const std::vector<uint8_t> header = BuildHeader();
  if (!WriteAt(0, header.data(), header.size())) return false;
  return FlushFile();
}

bool CRezMgr::CloseArchive(std::string* reason) {
  if (!IsOpen()) return true;
  bool ok = true;
  if (!m_readOnly) {
    if (m_writeFailed) {
      ok = false;
      m_lastError = "a write to '" + m_path + "' failed (" + m_lastError +
                    "); the archive keeps its previous contents";
    } else if (m_modified) {
      ok = WriteTreeAndHeader();
      if (!ok) m_lastError = "cannot finish '" + m_path + "' (" + m_lastError + "); it keeps its previous contents";
    }
  }
  for (;;) {
    if (m_file->Close()) break;
    if (!OnFileError(RezFileOperation::kClose)) {
      if (ok) m_lastError = m_file->LastError();
      ok = false;
      break;
    }
  }
  m_file.reset();
  FreeTree();
  if (!ok && reason) *reason = m_lastError;
  return ok;
}

void CRezMgr::FreeTree() {
  m_root.reset();
  m_claimedBlocks.clear();
  m_modified = false;
}

}  // namespace vyr
