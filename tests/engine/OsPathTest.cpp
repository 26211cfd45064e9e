// File names reach the operating system as UTF-8 while the engine keeps them
// as Windows-1252 text.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/Doc.h"
#include "core/KesApp.h"
#include "core/OsPath.h"
#include "output/Staging.h"
#include "support/TestPlatform.h"

namespace fs = std::filesystem;

TEST(OsPath, NonAsciiNamesRoundTripThroughTheFileSystem) {
  const fs::path dir = fs::temp_directory_path() / "velko-ospath-test";
  fs::remove_all(dir);
  fs::create_directories(dir);
  const std::string dir1252 = EnginePath(dir);
  // "caf\xE9" is "café" in Windows-1252.
  const std::string project = dir1252 + "/caf\xE9.but";

  TestPlatform platform;
  KesApp app(platform);
  Doc doc(app);
  app.setCurrentDoc(&doc);
  doc.OnNewDocument();
  ASSERT_TRUE(doc.OnSaveDocument(project));
  EXPECT_TRUE(fs::exists(dir / fs::u8path(u8"caf\u00e9.but")));

  Doc reopened(app);
  ASSERT_TRUE(reopened.OnOpenDocument(project));
  EXPECT_TRUE(platform.messages.empty());

  // Staging copies a file with a non-ASCII name into a folder with one.
  { std::ofstream(dir / fs::u8path(u8"\u00e9t\u00e9.gif")) << "GIF89a"; }
  const std::string target = dir1252 + "/sortie \xE9/";
  ASSERT_TRUE(StageFiles(platform, {dir1252 + "/\xE9t\xE9.gif"}, target));
  EXPECT_TRUE(fs::exists(dir / fs::u8path(u8"sortie \u00e9") / fs::u8path(u8"\u00e9t\u00e9.gif")));
  fs::remove_all(dir);
}
