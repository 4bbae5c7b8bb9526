// Profile file: Windows private-profile reading rules, writing and saving.
#include "platform/profile.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/recent_file_list.h"

namespace vyr {
namespace {

Profile Parsed(std::string_view text) {
  Profile profile;
  profile.Parse({reinterpret_cast<const uint8_t*>(text.data()), text.size()});
  return profile;
}

TEST(Profile, GetProfileIntReadsTheLeadingInteger) {
  struct Row {
    const char* value;
    int expected;
  } rows[] = {
      {"5", 5},          {"-1", -1},      {"+7", 7},           {"  12", 12},
      {"12abc", 12},     {"abc", 0},      {"\"42\"", 42},      {"'-3'", -3},
      {"0x10", 0},       {"4294967295", -1}, {"2147483648", int(0x80000000u)},
      {"- 5", 0},        {"007", 7},
  };
  for (const Row& row : rows) {
    Profile profile = Parsed(std::string("[Options]\nValue=") + row.value + "\n");
    EXPECT_EQ(profile.GetProfileInt("Options", "Value", 99), row.expected) << row.value;
  }
  Profile profile = Parsed("[Options]\nEmpty=\nBare\n");
  EXPECT_EQ(profile.GetProfileInt("Options", "Empty", 99), 99);
  EXPECT_EQ(profile.GetProfileInt("Options", "Bare", 99), 99);
  EXPECT_EQ(profile.GetProfileInt("Options", "Missing", -1), -1);
  EXPECT_EQ(profile.GetProfileInt("Nowhere", "Value", 20), 20);
}

TEST(Profile, NamesIgnoreCaseAndBlanksAndTheFirstSectionWins) {
  Profile profile = Parsed(
      "Orphan=1\r\n"
      "[ options ]\r\n"
      "  Grid = 1  \r\n"
      "[Custom]\n"
      "Move Up=30\n"
      "[OPTIONS]\n"
      "Grid=7\n"
      "WarpX=5\n");
  EXPECT_EQ(profile.GetProfileInt("Options", "GRID", 0), 1);
  EXPECT_EQ(profile.GetProfileInt(" options", "grid ", 0), 1);
  EXPECT_EQ(profile.GetProfileInt("custom", "move up", 20), 30);
  // Lookups stop at the first section of a name, as on Windows.
  EXPECT_EQ(profile.GetProfileInt("Options", "WarpX", -1), -1);
  EXPECT_FALSE(profile.HasKey("Custom", "Orphan"));
}

TEST(Profile, ValuesLoseBlanksAndOnePairOfQuotes) {
  Profile profile = Parsed(
      "[S]\na =  spaced value  \nb=\"quoted\"\nc='x'\nd=\"half\ne=\"\"\"\nf=a=b\n");
  EXPECT_EQ(profile.GetProfileString("S", "a"), "spaced value");
  EXPECT_EQ(profile.GetProfileString("S", "b"), "quoted");
  EXPECT_EQ(profile.GetProfileString("S", "c"), "x");
  EXPECT_EQ(profile.GetProfileString("S", "d"), "\"half");
  EXPECT_EQ(profile.GetProfileString("S", "e"), "\"");
  EXPECT_EQ(profile.GetProfileString("S", "f"), "a=b");
  EXPECT_EQ(profile.GetProfileString("S", "missing", "fallback"), "fallback");
}

TEST(Profile, WritesUpdateInPlaceAndKeepOtherLines) {
  Profile profile = Parsed("; comment\n[Options]\nGrid=0\n; keep me\nAutoZ=1\n");
  EXPECT_TRUE(profile.WriteProfileInt("OPTIONS", "grid", 1));
  EXPECT_TRUE(profile.WriteProfileInt("Custom", "Move Up", -20));
  EXPECT_TRUE(profile.WriteProfileString("/home/a/W.VWD", "Z0", "5"));
  EXPECT_EQ(profile.Serialize(),
            "; comment\n"
            "\n[Options]\nGrid=1\n; keep me\nAutoZ=1\n"
            "\n[Custom]\nMove Up=-20\n"
            "\n[/home/a/W.VWD]\nZ0=5\n");
  Profile again = Parsed(profile.Serialize());
  EXPECT_EQ(again.Serialize(), profile.Serialize());
  EXPECT_EQ(again.GetProfileInt("custom", "move up", 0), -20);
}

TEST(Profile, RefusesWhatTheFileCannotHold) {
  Profile profile;
  EXPECT_FALSE(profile.WriteProfileString("S", "", "v"));
  EXPECT_FALSE(profile.WriteProfileString("", "k", "v"));
  EXPECT_FALSE(profile.WriteProfileString("S", "a=b", "v"));
  EXPECT_FALSE(profile.WriteProfileString("S", "[k", "v"));
  EXPECT_FALSE(profile.WriteProfileString("S\n[X]", "k", "v"));
  EXPECT_FALSE(profile.WriteProfileString("S", "k", "line1\nline2"));
  EXPECT_FALSE(profile.IsDirty());
  EXPECT_TRUE(profile.SectionNames().empty());
  // A section name with a closing bracket inside still reads back.
  EXPECT_TRUE(profile.WriteProfileString("C:\\a]b\\W.VWD", "k", "v"));
  EXPECT_EQ(Parsed(profile.Serialize()).GetProfileString("c:\\A]B\\w.vwd", "K"), "v");
}

TEST(Profile, DeletesKeysAndSections) {
  Profile profile = Parsed("[A]\nx=1\ny=2\n[B]\nz=3\n");
  profile.DeleteKey("a", "X");
  profile.DeleteSection("b");
  EXPECT_EQ(profile.Serialize(), "[A]\ny=2\n");
  EXPECT_EQ(profile.KeyNames("A"), std::vector<std::string>{"y"});
}

class ProfileFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_dir = std::filesystem::temp_directory_path() /
            ("vyr_profile_" + std::to_string(::getpid()) + "_" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(m_dir);
    std::filesystem::create_directories(m_dir);
  }
  void TearDown() override { std::filesystem::remove_all(m_dir); }
  std::filesystem::path m_dir;
};

TEST_F(ProfileFileTest, MissingFileIsEmptyAndSaveCreatesFolders) {
  const std::string path = (m_dir / "sub" / "vyrworld.ini").string();
  Profile profile;
  std::string error;
  ASSERT_TRUE(profile.Load(path, error)) << error;
  EXPECT_TRUE(profile.SectionNames().empty());
  EXPECT_TRUE(profile.Save(error));  // nothing changed: nothing written
  EXPECT_FALSE(std::filesystem::exists(path));
  profile.WriteProfileInt("Options", "TileDialog", 0);
  ASSERT_TRUE(profile.Save(error)) << error;
  Profile reread;
  ASSERT_TRUE(reread.Load(path, error)) << error;
  EXPECT_EQ(reread.GetProfileInt("Options", "TileDialog", 1), 0);
  EXPECT_FALSE(reread.IsDirty());
}

TEST_F(ProfileFileTest, WriteThroughSavesEachChangeAtOnceAndABatchOnceAtItsEnd) {
  const std::string path = (m_dir / "vyrworld.ini").string();
  auto onDisk = [&] { return std::string(std::istreambuf_iterator<char>(std::ifstream(path).rdbuf()), {}); };
  Profile profile;
  profile.SetPath(path);
  profile.SetWriteThrough(true);
  profile.WriteProfileString("Options", "RezFile", "/r.rez");
  EXPECT_EQ(onDisk(), "[Options]\nRezFile=/r.rez\n");
  {
    Profile::Batch batch(profile);
    profile.DeleteKey("Options", "RezFile");
    profile.WriteProfileInt("W", "Zoom", 200);
    EXPECT_EQ(onDisk(), "[Options]\nRezFile=/r.rez\n") << "held back inside the batch";
  }
  EXPECT_EQ(onDisk(), "[Options]\n\n[W]\nZoom=200\n");
  profile.SetPath(m_dir.string());  // a folder: the change stays, with the reason
  profile.WriteProfileInt("W", "Zoom", 50);
  EXPECT_TRUE(profile.IsDirty() && !profile.WriteError().empty());
}

TEST_F(ProfileFileTest, UnreadableProfileIsReported) {
  Profile profile;
  std::string error;
  EXPECT_FALSE(profile.Load(m_dir.string(), error));  // a folder
  EXPECT_FALSE(error.empty());
}

TEST_F(ProfileFileTest, DefaultPathFollowsTheEnvironment) {
  const char* savedProfile = std::getenv("VYRWORLD_PROFILE");
  const char* savedXdg = std::getenv("XDG_CONFIG_HOME");
  std::string keepProfile = savedProfile ? savedProfile : "";
  std::string keepXdg = savedXdg ? savedXdg : "";
  ::setenv("VYRWORLD_PROFILE", "/tmp/x.ini", 1);
  EXPECT_EQ(Profile::DefaultPath(), "/tmp/x.ini");
  ::unsetenv("VYRWORLD_PROFILE");
  ::setenv("XDG_CONFIG_HOME", "/cfg", 1);
  EXPECT_EQ(Profile::DefaultPath(), "/cfg/vyrworld.ini");
  ::unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(Profile::DefaultPath(), std::string(std::getenv("HOME")) + "/.config/vyrworld.ini");
  if (savedProfile) ::setenv("VYRWORLD_PROFILE", keepProfile.c_str(), 1);
  if (savedXdg) ::setenv("XDG_CONFIG_HOME", keepXdg.c_str(), 1);
}

TEST(RecentFileList, KeepsFourMostRecentFirst) {
  RecentFileList list;
  for (const char* path : {"/a", "/b", "/c", "/d", "/e"}) list.Add(path);
  EXPECT_EQ(list[0], "/e");
  EXPECT_EQ(list[3], "/b");
  list.Add("/c");  // moves to the top, nothing dropped
  EXPECT_EQ(list[0], "/c");
  EXPECT_EQ(list[1], "/e");
  EXPECT_EQ(list[2], "/d");
  EXPECT_EQ(list[3], "/b");
  list.Remove(1);
  EXPECT_EQ(list[1], "/d");
  EXPECT_EQ(list[3], "");
  list.Add("/C");  // paths compare exactly on Linux
  EXPECT_EQ(list[0], "/C");
  EXPECT_EQ(list[1], "/c");
}

TEST(RecentFileList, LivesInTheProfileAsFile1ToFile4) {
  Profile profile = Parsed("[Recent File List]\nFile1=/w/one.VWD\nFile3=/w/three.VWD\nFile9=x\n");
  RecentFileList list;
  list.ReadList(profile);
  EXPECT_EQ(list[0], "/w/one.VWD");
  EXPECT_EQ(list[1], "");
  EXPECT_EQ(list[2], "/w/three.VWD");
  list.Add("/w/new.VWD");
  list.WriteList(profile);
  EXPECT_EQ(profile.Serialize(),
            "[Recent File List]\nFile1=/w/new.VWD\nFile2=/w/one.VWD\nFile4=/w/three.VWD\n");
}

TEST(RecentFileList, MenuTextNumbersShortensAndEscapes) {
  RecentFileList list;
  list.Add("/home/user/projects/worlds/levels/DEMO.VWD");
  list.Add("/tmp/R&D.VWD");
  EXPECT_EQ(list.MenuText(0), "&1 /tmp/R&&D.VWD");
  EXPECT_EQ(list.MenuText(1), "&2 /.../worlds/levels/DEMO.VWD");
  EXPECT_EQ(list.MenuText(2), "");
  EXPECT_EQ(AbbreviatePath("/averyveryveryverylongfolder/averyveryverylongname.VWD", 30),
            "/.../averyveryverylongname.VWD");
  EXPECT_EQ(AbbreviatePath("/averyveryveryverylongfolder/averyveryveryverylongname.VWD", 30),
            "averyveryveryverylongname.VWD");
  EXPECT_EQ(AbbreviatePath("short.VWD", 5), "short.VWD");
}

}  // namespace
}  // namespace vyr
