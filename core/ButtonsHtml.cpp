#include "core/ButtonsHtml.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "core/ButtonsCss.h"
#include "core/Keywords.h"
#include "core/Win1252.h"
#include "core/WrapInt.h"
#include "groups/button/PropButton.h"
#include "groups/project/PropProject.h"

namespace buttons_html {

namespace css {

// The largest side of a button the runtime draws, in CSS pixels.
constexpr int64_t kMaxSide = 16384;
constexpr int32_t kMaxTextSize = 255;
// The pointer shapes by the applet's numbers, as CSS names them.
constexpr const char* kCursors[PropState::kCursorCount] = {
    "default",   "crosshair", "text",     "wait",     "sw-resize", "se-resize", "nw-resize",
    "ne-resize", "n-resize",  "s-resize", "w-resize", "e-resize",  "pointer",   "move"};

void AddInt(std::string& out, int64_t v) {
  AppendDecimal(out, v);
}

std::string Px(int64_t v) {
  std::string s;
  AddInt(s, v);
  return s + "px";
}

// A colour as CSS writes it: "#rrggbb".
std::string Hex(uint32_t c) {
  static const char kDigits[] = "0123456789abcdef";
  std::string s = "#";
  for (int shift = 20; shift >= 0; shift -= 4) s.push_back(kDigits[(c >> shift) & 0xF]);
  return s;
}

// The colour a project stores (red in the low byte) as the runtime has it.
uint32_t Rgb(uint32_t stored) {
  return ((stored & 0xFF) << 16) | (stored & 0xFF00) | ((stored >> 16) & 0xFF);
}

// Rounds as JavaScript's Math.round: halves upwards.
double JsRound(double v) {
  const double r = std::floor(v);
  return v - r >= 0.5 ? r + 1 : r;
}

// The runtime's mixing of two colours, channel by channel.
uint32_t Mix(uint32_t a, uint32_t b, double t) {
  uint32_t out = 0;
  for (int s : {16, 8, 0}) {
    const int x = static_cast<int>((a >> s) & 255);
    const int y = static_cast<int>((b >> s) & 255);
    out |= static_cast<uint32_t>(JsRound(x + (y - x) * t)) << s;
  }
  return out;
}

bool EqualsNoCase(const std::string& a, const char* b) {
  std::size_t i = 0;
  for (; i < a.size() && b[i]; ++i) {
    char c = a[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != b[i]) return false;
  }
  return i == a.size() && !b[i];
}

bool EndsWithNoCase(const std::string& a, const char* tail) {
  const std::string t = tail;
  if (a.size() < t.size()) return false;
  return EqualsNoCase(a.substr(a.size() - t.size()), tail);
}

// A font name that names a font file beside the page.
bool NamesFontFile(const std::string& font) {
  for (const char* ext : {".woff2", ".woff", ".ttf", ".otf"})
    if (EndsWithNoCase(font, ext)) return true;
  return false;
}

// The file name of a font file, and the family the page gives it.
std::string FontFileName(const std::string& font) {
  const std::size_t slash = font.find_last_of("/\\");
  return slash == std::string::npos ? font : font.substr(slash + 1);
}

namespace {
// `text` with every character but ASCII letters, digits and those of `also`
// as '_', one for each UTF-16 unit as the runtime counts them.
void AppendNameChars(std::string& out, std::string_view text, std::string_view also) {
  for (std::size_t i = 0; i < text.size();) {
    const char c = text[i];
    const bool kept = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                      (c != '\0' && also.find(c) != std::string_view::npos);
    if (kept) {
      out.push_back(c);
      ++i;
      continue;
    }
    out.append(utf8::Next(text, i) >= 0x10000 ? 2 : 1, '_');
  }
}
}  // namespace

std::string FontFileFamily(const std::string& font) {
  std::string family = "VelkoButton ";
  AppendNameChars(family, FontFileName(font), "._-");
  return family;
}

std::string FamilyOf(const std::string& name) {
  for (const char* n : {"arial", "helvetica", "sans-serif", "sansserif"})
    if (EqualsNoCase(name, n)) return "Arial, Helvetica, sans-serif";
  for (const char* n : {"timesroman", "times", "serif"})
    if (EqualsNoCase(name, n)) return "\"Times New Roman\", Times, serif";
  for (const char* n : {"courier", "monospace"})
    if (EqualsNoCase(name, n)) return "\"Courier New\", Courier, monospace";
  if (NamesFontFile(name)) return "\"" + FontFileFamily(name) + "\", sans-serif";
  std::string family = "\"";
  for (char c : name) {
    if (static_cast<unsigned char>(c) < 0x20) continue;
    if (std::string_view("\"\\;{}<>").find(c) != std::string_view::npos) continue;
    family.push_back(c);
  }
  return family + "\", sans-serif";
}

// An address inside url("..."): quotes, backslashes, angle brackets,
// parentheses, blanks and control bytes as %XX.
std::string UrlText(const std::string& address) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string out;
  for (char ch : address) {
    const auto c = static_cast<unsigned char>(ch);
    if (c < 0x20 || c == 0x7F ||
        std::string_view("\"'\\<>() ").find(ch) != std::string_view::npos) {
      out.push_back('%');
      out.push_back(kDigits[c >> 4]);
      out.push_back(kDigits[c & 0xF]);
    } else {
      out.push_back(ch);
    }
  }
  return out;
}

// A number of sixteenths as the shortest decimal.
std::string Sixteenths(int64_t n) {
  std::string s;
  AddInt(s, n / 16);
  int64_t frac = (n % 16) * 625;  // ten-thousandths
  if (frac == 0) return s;
  std::string digits = std::to_string(frac);
  digits.insert(0, 4 - digits.size(), '0');
  while (digits.back() == '0') digits.pop_back();
  return s + "." + digits;
}

std::string Place(int32_t align, int32_t offset) {
  if (align == 0) return Px(offset);
  const char* base = align == 2 ? "100%" : "50%";
  if (offset == 0) return base;
  return std::string("calc(") + base + " + " + Px(offset) + ")";
}

void AddImageDecls(std::vector<std::string>& d, const Look& l) {
  if (!l.hasImage) {
    d.push_back("background-image:none");
    return;
  }
  d.push_back("background-image:url(\"" + UrlText(l.image) + "\")");
  if (l.imageStyle == 1) {
    d.push_back("background-repeat:repeat");
    d.push_back("background-size:auto");
    d.push_back("background-position:0 0");
  } else if (l.imageStyle == 2) {
    d.push_back("background-repeat:no-repeat");
    d.push_back("background-size:100% 100%");
    d.push_back("background-position:0 0");
  } else {
    d.push_back("background-repeat:no-repeat");
    d.push_back("background-size:auto");
    d.push_back("background-position:" + Place(l.imageAlignX, l.imageOffsetX) + " " +
                Place(l.imageAlignY, l.imageOffsetY));
  }
}

std::string Shadows(const Look& l, int64_t w, int64_t h) {
  std::vector<std::string> list;
  // The colour of the last shadow when it is one colour all round: a ring
  // of that colour just inside it covers it, so it is left out.
  std::string spread;
  const int64_t f = std::clamp<int64_t>(l.frameThick, 0, std::min(w, h) / 2);
  if (f > 0) {
    spread = Hex(l.frameColor);
    list.push_back("inset 0 0 0 " + Px(f) + " " + spread);
  }
  if (l.borderStyle >= 1 && l.borderStyle <= 4) {
    const int64_t t = std::clamp<int64_t>(l.borderThick, 0, std::min(w - 2 * f, h - 2 * f) / 2);
    const double td = static_cast<double>(t);
    for (int64_t i = 0; i < t; ++i) {
      uint32_t top = l.borderTop;
      uint32_t bot = l.borderBot;
      if (l.borderStyle == 1) top = bot = l.borderBot;
      const double id = static_cast<double>(i);
      const bool half = id >= td / 2;
      if ((l.borderStyle == 4 && half) || (l.borderStyle == 3 && !half)) std::swap(top, bot);
      if (l.borderSmooth && t > 1 && l.borderStyle != 1) {
        const double mixF =
            l.borderStyle == 2 ? id / td : (half ? (id - td / 2) / (td / 2) : id / (td / 2)) * 0.5;
        top = Mix(top, l.borderMid, mixF);
        bot = Mix(bot, l.borderMid, mixF);
      }
      const std::string k = Px(f + i + 1);
      const std::string hi = Hex(top), lo = Hex(bot);
      if (hi == lo) {
        // A ring of one colour: the outer k pixels, under the earlier shadows.
        if (hi == spread) list.pop_back();
        list.push_back("inset 0 0 0 " + k + " " + hi);
        spread = hi;
      } else {
        list.push_back("inset 0 " + k + " " + hi + ",inset 0 -" + k + " " + lo + ",inset -" + k +
                       " 0 " + lo + ",inset " + k + " 0 " + hi);
        spread.clear();
      }
    }
  }
  std::string out;
  for (const auto& x : list) {
    if (!out.empty()) out.push_back(',');
    out += x;
  }
  return out.empty() ? "none" : out;
}

const char* FlexAlign(int32_t a) {
  return a == 0 ? "flex-start" : a == 2 ? "flex-end" : "center";
}

std::string Join(const std::vector<std::string>& d) {
  std::string s;
  for (const auto& x : d) {
    if (!s.empty()) s.push_back(';');
    s += x;
  }
  return s;
}

// The name of a declaration "name:value".
std::string_view NameOf(const std::string& decl) {
  return std::string_view(decl).substr(0, decl.find(':'));
}

// Whether `text` holds nothing but blanks and line ends.
bool Blank(const std::string& text) {
  return text.find_first_not_of(" \t\r\n") == std::string::npos;
}

}  // namespace css

using namespace css;

Decls LookDecls(const Look& l, int32_t originX, int32_t originY, bool flow) {
  Decls d;
  const int64_t w = std::clamp<int64_t>(l.width, 0, kMaxSide);
  const int64_t h = std::clamp<int64_t>(l.height, 0, kMaxSide);
  d.box.push_back("width:" + Px(w));
  d.box.push_back((flow ? "min-height:" : "height:") + Px(h));
  const int64_t dx = int64_t{l.x} - originX, dy = int64_t{l.y} - originY;
  d.box.push_back(dx == 0 && dy == 0 ? "transform:none"
                                     : "transform:translate(" + Px(dx) + "," + Px(dy) + ")");
  d.box.push_back(std::string("cursor:") + (l.cursor >= 0 && l.cursor < PropState::kCursorCount
                                                ? kCursors[l.cursor]
                                                : "default"));
  d.box.push_back("color:" + Hex(l.textColor));
  d.box.push_back("background-color:" + (l.style == 0 ? Hex(l.color) : std::string("transparent")));
  AddImageDecls(d.box, l);
  d.box.push_back("box-shadow:" + Shadows(l, w, h));
  d.box.push_back(std::string("justify-content:") + FlexAlign(l.textAlignX));
  d.box.push_back(std::string("align-items:") + FlexAlign(l.textAlignY));
  d.box.push_back(std::string("text-align:") + (l.textAlignX == 0   ? "left"
                                                : l.textAlignX == 2 ? "right"
                                                                    : "center"));
  const int64_t inset = std::max<int64_t>(0, l.borderStyle ? l.borderThick : 0) +
                        std::max<int64_t>(0, l.frameThick) + 2;
  d.box.push_back("padding:" + Px(inset));

  const int64_t size = std::clamp(l.textSize, 1, kMaxTextSize);
  const auto line = static_cast<int64_t>(JsRound(static_cast<double>(size) * 1.2));
  std::string font = "font:";
  if (l.textStyle & 2) font += "italic ";
  if (l.textStyle & 1) font += "bold ";
  d.cap.push_back(font + Sixteenths(size) + "rem/" + Sixteenths(line) + "rem " +
                  FamilyOf(l.textFont));
  d.cap.push_back(std::string("text-decoration:") + (l.textStyle & 4 ? "underline" : "none"));
  d.cap.push_back(std::string("text-shadow:") +
                  (l.textStyle & 8    ? "-1px -1px 0 #ffffff,1px 1px 0 #000000"
                   : l.textStyle & 16 ? "-1px -1px 0 #000000,1px 1px 0 #ffffff"
                                      : "none"));
  // The caption's offset moves it without positioning it.
  d.cap.push_back(l.textOffsetX == 0 && l.textOffsetY == 0
                      ? std::string("transform:none")
                      : "transform:translate(" + Px(l.textOffsetX) + "," + Px(l.textOffsetY) + ")");
  return d;
}

Css LookCss(const Look& look, int32_t originX, int32_t originY, bool flow) {
  const Decls d = LookDecls(look, originX, originY, flow);
  return {Join(d.box), Join(d.cap)};
}

// ---------------------------------------------------------------------------
// The looks the button's statement gives

namespace {

// The address of an image as the page's image list writes it.
std::string ImageAddress(const std::string& file, const std::string& root) {
  return IsAddress(file, root) ? file : FileNameOf(file);
}

// A state's caption and font, which every block writes whole.
void CopyText(Look& l, const PropText& t) {
  l.text = t.text;
  l.textColor = Rgb(t.textColor);
  l.textAlignX = t.alignX;
  l.textAlignY = t.alignY;
  l.textOffsetX = t.offsetX;
  l.textOffsetY = t.offsetY;
  l.textFont = t.font;
  l.textSize = t.size;
  l.textStyle = t.StyleMask();
}

// What the Default block writes over the runtime's defaults: every value of
// the Up state (a value equal to its default is left out and is the default).
Look BaseLook(const PropButton& b) {
  const PropState& s = *b.upState;
  Look l;
  l.x = WrapAdd(b.x, s.offsetX);
  l.y = WrapAdd(b.y, s.offsetY);
  l.width = b.width;
  l.height = b.height;
  l.show = b.show != 0;
  l.style = s.transparent != 0 ? 1 : 0;
  l.color = Rgb(s.color);
  CopyText(l, *s.text);
  const PropBorder& br = *s.border;
  if (br.style >= PropBorder::kNone && br.style <= PropBorder::kRaised) l.borderStyle = br.style;
  l.borderSmooth = br.smooth != 0;
  l.borderThick = br.style == PropBorder::kNone ? 0 : br.thick;
  const PropBorder::Colors c = br.automatic == 0
                                   ? PropBorder::Colors{br.topColor, br.midColor, br.botColor}
                                   : PropBorder::AutomaticColorsFor(s.color, "Default");
  l.borderTop = Rgb(c.top);
  l.borderMid = Rgb(c.mid);
  l.borderBot = Rgb(c.bot);
  l.frameThick = br.frameThick;
  l.frameColor = Rgb(br.frameColor);
  const PropImage& im = *s.image;
  if (im.style == PropImage::kTile || im.style == PropImage::kScale) l.imageStyle = im.style;
  if (im.style == PropImage::kNormal) {
    l.imageOffsetX = im.offsetX;
    l.imageOffsetY = im.offsetY;
    l.imageAlignX = im.alignX;
    l.imageAlignY = im.alignY;
  }
  return l;
}

// The block of state `s` over the base look: what it writes where its
// values differ from Up's.
void ApplyBlock(Look& l, const PropButton& b, int which, const std::string& root) {
  const PropState& s = *b.state(which);
  const PropState& up = *b.upState;
  l.cursor = s.cursor == -1 ? 0 : s.cursor;
  const PropImage& im = *s.image;
  if (!im.file.empty()) {
    l.hasImage = true;
    l.image = ImageAddress(im.file, root);
    if (im.style == PropImage::kTile || im.style == PropImage::kScale) {
      l.imageStyle = im.style;
    } else if (im.style == PropImage::kNormal) {
      if (up.image->style != PropImage::kNormal) l.imageStyle = 0;
      if (im.offsetX != up.image->offsetX) l.imageOffsetX = im.offsetX;
      if (im.offsetY != up.image->offsetY) l.imageOffsetY = im.offsetY;
      if (im.alignX != up.image->alignX) l.imageAlignX = im.alignX;
      if (im.alignY != up.image->alignY) l.imageAlignY = im.alignY;
    }
  }
  if (which == 0) return;  // Up's block is written against Up itself
  if (s.transparent != up.transparent) l.style = s.transparent != 0 ? 1 : 0;
  if (s.color != up.color) l.color = Rgb(s.color);
  if (s.offsetX != 0) l.x = WrapAdd(b.x, s.offsetX);
  if (s.offsetY != 0) l.y = WrapAdd(b.y, s.offsetY);
  CopyText(l, *s.text);
  const PropBorder& br = *s.border;
  const PropBorder& ub = *up.border;
  if (br.style != ub.style && br.style >= PropBorder::kNone && br.style <= PropBorder::kRaised)
    l.borderStyle = br.style;
  l.borderSmooth = br.smooth != 0;
  if (br.style == PropBorder::kNone)
    l.borderThick = 0;
  else if (br.thick != ub.thick)
    l.borderThick = br.thick;
  const PropBorder::Colors c = br.automatic == 0
                                   ? PropBorder::Colors{br.topColor, br.midColor, br.botColor}
                                   : PropBorder::AutomaticColorsFor(s.color, s.name);
  if (c.top != ub.topColor) l.borderTop = Rgb(c.top);
  if (c.mid != ub.midColor) l.borderMid = Rgb(c.mid);
  if (c.bot != ub.botColor) l.borderBot = Rgb(c.bot);
  l.frameThick = br.frameThick;
  l.frameColor = Rgb(br.frameColor);
}

bool HasPlaceHolder(const std::string& text) {
  return text.find("${") != std::string::npos;
}

}  // namespace

void StateLooks(const PropButton& b, const std::string& root, Look out[3]) {
  const Look base = BaseLook(b);
  for (int s = 0; s < 3; ++s) {
    out[s] = base;
    ApplyBlock(out[s], b, s, root);
  }
}

Look BackgroundLook(const PropProject& p, const std::string& root) {
  Look l;
  l.width = p.projectWidth;
  l.height = p.projectHeight;
  l.color = Rgb(p.backgroundColor);
  l.borderStyle = PropBorder::kNone;
  if (p.imageStyle == PropImage::kTile || p.imageStyle == PropImage::kScale)
    l.imageStyle = p.imageStyle;
  if (!p.backgroundImage.empty()) {
    l.hasImage = true;
    l.image = ImageAddress(p.backgroundImage, root);
  }
  return l;
}

std::string CaptionText(const std::string& text) {
  std::string caption;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const std::size_t close = text.compare(i, 2, "${") == 0 ? text.find('}', i) : std::string::npos;
    if (close != std::string::npos) {
      i = close;
      continue;
    }
    caption.push_back(text[i]);
  }
  return caption;
}

bool HasRightToLeft(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    // Only a sequence of two or more bytes is one.
    if (static_cast<unsigned char>(text[i]) < 0x80) {
      ++i;
      continue;
    }
    const char32_t c = utf8::Next(text, i);
    if ((c >= 0x0590 && c <= 0x08FF) || c == 0x200F || c == 0x202B || c == 0x202E || c == 0x2067 ||
        (c >= 0xFB1D && c <= 0xFDFF) || (c >= 0xFE70 && c <= 0xFEFF) ||
        (c >= 0x10800 && c <= 0x10FFF) || (c >= 0x1E800 && c <= 0x1EFFF))
      return true;
  }
  return false;
}

std::string ContainerId(const std::string& identifier) {
  if (identifier.empty()) return "vb";
  std::string id = "vb-";
  AppendNameChars(id, identifier, "_-");
  return id;
}

bool NeedsRuntime(const PropProject& p, const std::vector<std::unique_ptr<PropButton>>& buttons) {
  if (!p.beforeScript.empty() || !p.afterScript.empty() || p.readFromFile != 0 || p.refreshRate > 0)
    return true;
  for (const auto& b : buttons) {
    if (!b->leaveScript.empty() || b->drag != 0 || HasPlaceHolder(b->tip) ||
        HasPlaceHolder(b->status))
      return true;
    // A link a click on a push button does not open, and a push button
    // held down from the start, need the runtime to behave.
    if (b->mode != PropButton::kPush && !b->url.empty()) return true;
    if (b->mode == PropButton::kPush && b->initiallyDown != 0) return true;
    for (int i = 0; i < 3; ++i) {
      const PropState& s = *b->state(i);
      if (!s.advanced->script.empty() || !s.audio->file.empty() || HasPlaceHolder(s.text->text) ||
          (s.animate != 0 && !s.image->file.empty()))
        return true;
    }
  }
  return false;
}

}  // namespace buttons_html
