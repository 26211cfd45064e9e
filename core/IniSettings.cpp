#include "core/IniSettings.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <utility>

#include "core/SafeFile.h"
#include "core/Win1252.h"

namespace ini {

namespace {

constexpr char16_t kReplacement = 0xFFFD;

bool StartsWith(const std::u16string& s, std::u16string_view prefix) {
  return s.size() >= prefix.size() && std::u16string_view(s).substr(0, prefix.size()) == prefix;
}

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

// UTF-8 to UTF-16 the way the settings class decodes: every byte that does
// not start a valid sequence becomes U+FFFD. Fed in pieces, an incomplete
// sequence at a piece's end waits for the next piece; at the very end it is
// dropped (`Finish` false) or replaced byte by byte (`Finish` true).
class Utf8Decoder {
 public:
  void Feed(std::string_view bytes, std::u16string& out) {
    std::string buf;
    if (!pending_.empty()) {
      buf = pending_ + std::string(bytes);
      pending_.clear();
      bytes = buf;
    }
    std::size_t i = 0;
    while (i < bytes.size()) {
      const unsigned char c = static_cast<unsigned char>(bytes[i]);
      if (c < 0x80) {
        out.push_back(c);
        ++i;
        continue;
      }
      int need = 0;
      char32_t cp = 0;
      unsigned char lo = 0x80, hi = 0xBF;
      if (c >= 0xC2 && c <= 0xDF) {
        need = 1;
        cp = c & 0x1F;
      } else if (c >= 0xE0 && c <= 0xEF) {
        need = 2;
        cp = c & 0x0F;
        if (c == 0xE0) lo = 0xA0;
        if (c == 0xED) hi = 0x9F;
      } else if (c >= 0xF0 && c <= 0xF4) {
        need = 3;
        cp = c & 0x07;
        if (c == 0xF0) lo = 0x90;
        if (c == 0xF4) hi = 0x8F;
      } else {
        out.push_back(kReplacement);
        ++i;
        continue;
      }
      int k = 1;
      bool bad = false, incomplete = false;
      for (; k <= need; ++k) {
        if (i + k >= bytes.size()) {
          incomplete = true;
          break;
        }
        const unsigned char b = static_cast<unsigned char>(bytes[i + k]);
        if (b < (k == 1 ? lo : 0x80) || b > (k == 1 ? hi : 0xBF)) {
          bad = true;
          break;
        }
        cp = (cp << 6) | (b & 0x3F);
      }
      if (bad) {
        out.push_back(kReplacement);
        ++i;
        continue;
      }
      if (incomplete) {
        pending_.assign(bytes.substr(i));
        return;
      }
      AppendCodePoint(cp, out);
      i += static_cast<std::size_t>(need) + 1;
    }
  }
  void Finish(std::u16string& out) {
    out.append(pending_.size(), kReplacement);
    pending_.clear();
  }

 private:
  std::string pending_;
};

std::u16string DecodeUtf8(std::string_view bytes) {
  std::u16string out;
  Utf8Decoder d;
  d.Feed(bytes, out);
  d.Finish(out);
  return out;
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

std::u16string FromWin1252(const std::string& s) {
  std::u16string out;
  out.reserve(s.size());
  for (unsigned char c : s) out.push_back(static_cast<char16_t>(win1252::ToUnicode(c)));
  return out;
}

// ---- Keys --------------------------------------------------------------

// "a/b" is written "a\b"; letters, digits, '_', '-' and '.' stay; other
// characters become %XX or %UXXXX.
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
std::string_view TrimAscii(std::string_view s) {
  auto space = [](char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
  };
  while (!s.empty() && space(s.front())) s.remove_prefix(1);
  while (!s.empty() && space(s.back())) s.remove_suffix(1);
  return s;
}

// ---- Lines ---------------------------------------------------------------

// kEndsRun: a character that ends a run of plain text in a line (end of line,
// quote, comment, equals sign or escape).
enum : unsigned char { kSpace = 1, kEndsRun = 2 };
unsigned char Traits(char c) {
  switch (c) {
    case '\t':
    case ' ':
      return kSpace;
    case '\n':
    case '\r':
      return kSpace | kEndsRun;
    case '"':
    case ';':
    case '=':
    case '\\':
      return kEndsRun;
    default:
      return 0;
  }
}

// The next logical line from `pos`: leading blanks and whole-line comments
// skipped, quoted newlines and escaped line ends kept, a ';' comment after
// the value cut off. False at the end.
bool ReadLine(std::string_view data, std::size_t& pos, std::size_t& lineStart, std::size_t& lineLen,
              std::size_t& equalsPos) {
  constexpr std::size_t kNone = std::string_view::npos;
  const std::size_t len = data.size();
  bool inQuotes = false;
  equalsPos = kNone;
  lineStart = pos;
  while (lineStart < len && (Traits(data[lineStart]) & kSpace)) ++lineStart;
  std::size_t i = lineStart;
  bool done = false;
  while (i < len && !done) {
    char ch = data[i];
    while (!(Traits(ch) & kEndsRun)) {
      if (++i == len) {
        done = true;
        break;
      }
      ch = data[i];
    }
    if (done) break;
    ++i;
    if (ch == '=') {
      if (!inQuotes && equalsPos == kNone) equalsPos = i - 1;
    } else if (ch == '\n' || ch == '\r') {
      if (i == lineStart + 1) {
        ++lineStart;
      } else if (!inQuotes) {
        --i;
        done = true;
      }
    } else if (ch == '\\') {
      if (i < len) {
        const char c = data[i++];
        if (i < len) {
          const char c2 = data[i];
          if ((c == '\n' && c2 == '\r') || (c == '\r' && c2 == '\n')) ++i;
        }
      }
    } else if (ch == '"') {
      inQuotes = !inQuotes;
    } else {  // ';'
      if (i == lineStart + 1) {
        while (i < len && data[i] != '\n' && data[i] != '\r') ++i;
        while (i < len && (Traits(data[i]) & kSpace)) ++i;
        lineStart = i;
      } else if (!inQuotes) {
        --i;
        done = true;
      }
    }
  }
  pos = i;
  lineLen = i - lineStart;
  return lineLen > 0;
}

// ---- Values --------------------------------------------------------------

void ChopTrailingBlanks(std::u16string& s, std::size_t limit) {
  while (s.size() > limit && (s.back() == u' ' || s.back() == u'\t')) s.pop_back();
}

// The text of a value part, or the elements when it has unquoted commas
// (then true).
bool UnescapeValue(std::string_view str, std::u16string& result,
                   std::vector<std::u16string>& list) {
  static const char kEscapes[][2] = {{'a', '\a'}, {'b', '\b'},  {'f', '\f'}, {'n', '\n'},
                                     {'r', '\r'}, {'t', '\t'},  {'v', '\v'}, {'"', '"'},
                                     {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
  enum class St { SkipSpaces, Normal, Hex, Oct, End };
  bool isList = false, inQuoted = false, currentQuoted = false;
  char16_t escapeVal = 0;
  std::size_t i = 0;
  const std::size_t n = str.size();
  Utf8Decoder decoder;
  St st = St::SkipSpaces;
  while (st != St::End) {
    switch (st) {
      case St::SkipSpaces:
        while (i < n && (str[i] == ' ' || str[i] == '\t')) ++i;
        st = St::Normal;
        break;
      case St::Normal: {
        std::size_t chopLimit = result.size();
        St next = St::End;
        bool jumped = false;
        while (i < n && !jumped) {
          const char c = str[i];
          if (c == '\\') {
            ++i;
            if (i >= n) {
              jumped = true;  // ends without cutting trailing blanks
              break;
            }
            const char e = str[i++];
            bool known = false;
            for (const auto& code : kEscapes) {
              if (e == code[0]) {
                result += static_cast<char16_t>(code[1]);
                known = true;
                break;
              }
            }
            if (known) {
              chopLimit = result.size();
              continue;
            }
            if (e == 'x') {
              escapeVal = 0;
              if (i >= n) {
                jumped = true;
                break;
              }
              if (FromHex(str[i]) >= 0) {
                next = St::Hex;
                jumped = true;
                break;
              }
            } else if (FromOct(e) >= 0) {
              escapeVal = static_cast<char16_t>(FromOct(e));
              next = St::Oct;
              jumped = true;
              break;
            } else if (e == '\n' || e == '\r') {
              if (i < n) {
                const char e2 = str[i];
                if ((e2 == '\n' || e2 == '\r') && e2 != e) ++i;
              }
            }
            chopLimit = result.size();
          } else if (c == '"') {
            ++i;
            currentQuoted = true;
            inQuoted = !inQuoted;
            if (!inQuoted) {
              next = St::SkipSpaces;
              jumped = true;
            }
          } else if (c == ',' && !inQuoted) {
            if (!currentQuoted) ChopTrailingBlanks(result, chopLimit);
            if (!isList) {
              isList = true;
              list.clear();
            }
            list.push_back(result);
            result.clear();
            currentQuoted = false;
            ++i;
            next = St::SkipSpaces;
            jumped = true;
          } else {
            std::size_t j = i + 1;
            while (j < n && str[j] != '\\' && str[j] != '"' && str[j] != ',') ++j;
            decoder.Feed(str.substr(i, j - i), result);
            i = j;
          }
        }
        if (!jumped && !currentQuoted) ChopTrailingBlanks(result, chopLimit);
        st = next;
        break;
      }
      case St::Hex:
      case St::Oct: {
        // Digits as long as they come, then the character they make.
        const bool hex = st == St::Hex;
        const int digit = i < n ? (hex ? FromHex(str[i]) : FromOct(str[i])) : -1;
        if (digit >= 0) {
          escapeVal = static_cast<char16_t>((escapeVal << (hex ? 4 : 3)) + digit);
          ++i;
        } else {
          result += escapeVal;
          st = i >= n ? St::End : St::Normal;
        }
        break;
      }
      case St::End:
        break;
    }
  }
  if (isList) list.push_back(result);
  return isList;
}

// QString::toInt: an optional sign and decimal digits, within int.
bool ParseInt(std::u16string_view s, int& value) {
  std::size_t i = 0;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  if (i >= s.size()) return false;
  long long v = 0;
  for (; i < s.size(); ++i) {
    if (s[i] < '0' || s[i] > '9') return false;
    v = v * 10 + (s[i] - '0');
    if (v > static_cast<long long>(INT_MAX) + 1) return false;
  }
  if (negative) v = -v;
  if (v < INT_MIN || v > INT_MAX) return false;
  value = static_cast<int>(v);
  return true;
}

bool IsUnicodeSpace(char16_t c) {
  return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680 ||
         (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F ||
         c == 0x3000;
}

std::u16string_view TrimUnicode(std::u16string_view s) {
  while (!s.empty() && IsUnicodeSpace(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsUnicodeSpace(s.back())) s.remove_suffix(1);
  return s;
}

std::u16string Ascii(const std::string& s) {
  return std::u16string(s.begin(), s.end());
}

std::u16string ToLatin1Units(std::u16string s) {
  for (char16_t& c : s)
    if (c > 0xFF) c = u'?';
  return s;
}

// The stored form of one element (what the value's line holds before
// quoting and escaping).
std::u16string StoredText(const Value& v) {
  switch (v.kind) {
    case Value::Kind::Invalid:
      return u"@Invalid()";
    case Value::Kind::String:
      if (v.text.find(u'\0') != std::u16string::npos) return u"@String(" + v.text + u")";
      if (!v.text.empty() && v.text[0] == u'@') return u"@" + v.text;
      return v.text;
    case Value::Kind::ByteArray:
      return u"@ByteArray(" + v.text + u")";
    case Value::Kind::Other:
      return v.text;
    case Value::Kind::StringList:
    case Value::Kind::List:
      break;
  }
  return u"@Invalid()";
}

void EscapeText(const std::u16string& str, std::string& result) {
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

}  // namespace

Value Value::Text(std::u16string text) {
  Value v;
  v.kind = Kind::String;
  v.text = std::move(text);
  return v;
}

Value FromStoredText(const std::u16string& s) {
  Value v;
  if (!s.empty() && s[0] == u'@') {
    if (s.back() == u')') {
      if (StartsWith(s, u"@ByteArray(")) {
        v.kind = Value::Kind::ByteArray;
        v.text = ToLatin1Units(s.substr(11, s.size() - 12));
        return v;
      }
      if (StartsWith(s, u"@String(")) return Value::Text(s.substr(8, s.size() - 9));
      if (s == u"@Invalid()") return v;
      if (!StartsWith(s, u"@@")) {
        // A typed value of another program (a rectangle, a serialized
        // object): no text of ours, kept as it stands.
        v.kind = Value::Kind::Other;
        v.text = ToLatin1Units(s);
        return v;
      }
    }
    if (StartsWith(s, u"@@")) return Value::Text(s.substr(1));
  }
  return Value::Text(s);
}

Value ParseValue(std::string_view bytes) {
  std::u16string text;
  std::vector<std::u16string> list;
  if (!UnescapeValue(bytes, text, list)) return FromStoredText(text);
  Value v;
  for (const std::u16string& item : list) {
    if (!item.empty() && item[0] == u'@' && (item.size() < 2 || item[1] != u'@')) {
      v.kind = Value::Kind::List;
      v.items.clear();
      for (const std::u16string& each : list) v.items.push_back(FromStoredText(each));
      return v;
    }
  }
  v.kind = Value::Kind::StringList;
  for (const std::u16string& item : list)
    v.items.push_back(Value::Text(StartsWith(item, u"@@") ? item.substr(1) : item));
  return v;
}

std::string FormatValue(const Value& value) {
  std::string out;
  if (value.kind == Value::Kind::StringList || value.kind == Value::Kind::List) {
    if (value.items.empty()) return "@Invalid()";
    for (std::size_t i = 0; i < value.items.size(); ++i) {
      if (i) out += ", ";
      EscapeText(StoredText(value.items[i]), out);
    }
    return out;
  }
  EscapeText(StoredText(value), out);
  return out;
}

bool ValueText(const Value& value, std::u16string& text) {
  switch (value.kind) {
    case Value::Kind::String:
      text = value.text;
      return true;
    case Value::Kind::StringList:
      text.clear();
      for (std::size_t i = 0; i < value.items.size(); ++i) {
        if (i) text += u", ";
        text += value.items[i].text;
      }
      return true;
    case Value::Kind::ByteArray: {
      std::string bytes(value.text.begin(), value.text.end());
      text = DecodeUtf8(bytes);
      return true;
    }
    case Value::Kind::Invalid:
    case Value::Kind::List:
    case Value::Kind::Other:
      break;
  }
  return false;
}

// ---- Documents -------------------------------------------------------------

Document Document::Parse(std::string_view data) {
  constexpr std::string_view kBom = "\xEF\xBB\xBF";
  if (data.substr(0, kBom.size()) == kBom) data.remove_prefix(kBom.size());

  // The lines of each section (a section named twice is one section), then
  // the keys of the sections in the order of their names: a later line
  // replaces an earlier one of the same key.
  std::map<std::u16string, std::string> sections;
  std::u16string current;
  std::size_t currentStart = 0, pos = 0, lineStart = 0, lineLen = 0, equalsPos = 0;
  auto flush = [&] {
    std::string& text = sections[current];
    if (!text.empty()) text += '\n';
    const std::size_t end = std::min(lineStart, data.size());
    if (end > currentStart) text.append(data.substr(currentStart, end - currentStart));
  };
  while (ReadLine(data, pos, lineStart, lineLen, equalsPos)) {
    const std::string_view line = data.substr(lineStart, lineLen);
    if (line[0] != '[') continue;
    flush();
    std::size_t close = line.find(']');
    if (close == std::string_view::npos) close = line.size();
    const std::string_view name = TrimAscii(line.substr(1, close - 1));
    current.clear();
    if (!EqualsNoCase(name, "general")) {
      if (EqualsNoCase(name, "%general")) {
        for (char c : name.substr(1))
          current += static_cast<char16_t>(static_cast<unsigned char>(c));
      } else {
        UnescapeKey(name, current);
      }
      current += u'/';
    }
    currentStart = pos;
  }
  lineStart = data.size();
  flush();

  Document doc;
  for (const auto& [section, lines] : sections) {
    const std::string_view text = lines;
    std::size_t p = 0;
    while (ReadLine(text, p, lineStart, lineLen, equalsPos)) {
      if (equalsPos == std::string_view::npos) continue;
      const std::string_view line = text.substr(lineStart, lineLen);
      const std::size_t eq = equalsPos - lineStart;
      std::u16string key = section;
      UnescapeKey(TrimAscii(line.substr(0, eq)), key);
      doc.keys_[std::move(key)] = ParseValue(line.substr(eq + 1));
    }
  }
  return doc;
}

const Value* Document::Find(const std::u16string& key) const {
  auto it = keys_.find(key);
  return it == keys_.end() ? nullptr : &it->second;
}

std::vector<std::u16string> Document::Keys() const {
  std::vector<std::u16string> keys;
  for (const auto& entry : keys_) keys.push_back(entry.first);
  return keys;
}

void Document::Set(const std::u16string& key, Value value) {
  keys_[key] = std::move(value);
}

std::string Document::Serialize() const {
  // Sections in the order of their names, and the keys of each in the order
  // of theirs; the top level is [General].
  std::map<std::u16string, std::map<std::u16string, const Value*>> sections;
  for (const auto& [fullKey, value] : keys_) {
    const std::size_t slash = fullKey.find(u'/');
    if (slash == std::u16string::npos)
      sections[std::u16string()][fullKey] = &value;
    else
      sections[fullKey.substr(0, slash)][fullKey.substr(slash + 1)] = &value;
  }
  std::string out;
  for (const auto& [name, lines] : sections) {
    std::string header;
    EscapeKey(name, header);
    if (header.empty()) {
      header = "[General]";
    } else if (EqualsNoCase(header, "general")) {
      header = "[%General]";
    } else {
      header = "[" + header + "]";
    }
    if (!out.empty()) out += '\n';
    out += header;
    out += '\n';
    for (const auto& [key, value] : lines) {
      EscapeKey(key, out);
      out += '=';
      out += FormatValue(*value);
      out += '\n';
    }
  }
  return out;
}

std::u16string KeyOf(const std::string& section, const std::string& key) {
  const std::u16string joined = FromWin1252(section) + u"/" + FromWin1252(key);
  std::u16string out;
  for (char16_t c : joined) {
    if (c == u'/' && (out.empty() || out.back() == u'/')) continue;
    out += c;
  }
  if (!out.empty() && out.back() == u'/') out.pop_back();
  return out;
}

// ---- The store -----------------------------------------------------------

namespace {

std::string Env(const char* name) {
  const char* v = std::getenv(name);
  return v ? std::string(v) : std::string();
}

// $HOME without a trailing '/' (the root when unset).
std::string HomeDir() {
  std::string home = Env("HOME");
  while (home.size() > 1 && home.back() == '/') home.pop_back();
  return home.empty() ? "/" : home;
}

bool MakeDirs(const std::string& dir) {
  if (dir.empty()) return true;
  struct stat st {};
  if (stat(dir.c_str(), &st) == 0) return S_ISDIR(st.st_mode);
  const std::size_t slash = dir.find_last_of('/', dir.size() - 1);
  if (slash != std::string::npos && slash > 0 && !MakeDirs(dir.substr(0, slash))) return false;
  return mkdir(dir.c_str(), 0777) == 0 || errno == EEXIST;
}

std::string DirOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return std::string();
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string ReadSmallFile(const std::string& path) {
  std::string bytes;
  if (!safefile::ReadAll(path, bytes, Store::kLargestFile)) bytes.clear();
  return bytes;
}

}  // namespace

Store::Store(std::vector<std::string> files)
    : files_(std::move(files)), loaded_(files_.size()), reportedTooLarge_(files_.size()) {}

Store Store::ForUser(const std::string& organization, const std::string& application) {
  std::string user = Env("XDG_CONFIG_HOME");
  if (user.empty()) user = HomeDir() + "/.config";
  const std::string appFile = organization + "/" + application + ".conf";
  const std::string orgFile = organization + ".conf";
  std::vector<std::string> files = {user + "/" + appFile, user + "/" + orgFile};
  std::vector<std::string> dirs;
  const std::string systemDirs = Env("XDG_CONFIG_DIRS");
  if (systemDirs.empty()) {
    dirs.push_back("/etc/xdg");
  } else {
    std::size_t start = 0;
    while (start <= systemDirs.size()) {
      std::size_t end = systemDirs.find(':', start);
      if (end == std::string::npos) end = systemDirs.size();
      if (end > start) dirs.push_back(systemDirs.substr(start, end - start));
      start = end + 1;
    }
  }
  for (const std::string& d : dirs) files.push_back(d + "/" + appFile);
  for (const std::string& d : dirs) files.push_back(d + "/" + orgFile);
  return Store(std::move(files));
}

const Value* Store::Find(const std::u16string& key) const {
  for (std::size_t i = 0; i < files_.size(); ++i) {
    Loaded& l = loaded_[i];
    struct stat st {};
    if (stat(files_[i].c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
      l = Loaded();
      continue;
    }
    const std::int64_t mtime =
        static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    if (!l.valid || l.device != st.st_dev || l.inode != st.st_ino ||
        l.size != static_cast<std::uint64_t>(st.st_size) || l.mtimeNs != mtime) {
      l.tooLarge = static_cast<std::uint64_t>(st.st_size) > kLargestFile;
      l.doc = l.tooLarge ? Document() : Document::Parse(ReadSmallFile(files_[i]));
      if (l.tooLarge && !reportedTooLarge_[i]) {
        reportedTooLarge_[i] = true;
        if (onTooLarge) onTooLarge(files_[i]);
      }
      l.valid = true;
      l.device = st.st_dev;
      l.inode = st.st_ino;
      l.size = static_cast<std::uint64_t>(st.st_size);
      l.mtimeNs = mtime;
    }
    if (const Value* v = l.doc.Find(key)) return v;
  }
  return nullptr;
}

std::string Store::GetString(const std::string& section, const std::string& key,
                             const std::string& def) const {
  const Value* v = Find(KeyOf(section, key));
  std::u16string text;
  if (!v || !ValueText(*v, text)) return def;
  return win1252::FromUtf16(text);
}

int Store::GetInt(const std::string& section, const std::string& key, int def) const {
  const Value* v = Find(KeyOf(section, key));
  if (!v || v->kind == Value::Kind::Invalid) return def;
  // A list reads as no number.
  std::u16string text;
  if (v->kind == Value::Kind::StringList || !ValueText(*v, text)) return def;
  int i = 0;
  return ParseInt(TrimUnicode(text), i) ? i : def;
}

bool Store::WriteString(const std::string& section, const std::string& key,
                        const std::string& value) {
  return Write(KeyOf(section, key), Value::Text(FromWin1252(value)));
}

bool Store::WriteInt(const std::string& section, const std::string& key, int value) {
  return Write(KeyOf(section, key), Value::Text(Ascii(std::to_string(value))));
}

bool Store::Write(const std::u16string& key, Value value) {
  if (files_.empty() || key.empty()) return false;
  const std::string& path = files_.front();
  if (!MakeDirs(DirOf(path))) return false;
  safefile::LockFile lock(path + ".lock");
  if (!lock.Acquire(lockWait)) return false;
  std::string bytes;
  struct stat st {};
  if (stat(path.c_str(), &st) == 0) {
    // A file that cannot be read is never replaced by one without its keys.
    if (static_cast<std::uint64_t>(st.st_size) > kLargestFile ||
        access(path.c_str(), R_OK | W_OK) != 0 || !safefile::ReadAll(path, bytes, kLargestFile))
      return false;
  }
  Document doc = Document::Parse(bytes);
  doc.Set(key, std::move(value));
  const bool ok = safefile::WriteBytes(path, doc.Serialize());
  loaded_[0] = Loaded();
  return ok;
}

}  // namespace ini
