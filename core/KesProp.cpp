#include "core/KesProp.h"

#include <cctype>
#include <cstdio>

#include "core/Archive.h"

void KesProp::Serialize(Archive&) {}

std::string KesProp::GetScript(const std::string&, int) { return std::string(); }

namespace {
char Separator(const std::string& name, int statement) {
  if (statement != 0) return ' ';
  if (!name.empty() && std::isdigit(static_cast<unsigned char>(name[0]))) return ' ';
  return '=';
}

std::string Finish(const std::string& name, int statement, const std::string& value) {
  std::string out = name;
  out.push_back(Separator(name, statement));
  out += value;
  out.push_back(' ');
  if (statement != 0) out.push_back(';');
  return out;
}
}  // namespace

std::string ColorHex(uint32_t color) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "0x%.2X%.2X%.2X", color & 0xFF, (color >> 8) & 0xFF,
                (color >> 16) & 0xFF);
  return buf;
}

std::string KesProp::FormatBool(const std::string& name, int32_t value, int32_t def,
                                int statement) {
  if (value == def) return std::string();
  return Finish(name, statement, value != 0 ? "True" : "False");
}

std::string KesProp::FormatInt(const std::string& name, int32_t value, int32_t def,
                               int statement) {
  if (value == def) return std::string();
  return Finish(name, statement, std::to_string(value));
}

std::string KesProp::FormatString(const std::string& name, const std::string& value,
                                  const std::string& def, int statement) {
  if (value == def) return std::string();
  return Finish(name, statement, EscapeScript(value));
}

std::string KesProp::FormatQuoted(const std::string& name, const std::string& value,
                                  const std::string& def, int statement) {
  if (value == def) return std::string();
  return Finish(name, statement, "'" + EscapeScript(value) + "'");
}

std::string KesProp::FormatColor(const std::string& name, uint32_t value, uint32_t def,
                                 int statement) {
  if (value == def) return std::string();
  return Finish(name, statement, ColorHex(value));
}

std::string KesProp::EscapeScript(const std::string& text) {
  std::string out;
  out.reserve(text.size() + 8);
  for (char c : text) {
    switch (c) {
      case '\n':
        out += "\\n";
        break;
      case '\r':
        break;
      case '"':
        out += "\\x22";
        break;
      case '\'':
        out += "\\'";
        break;
      default:
        out.push_back(c);
    }
  }
  return out;
}
