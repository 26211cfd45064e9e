#include "core/Project.h"

#include "core/Archive.h"
#include "core/WrapInt.h"
#include "groups/button/PropButton.h"
#include "groups/button/PropState.h"
#include "groups/project/PropProject.h"

Project::Project(Doc& doc) : doc_(doc) {}

Project::~Project() = default;

std::vector<PropButton*> Project::ButtonPointers() const {
  std::vector<PropButton*> out;
  out.reserve(buttons_.size());
  for (const auto& b : buttons_) out.push_back(b.get());
  return out;
}

int Project::IndexOf(const PropButton* button) const {
  for (std::size_t i = 0; i < buttons_.size(); ++i)
    if (buttons_[i].get() == button) return static_cast<int>(i);
  return -1;
}

std::unique_ptr<PropButton> Project::CreateButton() {
  auto button = std::make_unique<PropButton>(group_.get());
  button->CreateStates();
  return button;
}

std::unique_ptr<PropButton> Project::CreateSpareButton() {
  const int32_t counter = buttonCounter;
  std::unique_ptr<PropButton> button = CreateButton();
  buttonCounter = counter;
  return button;
}

PropButton* Project::InsertButton(std::unique_ptr<PropButton> button, int index) {
  PropButton* raw = button.get();
  if (index < 0 || static_cast<std::size_t>(index) >= buttons_.size())
    buttons_.push_back(std::move(button));
  else
    buttons_.insert(buttons_.begin() + index, std::move(button));
  if (!loading_) LayoutButtons();
  return raw;
}

std::unique_ptr<PropButton> Project::RemoveButton(PropButton* button) {
  int i = IndexOf(button);
  if (i < 0) return nullptr;
  std::unique_ptr<PropButton> out = std::move(buttons_[static_cast<std::size_t>(i)]);
  buttons_.erase(buttons_.begin() + i);
  LayoutButtons();
  return out;
}

void Project::MoveButton(PropButton* button, int index) {
  int i = IndexOf(button);
  if (i < 0) return;
  std::unique_ptr<PropButton> b = std::move(buttons_[static_cast<std::size_t>(i)]);
  buttons_.erase(buttons_.begin() + i);
  if (index < 0 || static_cast<std::size_t>(index) > buttons_.size())
    index = static_cast<int>(buttons_.size());
  buttons_.insert(buttons_.begin() + index, std::move(b));
  LayoutButtons();
}

void Project::LayoutButtons() {
  PropProject* p = group_.get();
  if (!p) return;
  if (p->layout == PropProject::kLayoutColumn) {
    int32_t y = p->spacing;
    for (auto& b : buttons_) {
      b->x = p->spacing;
      b->y = y;
      b->width = p->buttonWidth;
      b->height = p->buttonHeight;
      y = WrapAdd(y, WrapAdd(p->buttonHeight, p->spacing));
    }
    p->projectWidth = WrapAdd(p->buttonWidth, WrapAdd(p->spacing, p->spacing));
    p->projectHeight = y;
  } else if (p->layout == PropProject::kLayoutRow) {
    int32_t x = p->spacing;
    for (auto& b : buttons_) {
      b->x = x;
      b->y = p->spacing;
      b->width = p->buttonWidth;
      b->height = p->buttonHeight;
      x = WrapAdd(x, WrapAdd(p->buttonWidth, p->spacing));
    }
    p->projectHeight = WrapAdd(p->buttonHeight, WrapAdd(p->spacing, p->spacing));
    p->projectWidth = x;
  }
}

KesProp* Project::StateGroup(PropState* state, PropClass kind) {
  switch (kind) {
    case PropClass::State:
      return state;
    case PropClass::Text:
      return state->text.get();
    case PropClass::Border:
      return state->border.get();
    case PropClass::Audio:
      return state->audio.get();
    case PropClass::Image:
      return state->image.get();
    case PropClass::Advanced:
      return state->advanced.get();
    default:
      return nullptr;
  }
}

GroupPath Project::PathOf(const KesProp* group) const {
  GroupPath path;
  if (group && group == group_.get()) return path;
  path.kind = PropClass::None;
  if (!group) return path;
  path.kind = group->GetClass();
  for (std::size_t b = 0; b < buttons_.size(); ++b) {
    PropButton* button = buttons_[b].get();
    path.button = static_cast<int>(b);
    if (group == button) return path;
    if (path.kind == PropClass::Button || path.kind == PropClass::Project) continue;
    for (int s = 0; s < 3; ++s) {
      if (StateGroup(button->state(s), path.kind) == group) {
        path.state = s;
        return path;
      }
    }
  }
  return GroupPath{GroupPath::kProject, GroupPath::kNoState, PropClass::None};
}

KesProp* Project::GroupAt(const GroupPath& path) const {
  if (path.kind == PropClass::None) return nullptr;
  if (path.kind == PropClass::Project) return group_.get();
  if (path.button < 0 || static_cast<std::size_t>(path.button) >= buttons_.size()) return nullptr;
  PropButton* button = buttons_[static_cast<std::size_t>(path.button)].get();
  if (path.kind == PropClass::Button) return button;
  if (path.state < 0 || path.state > 2) return nullptr;
  return StateGroup(button->state(path.state), path.kind);
}

Project::Geometry Project::CaptureGeometry() const {
  Geometry g;
  if (!group_) return g;
  g.reserve(buttons_.size() * 4 + 2);
  for (const auto& b : buttons_) g.insert(g.end(), {b->x, b->y, b->width, b->height});
  g.push_back(group_->projectWidth);
  g.push_back(group_->projectHeight);
  return g;
}

bool Project::RestoreGeometry(const Geometry* geometry) {
  if (!geometry || geometry->size() != buttons_.size() * 4 + 2 || !group_) return false;
  std::size_t i = 0;
  for (auto& b : buttons_) {
    b->x = (*geometry)[i++];
    b->y = (*geometry)[i++];
    b->width = (*geometry)[i++];
    b->height = (*geometry)[i++];
  }
  group_->projectWidth = (*geometry)[i++];
  group_->projectHeight = (*geometry)[i];
  return true;
}

void Project::Clear() {
  buttons_.clear();
  group_.reset();
}

void Project::MakeNew() {
  buttonCounter = 1;
  group_ = std::make_unique<PropProject>(&doc_);
  InsertButton(CreateButton());
}

void Project::Read(Archive& ar) {
  group_ = std::make_unique<PropProject>(&doc_);
  group_->Serialize(ar);
  int32_t count = ar.ReadInt();
  // A file that ends half way leaves the project as read so far, laid out
  // by the next change.
  struct Loading {
    bool& flag;
    ~Loading() { flag = false; }
  } loading{loading_};
  loading_ = true;
  for (int32_t i = 0; i < count; ++i) {
    std::unique_ptr<PropButton> b = CreateButton();
    b->Serialize(ar);
    InsertButton(std::move(b));
  }
  loading_ = false;
  // Every inserted button lays the buttons out; a project without buttons
  // keeps the sizes it was saved with.
  if (count > 0) LayoutButtons();
}

void Project::Write(Archive& ar) {
  group_->Serialize(ar);
  ar.WriteInt(static_cast<int32_t>(buttons_.size()));
  for (auto& b : buttons_) b->Serialize(ar);
}
