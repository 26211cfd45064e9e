// The page's buttons: the style sheet of their looks and the elements that
// carry them, scoped by the container's id.
#include <algorithm>
#include <unordered_map>

#include "core/ButtonsCss.h"
#include "core/ButtonsHtml.h"
#include "core/Keywords.h"
#include "core/ParamText.h"
#include "core/Win1252.h"
#include "core/WrapInt.h"
#include "groups/button/PropButton.h"
#include "groups/project/PropProject.h"

namespace buttons_html {

using namespace css;

// ---------------------------------------------------------------------------
// The page

namespace {

// The declarations of `state` that the rule of a state after Up needs: those
// that differ from Up's, or from `also`'s when given.
std::vector<std::string> Differing(const std::vector<std::string>& state,
                                   const std::vector<std::string>& up,
                                   const std::vector<std::string>* also) {
  const auto valueIn = [](const std::vector<std::string>& list, std::string_view name) {
    for (const auto& d : list)
      if (NameOf(d) == name) return &d;
    return static_cast<const std::string*>(nullptr);
  };
  std::vector<std::string> out;
  for (const auto& d : state) {
    const std::string* u = valueIn(up, NameOf(d));
    const std::string* o = also ? valueIn(*also, NameOf(d)) : nullptr;
    if (!u || *u != d || (also && (!o || *o != d))) out.push_back(d);
  }
  return out;
}

void AddRule(std::string& out, const std::string& selectors, const std::vector<std::string>& d) {
  if (d.empty()) return;
  out += selectors;
  out.push_back('{');
  out += Join(d);
  out += "}\r\n";
}

// The values of a look that its CSS depends on, as bytes, placed from
// (x0, y0): equal keys give equal declarations.
void AppendRawKey(std::string& key, const Look& l, int32_t x0, int32_t y0) {
  const auto add = [&key](int64_t v) { key.append(reinterpret_cast<const char*>(&v), sizeof v); };
  const auto text = [&](const std::string& t) {
    add(static_cast<int64_t>(t.size()));
    key += t;
  };
  for (int64_t v : {int64_t{l.x} - x0, int64_t{l.y} - y0}) add(v);
  for (int64_t v : {int64_t{l.width},        int64_t{l.height},       int64_t{l.color},
                    int64_t{l.style},        int64_t{l.textColor},    int64_t{l.textSize},
                    int64_t{l.textStyle},    int64_t{l.textAlignX},   int64_t{l.textAlignY},
                    int64_t{l.textOffsetX},  int64_t{l.textOffsetY},  int64_t{l.hasImage},
                    int64_t{l.imageStyle},   int64_t{l.imageAlignX},  int64_t{l.imageAlignY},
                    int64_t{l.imageOffsetX}, int64_t{l.imageOffsetY}, int64_t{l.borderStyle},
                    int64_t{l.borderSmooth}, int64_t{l.borderTop},    int64_t{l.borderMid},
                    int64_t{l.borderBot},    int64_t{l.borderThick},  int64_t{l.frameThick},
                    int64_t{l.frameColor},   int64_t{l.cursor}})
    add(v);
  text(l.textFont);
  text(l.image);
}

void AddAttribute(std::string& out, const char* name, const std::string& value) {
  out.push_back(' ');
  out += name;
  out += "=\"";
  params::AddAttributeText(out, value);
  out.push_back('"');
}

}  // namespace

Page::Page(const PropProject& project, const std::vector<std::unique_ptr<PropButton>>& buttons,
           const std::string& driveRoot, bool runtime)
    : project_(project),
      id_(ContainerId(project.identifier)),
      root_(driveRoot),
      runtime_(runtime),
      flow_(project.layout != PropProject::kLayoutFree) {
  std::unordered_map<std::string, std::size_t> byKey, byLooks;
  items_.reserve(buttons.size());
  for (const auto& b : buttons) {
    Kind kind = Kind::Plain;
    if (b->mode == PropButton::kCheckBox)
      kind = Kind::Check;
    else if (b->mode == PropButton::kRadio)
      kind = Kind::Radio;
    else if (!b->url.empty())
      kind = Kind::Link;
    else if (runtime)
      kind = Kind::Button;
    Look looks[3];
    StateLooks(*b, driveRoot, looks);
    // Buttons of one look are many: a look's declarations are made once.
    std::string raw(1, static_cast<char>('0' + static_cast<int>(kind)));
    for (const Look& l : looks) AppendRawKey(raw, l, looks[0].x, looks[0].y);
    if (const auto known = byLooks.find(raw); known != byLooks.end()) {
      items_.push_back({b.get(), kind, known->second});
      continue;
    }
    LookClass lc{kind, {}};
    std::string key(1, static_cast<char>('0' + static_cast<int>(kind)));
    for (int s = 0; s < 3; ++s) {
      lc.states[s] = LookDecls(looks[s], looks[0].x, looks[0].y, flow_);
      for (const auto* list : {&lc.states[s].box, &lc.states[s].cap}) {
        key.push_back('\n');
        key += Join(*list);
      }
      if (NamesFontFile(looks[s].textFont)) {
        const std::string file = FontFileName(looks[s].textFont);
        if (std::find(fontFiles_.begin(), fontFiles_.end(), file) == fontFiles_.end())
          fontFiles_.push_back(file);
      }
    }
    auto [it, fresh] = byKey.emplace(std::move(key), classes_.size() + 1);
    if (fresh) classes_.push_back(std::move(lc));
    items_.push_back({b.get(), kind, it->second});
    byLooks.emplace(std::move(raw), it->second);
  }
}

void Page::AddStyle(std::string& page) const {
  // The style sheet is made in UTF-8 and written 8-bit: a character of a font
  // or file name that Windows-1252 cannot hold as a CSS escape.
  std::string out;
  const std::string s = "#" + id_;
  out += "<STYLE>\r\n";
  for (const auto& file : fontFiles_)
    out += "@font-face{font-family:\"" + FontFileFamily(file) + "\";src:url(\"" + UrlText(file) +
           "\")}\r\n";
  // The container: its place for the buttons, and the project's background.
  const Look bg = BackgroundLook(project_, root_);
  std::vector<std::string> own;
  const int64_t width = std::max<int64_t>(0, project_.projectWidth);
  if (!flow_) {
    own = {"position:relative", "width:" + Px(width),
           "height:" + Px(std::max<int64_t>(0, project_.projectHeight))};
  } else {
    const std::string gap = Px(std::max<int64_t>(0, project_.spacing));
    own = {"display:flex"};
    own.push_back(project_.layout == PropProject::kLayoutColumn ? "flex-direction:column"
                                                                : "flex-wrap:wrap");
    own.insert(own.end(), {"align-items:flex-start", "gap:" + gap, "padding:" + gap,
                           "box-sizing:border-box", "width:" + Px(width), "max-width:100%"});
  }
  // What lies outside the applet's box is not shown, as the applet clips.
  own.push_back("overflow:hidden");
  own.push_back("margin:0");
  own.push_back("text-align:left");
  own.push_back("background-color:" + Hex(bg.color));
  AddImageDecls(own, bg);
  AddRule(out, s, own);
  // Only a free layout positions its buttons: a positioned box is one more that
  // the browser searches under the pointer at every move.
  AddRule(out, s + " .b",
          {flow_ ? "box-sizing:border-box" : "position:absolute;box-sizing:border-box",
           "display:flex", "overflow:hidden", "text-decoration:none", "margin:0", "border:0",
           flow_ ? "max-width:100%;flex:none" : "max-width:none"});
  AddRule(out, s + " .b>span", {"white-space:pre"});
  // Rules for what a page without the runtime does not hold are left out:
  // the runtime may make check boxes and hide buttons.
  const bool inputs = runtime_ || std::any_of(items_.begin(), items_.end(), [](const Item& i) {
                        return i.kind == Kind::Check || i.kind == Kind::Radio;
                      });
  if (inputs)
    AddRule(out, s + " .i",
            {"position:absolute", "opacity:0", "width:1px", "height:1px", "margin:0",
             "pointer-events:none"});
  if (runtime_ ||
      std::any_of(items_.begin(), items_.end(), [](const Item& i) { return i.button->show == 0; }))
    AddRule(out, s + " [hidden]", {"display:none"});
  AddRule(out, s + " .b:focus-visible" + (inputs ? "," + s + " .i:focus-visible+.b" : ""),
          {"outline:2px solid #1a73e8", "outline-offset:-2px"});
  // A button whose captions differ shows the caption of its state.
  if (std::any_of(items_.begin(), items_.end(), [](const Item& i) {
        const std::string up = CaptionText(i.button->upState->text->text);
        return CaptionText(i.button->overState->text->text) != up ||
               CaptionText(i.button->downState->text->text) != up;
      })) {
    AddRule(out, s + " .o," + s + " .d", {"display:none"});
    AddRule(
        out,
        s + " .s3:hover>span," + s + " .s3:focus-visible>span," + s + " .i:focus-visible+.s3>span",
        {"display:none"});
    AddRule(out,
            s + " .s3:hover>.o," + s + " .s3:focus-visible>.o," + s + " .i:focus-visible+.s3>.o",
            {"display:inline"});
    AddRule(out,
            s + " .s3:active>span," + s + " .s3:active>.o," + s + " .i:checked+.s3>span," + s +
                " .i:checked+.s3>.o",
            {"display:none"});
    AddRule(out, s + " .s3:active>.d," + s + " .i:checked+.s3>.d", {"display:inline"});
  }
  for (std::size_t n = 0; n < classes_.size(); ++n) {
    const LookClass& lc = classes_[n];
    const std::string c = s + " .l" + std::to_string(n + 1);
    AddRule(out, c, lc.states[0].box);
    AddRule(out, c + ">span", lc.states[0].cap);
    // Only a check box's or radio button's label follows an input.
    const bool input = lc.kind == Kind::Check || lc.kind == Kind::Radio;
    std::string over = c + ":hover," + c + ":focus-visible";
    std::string down = c + ":active";
    if (input) {
      over += "," + s + " .i:focus-visible+.l" + std::to_string(n + 1);
      down += "," + s + " .i:checked+.l" + std::to_string(n + 1);
    }
    const auto spans = [](const std::string& selectors) {
      std::string out;
      std::size_t from = 0;
      while (from <= selectors.size()) {
        const std::size_t comma = selectors.find(',', from);
        const std::size_t end = comma == std::string::npos ? selectors.size() : comma;
        if (!out.empty()) out.push_back(',');
        out += selectors.substr(from, end - from) + ">span";
        if (comma == std::string::npos) break;
        from = comma + 1;
      }
      return out;
    };
    AddRule(out, over, Differing(lc.states[1].box, lc.states[0].box, nullptr));
    AddRule(out, spans(over), Differing(lc.states[1].cap, lc.states[0].cap, nullptr));
    AddRule(out, down, Differing(lc.states[2].box, lc.states[0].box, &lc.states[1].box));
    AddRule(out, spans(down), Differing(lc.states[2].cap, lc.states[0].cap, &lc.states[1].cap));
  }
  out += "</STYLE>\r\n";
  win1252::AppendEncoded(page, out, win1252::Escape::Css);
}

void Page::AddElements(std::string& out) const {
  const bool links =
      std::any_of(items_.begin(), items_.end(), [](const Item& i) { return i.kind == Kind::Link; });
  out += links ? "<NAV CLASS=\"vb\"" : "<DIV CLASS=\"vb\"";
  AddAttribute(out, "ID", id_);
  if (!links) out += " ROLE=\"group\"";
  if (!project_.identifier.empty()) AddAttribute(out, "ARIA-LABEL", project_.identifier);
  out += ">\r\n";
  std::size_t n = 0;
  for (const Item& item : items_) {
    ++n;
    const PropButton& b = *item.button;
    std::string captions[3];
    for (int s = 0; s < 3; ++s) captions[s] = CaptionText(b.state(s)->text->text);
    const bool several = captions[1] != captions[0] || captions[2] != captions[0];
    // A button without caption text is named by its tip, else by its name.
    std::string label;
    if (Blank(captions[0])) label = Blank(b.tip) ? b.name : b.tip;
    std::string classes = "b l" + std::to_string(item.lookClass);
    if (several) classes += " s3";
    const std::string inputId = id_ + "-" + std::to_string(n);
    const char* tag = "SPAN";
    switch (item.kind) {
      case Kind::Link:
        tag = "A";
        out += "<A";
        AddAttribute(out, "CLASS", classes);
        AddAttribute(out, "HREF", b.url);
        if (!b.target.empty()) AddAttribute(out, "TARGET", b.target);
        break;
      case Kind::Button:
        tag = "BUTTON";
        out += "<BUTTON TYPE=\"button\"";
        AddAttribute(out, "CLASS", classes);
        break;
      case Kind::Plain:
        out += "<SPAN";
        AddAttribute(out, "CLASS", classes);
        break;
      case Kind::Check:
      case Kind::Radio:
        tag = "LABEL";
        out += item.kind == Kind::Check ? "<INPUT TYPE=\"checkbox\"" : "<INPUT TYPE=\"radio\"";
        if (item.kind == Kind::Radio) AddAttribute(out, "NAME", id_);
        out += " CLASS=\"i\"";
        AddAttribute(out, "ID", inputId);
        if (b.initiallyDown != 0) out += " CHECKED";
        if (!label.empty()) AddAttribute(out, "ARIA-LABEL", label);
        if (b.show == 0) out += " HIDDEN";
        out += "><LABEL";
        AddAttribute(out, "FOR", inputId);
        AddAttribute(out, "CLASS", classes);
        break;
    }
    if (!b.tip.empty()) AddAttribute(out, "TITLE", b.tip);
    if (!label.empty() && (item.kind == Kind::Link || item.kind == Kind::Button))
      AddAttribute(out, "ARIA-LABEL", label);
    if (!flow_) {
      // Where the Up state is.
      out += " STYLE=\"left:" + Px(WrapAdd(b.x, b.upState->offsetX)) +
             ";top:" + Px(WrapAdd(b.y, b.upState->offsetY)) + "\"";
    }
    if (b.show == 0) out += " HIDDEN";
    out.push_back('>');
    // A caption of a right-to-left script reads from the right, where its
    // alignment puts it.
    const auto addCaption = [&out](const char* classes, const std::string& caption) {
      out += "<SPAN";
      out += classes;
      if (HasRightToLeft(caption)) out += " DIR=\"auto\"";
      out.push_back('>');
      params::AddAttributeText(out, caption);
      out += "</SPAN>";
    };
    addCaption("", captions[0]);
    if (several) {
      addCaption(" CLASS=\"o\"", captions[1]);
      addCaption(" CLASS=\"d\"", captions[2]);
    }
    out += "</";
    out += tag;
    out += ">\r\n";
  }
  out += links ? "</NAV>\r\n" : "</DIV>\r\n";
}

void Page::AddDescription(std::string& out) const {
  std::string text = project_.identifier;
  const char* separator = ": ";
  for (const Item& item : items_) {
    const PropButton& b = *item.button;
    std::string label = CaptionText(b.upState->text->text);
    if (Blank(label)) label = Blank(b.tip) ? b.name : b.tip;
    // One line: a line break, a tab and blanks around them are one blank.
    std::string name;
    for (char c : label) {
      if (c == '\r' || c == '\n' || c == '\t') c = ' ';
      if (c != ' ' || name.empty() || name.back() != ' ') name.push_back(c);
    }
    const std::size_t from = name.find_first_not_of(' ');
    if (from == std::string::npos) continue;
    name = name.substr(from, name.find_last_not_of(' ') - from + 1);
    const std::string part = (text.empty() ? std::string() : separator) + name;
    // Whole captions only: the first that does not fit ends the list. The
    // limit counts characters.
    if (utf8::Length(text) + utf8::Length(part) > kDescriptionMax) break;
    text += part;
    separator = ", ";
  }
  text = std::string(utf8::Prefix(text, kDescriptionMax));
  out += "<META NAME=\"description\"";
  AddAttribute(out, "CONTENT", text);
  out += ">\r\n";
}

}  // namespace buttons_html
