// Writes the bundled example project: a small menu of buttons with coloured
// states, links, status texts and tool tips, made through the engine's own
// document as the editor would make it. With --corpus DIR it also writes the
// seed files of the project-reader fuzzer.
//
//   make_demo OUT.but
//   make_demo --corpus DIR
//   make_demo --buttons N OUT.but   (the menu's five buttons repeated to N)
//   make_demo --font FILE OUT.but   (the menu with every caption in the font file FILE)
#include <cstdio>
#include <cstdlib>
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
