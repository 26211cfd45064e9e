// VelkoScript keywords and their numeric tokens, and the small text helpers
// the generators share.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The token of a keyword (compared ignoring case) when tokenizing is on;
// otherwise, or for an unknown word, the word itself.
std::string Tok(const std::string& word, bool tokenize);
// The same without a copy: the token, or `word` itself.
std::string_view TokView(std::string_view word, bool tokenize);

// Appends the decimal digits of `value` (with "-" when negative).
void AppendDecimal(std::string& out, int64_t value);

// Copies `text` with every character of `set` replaced by `replacement`.
std::string ReplaceChars(const std::string& text, const std::string& set, char replacement);
// Appends `text` to `out` with every character of `set` replaced.
void AppendReplacingChars(std::string& out, std::string_view text, std::string_view set,
                          char replacement);

// The characters that make scripts one line: CR, tab, LF and form feed.
inline constexpr const char* kLineBreakChars = "\r\t\n\f";

// Whether a path is an address on the web rather than a local file.
// `driveRoot` is the root of the current drive ("c:\\"), empty on POSIX.
bool IsAddress(const std::string& path, const std::string& driveRoot = std::string());

// The file name and extension of a path: both '/' and '\' separate folders and
// a drive "X:" is dropped.
std::string FileNameOf(const std::string& path);

// Whether a path is absolute: it starts with '/' or '\' or has ':' as its
// second character.
bool IsAbsolutePath(const std::string& path);
// Whether a caption's font name is a font file (.woff2, .woff, .ttf or .otf)
// rather than the name of an installed font.
bool IsFontFile(const std::string& font);
