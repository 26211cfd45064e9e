// Reading the settings files: a file's lines into its keys, and a line's
// value part into the value the editor's settings class held.
#include <algorithm>
#include <map>
#include <utility>

#include "core/IniEscape.h"
#include "core/IniSettings.h"

namespace ini {

namespace {

std::string_view TrimAscii(std::string_view s) {
  auto space = [](char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
  };
  while (!s.empty() && space(s.front())) s.remove_prefix(1);
  while (!s.empty() && space(s.back())) s.remove_suffix(1);
  return s;
}

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

std::u16string ToLatin1Units(std::u16string s) {
  for (char16_t& c : s)
    if (c > 0xFF) c = u'?';
  return s;
}

}  // namespace

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

}  // namespace ini
