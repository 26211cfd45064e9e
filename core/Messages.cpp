#include "core/Messages.h"

#include "core/Platform.h"

namespace msg {
std::string Format(const std::string& text, const std::string& a1, const std::string& a2,
                   const std::string& a3, const std::string& a4) {
  const std::string* args[] = {&a1, &a2, &a3, &a4};
  std::string out;
  out.reserve(text.size() + a1.size() + a2.size() + a3.size() + a4.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '4') {
      out += *args[text[i + 1] - '1'];
      ++i;
    } else {
      out.push_back(text[i]);
    }
  }
  return out;
}

std::string Format(Platform& platform, const char* text, const std::string& a1,
                   const std::string& a2, const std::string& a3, const std::string& a4) {
  return Format(platform.Translate("msg", text), a1, a2, a3, a4);
}

std::string Text(Platform& platform, const char* text) {
  return platform.Translate("msg", text);
}
}  // namespace msg

std::string msg::WithReason(const std::string& text, const std::string& reason) {
  if (reason.empty()) return text;
  return text + " (" + reason + ")";
}
