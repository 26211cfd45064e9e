// Random values for the groups of a project, with the extremes an unchecked
// project file may hold.
#pragma once

#include <cstdint>
#include <random>
#include <string>

#include "audio/PropAudio.h"
#include "groups/button/PropAdvanced.h"
#include "groups/button/PropBorder.h"
#include "groups/button/PropImage.h"
#include "groups/button/PropState.h"
#include "groups/button/PropText.h"

class Values {
 public:
  explicit Values(unsigned seed) : rng_(seed) {}

  int32_t Int() {
    static const int32_t kEdges[] = {
        0, 1, -1, 2, 3, 12, 100, 255, 300, 2147483647, -2147483647 - 1, 1000000, -1000};
    if (rng_() % 3 == 0) return static_cast<int32_t>(rng_());
    return kEdges[rng_() % (sizeof kEdges / sizeof kEdges[0])];
  }
  uint32_t Color() { return rng_() % 2 ? static_cast<uint32_t>(rng_()) : 0xC0C0C0u; }
  std::string Text() {
    static const char* const kPieces[] = {"a",   "'",     "\"", "\\",       "\r\n", "\n",
                                          "\t",  "&#38;", "&#", "http://x", "C:\\", u8"\u00E9",
                                          "Set", " ",     "Up", "Default"};
    std::string s;
    for (unsigned n = rng_() % 5; n; --n)
      s += kPieces[rng_() % (sizeof kPieces / sizeof kPieces[0])];
    return s;
  }
  bool Chance(unsigned in) { return rng_() % in == 0; }

 private:
  std::mt19937 rng_;
};

inline void Randomize(PropState& s, Values& v) {
  if (v.Chance(8)) s.name = v.Text();
  s.transparent = v.Int();
  s.color = v.Color();
  s.cursor = v.Int();
  s.offsetX = v.Int();
  s.offsetY = v.Int();
  s.animate = v.Int();
  s.text->text = v.Text();
  s.text->textColor = v.Color();
  s.text->font = v.Text();
  s.text->alignX = v.Int();
  s.text->offsetY = v.Int();
  s.text->bold = v.Int();
  s.text->emboss = v.Int();
  s.text->engrave = v.Int();
  s.text->italic = v.Int();
  s.text->underline = v.Int();
  s.text->size = v.Int();
  s.border->style = v.Int();
  s.border->smooth = v.Int();
  s.border->thick = v.Int();
  s.border->automatic = v.Int();
  s.border->topColor = v.Color();
  s.border->frameThick = v.Int();
  s.audio->file = v.Text();
  s.audio->mode = v.Int();
  s.image->file = v.Text();
  s.image->style = v.Int();
  s.image->alignX = v.Int();
  s.image->offsetX = v.Int();
  s.advanced->script = v.Text();
}
