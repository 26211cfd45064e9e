// Writes the bundled example project: a small menu of buttons with coloured
// states, links, status texts and tool tips, made through the engine's own
// document as the editor would make it. With --corpus DIR it also writes the
// seed files of the project-reader fuzzer.
//
//   make_demo OUT.but
//   make_demo --corpus DIR
//   make_demo --buttons N OUT.but   (the menu's five buttons repeated to N)
//   make_demo --font FILE OUT.but   (the menu with every caption in the font file FILE)
//   make_demo --templates DIR       (the New Project dialog's starting points, with their files)
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "audio/PropAudio.h"
#include "core/Archive.h"
#include "core/Doc.h"
#include "core/KesApp.h"
#include "groups/button/PropAdvanced.h"
#include "groups/button/PropBorder.h"
#include "groups/button/PropButton.h"
#include "groups/button/PropImage.h"
#include "groups/button/PropState.h"
#include "groups/button/PropText.h"
#include "groups/project/PropProject.h"
#include "tests/support/TestPlatform.h"

namespace {

constexpr uint32_t Rgb(uint32_t r, uint32_t g, uint32_t b) {
  return r | (g << 8) | (b << 16);
}

struct Colours {
  uint32_t up, over, down;
};

PropButton* AddButton(Doc& doc, const std::string& name, const std::string& caption,
                      const Colours& c) {
  PropButton* b = doc.InsertButton(doc.CreateButton());
  b->name = name;
  PropState* states[3] = {b->upState.get(), b->overState.get(), b->downState.get()};
  const uint32_t colours[3] = {c.up, c.over, c.down};
  for (int i = 0; i < 3; ++i) {
    states[i]->color = colours[i];
    states[i]->text->text = caption;
    states[i]->text->font = "Arial";
    states[i]->text->size = 12;
    states[i]->text->bold = 1;
  }
  states[0]->text->textColor = Rgb(255, 255, 255);
  states[1]->text->textColor = Rgb(255, 255, 0);
  states[2]->text->textColor = Rgb(255, 255, 255);
  states[2]->offsetX = 1;
  states[2]->offsetY = 1;
  return b;
}

std::string Bytes(Doc& doc) {
  Archive ar;
  doc.Serialize(ar);
  return ar.TakeBytes();
}

void MakeDemo(Doc& doc) {
  doc.OnNewDocument();
  // The new project's "Button 1" gives way to the menu.
  doc.RemoveButton(doc.ButtonPointers().front());
  PropProject& p = *doc.project();
  p.identifier = "DemoMenu";
  p.buttonWidth = 140;
  p.buttonHeight = 32;
  p.spacing = 4;
  p.backgroundColor = Rgb(16, 32, 64);

  PropButton* home =
      AddButton(doc, "Home", "Home", {Rgb(0, 64, 128), Rgb(0, 96, 192), Rgb(0, 32, 96)});
  home->url = "index.html";
  home->status = "Back to the start page";
  home->tip = "Start page";

  PropButton* products = AddButton(doc, "Products", "Our Products",
                                   {Rgb(0, 112, 48), Rgb(0, 160, 64), Rgb(0, 80, 32)});
  products->url = "products.html";
  products->target = "_self";
  products->status = "What we make";
  products->tip = "Product range";

  PropButton* news = AddButton(doc, "News", "News ${date.%d/%m/%y}",
                               {Rgb(128, 64, 0), Rgb(192, 96, 0), Rgb(96, 48, 0)});
  news->url = "https://www.velko.example/news/";
  news->target = "_blank";
  news->status = "Latest news in a new window";
  news->tip = "News";
  news->upState->cursor = 12;
  news->overState->border->style = 1;

  PropButton* contact =
      AddButton(doc, "Contact", "Contact", {Rgb(112, 0, 64), Rgb(176, 0, 96), Rgb(80, 0, 48)});
  contact->url = "mailto:info@velko.example";
  contact->status = "Write to us";
  contact->tip = "E-mail";
  contact->leaveScript = "PropSet 'Help' Show=False;\r\n";

  PropButton* help =
      AddButton(doc, "Help", "Help", {Rgb(64, 64, 64), Rgb(96, 96, 96), Rgb(32, 32, 32)});
  help->mode = 1;
  help->status = "Show or hide the tips";
  help->tip = "Tips on or off";
  help->downState->advanced->script = "PropSet 'Contact' Show=True;\r\n";
  doc.LayoutButtons();
}

// The demo's buttons over and over, each with a name of its own, as the
// benchmarks of large projects use them.
void MakeLarge(Doc& doc, int count) {
  MakeDemo(doc);
  std::vector<PropButton*> pattern = doc.ButtonPointers();
  PropProject& p = *doc.project();
  // Inserting lays every button out again: lay out once at the end.
  const int32_t layout = p.layout;
  p.layout = 2;
  for (int i = static_cast<int>(pattern.size()); i < count; ++i) {
    PropButton* model = pattern[static_cast<std::size_t>(i) % pattern.size()];
    std::unique_ptr<PropButton> b = doc.CreateButton();
    if (!Doc::PasteGroup(*b, Doc::CopyGroup(*model))) continue;
    b->name = model->name + " " + std::to_string(i);
    doc.InsertButton(std::move(b));
  }
  while (doc.ButtonCount() > static_cast<std::size_t>(count))
    doc.RemoveButton(doc.ButtonPointers().back());
  p.layout = layout;
  doc.LayoutButtons();
}

bool Write(const std::string& path, const std::string& bytes) {
  if (KesDoc::WriteWholeFile(path, bytes)) return true;
  std::fprintf(stderr, "make_demo: cannot write %s\n", path.c_str());
  return false;
}

// ---------------------------------------------------------------------------
// Templates: designed starting points, each an ordinary project with its files.

// A bakery's warm colours.
constexpr uint32_t kCrust = Rgb(92, 58, 33), kCrumb = Rgb(245, 230, 200),
                   kToast = Rgb(200, 120, 60), kDough = Rgb(250, 244, 232);
// A darker toast that white captions can be read on (4.9:1).
constexpr uint32_t kBakedToast = Rgb(168, 94, 40);
// A pressed button's toast that cream captions read on (5.4:1).
constexpr uint32_t kPressedToast = Rgb(140, 74, 30);

// Every state's caption, font and colours at once, Over and Down lighter and darker.
void Style(PropButton& b, const std::string& caption, uint32_t up, uint32_t over, uint32_t down,
           uint32_t text, int size = 13) {
  const uint32_t colours[3] = {up, over, down};
  for (int i = 0; i < 3; ++i) {
    PropState& s = *b.state(i);
    s.color = colours[i];
    s.text->text = caption;
    s.text->font = "Arial";
    s.text->size = size;
    s.text->bold = 1;
    s.text->textColor = text;
    s.border->style = PropBorder::kFlat;
    s.border->thick = 1;
    s.cursor = PropState::kCursorHand;
  }
  b.overState->text->textColor = kCrust;
  b.downState->offsetX = 1;
  b.downState->offsetY = 1;
}

PropButton& NewButton(Doc& doc, const std::string& name) {
  PropButton& b = *doc.InsertButton(doc.CreateButton());
  b.name = name;
  return b;
}

void Begin(Doc& doc, const std::string& id, int32_t layout, int32_t w, int32_t h, int32_t spacing) {
  doc.OnNewDocument();
  doc.RemoveButton(doc.ButtonPointers().front());
  PropProject& p = *doc.project();
  p.identifier = id;
  p.layout = layout;
  p.buttonWidth = w;
  p.buttonHeight = h;
  p.spacing = spacing;
  p.backgroundColor = kDough;
}

void Link(PropButton& b, const std::string& url, const std::string& status) {
  b.url = url;
  b.status = status;
  b.tip = status;
}

// A 20 x 20 icon in the crust's colour.
std::string Icon(const std::string& shape) {
  return "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"20\" height=\"20\" viewBox=\"0 0 20 "
         "20\">" +
         shape + "</svg>\n";
}

// A short click as an 8000 Hz mono mu-law Sun audio file.
std::string Click() {
  std::string au = ".snd";
  for (uint32_t v : {24u, 800u, 1u, 8000u, 1u}) {
    for (int shift = 24; shift >= 0; shift -= 8)
      au.push_back(static_cast<char>((v >> shift) & 0xFF));
  }
  for (int i = 0; i < 800; ++i)
    au.push_back(static_cast<char>(i < 80 ? (i % 2 ? 0x9F : 0x1F) : 0xFF));
  return au;
}

bool MakeTemplates(Doc& doc, const std::string& dir) {
  bool ok = true;
  auto save = [&](const std::string& name) {
    doc.LayoutButtons();
    ok = Write(dir + name + "/" + name + ".but", Bytes(doc)) && ok;
  };
  const char* const pages[][3] = {{"Home", "index.html", "Back to the start"},
                                  {"Breads", "breads.html", "Our breads"},
                                  {"Cakes", "cakes.html", "Cakes and tarts"},
                                  {"Visit", "visit.html", "Where to find us"},
                                  {"Contact", "contact.html", "Write to us"}};

  Begin(doc, "VerticalMenu", PropProject::kLayoutColumn, 160, 34, 6);
  for (const auto& p : pages) {
    PropButton& b = NewButton(doc, p[0]);
    Style(b, p[0], kCrust, kCrumb, kPressedToast, kCrumb);
    Link(b, p[1], p[2]);
  }
  save("vertical-menu");

  Begin(doc, "HorizontalBar", PropProject::kLayoutRow, 110, 36, 2);
  for (const auto& p : pages) {
    PropButton& b = NewButton(doc, p[0]);
    Style(b, p[0], kCrust, kCrumb, kPressedToast, kCrumb);
    for (int i = 0; i < 3; ++i) b.state(i)->border->style = PropBorder::kNone;
    Link(b, p[1], p[2]);
  }
  save("horizontal-bar");

  // Tabs: radio buttons, one down at a time; the first starts down.
  Begin(doc, "Tabs", PropProject::kLayoutRow, 120, 34, 0);
  for (const char* tab : {"Breads", "Cakes", "Pastries", "Drinks"}) {
    PropButton& b = NewButton(doc, tab);
    Style(b, tab, kCrumb, kDough, kCrust, kCrust);
    b.downState->text->textColor = kCrumb;
    b.mode = PropButton::kRadio;
    b.status = std::string("Show the ") + tab;
  }
  doc.buttons()[0]->initiallyDown = 1;
  save("tabs");

  // A toolbar of icon buttons that stay down while on (check boxes).
  Begin(doc, "Toolbar", PropProject::kLayoutRow, 40, 40, 4);
  const char* const tools[][3] = {
      {"Bold", "bold.svg",
       "<path d=\"M6 3h5a4 4 0 0 1 0 8H6zm0 8h6a4 4 0 0 1 0 8H6z\" fill=\"#5c3a21\"/>"},
      {"Grid", "grid.svg",
       "<path d=\"M3 3h6v6H3zm8 0h6v6h-6zM3 11h6v6H3zm8 0h6v6h-6z\" fill=\"#5c3a21\"/>"},
      {"Star", "star.svg",
       "<path d=\"M10 2l2.4 5.2 5.6.6-4.2 3.8 1.2 5.6L10 14.4 5 17.2l1.2-5.6L2 7.8l5.6-.6z\" "
       "fill=\"#5c3a21\"/>"},
      {"Sound", "sound.svg",
       "<path d=\"M3 7h4l5-4v14l-5-4H3zm11 0a4 4 0 0 1 0 6\" fill=\"#5c3a21\" "
       "stroke=\"#5c3a21\"/>"}};
  for (const auto& t : tools) {
    ok = KesDoc::WriteWholeFile(dir + "toolbar/" + t[1], Icon(t[2])) && ok;
    PropButton& b = NewButton(doc, t[0]);
    Style(b, "", kCrumb, kDough, kToast, kCrust);
    b.mode = PropButton::kCheckBox;
    b.tip = t[0];
    b.status = std::string("Turn ") + t[0] + " on or off";
    for (int i = 0; i < 3; ++i) b.state(i)->image->file = t[1];
  }
  save("toolbar");

  // One call to action, with a click when pressed.
  Begin(doc, "CallToAction", PropProject::kLayoutColumn, 220, 56, 0);
  ok = KesDoc::WriteWholeFile(dir + "call-to-action/click.au", Click()) && ok;
  PropButton& order = NewButton(doc, "Order");
  Style(order, "Order your bread", kBakedToast, kCrust, kCrust, Rgb(255, 255, 255), 18);
  order.overState->text->textColor = kCrumb;
  for (int i = 0; i < 3; ++i) order.state(i)->border->style = PropBorder::kRaised;
  order.downState->audio->file = "click.au";
  Link(order, "order.html", "Order fresh bread for tomorrow");
  save("call-to-action");

  // A menu whose Shop entry shows its sub-menu; the other entries hide it.
  Begin(doc, "SubMenu", PropProject::kLayoutFree, 150, 32, 0);
  doc.project()->projectWidth = 320;
  doc.project()->projectHeight = 180;
  const char* const mains[] = {"Home", "Shop", "Visit", "Contact"};
  const std::string hide = "PropSet 'Breads' Show=False;\r\nPropSet 'Cakes' Show=False;\r\n";
  const std::string show = "PropSet 'Breads' Show=True;\r\nPropSet 'Cakes' Show=True;\r\n";
  for (int i = 0; i < 4; ++i) {
    PropButton& b = NewButton(doc, mains[i]);
    Style(b, i == 1 ? "Shop  >" : mains[i], kCrust, kCrumb, kPressedToast, kCrumb);
    b.x = 10;
    b.y = 10 + 40 * i;
    b.width = 150;
    b.height = 32;
    b.overState->advanced->script = i == 1 ? show : hide;
    if (i != 1) Link(b, std::string(mains[i]) == "Home" ? "index.html" : pages[i][1], mains[i]);
  }
  for (int i = 0; i < 2; ++i) {
    PropButton& b = NewButton(doc, i == 0 ? "Breads" : "Cakes");
    Style(b, b.name, kCrumb, kDough, kToast, kCrust);
    b.x = 165;
    b.y = 50 + 40 * i;
    b.width = 140;
    b.height = 32;
    b.show = 0;
    Link(b, i == 0 ? "breads.html" : "cakes.html", i == 0 ? "Our breads" : "Cakes and tarts");
  }
  save("submenu");
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  TestPlatform platform;
  KesApp app(platform);
  Doc doc(app);
  app.setCurrentDoc(&doc);
  if (argc == 2) {
    MakeDemo(doc);
    return Write(argv[1], Bytes(doc)) ? 0 : 1;
  }
  if (argc == 4 && std::string(argv[1]) == "--buttons") {
    const int count = std::atoi(argv[2]);
    if (count < 1) {
      std::fputs("make_demo: --buttons needs a positive count\n", stderr);
      return 2;
    }
    MakeLarge(doc, count);
    return Write(argv[3], Bytes(doc)) ? 0 : 1;
  }
  if (argc == 3 && std::string(argv[1]) == "--templates") {
    std::string dir = std::string(argv[2]) + "/";
    for (const char* t :
         {"vertical-menu", "horizontal-bar", "tabs", "toolbar", "call-to-action", "submenu"})
      std::filesystem::create_directories(dir + t);
    return MakeTemplates(doc, dir) ? 0 : 1;
  }
  if (argc == 4 && std::string(argv[1]) == "--font") {
    MakeDemo(doc);
    for (const auto& b : doc.buttons())
      for (int s = 0; s < 3; ++s) b->state(s)->text->font = argv[2];
    return Write(argv[3], Bytes(doc)) ? 0 : 1;
  }
  if (argc != 3 || std::string(argv[1]) != "--corpus") {
    std::fputs(
        "usage: make_demo OUT.but | make_demo --corpus DIR | make_demo --buttons N OUT.but |\n"
        "       make_demo --font FILE OUT.but\n",
        stderr);
    return 2;
  }
  const std::string dir = std::string(argv[2]) + "/";
  bool ok = true;

  doc.OnNewDocument();
  const std::string fresh = Bytes(doc);
  ok = Write(dir + "new.but", fresh) && ok;

  // The wide string form in the head: htmlPath "AB" as two 2-byte characters.
  std::string wide = fresh;
  const std::size_t htmlAt = 1 + 4 + 1 + 2;
  wide.replace(htmlAt, 1,
               std::string("\xFF\xFE\xFF\x02"
                           "A\0B\0",
                           8));
  ok = Write(dir + "wide.but", wide) && ok;

  MakeDemo(doc);
  ok = Write(dir + "demo.but", Bytes(doc)) && ok;

  doc.OnNewDocument();
  doc.RemoveButton(doc.ButtonPointers().front());
  ok = Write(dir + "no-buttons.but", Bytes(doc)) && ok;

  doc.OnNewDocument();
  PropButton* b = doc.ButtonPointers().front();
  b->tip = std::string(255, 't');
  b->status = std::string(1000, 's');
  b->upState->text->text = std::string(254, 'x');
  doc.project()->beforeScript = std::string(300, 'b');
  ok = Write(dir + "long-strings.but", Bytes(doc)) && ok;
  return ok ? 0 : 1;
}
