// The engine's settings store and the editor's settings class share one file:
// each reads what the other writes, and a write by the engine leaves the file
// exactly as the editor's own write of the same value would.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QRect>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <string>
#include <vector>

#include "core/HeadlessPlatform.h"
#include "core/IniSettings.h"
#include "ui/Text.h"

namespace {

const std::vector<QString>& Values() {
  static const std::vector<QString> values = {
      "plain",
      "a, b,c",
      "semi;colon; and = equals",
      "\"quoted\" and 'single'",
      "back\\slash\\",
      "  leading and trailing  ",
      "@leading at",
      "@@two",
      "@ByteArray(not bytes)",
      "line\nbreak\tand\rreturn",
      QString::fromUtf8("Gr\xC3\xB6\xC3\x9F"
                        "e \xE2\x82\xAC"),
      QString::fromUtf8("\xE6\x97\xA5\xE6\x9C\xAC"),
      "",
      " ",
      "#[x]% 41",
      "\x01"
      "1f control",
  };
  return values;
}

const std::vector<QString>& Keys() {
  static const std::vector<QString> keys = {
      "Plain",
      "with space",
      "slash/inside",
      QString::fromUtf8("Gr\xC3\xB6\xC3\x9F"
                        "e"),
      "semi;key",
      "General",
      "%41",
      "dot.dash-under_",
  };
  return keys;
}

QByteArray ReadFile(const QString& path) {
  QFile f(path);
  return f.open(QFile::ReadOnly) ? f.readAll() : QByteArray();
}

const QByteArray kGeometry("\x01\xd9\xd0\xcb\x00\x03\x00\x00geometry\xff", 17);

// A file the editor wrote: geometry bytes, a rectangle, a list, every key
// form and every value form.
void WriteWithQt(const QString& file) {
  QSettings s(file, QSettings::IniFormat);
  for (std::size_t i = 0; i < Values().size(); ++i)
    s.setValue("Values/v" + QString::number(i), Values()[i]);
  for (const QString& k : Keys()) s.setValue("Keys/" + k, k);
  s.setValue("General/topish", "in a section named General");
  s.setValue("top", "no section");
  s.setValue("Ints/n", 42);
  s.setValue("Ints/neg", -7);
  s.setValue("Ints/spaced", " 12 ");
  s.setValue("Geo/geometry", kGeometry);
  s.setValue("Geo/rect", QRect(1, 2, 3, 4));
  s.setValue("Geo/list", QStringList{"a", "b, c", "@d"});
  s.sync();
  ASSERT_EQ(s.status(), QSettings::NoError);
}

TEST(SettingsStore, EngineReadsWhatTheEditorWrites) {
  QTemporaryDir dir;
  const QString file = dir.path() + "/VelkoButton.conf";
  WriteWithQt(file);
  ini::Store store({PathFromQ(file)});
  for (std::size_t i = 0; i < Values().size(); ++i) {
    const std::string key = "v" + std::to_string(i);
    EXPECT_EQ(store.GetString("Values", key, "-"), FromQ(Values()[i])) << key;
  }
  for (const QString& k : Keys()) EXPECT_EQ(store.GetString("Keys", FromQ(k), "-"), FromQ(k));
  EXPECT_EQ(store.GetString("General", "topish", "-"), "in a section named General");
  EXPECT_EQ(store.GetString("", "top", "-"), "no section");
  EXPECT_EQ(store.GetInt("Ints", "n", 0), 42);
  EXPECT_EQ(store.GetInt("Ints", "neg", 0), -7);
  EXPECT_EQ(store.GetInt("Ints", "spaced", 0), 12);
  EXPECT_EQ(store.GetInt("Values", "v0", 5), 5);
  EXPECT_EQ(store.GetString("Geo", "rect", "-"), "-");
  EXPECT_EQ(store.GetString("Geo", "list", "-"), "a, b, c, @d");

  // Read and written back unchanged, the file is byte for byte the editor's.
  const QByteArray bytes = ReadFile(file);
  EXPECT_EQ(ini::Document::Parse(bytes.toStdString()).Serialize(), bytes.toStdString());
}

TEST(SettingsStore, EditorReadsWhatTheEngineWrites) {
  QTemporaryDir dir;
  const QString file = dir.path() + "/VelkoButton.conf";
  WriteWithQt(file);
  ini::Store store({PathFromQ(file)});
  for (std::size_t i = 0; i < Values().size(); ++i) {
    const std::string key = "e" + std::to_string(i);
    ASSERT_TRUE(store.WriteString("Engine", key, FromQ(Values()[i])));
  }
  for (const QString& k : Keys()) ASSERT_TRUE(store.WriteString("Engine Keys", FromQ(k), "x"));
  ASSERT_TRUE(store.WriteInt("Engine", "int", -123));

  QSettings s(file, QSettings::IniFormat);
  for (std::size_t i = 0; i < Values().size(); ++i) {
    const QString key = "Engine/e" + QString::number(i);
    EXPECT_EQ(s.value(key).toString(), ToQ(FromQ(Values()[i]))) << key.toStdString();
  }
  for (const QString& k : Keys())
    EXPECT_EQ(s.value("Engine Keys/" + ToQ(FromQ(k))).toString(), "x") << k.toStdString();
  EXPECT_EQ(s.value("Engine/int").toInt(), -123);
  // The editor's own values survive the engine's writes.
  EXPECT_EQ(s.value("Geo/geometry").toByteArray(), kGeometry);
  EXPECT_EQ(s.value("Geo/rect").toRect(), QRect(1, 2, 3, 4));
  EXPECT_EQ(s.value("Geo/list").toStringList(), (QStringList{"a", "b, c", "@d"}));
  EXPECT_EQ(s.value("Values/v1").toString(), Values()[1]);
}

// A hand-edited file: comments, sections out of order and named twice, odd
// spacing, lists, typed values and a broken line.
const char kHandWritten[] =
    "; comment\n"
    "[Values]\n"
    "v3 = spaced ; trailing comment\n"
    "v1=a,b , \"c,d\"\n"
    "[Geo]\n"
    "rect=@Rect(1 2 3 4)\n"
    "odd=@Rect(1 2)\n"
    "mixed=@Size(1 2), x\n"
    "not a key\n"
    "[Values]\n"
    "v5=\"quoted\" tail\n"
    "v1=again\n"
    "[general]\n"
    "top=\\x41\\102\n"
    "[%General]\n"
    "g=1\n";

TEST(SettingsStore, EngineWriteLeavesTheFileAsTheEditorsWould) {
  for (int start = 0; start < 2; ++start) {
    QTemporaryDir dir;
    const QString engineFile = dir.path() + "/engine.conf";
    const QString qtFile = dir.path() + "/qt.conf";
    if (start == 0) {
      WriteWithQt(engineFile);
    } else {
      QFile f(engineFile);
      ASSERT_TRUE(f.open(QFile::WriteOnly));
      f.write(kHandWritten);
    }
    ASSERT_TRUE(QFile::copy(engineFile, qtFile));
    ini::Store store({PathFromQ(engineFile)});
    int n = 0;
    for (const QString& v : Values()) {
      const QString value = ToQ(FromQ(v));
      // Existing keys and new ones, in existing sections and new ones.
      const QString key =
          ++n % 2 ? "Values/v" + QString::number(n) : "Added/a" + QString::number(n);
      const int slash = key.indexOf('/');
      ASSERT_TRUE(
          store.WriteString(FromQ(key.left(slash)), FromQ(key.mid(slash + 1)), FromQ(value)));
      {
        QSettings s(qtFile, QSettings::IniFormat);
        s.setValue(key, value);
      }
      ASSERT_EQ(ReadFile(engineFile).toStdString(), ReadFile(qtFile).toStdString())
          << "start " << start << ", write " << n;
    }
  }
}

TEST(SettingsStore, FileAddressesAreEncodedAsTheEditorEncodesThem) {
  std::string every = "/";
  for (int c = 1; c < 0x80; ++c)
    if (c != '/') every += static_cast<char>(c);
  const std::vector<std::string> paths = {
      "/tmp/page.html",
      "/tmp/with space/Gr\xC3\xB6\xC3\x9F"
      "e #1?.html",
      every,
      "relative dir/page.html",
      "c:drive",
      "/bad\xFF\xFEutf8",
      "/\xE6\x97\xA5\xE6\x9C\xAC/%41",
      "//Server/share/x y",
  };
  for (const std::string& p : paths)
    EXPECT_EQ(ShellAddress(p), QUrl::fromLocalFile(PathToQ(p)).toEncoded().toStdString()) << p;
  // Addresses keep their form, encoded as the editor's address class encodes them.
  const std::vector<std::string> addresses = {
      "http://example.com/a b?x=1&y=\"2\"#frag ment",
      "https://h/\xC3\xA4/%41%zz",
      "https://h/%41%2f%00%7E",
      "file:///tmp/a b.html#anchor",
      "http://h/<>\\^`{|}",
      "HTTP://User@Example.COM:80/X",
  };
  for (const std::string& a : addresses)
    EXPECT_EQ(ShellAddress(a), QUrl(PathToQ(a)).toEncoded().toStdString()) << a;
}

}  // namespace
