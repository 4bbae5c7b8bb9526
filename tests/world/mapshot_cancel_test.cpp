// A snapshot stopped through its progress writes nothing; one left to run tells its progress.
#include <gtest/gtest.h>

#include <filesystem>

#include "document_fixture.h"
#include "world/map_snapshot.h"

namespace vyr {
namespace {

TEST(RenderMapshot, StoppingWritesNothingInEitherFormat) {
  test::TempFolder folder;
  test::WriteArchive(folder / "data.rez", test::StandardArchive());
  test::PlaneSpec tall{"Ground", 1};
  tall.height = 600;  // several bands at 100 %
  test::WriteWorld(folder / "w.vwd", test::StandardProperties(folder / "data.rez"), {tall});
  test::DocumentRig rig;
  ASSERT_TRUE(rig.doc.OnOpenDocument(folder / "w.vwd")) << rig.doc.FailureReason();

  for (const char* name : {"a.bmp", "a.png"}) {
    for (const int stopAt : {1, 2, -1}) {
      const std::string path = folder / (std::to_string(stopAt) + name);
      std::vector<int> told;
      std::string reason;
      const int written = RenderMapshot(path, rig.doc, 1, true, &reason, [&](int percent) {
        told.push_back(percent);
        return int(told.size()) != stopAt;
      });
      const bool stopped = stopAt > 0;
      EXPECT_EQ(written, stopped ? -1 : 1) << path << " " << reason;
      EXPECT_EQ(std::filesystem::exists(path), !stopped) << path;
      EXPECT_TRUE(std::is_sorted(told.begin(), told.end()));
      if (!stopped) {
        EXPECT_GT(told.size(), 2u);
      }
    }
  }
}

}  // namespace
}  // namespace vyr
