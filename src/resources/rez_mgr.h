// CRezMgr: the resource archive file, its header and its directory tree.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/bytes.h"
#include "resources/rez_dir.h"
#include "resources/rez_file.h"
#include "resources/rez_item.h"
#include "resources/rez_type.h"

namespace vyr {

// The header fields from offset 127 on, as read or to be written.
struct RezHeader {
  static constexpr uint32_t kSize = 168;

  uint32_t version = 1;
  uint32_t rootOffset = kSize;
  uint32_t rootSize = 0;
  uint32_t rootTime = 0;
  uint32_t dataEnd = kSize;  // first directory block = end of the item data
  uint32_t changeTime = 0;
  uint32_t largestKeyCount = 0;
  uint32_t longestDirName = 0;          // length plus one
  uint32_t longestItemName = 0;         // length plus one
  uint32_t longestDescription = 0;      // length plus one
  uint8_t compact = 1;
};

// The file operation that failed, given to the error hook.
enum class RezFileOperation { kOpen, kRead, kWrite, kFlush, kClose };

class CRezMgr {
 public:
  // Directories deeper than this are not read or created, so every walk stays bounded.
  static constexpr size_t kMaxDepth = 256;

  CRezMgr();
  // Closes an open archive (writing its directories in update mode).
  virtual ~CRezMgr();
  CRezMgr(const CRezMgr&) = delete;
  CRezMgr& operator=(const CRezMgr&) = delete;

  // Opens an existing archive and reads its whole directory tree (no item data). Damaged
  // directory blocks become empty directories and are listed in Problems(). Fails, with a
  // reason (also in LastError()), when the file cannot be opened or its header cannot be
  // an archive's: shorter than the header, a root block outside the file or over the
  // header, or an empty root in a file longer than the header.
  bool OpenArchive(const std::string& path, bool readOnly, std::string* reason = nullptr);
  // Makes a new, empty archive at `path` (replacing any file there) and opens it for
  // update, so that an archive can be built in code with CreateDir/CreateItem/NewData/
  // WriteData; CloseArchive writes its directories and header.
  bool CreateArchive(const std::string& path, std::string* reason = nullptr);
  // In update mode writes all directory blocks and then the header; then closes the file
  // and frees the tree. When a write failed earlier in this session nothing more is
  // written, so the file keeps its previous tree, and the close reports failure.
  bool CloseArchive(std::string* reason = nullptr);

  bool IsOpen() const { return m_file != nullptr; }
  bool IsReadOnly() const { return m_readOnly; }
  const std::string& GetPath() const { return m_path; }
  CRezDir* GetRootDir() const { return m_root.get(); }
  CRezDir* FindDir(std::string_view path) const { return m_root ? m_root->FindDir(path) : nullptr; }
  CRezItem* FindItem(std::string_view path) const { return m_root ? m_root->FindItem(path) : nullptr; }

  const RezHeader& Header() const { return m_header; }
  // Marks the item data as holding no dead space (an archive written whole).
  void SetCompact(bool compact);
  // Damage found while reading the tree: one line per bad directory block.
  const std::vector<std::string>& Problems() const { return m_problems; }
  // The reason of the last failed operation.
  const std::string& LastError() const { return m_lastError; }
  // True once a write failed in this update session.
  bool WriteFailed() const { return m_writeFailed; }

  // Test seams: how files are opened, and the clock (seconds since 1970, UTC).
  void SetFileOpener(RezFileOpener opener) { m_opener = std::move(opener); }
  void SetClock(std::function<uint32_t()> clock) { m_clock = std::move(clock); }
  uint32_t Now() const;

 protected:
  // Asked after any failed open, read, write, flush or close whether to try again
  // (non-zero: retry). The base version answers 0, so every failure is final.
  virtual int OnFileError(RezFileOperation operation);

 private:
  friend class CRezDir;
  friend class CRezItem;

  bool OpenWith(const std::string& path, RezOpenMode mode, std::string* reason);
  void ReadTree();
  void ReadBlock(CRezDir* dir);
  bool ClaimBlock(uint64_t offset, uint64_t size);
  std::vector<uint8_t> BuildHeader() const;
  static void WriteDirBlocks(CRezDir* dir, ByteWriter& image, uint64_t base);
  bool WriteTreeAndHeader();
  void FreeTree();

  // File access with the error hook's retries.
  bool ReadAt(uint64_t offset, void* buffer, size_t length);
  bool WriteAt(uint64_t offset, const void* data, size_t length);
  bool FlushFile();
  uint64_t FileSize() const { return m_file ? m_file->Size() : 0; }
  void Fail(std::string reason) { m_lastError = std::move(reason); }

  // For items: append or overwrite their bytes.
  bool AppendItemData(const uint8_t* data, uint32_t size, uint32_t& offset);
  // True when an item's old place may be written over: inside the item data, clear of
  // every directory block read.
  bool CanOverwrite(uint32_t offset, uint32_t size) const;
  void NoteChange() { m_modified = true; }
  void RaiseLongestDirName(size_t length);
  void RaiseLongestItemName(size_t length);

  RezFileOpener m_opener;
  std::function<uint32_t()> m_clock;
  std::unique_ptr<RezFile> m_file;
  std::string m_path;
  std::unique_ptr<CRezDir> m_root;
  RezHeader m_header;
  bool m_readOnly = true;
  bool m_modified = false;
  bool m_writeFailed = false;
  // Where new item data go: past every byte the tree as read refers to and past the end
  // of the file, so the old directory blocks stay intact until the new header points
  // elsewhere.
  uint64_t m_appendAt = RezHeader::kSize;
  uint64_t m_maxItemEnd = RezHeader::kSize;
  std::map<uint64_t, uint64_t> m_claimedBlocks;  // offset -> end, of blocks read
  std::vector<std::string> m_problems;
  std::string m_lastError;
};

}  // namespace vyr
