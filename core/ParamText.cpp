#include "core/ParamText.h"

#include "core/KesProp.h"

namespace params {

std::string WriteStringParam(ParamForm form, const std::string& name, const std::string& value,
                             const std::string& def, bool escape) {
  if (value == def) return std::string();
  const std::string v = escape ? KesProp::EscapeScript(value) : value;
  if (form != ParamForm::Page) return name + "=" + v + "\r\n";
  std::string out = "<PARAM NAME=" + name + " VALUE=\"";
  AddAttributeText(out, v);
  return out + "\">\r\n";
}

void AddAttributeText(std::string& out, std::string_view text) {
  std::size_t from = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char* reference = nullptr;
    switch (text[i]) {
      case '&':
        reference = "&amp;";
        break;
      case '"':
        reference = "&quot;";
        break;
      case '<':
        reference = "&lt;";
        break;
      case '>':
        reference = "&gt;";
        break;
      default:
        continue;
    }
    out.append(text.data() + from, i - from);
    out += reference;
    from = i + 1;
  }
  out.append(text.data() + from, text.size() - from);
}

}  // namespace params
