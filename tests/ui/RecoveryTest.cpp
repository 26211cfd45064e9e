// Unsaved edits kept when the editor ends without asking: where the recovery
// file goes and what it holds, and what the next start does with each
// answer to its offer.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QTemporaryDir>

#include "QuietApp.h"
#include "core/Archive.h"
#include "core/Doc.h"
#include "core/Recovery.h"
#include "core/SafeFile.h"
#include "support/TestPlatform.h"
#include "ui/App.h"

namespace {

std::string Bytes(const std::string& path) {
  std::string bytes;
  safefile::ReadAll(path, bytes);
  return bytes;
}

int Mode(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 ? int(st.st_mode & 07777) : -1;
}

// Beside the project when its folder takes the file, else in the cache
// folder; the settings name both paths exactly, whatever bytes they hold.
TEST(Recovery, KeptBesideTheProjectOrInTheCache) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const std::string root = dir.path().toStdString() + "/";
  const std::string cache = root + "cache/";
  struct Row {
    std::string project;
    bool besideTaken;  // a folder stands where the file beside it would go
    std::string expected;
  };
  const Row rows[] = {
      {root + "site/shop.but", false, root + "site/.shop.but.recovery"},
      {root + "site/100% caf\xC3\xA9.but", false, root + "site/.100% caf\xC3\xA9.but.recovery"},
      {root + "site/taken.but", true, cache + "recovery-77-taken.but"},
      {"", false, cache + "recovery-77-Untitled.but"},
      {root + "site/linked.but", false, root + "site/.linked.but.recovery"},
  };
  TestPlatform platform;
  QDir().mkpath(dir.filePath("site"));
  // A stranger's folder may hold a link where the file goes: it is replaced,
  // and the file it leads to is left as it was.
  const std::string theirs = root + "authorized_keys";
  ASSERT_TRUE(safefile::WriteBytes(theirs, "ssh-ed25519 AAAA me\n"));
  ASSERT_EQ(symlink(theirs.c_str(), (root + "site/.linked.but.recovery").c_str()), 0);
  for (const Row& row : rows) {
    if (row.besideTaken) QDir().mkpath(dir.filePath("site/.taken.but.recovery"));
    const std::string bytes = "project\r\n\x01\xFF" + row.project;
    EXPECT_EQ(recovery::Keep(platform, row.project, bytes, cache, 77), row.expected);
    EXPECT_EQ(Bytes(row.expected), bytes) << row.expected;
    EXPECT_EQ(Mode(row.expected), 0600) << row.expected;
  }
  // Newest first, each with its project.
  std::vector<recovery::Kept> pending = recovery::Pending(platform);
  ASSERT_EQ(pending.size(), std::size(rows));
  for (std::size_t i = 0; i < pending.size(); ++i) {
    EXPECT_EQ(pending[i].file, rows[std::size(rows) - 1 - i].expected);
    EXPECT_EQ(pending[i].project, rows[std::size(rows) - 1 - i].project);
  }
  // One whose file is gone is forgotten; one forgotten is removed.
  QFile::remove(QString::fromStdString(rows[0].expected));
  recovery::Forget(platform, rows[3].expected, true);
  EXPECT_FALSE(safefile::StampOf(rows[3].expected).exists);
  pending = recovery::Pending(platform);
  ASSERT_EQ(pending.size(), 3u);
  EXPECT_EQ(pending[0].file, rows[4].expected);
  EXPECT_EQ(pending[1].file, rows[2].expected);
  EXPECT_EQ(pending[2].file, rows[1].expected);
  EXPECT_EQ(Bytes(theirs), "ssh-ed25519 AAAA me\n");
  EXPECT_TRUE(safefile::LinkTarget(rows[4].expected).empty());
}

// Yes opens the kept edits as unsaved changes to their project (undoing
// never makes them saved) and removes the file; No removes it and opens
// nothing; Cancel keeps it for the next start.
TEST(Recovery, OfferedAtTheNextStart) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const std::string project = dir.filePath("shop.but").toStdString();
  std::string edited;
  {
    TestPlatform maker;
    KesApp app(maker);
    Doc doc(app);
    app.setCurrentDoc(&doc);
    ASSERT_TRUE(doc.OnNewDocument());
    ASSERT_TRUE(doc.OnSaveDocument(project));
    doc.AddNewButton(-1);
    Archive ar;
    doc.Serialize(ar);
    edited = ar.Bytes();
  }
  const std::string saved = Bytes(project);
  ASSERT_NE(saved, edited);
  for (const int answer : {IdYes, IdNo, IdCancel}) {
    TestPlatform platform;
    const std::string kept =
        recovery::Keep(platform, project, edited, dir.filePath("cache/").toStdString(), 1);
    ASSERT_FALSE(kept.empty());
    platform.answers = {answer};
    App app(platform, Quiet());
    ASSERT_TRUE(app.InitInstance({}));
    ASSERT_EQ(platform.messages.size(), 1u) << answer;
    EXPECT_NE(platform.messages[0].text.find("changes to " + project + " were saved"),
              std::string::npos)
        << platform.messages[0].text;
    EXPECT_NE(platform.messages[0].text.find("'" + kept + "'"), std::string::npos);
    EXPECT_EQ(safefile::StampOf(kept).exists, answer == IdCancel) << answer;
    EXPECT_EQ(recovery::Pending(platform).size(), answer == IdCancel ? 1u : 0u) << answer;
    Doc& doc = app.doc();
    if (answer == IdYes) {
      EXPECT_EQ(doc.pathName(), project);
      EXPECT_TRUE(doc.IsModified());
      Archive ar;
      doc.Serialize(ar);
      EXPECT_EQ(ar.Bytes(), edited);
      doc.AddNewButton(-1);
      EXPECT_TRUE(doc.Undo());
      EXPECT_TRUE(doc.IsModified());
    } else {
      EXPECT_TRUE(doc.pathName().empty());
      EXPECT_FALSE(doc.IsModified());
    }
    EXPECT_EQ(Bytes(project), saved);
    doc.SetModifiedFlag(false);
    app.ExitInstance();
    recovery::Forget(platform, kept, true);
  }
}

}  // namespace
