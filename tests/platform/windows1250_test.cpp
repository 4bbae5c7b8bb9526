// The Windows-1250 conversions: every byte survives, Polish letters land on their bytes,
// characters outside the code page are refused and named.
#include "platform/windows1250.h"

#include <gtest/gtest.h>

namespace vyr {
namespace {

TEST(Windows1250, EveryByteSurvivesDecodeAndEncode) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += char(b);
  std::string back;
  ASSERT_TRUE(Utf8ToWindows1250(Windows1250ToUtf8(all), back));
  EXPECT_EQ(back, all);
}

TEST(Windows1250, LettersLandOnTheirBytes) {
  struct Row {
    uint8_t byte;
    const char* utf8;
  } rows[] = {{0xB9, "ą"}, {0xA5, "Ą"}, {0x9C, "ś"}, {0x8C, "Ś"}, {0xBF, "ż"}, {0xAF, "Ż"},
              {0xB3, "ł"}, {0xA3, "Ł"}, {0x9F, "ź"}, {0x8F, "Ź"}, {0xE6, "ć"}, {0xF3, "ó"},
              {0x80, "€"}, {0x81, "\u0081"}, {0x98, "\u0098"}, {0x41, "A"}};
  for (const Row& row : rows) {
    const std::string byte(1, char(row.byte));
    EXPECT_EQ(Windows1250ToUtf8(byte), row.utf8) << int(row.byte);
    std::string encoded;
    EXPECT_TRUE(Utf8ToWindows1250(row.utf8, encoded)) << row.utf8;
    EXPECT_EQ(encoded, byte) << row.utf8;
  }
}

TEST(Windows1250, ACharacterOutsideTheCodePageIsRefusedAndNamed) {
  struct Row {
    const char* utf8;
    const char* unmappable;
  } rows[] = {{"Zażółć ж", "ж"}, {"中文", "中"}, {"smile 😀", "😀"}, {"ÿ", "ÿ"}, {"bad \xFF", "\uFFFD"},
              {"cut \xC5", "\uFFFD"}};
  for (const Row& row : rows) {
    std::string bytes;
    std::string unmappable;
    EXPECT_FALSE(Utf8ToWindows1250(row.utf8, bytes, &unmappable)) << row.utf8;
    EXPECT_EQ(unmappable, row.unmappable) << row.utf8;
  }
}

}  // namespace
}  // namespace vyr
