// libFuzzer target for the project reader: any bytes either load, or are
// rejected with "Unexpected file format." and leave a new project. A loaded
// project saves, loads back and saves again to the same bytes, and its page
// and parameters can be generated.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/Archive.h"
#include "core/Doc.h"
#include "core/KesApp.h"
#include "core/Messages.h"
#include "tests/support/TestPlatform.h"

namespace {
std::string Save(Doc& doc) {
  Archive ar;
  doc.Serialize(ar);
  return ar.TakeBytes();
}

void Check(bool condition) {
  if (!condition) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TestPlatform platform;
  KesApp app(platform);
  Doc doc(app);
  app.setCurrentDoc(&doc);
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const bool ok = doc.OpenFromBytes(bytes, "fuzz.but");
  const std::string saved = Save(doc);
  if (!ok) {
    Check(platform.messages.size() == 1 && platform.messages[0].text == msg::kUnexpectedFormat);
    Check(doc.ButtonCount() == 1 && doc.pathName().empty() && !doc.IsModified());
    return 0;
  }
  Check(platform.messages.empty());

  Doc again(app);
  app.setCurrentDoc(&again);
  Check(again.OpenFromBytes(saved, "again.but"));
  Check(Save(again) == saved);
  Check(again.ButtonCount() == doc.ButtonCount());

  // Generation must cope with whatever values were stored.
  app.setCurrentDoc(&doc);
  doc.BuildHtml(PageMode::Page);
  doc.BuildHtml(PageMode::Preview);
  doc.BuildParams(ParamForm::InputFile, std::string());
  return 0;
}
