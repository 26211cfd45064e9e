// Writing the settings files: a value as its line's value part, and a whole
// file in the order the editor's settings class wrote it.
#include <map>

#include "core/IniEscape.h"
#include "core/IniSettings.h"

namespace ini {

namespace {

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

}  // namespace

std::string FormatValue(const Value& value) {
  std::string out;
  if (value.kind == Value::Kind::StringList || value.kind == Value::Kind::List) {
    if (value.items.empty()) return "@Invalid()";
    for (std::size_t i = 0; i < value.items.size(); ++i) {
      if (i) out += ", ";
      EscapeValue(StoredText(value.items[i]), out);
    }
    return out;
  }
  EscapeValue(StoredText(value), out);
  return out;
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

}  // namespace ini
