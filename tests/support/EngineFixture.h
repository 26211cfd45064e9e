// A new project on the scripted platform, shared by the generation tests.
#pragma once

#include <gtest/gtest.h>

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
#include "output/DocStaging.h"
#include "support/TestPlatform.h"

class NewProject : public ::testing::Test {
 protected:
  NewProject() : app(platform), doc(app) {
    app.setCurrentDoc(&doc);
    doc.staging = std::make_unique<DocStaging>();
    // The classic page, byte for byte: the runtime's line has tests of its own.
    app.settings().html5Runtime = 0;
    doc.OnNewDocument();
  }

  PropProject& project() { return *doc.project(); }
  PropButton& button(std::size_t i = 0) { return *doc.buttons().at(i); }
  PropState& up(std::size_t i = 0) { return *button(i).upState; }
  PropState& over(std::size_t i = 0) { return *button(i).overState; }
  PropState& down(std::size_t i = 0) { return *button(i).downState; }
  PropButton& AddButton() { return *doc.InsertButton(doc.CreateButton()); }

  // The first button's statement, tokenized or not.
  std::string Statement(int tokenize = 0, std::size_t i = 0) {
    return button(i).GetScript("", tokenize);
  }

  TestPlatform platform;
  KesApp app;
  Doc doc;
};
