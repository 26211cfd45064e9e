#include "ui/ProjectColors.h"

#include <algorithm>

#include "core/Doc.h"
#include "groups/button/PropButton.h"
#include "groups/project/PropProject.h"

namespace {

class ColorCollector : public FieldVisitor {
 public:
  explicit ColorCollector(std::size_t most) : most_(most) {}
  void Int(std::string_view, int32_t&) override {}
  void Text(std::string_view, std::string&) override {}
  void Color(std::string_view, uint32_t& value) override {
    const uint32_t c = value & 0xFFFFFF;
    if (colors.size() < most_ && std::find(colors.begin(), colors.end(), c) == colors.end())
      colors.push_back(c);
  }
  std::vector<uint32_t> colors;

 private:
  std::size_t most_;
};

}  // namespace

std::vector<uint32_t> ProjectColors(const Doc& doc, std::size_t most) {
  ColorCollector collector(most);
  if (PropProject* project = doc.project()) project->VisitFields(collector);
  for (const auto& button : doc.buttons()) {
    for (int s = 0; s < 3; ++s) {
      PropState* state = button->state(s);
      if (!state) continue;
      state->VisitFields(collector);
      if (state->text) state->text->VisitFields(collector);
    }
  }
  return collector.colors;
}
