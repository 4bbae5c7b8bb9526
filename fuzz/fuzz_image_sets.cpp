// Fuzz harness: an archive image turned into image sets, then every image drawn plain and mirrored.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "resources/image_set.h"
#include "resources/palette.h"
#include "resources/rez_mgr.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vyr;
  auto bytes = std::make_shared<std::vector<uint8_t>>(data, data + size);
  CRezMgr archive;
  archive.SetFileOpener([bytes](const std::string&, RezOpenMode, std::string&) -> std::unique_ptr<RezFile> {
    return std::make_unique<MemoryRezFile>(bytes);
  });
  if (!archive.OpenArchive("fuzz.rez", true)) return 0;
  CPalId cube;
  cube.BuildDefault();
  CDibG target;
  target.Create(96, 64, &cube);
  for (bool fromImages : {false, true}) {
    CPalId palette;  // a BMP may build it from its colour table
    CImageSetTable table;
    table.SetLoadContext({fromImages ? &cube : &palette, fromImages});
    table.LoadImageSets(*archive.GetRootDir(), "", "_");
    table.LoadImageSets(*archive.GetRootDir(), "P", "_");
    for (const auto& [name, set] : table.Sets()) {
      for (int32_t n = set->Lowest(); n <= set->Highest(); ++n) {
        if (const CImage* image = set->GetImage(n)) {
          image->Draw(target, -8, 5, 0);
          image->Draw(target, 40, -3, kImageDrawMirrored);
        }
      }
    }
  }
  return 0;
}
