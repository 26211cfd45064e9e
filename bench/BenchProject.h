// A project of many buttons whose every state has a caption, an image, a
// border and a sound, each with its own file: the benchmarks' common subject.
#pragma once

#include <memory>
#include <string>

#include "audio/PropAudio.h"
#include "core/Doc.h"
#include "core/KesApp.h"
#include "groups/button/PropAdvanced.h"
#include "groups/button/PropBorder.h"
#include "groups/button/PropButton.h"
#include "groups/button/PropImage.h"
#include "groups/button/PropState.h"
#include "groups/button/PropText.h"
#include "groups/project/PropProject.h"
#include "support/TestPlatform.h"

struct BenchProject {
  TestPlatform platform;
  KesApp app{platform};
  Doc doc{app};

  explicit BenchProject(int buttons) {
    doc.OnNewDocument();
    doc.RemoveButton(doc.buttons().front().get());
    doc.project()->backgroundImage = "art/background.jpg";
    doc.project()->afterScript = "Call 'done';";
    // Inserting lays every button out again; build user-defined, then switch
    // to the vertical layout once.
    doc.project()->layout = 2;
    for (int i = 0; i < buttons; ++i) {
      std::unique_ptr<PropButton> b = doc.CreateButton();
      b->name = "Item " + std::to_string(i);
      b->tip = "Open page " + std::to_string(i);
      b->status = "Page " + std::to_string(i);
      b->url = "http://www.example.com/page" + std::to_string(i) + ".html";
      int s = 0;
      for (PropState* st : {b->upState.get(), b->overState.get(), b->downState.get()}) {
        const std::string n = std::to_string(i) + "_" + std::to_string(s);
        st->color = 0x102030u * static_cast<uint32_t>(s + 1);
        st->text->text = "Caption " + n + "\r\nsecond line";
        st->text->bold = s & 1;
        st->text->font = s == 1 ? "Courier" : "Arial";
        st->border->style = 1 + s;
        st->border->frameThick = s;
        st->image->file = "images/button" + n + ".gif";
        st->image->style = s;
        st->audio->file = "sounds/click" + n + ".au";
        st->audio->mode = s;
        st->animate = 1;
        st->advanced->script = "PropSet 'Item " + std::to_string(i) + "' Show=True;\r\n";
        ++s;
      }
      doc.InsertButton(std::move(b));
    }
    doc.project()->layout = 0;
    doc.LayoutButtons();
  }
};
