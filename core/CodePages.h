// The 8-bit code pages an old project's texts may have been typed in: each
// byte 0x80 to 0xFF as its Unicode code point, the names a user gives a code
// page by, and the name shown for it. Standard library only.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The code pages by their numbers.
enum class CodePage : int {
  kCentralEuropean = 1250,
  kCyrillic = 1251,
  kWestern = 1252,
  kGreek = 1253,
  kTurkish = 1254,
  kBaltic = 1257,
};

namespace codepage {
// Every code page, in the order a menu lists them.
constexpr std::array<CodePage, 6> kAll = {CodePage::kCentralEuropean, CodePage::kCyrillic,
                                          CodePage::kGreek,           CodePage::kTurkish,
                                          CodePage::kBaltic,          CodePage::kWestern};

// The code point of `byte` in `page`. A byte the code page leaves undefined
// keeps its own value as its code point (U+0081, U+00AA), as the Windows-1252
// reading does for its five: nothing read is lost, and Windows-1252 holds
// those code points, so saving keeps the byte.
char32_t ToUnicode(CodePage page, unsigned char byte);
// `bytes` in `page`, as UTF-8.
std::string ToUtf8(std::string_view bytes, CodePage page);

// The code page a user names: "windows-1251", "cp1251" or "1251", in any
// case; none for any other name.
std::optional<CodePage> FromName(std::string_view name);
// The code page's name ("windows-1251").
std::string Name(CodePage page);
// What a menu shows for it ("Cyrillic (Windows-1251)").
std::string DisplayName(CodePage page);
// The code pages' names in number order, for a message ("windows-1250, windows-1251, ...").
std::string NameList();
}  // namespace codepage
