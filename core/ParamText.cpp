#include "core/ParamText.h"

#include "core/KesProp.h"
#include "core/Win1252.h"

namespace params {

std::string WriteStringParam(ParamForm form, const std::string& name, const std::string& value,
                             const std::string& def, bool escape) {
  if (value == def) return std::string();
  // A script's text is written with its escapes; any other as HTML text.
  if (form != ParamForm::Page)
    return name + "=" +
           win1252::Encode(escape ? KesProp::EscapeScript(value) : value, win1252::Escape::Script) +
           "\r\n";
  std::string out = "<PARAM NAME=" + name + " VALUE=\"";
  if (escape)
    AddAttributeBytes(out, win1252::Encode(KesProp::EscapeScript(value), win1252::Escape::Script));
  else
    AddAttributeText(out, value);
  return out + "\">\r\n";
}

namespace {
// The reference of a character an attribute's text cannot hold as itself.
const char* ReferenceOf(char c) {
  switch (c) {
    case '&':
      return "&amp;";
    case '"':
      return "&quot;";
    case '<':
      return "&lt;";
    case '>':
      return "&gt;";
    default:
      return nullptr;
  }
}

// `text` as an attribute's text, each run between references written by
// `run`.
template <class Run>
void AddAttribute(std::string& out, std::string_view text, Run run) {
  std::size_t from = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char* reference = ReferenceOf(text[i]);
    if (!reference) continue;
    run(text.substr(from, i - from));
    out += reference;
    from = i + 1;
  }
  run(text.substr(from));
}
}  // namespace

void AddAttributeText(std::string& out, std::string_view text) {
  AddAttribute(out, text, [&out](std::string_view run) {
    win1252::AppendEncoded(out, run, win1252::Escape::Html);
  });
}

void AddAttributeBytes(std::string& out, std::string_view bytes) {
  AddAttribute(out, bytes, [&out](std::string_view run) { out.append(run.data(), run.size()); });
}

}  // namespace params
