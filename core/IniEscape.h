// The text of the settings files, shared by their reader and their writer:
// UTF-8 to and from the UTF-16 the store keeps, keys escaped as "%XX", and
// values quoted and escaped the way the editor's earlier settings class wrote
// them. Only the settings store's own files include this.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ini {

constexpr char16_t kReplacement = 0xFFFD;

// UTF-8 to UTF-16 the way the settings class decodes: every byte that does
// not start a valid sequence becomes U+FFFD. Fed in pieces, an incomplete
// sequence at a piece's end waits for the next piece; at the very end it is
// dropped (`Finish` not called) or replaced byte by byte (`Finish`).
class Utf8Decoder {
 public:
  void Feed(std::string_view bytes, std::u16string& out);
  void Finish(std::u16string& out);

 private:
  std::string pending_;
};

// Whole bytes as text, an incomplete sequence at the end replaced.
std::u16string DecodeUtf8(std::string_view bytes);

bool StartsWith(const std::u16string& s, std::u16string_view prefix);
// ASCII letters compared without their case.
bool EqualsNoCase(std::string_view a, std::string_view b);

// "a/b" is written "a\b"; letters, digits, '_', '-' and '.' stay; other
// characters become %XX or %UXXXX.
void EscapeKey(const std::u16string& key, std::string& out);
// A key or section name as written (UTF-8, "%XX", "%UXXXX", '\' for '/'),
// appended to `out`; a '%' without its digits stays a '%'.
void UnescapeKey(std::string_view bytes, std::u16string& out);

// One stored text as its line's value part, appended to `out`: control
// characters, quotes and backslashes escaped, the whole quoted where it holds
// ';', ',' or '=' or starts or ends with a space. Text after "@ByteArray(",
// "@Variant(" or "@DateTime(" holds bytes: those above 0x7E are escaped, the
// rest UTF-8.
void EscapeValue(const std::u16string& text, std::string& out);
// The text of a value part, or its elements when it has unquoted commas
// (then true, and `list` holds them). Never fails: an unknown escape is
// dropped with its backslash, and so is a backslash at the end.
bool UnescapeValue(std::string_view bytes, std::u16string& result,
                   std::vector<std::u16string>& list);

}  // namespace ini
