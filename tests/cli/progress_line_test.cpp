// The tool's progress line: drawn in place on a terminal, cleared at the end, absent elsewhere.
#include "cli/progress_line.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace vyr::cli {
namespace {

TEST(ProgressLine, DrawnInPlaceOnlyOnATerminal) {
  for (const bool terminal : {true, false}) {
    char* text = nullptr;
    size_t size = 0;
    std::FILE* out = open_memstream(&text, &size);
    ASSERT_NE(out, nullptr);
    {
      ProgressLine line("snapshot", out, terminal);
      line.Percent(5);
      line.Percent(5);  // unchanged: not drawn again
      line.Percent(10);
      line.Count(7, "files");
    }
    std::fclose(out);
    EXPECT_EQ(std::string(text, size),
              terminal ? "\rsnapshot: 5%\rsnapshot: 10%\rsnapshot: 7 files\r                 \r" : "");
    std::free(text);
  }
}

}  // namespace
}  // namespace vyr::cli
