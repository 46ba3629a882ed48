// Image libraries: lookups by name and every failure message.
#include "panel/image_library.h"

#include <gtest/gtest.h>

#include "recording_host.h"
#include "scratch_dir.h"

namespace pumpdrill {
namespace {

using testing::ScratchDir;

TEST(ImageLibrary, WrittenImagesAreFoundByNameInAnyCase) {
  ScratchDir dir;
  std::string path = (dir / "misc04.dll").string();
  ASSERT_TRUE(WriteImageLibrary(path, {{"Supply_Draft", "draft-bytes"}, {"BTN_START", "start"}}));
  RecordingHost host;
  ImageLibraryHandle lib;
  ASSERT_TRUE(OpenImageLibrary(path, lib, host));
  ASSERT_TRUE(lib);
  ASSERT_NE(lib->Find("supply_draft"), nullptr);
  EXPECT_EQ(*lib->Find("SUPPLY_DRAFT"), "draft-bytes");
  EXPECT_EQ(*lib->Find("btn_start"), "start");
  EXPECT_EQ(lib->Find("SUPPLY_RELAY"), nullptr);
  EXPECT_EQ(lib->Size(), 2u);
  EXPECT_TRUE(host.messages.empty());
  CloseImageLibrary(lib);
  EXPECT_FALSE(lib);
}

TEST(ImageLibrary, AMissingOrDamagedFileIsReportedWithItsErrorNumber) {
  ScratchDir dir;
  RecordingHost host;
  ImageLibraryHandle lib;
  std::string missing = (dir / "panel04.dll").string();
  EXPECT_FALSE(OpenImageLibrary(missing, lib, host));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].type, MsgType::Confirmation);
  EXPECT_EQ(host.messages[0].buttons, Buttons::Ok);
  EXPECT_EQ(host.messages[0].text, "Error 2: loading " + missing);

  // A library cut short in the middle of an image.
  std::string path = (dir / "cut.dll").string();
  ASSERT_TRUE(WriteImageLibrary(path, {{"A", std::string(100, 'x')}}));
  std::string whole = testing::ReadText(path);
  testing::WriteText(path, whole.substr(0, whole.size() - 10));
  host.messages.clear();
  EXPECT_FALSE(OpenImageLibrary(path, lib, host));
  EXPECT_EQ(host.messages.at(0).text, "Error 193: loading " + path);
  EXPECT_FALSE(lib);

  testing::WriteText(path, "MZ not a library at all");
  host.messages.clear();
  EXPECT_FALSE(OpenImageLibrary(path, lib, host));
  EXPECT_EQ(host.messages.at(0).text, "Error 193: loading " + path);
}

TEST(ImageLibrary, StartUpReportsAMissingMiscLibraryOnce) {
  ScratchDir dir;
  RecordingHost host;
  ImageLibraryHandle lib;
  std::string main = dir.path().string() + "/";
  EXPECT_FALSE(OpenMiscImageLibrary(main, lib, host));
  ASSERT_EQ(host.messages.size(), 2u);
  EXPECT_EQ(host.messages[0].text, "Cannot find " + main + "misc04.dll");
  EXPECT_EQ(host.messages[1].text, "Cannot open " + main + "misc04.dll");
  for (const auto& m : host.messages) EXPECT_EQ(m.type, MsgType::Confirmation);

  testing::WriteText(dir / "misc04.dll", "garbage");
  host.messages.clear();
  EXPECT_FALSE(OpenMiscImageLibrary(main, lib, host));
  ASSERT_EQ(host.messages.size(), 2u);
  EXPECT_EQ(host.messages[0].text, "Error 193: loading " + main + "misc04.dll");
  EXPECT_EQ(host.messages[1].text, "Cannot open " + main + "misc04.dll");

  ASSERT_TRUE(WriteImageLibrary(main + "misc04.dll", {{"X", "y"}}));
  host.messages.clear();
  EXPECT_TRUE(OpenMiscImageLibrary(main, lib, host));
  EXPECT_TRUE(host.messages.empty());
}

TEST(ImageLibrary, PanelLookupsAddTheirOwnMessage) {
  ScratchDir dir;
  RecordingHost host;
  ImageLibraryHandle lib;
  std::string main = dir.path().string() + "/";
  EXPECT_FALSE(OpenPanelImageLibrary(main, lib, host));
  ASSERT_EQ(host.messages.size(), 2u);
  EXPECT_EQ(host.messages[1].text, "Cannot open picture library " + main + "panel04.dll");
  host.messages.clear();
  EXPECT_FALSE(OpenPanelImageLibrary(main, lib, host, false));
  EXPECT_EQ(host.messages.at(1).text, "Cannot open " + main + "panel04.dll");
}

TEST(ImageLibrary, AFailedWriteKeepsTheOldLibrary) {
  ScratchDir dir;
  std::string path = (dir / "misc04.dll").string();
  ASSERT_TRUE(WriteImageLibrary(path, {{"OLD", "1"}}));
  const std::vector<LibraryImage> bad[] = {
      {{"", "bad name"}}, {{"ZERO", "x", 0}}, {{"HUGE", "x", kMaxImageScale + 1}}};
  for (const auto& images : bad) {
    std::string error;
    EXPECT_FALSE(WriteImageLibrary(path, images, &error)) << images[0].Name;
    EXPECT_FALSE(error.empty()) << images[0].Name;
  }
  ImageLibrary lib;
  ASSERT_EQ(ReadImageLibrary(path, lib), 0);
  EXPECT_NE(lib.Find("OLD"), nullptr);
}

TEST(ImageLibrary, EachPictureKeepsItsScale) {
  ScratchDir dir;
  std::string path = (dir / "panel04.dll").string();
  ASSERT_TRUE(WriteImageLibrary(
      path, {{"GAUGE_BIG_E", "face", 4}, {"Old_Lamp", "lamp"}, {"FINE", "f", kMaxImageScale}}));
  ImageLibrary lib;
  ASSERT_EQ(ReadImageLibrary(path, lib), 0);
  const struct {
    const char* name;
    int scale;
  } cases[] = {{"gauge_big_e", 4}, {"OLD_LAMP", 1}, {"FINE", kMaxImageScale}, {"NONE", 1}};
  for (const auto& c : cases) EXPECT_EQ(lib.Scale(c.name), c.scale) << c.name;
  EXPECT_EQ(*lib.Find("GAUGE_BIG_E"), "face");
}

// Files of the first format (no scales) and damaged scales.
TEST(ImageLibrary, VersionOneReadsAsScaleOneAndBadScalesAreRefused) {
  auto file = [](std::uint32_t version, const std::string& entry) {
    std::string out = "PDIMGLIB";
    for (std::uint32_t v : {version, 1u})
      for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
    return out + entry;
  };
  const std::string name = std::string("\x03\0", 2) + "ABC";
  const std::string data = std::string("\x02\0\0\0", 4) + "xy";
  const struct {
    const char* what;
    std::string bytes;
    int error, scale;
  } cases[] = {
      {"version 1", file(1, name + data), 0, 1},
      {"version 2, scale 3", file(2, name + std::string("\x03\0", 2) + data), 0, 3},
      {"version 2, scale 0", file(2, name + std::string("\0\0", 2) + data), kBadImageLibrary, 0},
      {"version 2, scale 17", file(2, name + std::string("\x11\0", 2) + data), kBadImageLibrary, 0},
      {"version 2 without its scale", file(2, name + data), kBadImageLibrary, 0},
      {"version 3", file(3, name + std::string("\x01\0", 2) + data), kBadImageLibrary, 0},
      {"version 0", file(0, name + data), kBadImageLibrary, 0},
  };
  ScratchDir dir;
  for (const auto& c : cases) {
    std::string path = (dir / "lib.dll").string();
    testing::WriteText(path, c.bytes);
    ImageLibrary lib;
    ASSERT_EQ(ReadImageLibrary(path, lib), c.error) << c.what;
    if (c.error == 0) {
      ASSERT_NE(lib.Find("ABC"), nullptr) << c.what;
      EXPECT_EQ(*lib.Find("ABC"), "xy") << c.what;
      EXPECT_EQ(lib.Scale("ABC"), c.scale) << c.what;
    }
  }
}

}  // namespace
}  // namespace pumpdrill
