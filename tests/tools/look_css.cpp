// Reads looks from standard input, one a line, and writes each one's CSS as
// "box<TAB>cap", so that a test can hold the page's CSS against the
// runtime's. A line's fields, tab-separated, in this order:
//   x y width height color style textColor textSize textStyle textAlignX
//   textAlignY textOffsetX textOffsetY textFont image imageStyle imageAlignX
//   imageAlignY imageOffsetX imageOffsetY borderStyle borderSmooth borderTop
//   borderMid borderBot borderThick frameThick frameColor cursor originX
//   originY flow
// Numbers are decimal (colours 0xRRGGBB as decimal, borderSmooth and flow 0
// or 1); textFont and image are their bytes in hexadecimal ("-" for no image).
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "core/ButtonsHtml.h"

namespace {

std::string FromHex(const std::string& hex) {
  std::string out;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
    out.push_back(static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16)));
  return out;
}

constexpr std::size_t kFields = 32;

}  // namespace

int main() {
  std::string line;
  int lineNumber = 0;
  while (std::getline(std::cin, line)) {
    ++lineNumber;
    std::vector<std::string> f;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, '\t');) f.push_back(field);
    if (f.size() != kFields) {
      std::cerr << "look_css: line " << lineNumber << " has " << f.size() << " fields, not "
                << kFields << "\n";
      return 2;
    }
    std::size_t at = 0;
    const auto num = [&]() { return std::stoll(f[at++]); };
    const auto i32 = [&]() { return static_cast<int32_t>(num()); };
    const auto u32 = [&]() { return static_cast<uint32_t>(num()); };
    buttons_html::Look l;
    l.x = i32();
    l.y = i32();
    l.width = i32();
    l.height = i32();
    l.color = u32();
    l.style = i32();
    l.textColor = u32();
    l.textSize = i32();
    l.textStyle = i32();
    l.textAlignX = i32();
    l.textAlignY = i32();
    l.textOffsetX = i32();
    l.textOffsetY = i32();
    l.textFont = FromHex(f[at++]);
    const std::string image = f[at++];
    l.hasImage = image != "-";
    if (l.hasImage) l.image = FromHex(image);
    l.imageStyle = i32();
    l.imageAlignX = i32();
    l.imageAlignY = i32();
    l.imageOffsetX = i32();
    l.imageOffsetY = i32();
    l.borderStyle = i32();
    l.borderSmooth = num() != 0;
    l.borderTop = u32();
    l.borderMid = u32();
    l.borderBot = u32();
    l.borderThick = i32();
    l.frameThick = i32();
    l.frameColor = u32();
    l.cursor = i32();
    const int32_t originX = i32();
    const int32_t originY = i32();
    const bool flow = num() != 0;
    const buttons_html::Css css = buttons_html::LookCss(l, originX, originY, flow);
    std::cout << css.box << '\t' << css.cap << '\n';
  }
  return 0;
}
