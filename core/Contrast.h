// How well a caption reads on what lies behind it: the relative luminance of
// a colour and the contrast ratio of two, as the web's accessibility
// guidelines define them, and the colours a state's caption is drawn in.
#pragma once

#include <cstdint>
#include <string>

class PropButton;
class PropProject;

namespace contrast {

// Below this ratio a caption is hard to read; at or above it, it reads well.
inline constexpr double kReadable = 4.5;

// The relative luminance of `rgb` (0xRRGGBB): 0 for black to 1 for white.
double Luminance(uint32_t rgb);
// The contrast ratio of two colours (0xRRGGBB, in either order): 1 for equal
// colours to 21 for black and white.
double Ratio(uint32_t a, uint32_t b);

// A state's caption colour and the colour it is read on, as the page draws
// the state (0xRRGGBB each).
struct Caption {
  uint32_t text = 0;
  uint32_t background = 0;
  double ratio = 1;
  bool readable() const { return ratio >= kReadable; }
};
// The caption of state `state` (0 Up, 1 Over, 2 Down) of `button`: its
// colour on the state's colour, or on the project's background where the
// state is transparent. False when there is nothing to judge: the caption is
// blank, or an image tiled or scaled over the button hides the colour.
bool StateCaption(const PropButton& button, const PropProject& project, int state, Caption& out);

// A ratio as the user reads it, "2.9:1": rounded down to one decimal, so that
// a ratio below 4.5 never reads as 4.5.
std::string RatioText(double ratio);
// "Contrast 2.9:1 - hard to read; 4.5:1 or more reads well" (Windows-1252).
std::string Warning(double ratio);
// The same in another language: `text` is msg::kContrastLow translated.
std::string Warning(double ratio, const std::string& text);

}  // namespace contrast
