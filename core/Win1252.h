// Windows-1252 text, the 8-bit text of the project file and of the page, and
// its conversion to and from Unicode. Characters that Windows-1252 cannot
// hold become '?'.
#pragma once

#include <string>

namespace win1252 {
// The Unicode code point of one Windows-1252 byte (undefined bytes map to
// themselves, as the system code page does).
char32_t ToUnicode(unsigned char c);
// The Windows-1252 byte of a code point, or '?' when there is none.
char FromUnicode(char32_t cp);

std::string FromUtf16(const std::u16string& text);
std::string ToUtf8(const std::string& text);
// Invalid UTF-8 sequences become '?'.
std::string FromUtf8(const std::string& utf8);
}  // namespace win1252
