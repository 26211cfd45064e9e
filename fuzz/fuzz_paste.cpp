// libFuzzer target for pasting a group's clipboard data: the first byte picks
// the group class of a new project, the rest is the data. A paste that fails
// leaves the group's bytes exactly as they were; one that succeeds keeps the
// group's name and copies back to bytes that paste again to the same group.
#include <cstdint>
#include <cstdlib>
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
#include "tests/support/TestPlatform.h"

namespace {
void Check(bool condition) {
  if (!condition) std::abort();
}

KesProp* Pick(Doc& doc, unsigned which) {
  PropButton* b = doc.ButtonPointers().front();
  PropState* over = b->overState.get();
  switch (which % 8) {
    case 0:
      return doc.project();
    case 1:
      return b;
    case 2:
      return over;
    case 3:
      return over->text.get();
    case 4:
      return over->border.get();
    case 5:
      return over->audio.get();
    case 6:
      return over->image.get();
    default:
      return over->advanced.get();
  }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  TestPlatform platform;
  KesApp app(platform);
  Doc doc(app);
  app.setCurrentDoc(&doc);
  doc.OnNewDocument();
  KesProp* target = Pick(doc, data[0]);
  const std::string name = target->name;
  const std::string before = Doc::CopyGroup(*target);
  const std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
  if (!Doc::PasteGroup(*target, bytes)) {
    Check(Doc::CopyGroup(*target) == before);
    Check(target->name == name);
    return 0;
  }
  Check(target->name == name);
  const std::string copied = Doc::CopyGroup(*target);
  Check(Doc::PasteGroup(*target, copied));
  Check(Doc::CopyGroup(*target) == copied);
  doc.BuildParams(ParamForm::Page, std::string());
  return 0;
}
