// The engine's text is UTF-8. Windows-1252 is the 8-bit text of the project
// file's strings, of the page and of the input file: these conversions are
// the crossings between the two. A character Windows-1252 cannot hold is
// written in the form its destination reads back (an escape in a script, a
// character reference in HTML, an escape in CSS).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace win1252 {
// The Unicode code point of one Windows-1252 byte (undefined bytes map to
// themselves, as the system code page does).
char32_t ToUnicode(unsigned char c);
// The Windows-1252 byte of a code point, or '?' when there is none.
char FromUnicode(char32_t cp);
// Whether Windows-1252 has a byte for `cp`.
bool HasByte(char32_t cp);

// Windows-1252 bytes as UTF-8.
std::string ToUtf8(std::string_view text1252);
// UTF-8 as Windows-1252 bytes; characters it cannot hold (and invalid
// sequences) become '?'. For messages about names only.
std::string FromUtf8(std::string_view utf8);

// How a character Windows-1252 cannot hold is written in 8-bit text.
enum class Escape {
  Script,  // \u{10D}: read back by the runtime's quoted-text and word reader
  Html,    // &#x10D;: a numeric character reference
  Css,     // \10D and a blank: an escape in a style sheet's string
  Url,     // %C4%8D: the character's UTF-8 bytes, as a browser asks for them
};
// Appends `utf8` as Windows-1252 bytes, every other character written as
// `escape` says; an invalid sequence is read as U+FFFD.
void AppendEncoded(std::string& out, std::string_view utf8, Escape escape);
std::string Encode(std::string_view utf8, Escape escape);
// Whether every character of `utf8` has a Windows-1252 byte.
bool Holds(std::string_view utf8);
}  // namespace win1252

namespace utf8 {
// The code point at `i`, moving `i` past it; an invalid sequence gives
// U+FFFD and moves one byte. `i` must be before the end.
char32_t Next(std::string_view text, std::size_t& i);
// Whether `text` begins a well-formed sequence that it ends before finishing
// (the rest may come with the next bytes).
bool CutShort(std::string_view text);
void Append(std::string& out, char32_t cp);
// `bytes` with every invalid sequence replaced by U+FFFD.
std::string Valid(std::string_view bytes);
bool IsValid(std::string_view bytes);
// The number of characters (code points) in `text`.
std::size_t Length(std::string_view text);
// The first `count` characters of `text` (all of it when shorter).
std::string_view Prefix(std::string_view text, std::size_t count);
// UTF-16 to UTF-8 and back; a lone surrogate becomes U+FFFD.
std::string FromUtf16(std::u16string_view text);
std::u16string ToUtf16(std::string_view text);
}  // namespace utf8
