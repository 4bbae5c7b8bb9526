// Fuzzes archive opening: walk the tree, read every item, look each one up by path, and
// for an undamaged archive add an item in update mode and check the tree written back.
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>
#include <algorithm>

#include "resources/rez_mgr.h"
#include "resources/rez_names.h"

namespace {

using namespace vyr;

RezFileOpener Opener(std::shared_ptr<std::vector<uint8_t>> bytes) {
  return [bytes](const std::string&, RezOpenMode, std::string&) -> std::unique_ptr<RezFile> {
    return std::make_unique<MemoryRezFile>(bytes);
  };
}

// One line per directory and item, in table order; with `read`, every item's data are
// read and every item is looked up again by its path.
void Walk(CRezMgr& mgr, bool read, std::vector<std::string>& lines) {
  std::vector<CRezDir*> stack{mgr.GetRootDir()};
  while (!stack.empty()) {
    CRezDir* dir = stack.back();
    stack.pop_back();
    const std::string path = dir->GetPath();
    // The root's time is kept in the header as read at open, so it is not compared.
    lines.push_back("D" + path + "/" + (dir->GetParent() ? std::to_string(dir->GetTime()) : ""));
    for (CRezType* type = dir->FirstType(); type; type = dir->NextType(type)) {
      for (CRezItem* item = type->FirstItem(); item; item = type->NextItem(item)) {
        lines.push_back("I" + path + "/" + item->GetName() + "/" + std::to_string(item->GetId()) + "/" +
                        std::to_string(type->GetCode()) + "/" + std::to_string(item->GetSize()) + "/" +
                        std::to_string(item->GetDataOffset()) + "/" + std::to_string(item->GetTime()) + "/" +
                        item->GetDescription() + "/" + std::to_string(item->GetKeyCount()));
        if (!read) continue;
        const std::span<uint8_t> data = item->GetData();
        if (!data.empty() && data.size() != item->GetSize()) __builtin_trap();
        volatile uint8_t sink = 0;
        for (uint8_t b : data) sink = sink ^ b;
        item->ReleaseData();
        const std::string extension = ExtensionFromTypeCode(type->GetCode());
        mgr.FindItem(path + "/" + item->GetName() + (extension.empty() ? "" : "." + extension));
      }
    }
    if (read) mgr.FindDir(path);
    for (CRezDir* sub = dir->FirstSubDir(); sub; sub = dir->NextSubDir(sub)) stack.push_back(sub);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto bytes = std::make_shared<std::vector<uint8_t>>(data, data + size);
  {
    CRezMgr mgr;
    mgr.SetFileOpener(Opener(bytes));
    if (!mgr.OpenArchive("fuzz.rez", true)) return 0;
    std::vector<std::string> lines;
    Walk(mgr, true, lines);
    mgr.CloseArchive();
  }

  // Update round trip on a copy: the tree written back must read without damage and
  // hold exactly what it held plus the new item.
  auto copy = std::make_shared<std::vector<uint8_t>>(*bytes);
  CRezMgr mgr;
  mgr.SetFileOpener(Opener(copy));
  mgr.SetClock([] { return 12345u; });
  if (!mgr.OpenArchive("fuzz.rez", false)) return 0;
  CRezItem* item = mgr.GetRootDir()->CreateItem(0xFEEDu, "FUZZ", 0x00504944);
  if (item == nullptr) return 0;
  std::memcpy(item->NewData(4).data(), "fuzz", 4);
  if (!item->WriteData()) __builtin_trap();
  item->ReleaseData();
  std::vector<std::string> before;
  Walk(mgr, false, before);
  if (!mgr.CloseArchive()) __builtin_trap();
  if (!mgr.OpenArchive("fuzz.rez", true) || !mgr.Problems().empty()) __builtin_trap();
  std::vector<std::string> after;
  Walk(mgr, false, after);
  std::sort(before.begin(), before.end());
  std::sort(after.begin(), after.end());
  if (before != after) __builtin_trap();
  CRezItem* back = mgr.FindItem("/FUZZ.PID");
  if (back == nullptr) __builtin_trap();
  const std::span<uint8_t> written = back->GetData();
  if (written.size() != 4 || std::memcmp(written.data(), "fuzz", 4) != 0) __builtin_trap();
  return 0;
}
