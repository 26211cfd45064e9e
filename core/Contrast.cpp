#include "core/Contrast.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/ButtonsHtml.h"
#include "core/Messages.h"
#include "groups/button/PropButton.h"
#include "groups/button/PropImage.h"
#include "groups/project/PropProject.h"

namespace contrast {
namespace {

// One channel (0 to 255) made linear, as the sRGB curve gives it.
double Linear(uint32_t channel) {
  constexpr double kMax = 255.0;
  constexpr double kKnee = 0.04045;
  const double c = static_cast<double>(channel & 0xFF) / kMax;
  return c <= kKnee ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// The stored colour (red in the low byte) as 0xRRGGBB.
uint32_t Rgb(uint32_t stored) {
  return ((stored & 0xFF) << 16) | (stored & 0xFF00) | ((stored >> 16) & 0xFF);
}

bool Blank(const std::string& text) {
  for (char c : text)
    if (c != ' ' && c != '\t' && c != '\r' && c != '\n') return false;
  return true;
}

}  // namespace

double Luminance(uint32_t rgb) {
  constexpr double kRed = 0.2126, kGreen = 0.7152, kBlue = 0.0722;
  return kRed * Linear(rgb >> 16) + kGreen * Linear(rgb >> 8) + kBlue * Linear(rgb);
}

double Ratio(uint32_t a, uint32_t b) {
  // The flare every screen adds to both colours.
  constexpr double kFlare = 0.05;
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + kFlare) / (std::min(la, lb) + kFlare);
}

bool StateCaption(const PropButton& button, const PropProject& project, int state, Caption& out) {
  if (state < 0 || state > 2) return false;
  // The looks the page's statement gives: Over and Down hold what they took
  // from Up along with their own values.
  buttons_html::Look looks[3];
  buttons_html::StateLooks(button, std::string(), looks);
  const buttons_html::Look& look = looks[state];
  if (Blank(look.text)) return false;
  if (look.hasImage &&
      (look.imageStyle == PropImage::kTile || look.imageStyle == PropImage::kScale))
    return false;
  out.text = look.textColor;
  // A transparent state shows the page's background through it.
  out.background = look.style != 0 ? Rgb(project.backgroundColor) : look.color;
  out.ratio = Ratio(out.text, out.background);
  return true;
}

std::string RatioText(double ratio) {
  constexpr double kTenths = 10.0;
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.1f:1", std::floor(ratio * kTenths + 1e-9) / kTenths);
  return buf;
}

std::string Warning(double ratio) {
  return Warning(ratio, msg::kContrastLow);
}

std::string Warning(double ratio, const std::string& text) {
  return msg::Format(text, RatioText(ratio), RatioText(kReadable));
}

}  // namespace contrast
