// File names stay in the operating system's encoding; only the names a
// project stores are Windows-1252 text.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/Doc.h"
#include "core/KesApp.h"
#include "core/OsPath.h"
#include "output/Staging.h"
#include "support/TestPlatform.h"

namespace fs = std::filesystem;

TEST(OsPath, NamesOutsideWindows1252RoundTripThroughTheFileSystem) {
  const fs::path dir = fs::temp_directory_path() / "velko-ospath-test";
  fs::remove_all(dir);
  fs::create_directories(dir / fs::u8path(u8"目录 Ωμέγα"));
  const std::string project =
      (dir / fs::u8path(u8"目录 Ωμέγα") / fs::u8path(u8"日本語.but")).u8string();

  TestPlatform platform;
  KesApp app(platform);
  Doc doc(app);
  app.setCurrentDoc(&doc);
  doc.OnNewDocument();
  ASSERT_TRUE(doc.OnSaveDocument(project));
  EXPECT_TRUE(fs::exists(fs::u8path(project)));

  Doc reopened(app);
  ASSERT_TRUE(reopened.OnOpenDocument(project));
  EXPECT_EQ(reopened.pathName(), project);
  EXPECT_TRUE(platform.messages.empty());

  // Staging copies a file with such a name into a folder with one.
  { std::ofstream(dir / fs::u8path(u8"画像.gif")) << "GIF89a"; }
  const std::string target = (dir / fs::u8path(u8"出力")).u8string() + "/";
  ASSERT_TRUE(StageFiles(platform, {(dir / fs::u8path(u8"画像.gif")).u8string()}, target));
  EXPECT_TRUE(fs::exists(dir / fs::u8path(u8"出力") / fs::u8path(u8"画像.gif")));
  fs::remove_all(dir);
}

TEST(OsPath, StoredNamesAreTextAndDamagedNamesAreNeverStored) {
  EXPECT_EQ(OsFromStored(u8"café 音.gif"), u8"café 音.gif");
  std::string stored = "old.gif";
  ASSERT_TRUE(StoredFromOs(u8"café €.gif", stored));
  EXPECT_EQ(stored, u8"café €.gif");
  ASSERT_TRUE(StoredFromOs(u8"音.au", stored));
  EXPECT_EQ(stored, u8"音.au");
  EXPECT_FALSE(StoredFromOs("bad\xFF.au", stored));  // not UTF-8 at all
  EXPECT_EQ(stored, u8"音.au");
  EXPECT_EQ(DisplayName("/d/\xFF \xC3\xA9.au"), u8"/d/\uFFFD é.au");
}

TEST(OsPath, APickedNameTheProjectCannotStoreIsRefusedWithAMessage) {
  TestPlatform platform;
  std::string image = "old.gif";
  EXPECT_FALSE(TakePickedName(platform, "/pics/\xE9t\xE9.gif", image));
  EXPECT_EQ(image, "old.gif");
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text,
            u8"The file name '/pics/\uFFFDt\uFFFD.gif' contains characters that cannot be "
            u8"stored in the project. Please rename the file or choose another one.");
  EXPECT_TRUE(TakePickedName(platform, u8"/pics/画像.gif", image));
  EXPECT_EQ(image, u8"/pics/画像.gif");
  EXPECT_EQ(platform.messages.size(), 1u);
}
