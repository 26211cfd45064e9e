#include "core/KesProp.h"

#include "core/Archive.h"
#include "core/Keywords.h"

void KesProp::Serialize(Archive&) {}

std::string KesProp::GetScript(const std::string&, bool) {
  return std::string();
}

namespace {
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The keyword and its separator: a blank after a numeric token or in a
// statement, "=" otherwise.
void Start(std::string& out, std::string_view name, bool statement) {
  out += name;
  out.push_back(statement != 0 || (!name.empty() && IsDigit(name[0])) ? ' ' : '=');
}

void Finish(std::string& out, bool statement) {
  out.push_back(' ');
  if (statement != 0) out.push_back(';');
}

// Whether the runtime's quoted-text reader takes a backslash followed by `c`
// for the start of an escape (\n, \', \x.., \u....).
bool OpensEscape(char c) {
  return c == 'n' || c == '\'' || c == 'x' || c == 'u';
}

// `text` with line feeds, double and single quotes escaped and carriage
// returns dropped; `end` is the character written right after the text.
// With `guardBackslashes`, a backslash that the reader could take for the
// start of an escape (the next character written after it opens one) is
// written "\x5C"; every other backslash is copied, so that C:\dir\file
// keeps its bytes.
void Escape(std::string& out, std::string_view text, char end, bool guardBackslashes) {
  // Runs of plain characters are copied whole.
  std::size_t from = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\n' && c != '\r' && c != '"' && c != '\'' && (c != '\\' || !guardBackslashes))
      continue;
    out.append(text.data() + from, i - from);
    from = i + 1;
    switch (c) {
      case '\n':
        out += "\\n";
        break;
      case '"':
        out += "\\x22";
        break;
      case '\'':
        out += "\\'";
        break;
      case '\\': {
        // A dropped carriage return writes nothing between the two; a line
        // feed or a quote is written as an escape, which begins with a
        // backslash.
        std::size_t j = i + 1;
        while (j < text.size() && text[j] == '\r') ++j;
        const bool last = j == text.size();
        const char next = last ? end : text[j];
        const bool written = !last && (next == '\n' || next == '"' || next == '\'');
        out += !written && OpensEscape(next) ? "\\x5C" : "\\";
        break;
      }
      default:  // a carriage return is dropped
        break;
    }
  }
  out.append(text.data() + from, text.size() - from);
}
}  // namespace

void AppendColorHex(std::string& out, uint32_t color) {
  static const char kHex[] = "0123456789ABCDEF";
  char buf[8] = {'0', 'x'};
  for (int i = 0; i < 3; ++i) {
    const uint32_t byte = (color >> (8 * i)) & 0xFF;
    buf[2 + 2 * i] = kHex[byte >> 4];
    buf[3 + 2 * i] = kHex[byte & 0xF];
  }
  out.append(buf, sizeof buf);
}

std::string ColorHex(uint32_t color) {
  std::string out;
  AppendColorHex(out, color);
  return out;
}

void KesProp::AddBool(std::string& out, std::string_view name, int32_t value, int32_t def,
                      bool statement) {
  if (value == def) return;
  Start(out, name, statement);
  out += value != 0 ? "True" : "False";
  Finish(out, statement);
}

void KesProp::AddInt(std::string& out, std::string_view name, int32_t value, int32_t def,
                     bool statement) {
  if (value == def) return;
  Start(out, name, statement);
  AppendDecimal(out, value);
  Finish(out, statement);
}

void KesProp::AddString(std::string& out, std::string_view name, std::string_view value,
                        std::string_view def, bool statement) {
  if (value == def) return;
  Start(out, name, statement);
  // A word is read as it stands up to the next blank: the reader takes no
  // backslash in it for an escape, so none is guarded.
  Escape(out, value, ' ', false);
  Finish(out, statement);
}

void KesProp::AddQuoted(std::string& out, std::string_view name, std::string_view value,
                        std::string_view def, bool statement) {
  if (value == def) return;
  Start(out, name, statement);
  out.push_back('\'');
  AddEscaped(out, value);
  out.push_back('\'');
  Finish(out, statement);
}

void KesProp::AddColor(std::string& out, std::string_view name, uint32_t value, uint32_t def,
                       bool statement) {
  if (value == def) return;
  Start(out, name, statement);
  AppendColorHex(out, value);
  Finish(out, statement);
}

void KesProp::AddBool(std::string& out, PropKey key, int32_t value, int32_t def, bool statement) {
  if (value != def) AddBool(out, TokView(key.word, key.tokenize), value, def, statement);
}

void KesProp::AddInt(std::string& out, PropKey key, int32_t value, int32_t def, bool statement) {
  if (value != def) AddInt(out, TokView(key.word, key.tokenize), value, def, statement);
}

void KesProp::AddString(std::string& out, PropKey key, std::string_view value, std::string_view def,
                        bool statement) {
  if (value != def) AddString(out, TokView(key.word, key.tokenize), value, def, statement);
}

void KesProp::AddQuoted(std::string& out, PropKey key, std::string_view value, std::string_view def,
                        bool statement) {
  if (value != def) AddQuoted(out, TokView(key.word, key.tokenize), value, def, statement);
}

void KesProp::AddColor(std::string& out, PropKey key, uint32_t value, uint32_t def,
                       bool statement) {
  if (value != def) AddColor(out, TokView(key.word, key.tokenize), value, def, statement);
}

std::string KesProp::FormatBool(const std::string& name, int32_t value, int32_t def,
                                bool statement) {
  std::string out;
  AddBool(out, name, value, def, statement);
  return out;
}

std::string KesProp::FormatInt(const std::string& name, int32_t value, int32_t def,
                               bool statement) {
  std::string out;
  AddInt(out, name, value, def, statement);
  return out;
}

std::string KesProp::FormatString(const std::string& name, const std::string& value,
                                  const std::string& def, bool statement) {
  std::string out;
  AddString(out, name, value, def, statement);
  return out;
}

std::string KesProp::FormatQuoted(const std::string& name, const std::string& value,
                                  const std::string& def, bool statement) {
  std::string out;
  AddQuoted(out, name, value, def, statement);
  return out;
}

std::string KesProp::FormatColor(const std::string& name, uint32_t value, uint32_t def,
                                 bool statement) {
  std::string out;
  AddColor(out, name, value, def, statement);
  return out;
}

void KesProp::AddEscaped(std::string& out, std::string_view text, char end) {
  Escape(out, text, end, true);
}

std::string KesProp::EscapeScript(const std::string& text) {
  std::string out;
  out.reserve(text.size() + 8);
  AddEscaped(out, text);
  return out;
}
