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
  AddEscaped(out, value);
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

void KesProp::AddEscaped(std::string& out, std::string_view text) {
  // Runs of plain characters are copied whole.
  std::size_t from = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\n' && c != '\r' && c != '"' && c != '\'') continue;
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
      default:  // a carriage return is dropped
        break;
    }
  }
  out.append(text.data() + from, text.size() - from);
}

std::string KesProp::EscapeScript(const std::string& text) {
  std::string out;
  out.reserve(text.size() + 8);
  AddEscaped(out, text);
  return out;
}
