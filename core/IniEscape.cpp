#include "core/IniEscape.h"

#include <algorithm>
#include <cstddef>

#include "core/Win1252.h"

namespace ini {

namespace {

bool IsHex(char16_t c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
int FromHex(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}
int FromOct(char c) {
  return c >= '0' && c <= '7' ? c - '0' : -1;
}
char HexUpper(unsigned v) {
  return "0123456789ABCDEF"[v & 0xF];
}
std::string HexLower(unsigned v) {
  std::string s;
  do {
    s.insert(s.begin(), "0123456789abcdef"[v & 0xF]);
    v >>= 4;
  } while (v);
  return s;
}

void AppendCodePoint(char32_t cp, std::u16string& out) {
  if (cp < 0x10000) {
    out.push_back(static_cast<char16_t>(cp));
  } else {
    cp -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
  }
}

void AppendUtf8(char32_t cp, std::string& out) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

void ChopTrailingBlanks(std::u16string& s, std::size_t limit) {
  while (s.size() > limit && (s.back() == u' ' || s.back() == u'\t')) s.pop_back();
}

}  // namespace

// ---- UTF-8 ---------------------------------------------------------------

void Utf8Decoder::Feed(std::string_view bytes, std::u16string& out) {
  std::string buf;
  if (!pending_.empty()) {
    buf = pending_ + std::string(bytes);
    pending_.clear();
    bytes = buf;
  }
  std::size_t i = 0;
  while (i < bytes.size()) {
    // A sequence the bytes so far cut short waits for the next ones.
    if (utf8::CutShort(bytes.substr(i))) {
      pending_.assign(bytes.substr(i));
      return;
    }
    AppendCodePoint(utf8::Next(bytes, i), out);
  }
}

void Utf8Decoder::Finish(std::u16string& out) {
  out.append(pending_.size(), kReplacement);
  pending_.clear();
}

std::u16string DecodeUtf8(std::string_view bytes) {
  std::u16string out;
  Utf8Decoder d;
  d.Feed(bytes, out);
  d.Finish(out);
  return out;
}

bool StartsWith(const std::u16string& s, std::u16string_view prefix) {
  return s.size() >= prefix.size() && std::u16string_view(s).substr(0, prefix.size()) == prefix;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

// ---- Keys ----------------------------------------------------------------

void EscapeKey(const std::u16string& key, std::string& out) {
  for (char16_t ch : key) {
    if (ch == '/') {
      out += '\\';
    } else if ((ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') ||
               ch == '_' || ch == '-' || ch == '.') {
      out += static_cast<char>(ch);
    } else if (ch <= 0xFF) {
      out += '%';
      out += HexUpper(ch >> 4);
      out += HexUpper(ch);
    } else {
      out += "%U";
      for (int shift = 12; shift >= 0; shift -= 4) out += HexUpper(ch >> shift);
    }
  }
}

void UnescapeKey(std::string_view bytes, std::u16string& out) {
  const std::u16string decoded = DecodeUtf8(bytes);
  const std::size_t size = decoded.size();
  std::size_t i = 0;
  while (i < size) {
    const char16_t ch = decoded[i];
    if (ch == '\\') {
      out += u'/';
      ++i;
      continue;
    }
    if (ch != '%' || i == size - 1) {
      out += ch;
      ++i;
      continue;
    }
    std::size_t digits = 2, first = i + 1;
    if (decoded[i + 1] == 'U') {
      ++first;
      digits = 4;
    }
    bool ok = first + digits <= size;
    unsigned value = 0;
    for (std::size_t k = 0; ok && k < digits; ++k) {
      const char16_t d = decoded[first + k];
      ok = IsHex(d);
      if (ok) value = value * 16 + static_cast<unsigned>(FromHex(static_cast<char>(d)));
    }
    if (!ok) {
      out += u'%';
      ++i;
      continue;
    }
    out += static_cast<char16_t>(value);
    i = first + digits;
  }
}

// ---- Values --------------------------------------------------------------

void EscapeValue(const std::u16string& str, std::string& result) {
  bool needsQuotes = false, escapeNextIfDigit = false;
  const bool utf8 = !(StartsWith(str, u"@ByteArray(") || StartsWith(str, u"@Variant(") ||
                      StartsWith(str, u"@DateTime("));
  const std::size_t start = result.size();
  for (std::size_t k = 0; k < str.size(); ++k) {
    const char16_t ch = str[k];
    if (ch == ';' || ch == ',' || ch == '=') needsQuotes = true;
    if (escapeNextIfDigit && IsHex(ch)) {
      result += "\\x" + HexLower(ch);
      continue;
    }
    escapeNextIfDigit = false;
    switch (ch) {
      case 0:
        result += "\\0";
        escapeNextIfDigit = true;
        break;
      case '\a':
        result += "\\a";
        break;
      case '\b':
        result += "\\b";
        break;
      case '\f':
        result += "\\f";
        break;
      case '\n':
        result += "\\n";
        break;
      case '\r':
        result += "\\r";
        break;
      case '\t':
        result += "\\t";
        break;
      case '\v':
        result += "\\v";
        break;
      case '"':
      case '\\':
        result += '\\';
        result += static_cast<char>(ch);
        break;
      default:
        if (ch <= 0x1F || (ch >= 0x7F && !utf8)) {
          result += "\\x" + HexLower(ch);
          escapeNextIfDigit = true;
        } else if (utf8) {
          char32_t cp = ch;
          if (ch >= 0xD800 && ch <= 0xDBFF && k + 1 < str.size() && str[k + 1] >= 0xDC00 &&
              str[k + 1] <= 0xDFFF) {
            cp = 0x10000 + ((ch - 0xD800) << 10) + (str[++k] - 0xDC00);
          } else if (ch >= 0xD800 && ch <= 0xDFFF) {
            cp = kReplacement;
          }
          AppendUtf8(cp, result);
        } else {
          result += static_cast<char>(ch);
        }
    }
  }
  if (needsQuotes ||
      (start < result.size() && (result[start] == ' ' || result[result.size() - 1] == ' '))) {
    result.insert(result.begin() + static_cast<std::ptrdiff_t>(start), '"');
    result += '"';
  }
}

namespace {

// What a backslash and the character after it decode to.
enum class EscapeKind {
  Char,     // one character: the rule's `value`
  Hex,      // the hex digits after the 'x', as many as come (none: nothing)
  Octal,    // the octal digits from this one on, as many as come
  LineEnd,  // a continued line: nothing ("\r\n" and "\n\r" are one line end)
};
struct EscapeRule {
  char first, last;  // the characters after the backslash the rule takes
  EscapeKind kind;
  char16_t value;
};
// Any other character after a backslash is dropped with it.
constexpr EscapeRule kEscapeRules[] = {
    {'a', 'a', EscapeKind::Char, u'\a'},   {'b', 'b', EscapeKind::Char, u'\b'},
    {'f', 'f', EscapeKind::Char, u'\f'},   {'n', 'n', EscapeKind::Char, u'\n'},
    {'r', 'r', EscapeKind::Char, u'\r'},   {'t', 't', EscapeKind::Char, u'\t'},
    {'v', 'v', EscapeKind::Char, u'\v'},   {'"', '"', EscapeKind::Char, u'"'},
    {'?', '?', EscapeKind::Char, u'?'},    {'\'', '\'', EscapeKind::Char, u'\''},
    {'\\', '\\', EscapeKind::Char, u'\\'}, {'x', 'x', EscapeKind::Hex, 0},
    {'0', '7', EscapeKind::Octal, 0},      {'\n', '\n', EscapeKind::LineEnd, 0},
    {'\r', '\r', EscapeKind::LineEnd, 0},
};

constexpr unsigned kHex = 16, kOctal = 8;

int DigitIn(unsigned base, char c) {
  return base == kHex ? FromHex(c) : FromOct(c);
}

// One value part, read from left to right: blanks around an unquoted
// element are left out (not those an escape or quotes make), quotes may
// open and close anywhere, and unquoted commas separate elements.
class ValueDecoder {
 public:
  explicit ValueDecoder(std::string_view bytes) : s_(bytes) {}

  bool Decode(std::u16string& result, std::vector<std::u16string>& list) {
    bool isList = false, inQuotes = false, quoted = false;
    std::size_t keep = result.size();  // blanks before this stay
    SkipBlanks();
    while (i_ < s_.size()) {
      const char c = s_[i_];
      if (c == '\\') {
        Escape(result);
        keep = result.size();
      } else if (c == '"') {
        ++i_;
        quoted = true;
        inQuotes = !inQuotes;
        if (!inQuotes) {
          SkipBlanks();
          keep = result.size();
        }
      } else if (c == ',' && !inQuotes) {
        if (!quoted) ChopTrailingBlanks(result, keep);
        if (!isList) list.clear();
        isList = true;
        list.push_back(result);
        result.clear();
        quoted = false;
        ++i_;
        SkipBlanks();
        keep = 0;
      } else {
        Plain(result);
      }
    }
    if (!quoted) ChopTrailingBlanks(result, keep);
    if (isList) list.push_back(result);
    return isList;
  }

 private:
  void SkipBlanks() {
    while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\t')) ++i_;
  }

  // The text up to the next backslash, quote or comma; a UTF-8 sequence cut
  // by an escape or a comma goes on after it.
  void Plain(std::u16string& out) {
    std::size_t end = i_ + 1;
    while (end < s_.size() && s_[end] != '\\' && s_[end] != '"' && s_[end] != ',') ++end;
    utf8_.Feed(s_.substr(i_, end - i_), out);
    i_ = end;
  }

  // The escape at the backslash at i_; a backslash at the end is dropped.
  void Escape(std::u16string& out) {
    if (++i_ >= s_.size()) return;
    const char after = s_[i_++];
    const EscapeRule* rule =
        std::find_if(std::begin(kEscapeRules), std::end(kEscapeRules),
                     [after](const EscapeRule& r) { return after >= r.first && after <= r.last; });
    if (rule == std::end(kEscapeRules)) return;
    switch (rule->kind) {
      case EscapeKind::Char:
        out += rule->value;
        break;
      case EscapeKind::Hex:
        if (i_ < s_.size() && FromHex(s_[i_]) >= 0) out += Number(kHex);
        break;
      case EscapeKind::Octal:
        --i_;  // the first digit
        out += Number(kOctal);
        break;
      case EscapeKind::LineEnd:
        if (i_ < s_.size() && (s_[i_] == '\n' || s_[i_] == '\r') && s_[i_] != after) ++i_;
        break;
    }
  }

  // The digits at i_ as one character (a larger number keeps its low 16 bits).
  char16_t Number(unsigned base) {
    unsigned value = 0;
    for (int digit = 0; i_ < s_.size() && (digit = DigitIn(base, s_[i_])) >= 0; ++i_)
      value = (value * base + static_cast<unsigned>(digit)) & 0xFFFF;
    return static_cast<char16_t>(value);
  }

  std::string_view s_;
  std::size_t i_ = 0;
  Utf8Decoder utf8_;
};

}  // namespace

bool UnescapeValue(std::string_view bytes, std::u16string& result,
                   std::vector<std::u16string>& list) {
  return ValueDecoder(bytes).Decode(result, list);
}

}  // namespace ini
