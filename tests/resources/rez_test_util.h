// Test helpers for the archive: an in-memory file system with write failures, tree snapshots.
#pragma once

#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "resources/rez_mgr.h"
#include "resources/rez_names.h"

namespace vyr::test {

// Files in memory by path; can fail the k-th write (counted from 1 across all files).
class MemoryFiles {
 public:
  enum class FailMode {
    kNothingWritten,  // write k writes nothing and fails; later writes succeed
    kCrash,           // write k writes half its bytes and fails; every later write fails
  };

  std::shared_ptr<std::vector<uint8_t>>& operator[](const std::string& path) { return m_files[path]; }
  bool Has(const std::string& path) const { return m_files.count(path) != 0; }

  void FailWrite(int k, FailMode mode) {
    m_failAt = k;
    m_mode = mode;
  }
  void FailFlush(int k) { m_failFlushAt = k; }
  int Writes() const { return m_writes; }
  int Flushes() const { return m_flushes; }
  void ResetCounts() {
    m_writes = 0;
    m_flushes = 0;
    m_crashed = false;
  }

  RezFileOpener Opener() {
    return [this](const std::string& path, RezOpenMode mode, std::string& reason) -> std::unique_ptr<RezFile> {
      auto& bytes = m_files[path];
      if (mode == RezOpenMode::kCreate) {
        bytes = std::make_shared<std::vector<uint8_t>>();
      } else if (!bytes) {
        m_files.erase(path);
        reason = "cannot open '" + path + "': no such file";
        return nullptr;
      }
      return std::make_unique<File>(this, bytes);
    };
  }

 private:
  class File : public MemoryRezFile {
   public:
    File(MemoryFiles* owner, std::shared_ptr<std::vector<uint8_t>> bytes)
        : MemoryRezFile(std::move(bytes)), m_owner(owner) {}
    bool Write(uint64_t offset, const void* data, size_t length) override {
      const int number = ++m_owner->m_writes;
      if (m_owner->m_crashed) return false;
      if (number == m_owner->m_failAt) {
        if (m_owner->m_mode == FailMode::kCrash) {
          MemoryRezFile::Write(offset, data, length / 2);
          m_owner->m_crashed = true;
        }
        return false;
      }
      return MemoryRezFile::Write(offset, data, length);
    }
    bool Flush() override { return ++m_owner->m_flushes != m_owner->m_failFlushAt && !m_owner->m_crashed; }
    std::string LastError() const override { return "injected write failure"; }

   private:
    MemoryFiles* m_owner;
  };

  std::map<std::string, std::shared_ptr<std::vector<uint8_t>>> m_files;
  int m_writes = 0;
  int m_flushes = 0;
  int m_failAt = 0;
  int m_failFlushAt = 0;
  FailMode m_mode = FailMode::kNothingWritten;
  bool m_crashed = false;
};

// Every directory and item in iteration order, one line each, with all stored fields
// (block offsets left out: they move whenever the directories are written).
inline std::string Snapshot(CRezDir* dir, bool withData = false) {
  std::ostringstream out;
  out << "D " << dir->GetPath() << " t" << dir->GetTime() << '\n';
  for (CRezType* type = dir->FirstType(); type; type = dir->NextType(type)) {
    for (CRezItem* item = type->FirstItem(); item; item = type->NextItem(item)) {
      out << "  I " << item->GetName() << " c" << std::hex << item->GetType() << std::dec << " id" << item->GetId()
          << " s" << item->GetSize() << " o" << item->GetDataOffset() << " t" << item->GetTime() << " d'"
          << item->GetDescription() << "' k";
      for (uint32_t key : item->GetKeys()) out << key << ',';
      if (withData) {
        const auto data = item->GetData();
        out << " [" << std::string(data.begin(), data.end()) << ']';
        item->ReleaseData();
      }
      out << '\n';
    }
  }
  for (CRezDir* sub = dir->FirstSubDir(); sub; sub = dir->NextSubDir(sub)) out << Snapshot(sub, withData);
  return out.str();
}

}  // namespace vyr::test
