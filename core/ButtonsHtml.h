// The buttons of a page as HTML and CSS: the look of each state as the
// page's script gives it to the runtime, that look as CSS declarations, and
// the page's style sheet and button elements built from them.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class PropButton;
class PropProject;

namespace buttons_html {

// The look of one state of a button, as the runtime holds it: colours as
// 0xRRGGBB, `image` the address the page's image list gives (empty with
// `hasImage` off for none), `cursor` the index of the state's pointer shape.
struct Look {
  int32_t x = 0, y = 0, width = 100, height = 40;
  bool show = true;
  uint32_t color = 0xC0C0C0;
  int32_t style = 0;  // 0 solid, 1 transparent
  uint32_t textColor = 0;
  int32_t textSize = 11, textStyle = 0, textAlignX = 1, textAlignY = 1;
  int32_t textOffsetX = 0, textOffsetY = 0;
  std::string textFont = "Arial";
  bool hasImage = false;
  std::string image;
  int32_t imageStyle = 0, imageAlignX = 1, imageAlignY = 1, imageOffsetX = 0, imageOffsetY = 0;
  int32_t borderStyle = 2;
  bool borderSmooth = true;
  uint32_t borderTop = 0xFFFFFF, borderMid = 0xC0C0C0, borderBot = 0;
  int32_t borderThick = 3, frameThick = 0;
  uint32_t frameColor = 0;
  int32_t cursor = 0;
  std::string text;  // the caption, place-holders and all
};

// A look's CSS: declarations for the button's element and for its caption.
struct Css {
  std::string box, cap;
};
// The declarations of `look` placed relative to (originX, originY); `flow`
// gives the element a least height in place of a height, as a button of a
// column or row has. The runtime's lookCss gives the same bytes.
Css LookCss(const Look& look, int32_t originX, int32_t originY, bool flow);
// The same, declaration by declaration.
struct Decls {
  std::vector<std::string> box, cap;
};
Decls LookDecls(const Look& look, int32_t originX, int32_t originY, bool flow);

// The looks of Up, Over and Down as the button's statement gives them (the
// Default block, then each state's block over it). `driveRoot` tells a
// local image file from an address.
void StateLooks(const PropButton& button, const std::string& driveRoot, Look out[3]);
// The project's Background look: its colour and image.
Look BackgroundLook(const PropProject& project, const std::string& driveRoot);

// The caption as text: place-holders ("${...}") left out.
std::string CaptionText(const std::string& text);
// Whether `text` holds a character of a script written right to left (Hebrew,
// Arabic and their kin, a right-to-left mark): its caption is laid out in the
// direction of its first strong character. The runtime's hasRightToLeft
// tells the same characters.
bool HasRightToLeft(std::string_view text);
// The container's id: "vb-" and the identifier with every byte outside
// [A-Za-z0-9_-] written "_".
std::string ContainerId(const std::string& identifier);

// Whether the project does anything a page of links and styles cannot: its
// own scripts, place-holders, sounds, animation, dragging, timers, the input
// file, a link that is not a push button's click.
bool NeedsRuntime(const PropProject& project,
                  const std::vector<std::unique_ptr<PropButton>>& buttons);

// The style sheet and the elements of one page, worked out once.
class Page {
 public:
  Page(const PropProject& project, const std::vector<std::unique_ptr<PropButton>>& buttons,
       const std::string& driveRoot, bool runtime);
  // "<STYLE>...</STYLE>\r\n".
  void AddStyle(std::string& out) const;
  // The container and its buttons, each line ending "\r\n".
  void AddElements(std::string& out) const;
  // "<META NAME=\"description\" ...>\r\n": the identifier and the buttons'
  // captions (a button without one by its tip, else its name), at most
  // kDescriptionMax characters before escaping.
  void AddDescription(std::string& out) const;
  static constexpr std::size_t kDescriptionMax = 150;

  // How a button's element is made.
  enum class Kind { Link, Button, Plain, Check, Radio };

 private:
  struct Item {
    const PropButton* button;
    Kind kind;
    std::size_t lookClass;  // 1-based
  };
  struct LookClass {
    Kind kind;
    Decls states[3];
  };
  const PropProject& project_;
  std::string id_;
  std::string root_;
  bool runtime_;
  bool flow_;
  std::vector<Item> items_;
  std::vector<LookClass> classes_;
  std::vector<std::string> fontFiles_;
};

}  // namespace buttons_html
