#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "core/Archive.h"

namespace {
std::string Utf16le(const std::u16string& s) {
  std::string out;
  for (char16_t c : s) {
    out.push_back(static_cast<char>(c & 0xFF));
    out.push_back(static_cast<char>(c >> 8));
  }
  return out;
}

std::string ReadOne(const std::string& bytes) {
  Archive r(bytes.data(), bytes.size());
  std::string s = r.ReadString();
  EXPECT_TRUE(r.AtEnd());
  return s;
}
}  // namespace

TEST(Archive, StringPrefixesAtTheirLimits) {
  struct Case {
    std::size_t n;
    std::string prefix;
  };
  const Case cases[] = {
      {0, std::string("\x00", 1)},
      {254, "\xFE"},
      {255, std::string("\xFF\xFF\x00", 3)},
      {65533, "\xFF\xFD\xFF"},
      {65534, std::string("\xFF\xFF\xFF\xFE\xFF\x00\x00", 7)},
      {70000, std::string("\xFF\xFF\xFF\x70\x11\x01\x00", 7)},
  };
  for (const Case& c : cases) {
    const std::string text(c.n, 'x');
    Archive w;
    w.WriteString(text);
    ASSERT_EQ(w.Bytes().size(), c.prefix.size() + c.n) << c.n;
    EXPECT_EQ(w.Bytes().substr(0, c.prefix.size()), c.prefix) << c.n;
    EXPECT_EQ(ReadOne(w.Bytes()), text) << c.n;
  }
}

TEST(Archive, IntegersAndColoursAreLittleEndian) {
  Archive w;
  int32_t i = -2;
  uint32_t red = 0x0000FF;
  uint32_t mixed = 0x00FF8040;
  w.Int(i);
  w.Color(red);
  w.Color(mixed);
  EXPECT_EQ(w.Bytes(), std::string("\xFE\xFF\xFF\xFF"
                                   "\xFF\x00\x00\x00"
                                   "\x40\x80\xFF\x00",
                                   12));

  Archive r(w.Bytes().data(), w.Bytes().size());
  int32_t i2 = 0;
  uint32_t c1 = 0, c2 = 0;
  r.Int(i2);
  r.Color(c1);
  r.Color(c2);
  EXPECT_EQ(i2, -2);
  EXPECT_EQ(c1, red);
  EXPECT_EQ(c2, mixed);
}

TEST(Archive, WideStringsAreReadWhole) {
  // "A", the euro sign, e acute, a character Windows-1252 lacks, a surrogate
  // pair and a lone surrogate (which becomes U+FFFD).
  const std::u16string wide = u"A\u20AC\u00E9\u4E2D\U0001F600z";
  ASSERT_EQ(wide.size(), 7u);
  const std::string expected = u8"A\u20AC\u00E9\u4E2D\U0001F600z";
  // One-byte length.
  EXPECT_EQ(ReadOne(std::string("\xFF\xFE\xFF\x07", 4) + Utf16le(wide)), expected);
  EXPECT_EQ(ReadOne(std::string("\xFF\xFE\xFF\x02", 4) + Utf16le(std::u16string(1, 0xD800) + u"x")),
            u8"\uFFFDx");
  // Three-byte length (a non-canonical but valid length form).
  EXPECT_EQ(ReadOne(std::string("\xFF\xFE\xFF\xFF\x07\x00", 6) + Utf16le(wide)), expected);
  // Seven-byte length.
  EXPECT_EQ(ReadOne(std::string("\xFF\xFE\xFF\xFF\xFF\xFF\x07\x00\x00\x00", 10) + Utf16le(wide)),
            expected);
  // A long wide string: 300 characters.
  const std::u16string longWide(300, u'\u2122');
  std::string trademarks;
  for (int i = 0; i < 300; ++i) trademarks += u8"\u2122";
  EXPECT_EQ(ReadOne(std::string("\xFF\xFE\xFF\xFF\x2C\x01", 6) + Utf16le(longWide)), trademarks);
  // An empty wide string.
  EXPECT_EQ(ReadOne(std::string("\xFF\xFE\xFF\x00", 4)), "");
}

TEST(Archive, LengthsBeyondTheDataFailBeforeAllocating) {
  // A 7-byte prefix claiming 4 GB in a 30-byte block.
  std::string bytes("\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 7);
  bytes.resize(30, 'x');
  {
    Archive r(bytes.data(), bytes.size());
    EXPECT_THROW(r.ReadString(), ArchiveError);
  }
  // Lengths one past the data, in every form.
  const std::string shortOnes[] = {
      std::string("\x03"
                  "ab",
                  3),
      std::string("\xFF\x00\x01", 3) + std::string(255, 'x'),
      std::string("\xFF\xFF\xFF\x00\x00\x01\x00", 7) + std::string(65535, 'x'),
      std::string("\xFF\xFE\xFF\x02"
                  "A\0B",
                  7),
      std::string("\xFF\xFE\xFF\xFF\xFF\xFF\xFF\xFF\xFF\x7F", 10) + "xxxxxxxx",
  };
  for (const std::string& s : shortOnes) {
    Archive r(s.data(), s.size());
    EXPECT_THROW(r.ReadString(), ArchiveError) << s.size();
  }
  // Every prefix cut short.
  const std::string cut[] = {"",
                             "\xFF",
                             "\xFF\xFF",
                             "\xFF\xFF\xFF",
                             "\xFF\xFF\xFF\x01\x00",
                             "\xFF\xFE",
                             "\xFF\xFE\xFF",
                             "\xFF\xFE\xFF\xFF\x01"};
  for (const std::string& s : cut) {
    Archive r(s.data(), s.size());
    EXPECT_THROW(r.ReadString(), ArchiveError) << s.size();
  }
  // Integers cut short.
  for (std::size_t n = 0; n < 4; ++n) {
    const std::string s(n, '\x01');
    Archive r(s.data(), s.size());
    EXPECT_THROW(r.ReadInt(), ArchiveError) << n;
  }
}
