// Image libraries: lookups by name and every failure message.
#include <gtest/gtest.h>

#include "panel/image_library.h"
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
  std::string error;
  EXPECT_FALSE(WriteImageLibrary(path, {{"", "bad name"}}, &error));
  EXPECT_FALSE(error.empty());
  ImageLibrary lib;
  ASSERT_EQ(ReadImageLibrary(path, lib), 0);
  EXPECT_NE(lib.Find("OLD"), nullptr);
}

}  // namespace
}  // namespace pumpdrill
