#include "core/Edits.h"

#include <algorithm>
#include <iterator>
#include <tuple>

#include "core/Archive.h"
#include "core/Doc.h"
#include "core/EditSteps.h"
#include "core/Fields.h"
#include "core/KesApp.h"
#include "core/Messages.h"
#include "core/Translatable.h"
#include "groups/button/PropButton.h"
#include "groups/button/PropState.h"
#include "groups/project/PropProject.h"

using namespace edit_steps;

Edits::Edits(Doc& doc) : doc_(doc) {}

Edits::~Edits() = default;

Project& Edits::project() const {
  return doc_.content();
}

std::string Edits::CopyGroup(KesProp& group) {
  Archive ar;
  group.Serialize(ar);
  return ar.TakeBytes();
}

bool Edits::PasteGroup(KesProp& target, const std::string& bytes) {
  const std::string backup = CopyGroup(target);
  const std::string keptName = target.name;
  bool whole = false;
  try {
    Archive ar(bytes.data(), bytes.size());
    target.Serialize(ar);
    // Bytes beyond the group are no copied group either.
    whole = ar.AtEnd();
  } catch (const ArchiveError&) {
  }
  if (!whole) {
    Archive restore(backup.data(), backup.size());
    target.Serialize(restore);
    target.name = keptName;
    return false;
  }
  target.name = keptName;
  return true;
}

void Edits::AddListener(DocListener* listener) {
  if (std::find(listeners_.begin(), listeners_.end(), listener) == listeners_.end())
    listeners_.push_back(listener);
}

void Edits::RemoveListener(DocListener* listener) {
  listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), listener), listeners_.end());
}

void Edits::Notify(const DocChange& change) {
  // A listener may add or remove listeners while it is told; walk a copy.
  const std::vector<DocListener*> listeners = listeners_;
  for (DocListener* l : listeners)
    if (std::find(listeners_.begin(), listeners_.end(), l) != listeners_.end())
      l->OnDocChanged(change);
}

void Edits::Push(std::unique_ptr<EditStep> step) {
  if (collecting_) {
    collecting_->push_back(std::move(step));
    return;
  }
  history_.Push(std::move(step));
  doc_.SetModifiedFlag(!history_.IsClean());
  Notify({DocChange::Kind::HistoryChanged});
}

bool Edits::Undo() {
  if (!history_.CanUndo()) return false;
  history_.Undo(doc_);
  doc_.SetModifiedFlag(!history_.IsClean());
  Notify({DocChange::Kind::HistoryChanged});
  return true;
}

bool Edits::Redo() {
  if (!history_.CanRedo()) return false;
  history_.Redo(doc_);
  doc_.SetModifiedFlag(!history_.IsClean());
  Notify({DocChange::Kind::HistoryChanged});
  return true;
}

void Edits::RestoreGroup(const GroupPath& path, const std::string& bytes,
                         const Geometry* geometry) {
  KesProp* group = project().GroupAt(path);
  if (!group) return;
  Archive ar(bytes.data(), bytes.size());
  group->Serialize(ar);
  if (path.kind == PropClass::Project || path.kind == PropClass::Button) {
    if (!project().RestoreGeometry(geometry)) project().LayoutButtons();
    Notify({DocChange::Kind::GroupChanged, -1, -1, path});
    Notify({DocChange::Kind::LayoutChanged});
    return;
  }
  Notify({DocChange::Kind::GroupChanged, -1, -1, path});
}

void Edits::PutButton(int index, const std::string& bytes) {
  // Made anew from its bytes: the button counter names nobody.
  std::unique_ptr<PropButton> button = project().CreateSpareButton();
  Archive ar(bytes.data(), bytes.size());
  button->Serialize(ar);
  const int at = std::min<int>(index, static_cast<int>(project().ButtonCount()));
  project().InsertButton(std::move(button), at);
  Notify({DocChange::Kind::ButtonInserted, at});
  Notify({DocChange::Kind::LayoutChanged});
}

void Edits::TakeButton(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= project().ButtonCount()) return;
  // The listeners let go of the button's groups (their pages store what
  // they hold) while the button is still in its place.
  Notify({DocChange::Kind::ButtonRemoved, index});
  PropButton* button = project().buttons()[static_cast<std::size_t>(index)].get();
  project().RemoveButton(button);
  Notify({DocChange::Kind::LayoutChanged});
}

void Edits::PlaceButton(int from, int to) {
  if (from < 0 || static_cast<std::size_t>(from) >= project().ButtonCount()) return;
  project().MoveButton(project().buttons()[static_cast<std::size_t>(from)].get(), to);
  Notify({DocChange::Kind::ButtonMoved, from, to});
  Notify({DocChange::Kind::LayoutChanged});
}

PropButton* Edits::AddNewButton(int index) {
  if (!doc_.project()) return nullptr;
  const int at = index < 0 || static_cast<std::size_t>(index) > project().ButtonCount()
                     ? static_cast<int>(project().ButtonCount())
                     : index;
  const int32_t counter = project().buttonCounter;
  PropButton* button = project().InsertButton(project().CreateButton(), at);
  Push(std::make_unique<ButtonStep>("New Button", true, at, CopyGroup(*button), counter,
                                    project().buttonCounter));
  Notify({DocChange::Kind::ButtonInserted, at});
  Notify({DocChange::Kind::LayoutChanged});
  return button;
}

bool Edits::DeleteButtonAt(int index, const std::string& verb) {
  if (index < 0 || static_cast<std::size_t>(index) >= project().ButtonCount()) return false;
  PropButton* button = project().buttons()[static_cast<std::size_t>(index)].get();
  std::string name = verb + " Button '" + button->name + "'";
  Push(std::make_unique<ButtonStep>(std::move(name), false, index, CopyGroup(*button),
                                    project().buttonCounter, project().buttonCounter));
  TakeButton(index);
  return true;
}

bool Edits::MoveButtonTo(int from, int to) {
  const int count = static_cast<int>(project().ButtonCount());
  if (from < 0 || from >= count || to < 0 || to >= count || from == to) return false;
  PlaceButton(from, to);
  Push(std::make_unique<MoveStep>(from, to));
  return true;
}

PropButton* Edits::DuplicateButtonAt(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= project().ButtonCount()) return nullptr;
  const std::string source = CopyGroup(*project().buttons()[static_cast<std::size_t>(index)]);
  const int32_t counter = project().buttonCounter;
  PropButton* button = project().InsertButton(project().CreateButton(), -1);
  // Every property of the copied button but its name.
  PasteGroup(*button, source);
  project().LayoutButtons();
  const int at = static_cast<int>(project().ButtonCount()) - 1;
  Push(std::make_unique<ButtonStep>("Duplicate Button", true, at, CopyGroup(*button), counter,
                                    project().buttonCounter));
  Notify({DocChange::Kind::ButtonInserted, at});
  Notify({DocChange::Kind::LayoutChanged});
  return button;
}

bool Edits::PasteGroupAt(const GroupPath& path, const std::string& bytes) {
  KesProp* group = project().GroupAt(path);
  if (!group) return false;
  const std::string before = CopyGroup(*group);
  const Geometry geometry = project().CaptureGeometry();
  if (!PasteGroup(*group, bytes)) return false;
  if (CopyGroup(*group) == before) return false;
  return RecordGroupEdit(path, before, VB_TR_NOOP("EditSteps", "Paste"), &geometry);
}

bool Edits::PlaceButtonAt(int index, int32_t x, int32_t y) {
  if (index < 0 || static_cast<std::size_t>(index) >= project().ButtonCount() || !doc_.project() ||
      doc_.project()->layout != PropProject::kLayoutFree)
    return false;
  PropButton& button = *project().buttons()[static_cast<std::size_t>(index)];
  const std::vector<FieldValue> before = FieldValues(button);
  button.x = x;
  button.y = y;
  return RecordFieldEdit(project().PathOf(&button), before, VB_TR_NOOP("EditSteps", "Move Button"));
}

bool Edits::RecordGroupEdit(const GroupPath& path, const std::string& before,
                            const std::string& name, const Geometry* geometryBefore) {
  KesProp* group = project().GroupAt(path);
  if (!group) return false;
  const bool placing = path.kind == PropClass::Project || path.kind == PropClass::Button;
  if (placing) project().LayoutButtons();
  std::string after = CopyGroup(*group);
  if (after == before) return false;
  GroupStep::Change change{path, before, std::move(after), {}, {}};
  if (geometryBefore) {
    Geometry now = project().CaptureGeometry();
    if (now != *geometryBefore) {
      change.geometryBefore = *geometryBefore;
      change.geometryAfter = std::move(now);
    }
  }
  std::vector<GroupStep::Change> changes;
  changes.push_back(std::move(change));
  Push(std::make_unique<GroupStep>(name, std::move(changes)));
  Notify({DocChange::Kind::GroupChanged, -1, -1, path});
  if (path.kind == PropClass::Project || path.kind == PropClass::Button)
    Notify({DocChange::Kind::LayoutChanged});
  return true;
}

bool Edits::Together(const std::string& name, const std::function<void()>& body) {
  collecting_ = std::make_unique<std::vector<std::unique_ptr<EditStep>>>();
  body();
  std::vector<std::unique_ptr<EditStep>> steps = std::move(*collecting_);
  collecting_.reset();
  if (steps.empty()) return false;
  if (steps.size() == 1 && steps.front()->name() == name) {
    Push(std::move(steps.front()));
    return true;
  }
  Push(std::make_unique<StepList>(name, std::move(steps)));
  return true;
}

namespace {
bool SortedInRange(std::vector<int>& indices, std::size_t count) {
  std::sort(indices.begin(), indices.end());
  indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
  return !indices.empty() && indices.front() >= 0 &&
         static_cast<std::size_t>(indices.back()) < count;
}
}  // namespace

bool Edits::DeleteButtonsAt(std::vector<int> indices, const std::string& verb) {
  if (!SortedInRange(indices, project().ButtonCount())) return false;
  if (indices.size() == 1) return DeleteButtonAt(indices.front(), verb);
  const std::string name = verb + " " + std::to_string(indices.size()) + " Buttons";
  return Together(name, [&] {
    for (auto i = indices.rbegin(); i != indices.rend(); ++i) DeleteButtonAt(*i, verb);
  });
}

bool Edits::MoveButtonsBy(std::vector<int> indices, int delta) {
  if (!SortedInRange(indices, project().ButtonCount()) || (delta != -1 && delta != 1)) return false;
  if ((delta < 0 && indices.front() == 0) ||
      (delta > 0 && static_cast<std::size_t>(indices.back()) + 1 >= project().ButtonCount()))
    return false;
  return Together("Move Button", [&] {
    if (delta < 0)
      for (int i : indices) MoveButtonTo(i, i - 1);
    else
      for (auto i = indices.rbegin(); i != indices.rend(); ++i) MoveButtonTo(*i, *i + 1);
  });
}

bool Edits::DuplicateButtonsAt(std::vector<int> indices) {
  if (!SortedInRange(indices, project().ButtonCount())) return false;
  return Together(indices.size() == 1 ? VB_TR_NOOP("EditSteps", "Duplicate Button")
                                      : VB_TR_NOOP("EditSteps", "Duplicate Buttons"),
                  [&] {
                    for (int i : indices) DuplicateButtonAt(i);
                  });
}

bool Edits::PasteGroupsAt(const std::vector<GroupPath>& paths,
                          const std::vector<std::string>& bytes) {
  if (paths.empty() || bytes.empty()) return false;
  if (paths.size() == 1) return PasteGroupAt(paths.front(), bytes.front());
  const bool paired = bytes.size() == paths.size();
  return Together("Paste", [&] {
    for (std::size_t i = 0; i < paths.size(); ++i) PasteGroupAt(paths[i], bytes[paired ? i : 0]);
  });
}

std::string Edits::JoinGroups(const std::vector<std::string>& groups) {
  std::string list;
  for (const std::string& g : groups) list += std::to_string(g.size()) + "\n" + g;
  return list;
}

std::vector<std::string> Edits::SplitGroups(const std::string& list) {
  constexpr std::size_t kLongestLength = 12;
  std::vector<std::string> groups;
  std::size_t at = 0;
  while (at < list.size()) {
    const std::size_t eol = list.find('\n', at);
    if (eol == std::string::npos || eol == at || eol - at > kLongestLength) return {};
    std::size_t size = 0;
    for (std::size_t i = at; i < eol; ++i) {
      if (list[i] < '0' || list[i] > '9') return {};
      size = size * 10 + static_cast<std::size_t>(list[i] - '0');
    }
    if (size > list.size() - eol - 1) return {};
    groups.push_back(list.substr(eol + 1, size));
    at = eol + 1 + size;
  }
  return groups;
}

bool Edits::ReadsAsGroup(PropClass kind, const std::string& bytes) {
  if (kind == PropClass::Project) {
    PropProject scratch(&doc_);
    return PasteGroup(scratch, bytes);
  }
  std::unique_ptr<PropButton> spare = project().CreateSpareButton();
  KesProp* group =
      kind == PropClass::Button ? spare.get() : Project::StateGroup(spare->state(0), kind);
  return group && PasteGroup(*group, bytes);
}

bool Edits::PasteFromClipboard(std::vector<GroupPath> paths, bool style) {
  if (paths.empty() || !doc_.project()) return false;
  Platform& p = doc_.platform();
  const bool several = !style && paths.size() > 1;
  const auto refuse = [&p](const char* text) {
    p.MessageBox(text, MsgButtons::Ok, MsgIcon::Exclamation);
    return false;
  };
  // The size first: a large paste is refused before a byte of it is copied.
  if (p.ClipboardDataSize(KesApp::kGroupClipboardFormat) > Doc::kLargestPaste ||
      (several && p.ClipboardDataSize(KesApp::kGroupListClipboardFormat) > Doc::kLargestPaste))
    return refuse(msg::kPasteTooLarge);
  std::string bytes;
  if (!p.GetClipboardData(KesApp::kGroupClipboardFormat, bytes)) return false;
  // As many groups as were copied take one each, in tree order; otherwise
  // every path takes the first.
  std::vector<std::string> list;
  std::string joined;
  if (several && p.GetClipboardData(KesApp::kGroupListClipboardFormat, joined))
    list = SplitGroups(joined);
  if (list.size() != paths.size()) list = {std::move(bytes)};
  for (const std::string& group : list)
    if (!ReadsAsGroup(paths.front().kind, group)) return refuse(msg::kPasteNotGroup);
  if (style) return PasteStyleAt(paths, list.front());
  std::sort(paths.begin(), paths.end(), [](const GroupPath& a, const GroupPath& b) {
    return std::tie(a.button, a.state) < std::tie(b.button, b.state);
  });
  return PasteGroupsAt(paths, list);
}

bool Edits::CopyToOtherStates(const std::vector<GroupPath>& paths) {
  std::vector<GroupStep::Change> changes;
  for (const GroupPath& path : paths) {
    KesProp* source = project().GroupAt(path);
    if (!source || path.state < 0) continue;
    const std::string bytes = CopyGroup(*source);
    for (int s = 0; s < 3; ++s) {
      if (s == path.state) continue;
      GroupPath other = path;
      other.state = s;
      KesProp* target = project().GroupAt(other);
      const std::string before = CopyGroup(*target);
      PasteGroup(*target, bytes);
      std::string after = CopyGroup(*target);
      if (after != before) changes.push_back({other, before, std::move(after), {}, {}});
    }
  }
  if (changes.empty()) return false;
  for (const auto& c : changes) Notify({DocChange::Kind::GroupChanged, -1, -1, c.path});
  Push(std::make_unique<GroupStep>("Copy to Other States", std::move(changes)));
  return true;
}

namespace {

// Whether `edits` set the field `field` of the group at `path` themselves.
bool SetsField(const std::vector<GroupEdit>& edits, const GroupPath& path, std::size_t field) {
  for (const GroupEdit& e : edits)
    if (e.path == path && std::any_of(e.fields.begin(), e.fields.end(),
                                      [field](const FieldEdit& f) { return f.field == field; }))
      return true;
  return false;
}

// The edit of the group at `path` among `edits`, added when there is none.
GroupEdit& EditOf(std::vector<GroupEdit>& edits, const GroupPath& path) {
  auto it = std::find_if(edits.begin(), edits.end(),
                         [&path](const GroupEdit& e) { return e.path == path; });
  if (it == edits.end()) it = edits.insert(edits.end(), GroupEdit{path, {}});
  return *it;
}

}  // namespace

void Edits::Follow(const std::vector<GroupEdit>& edits, const GroupPath& path,
                   const FieldEdit& edit, std::vector<GroupEdit>& more) const {
  KesProp* group = project().GroupAt(path);
  if (!group || SetsField(edits, path, edit.field)) return;
  const std::vector<FieldValue> now = FieldValues(*group);
  if (edit.field >= now.size() || !(now[edit.field] == edit.before)) return;
  EditOf(more, path).fields.push_back({edit.field, now[edit.field], edit.after});
}

std::vector<GroupEdit> Edits::FollowingEdits(const std::vector<GroupEdit>& edits) const {
  std::vector<GroupEdit> more;
  for (const GroupEdit& e : edits) {
    KesProp* group = project().GroupAt(e.path);
    if (!group) continue;
    const std::vector<std::string_view> names = FieldNames(*group);
    const bool ofUp = e.path.InState() && e.path.state == 0;
    const bool ofButton = e.path.kind == PropClass::Button;
    for (const FieldEdit& f : e.fields) {
      if (f.field >= names.size()) continue;
      const bool renames = names[f.field] == field::kName;
      if (ofUp && !renames) {
        // Over and Down take an edit of Up along.
        for (int s = 1; s < 3; ++s) Follow(edits, {e.path.button, s, e.path.kind}, f, more);
      } else if (ofButton && renames) {
        // Captions that read the old name take the new one.
        for (int s = 0; s < 3; ++s) {
          const GroupPath caption{e.path.button, s, PropClass::Text};
          KesProp* text = project().GroupAt(caption);
          const int field = text ? FieldIndex(*text, field::kText) : -1;
          if (field >= 0)
            Follow(edits, caption, {static_cast<std::size_t>(field), f.before, f.after}, more);
        }
      }
    }
  }
  return more;
}

bool Edits::ApplyEdits(std::vector<GroupEdit> edits, const std::string& name,
                       const Geometry* geometryBefore, bool follow) {
  // Each field goes from the value it holds now; edits that change nothing go.
  std::vector<GroupEdit> kept;
  for (GroupEdit& e : edits) {
    KesProp* group = project().GroupAt(e.path);
    if (!group) continue;
    const std::vector<FieldValue> now = FieldValues(*group);
    GroupEdit k{e.path, {}};
    for (FieldEdit& f : e.fields) {
      if (f.field >= now.size() || now[f.field].index() != f.after.index()) continue;
      if (now[f.field] == f.after) continue;
      k.fields.push_back({f.field, now[f.field], std::move(f.after)});
    }
    if (!k.fields.empty()) kept.push_back(std::move(k));
  }
  if (kept.empty()) return false;
  if (follow) {
    std::vector<GroupEdit> more = FollowingEdits(kept);
    kept.insert(kept.end(), std::make_move_iterator(more.begin()),
                std::make_move_iterator(more.end()));
  }
  bool placing = false;
  for (const GroupEdit& e : kept) {
    KesProp* group = project().GroupAt(e.path);
    for (const FieldEdit& f : e.fields) SetField(*group, f.field, f.after);
    placing = placing || e.path.kind == PropClass::Project || e.path.kind == PropClass::Button;
  }
  Geometry before, after;
  if (placing) {
    project().LayoutButtons();
    if (geometryBefore) {
      Geometry now = project().CaptureGeometry();
      if (now != *geometryBefore) {
        before = *geometryBefore;
        after = std::move(now);
      }
    }
  }
  const std::vector<GroupEdit> told = kept;
  Push(std::make_unique<FieldStep>(name, std::move(kept), std::move(before), std::move(after)));
  for (const GroupEdit& e : told) NotifyFields(e);
  if (placing) Notify({DocChange::Kind::LayoutChanged});
  return true;
}

void Edits::NotifyFields(const GroupEdit& edit) {
  KesProp* group = project().GroupAt(edit.path);
  if (!group) return;
  const std::vector<std::string_view> names = FieldNames(*group);
  std::vector<std::string_view> fields;
  for (const FieldEdit& f : edit.fields)
    if (f.field < names.size()) fields.push_back(names[f.field]);
  Notify({DocChange::Kind::GroupChanged, -1, -1, edit.path, std::move(fields)});
}

void Edits::SetFields(const std::vector<GroupEdit>& edits, bool undo, const Geometry* geometry) {
  bool placing = false;
  auto apply = [&](const GroupEdit& e) {
    KesProp* group = project().GroupAt(e.path);
    if (!group) return;
    for (const FieldEdit& f : e.fields) SetField(*group, f.field, undo ? f.before : f.after);
    placing = placing || e.path.kind == PropClass::Project || e.path.kind == PropClass::Button;
  };
  if (undo)
    std::for_each(edits.rbegin(), edits.rend(), apply);
  else
    std::for_each(edits.begin(), edits.end(), apply);
  if (placing && !project().RestoreGeometry(geometry)) project().LayoutButtons();
  for (const GroupEdit& e : edits) NotifyFields(e);
  if (placing) Notify({DocChange::Kind::LayoutChanged});
}

bool Edits::RecordFieldEdit(const GroupPath& path, const std::vector<FieldValue>& before,
                            const std::string& name, const Geometry* geometryBefore) {
  KesProp* group = project().GroupAt(path);
  if (!group) return false;
  std::vector<FieldEdit> fields = DiffFields(before, FieldValues(*group));
  if (fields.empty()) {
    // Nothing the group stores changed, but the layout may place the buttons anew.
    if (path.kind == PropClass::Project || path.kind == PropClass::Button)
      project().LayoutButtons();
    return false;
  }
  // The group goes back to where the step starts; the step takes it on.
  for (const FieldEdit& f : fields) SetField(*group, f.field, f.before);
  std::vector<GroupEdit> edits;
  edits.push_back({path, std::move(fields)});
  return ApplyEdits(std::move(edits), name, geometryBefore);
}

namespace {
// The kind of a copied item as a message names it.
const char* KindWithArticle(PropClass kind) {
  switch (kind) {
    case PropClass::Button:
      return VB_TR_NOOP("msg", "a button");
    case PropClass::State:
      return VB_TR_NOOP("msg", "a state");
    case PropClass::Text:
      return VB_TR_NOOP("msg", "a Text item");
    case PropClass::Border:
      return VB_TR_NOOP("msg", "a Border item");
    case PropClass::Audio:
      return VB_TR_NOOP("msg", "an Audio item");
    case PropClass::Image:
      return VB_TR_NOOP("msg", "an Image item");
    case PropClass::Advanced:
      return VB_TR_NOOP("msg", "an Advanced item");
    default:
      return VB_TR_NOOP("msg", "the project");
  }
}
}  // namespace

std::string Edits::PasteStyleRefusal(Platform& platform, PropClass copied,
                                     const std::vector<GroupPath>& paths) {
  if (copied == PropClass::None) return msg::Text(platform, msg::kPasteStyleNothingCopied);
  if (copied == PropClass::Project) return msg::Text(platform, msg::kPasteStyleProject);
  if (paths.empty()) return msg::Text(platform, msg::kPasteStyleNoSelection);
  for (const GroupPath& path : paths)
    if (path.kind != copied)
      return msg::Format(platform, msg::kPasteStyleOtherKind,
                         msg::Text(platform, KindWithArticle(copied)));
  return std::string();
}

bool Edits::PasteStyleAt(const std::vector<GroupPath>& paths, const std::string& bytes) {
  if (paths.empty()) return false;
  // The copied group is read into a spare button's group of the same kind.
  std::unique_ptr<PropButton> spare = project().CreateSpareButton();
  const PropClass kind = paths.front().kind;
  const int state = paths.front().InState() ? 0 : GroupPath::kNoState;
  KesProp* source = kind == PropClass::Button ? static_cast<KesProp*>(spare.get())
                    : state == 0              ? Project::StateGroup(spare->state(0), kind)
                                              : nullptr;
  if (!source || !PasteGroup(*source, bytes)) return false;
  // The groups under one path, each with the spare's group of the same place.
  auto pairs = [&](const GroupPath& path) {
    std::vector<std::pair<GroupPath, KesProp*>> list;
    if (path.kind == PropClass::Button) {
      list.push_back({path, spare.get()});
      for (int s = 0; s < 3; ++s)
        for (PropClass k : Project::kStateGroupKinds)
          list.push_back({{path.button, s, k}, Project::StateGroup(spare->state(s), k)});
    } else if (path.kind == PropClass::State) {
      for (PropClass k : Project::kStateGroupKinds)
        list.push_back({{path.button, path.state, k}, Project::StateGroup(spare->state(0), k)});
    } else {
      list.push_back({path, source});
    }
    return list;
  };
  std::vector<GroupEdit> edits;
  for (const GroupPath& path : paths) {
    if (path.kind != kind || !project().GroupAt(path)) continue;
    for (const auto& [at, from] : pairs(path)) {
      KesProp* target = project().GroupAt(at);
      if (!target || !from) continue;
      const std::vector<std::string_view> names = FieldNames(*target);
      const std::vector<FieldValue> values = FieldValues(*from);
      GroupEdit e{at, {}};
      for (std::size_t i = 0; i < names.size() && i < values.size(); ++i)
        if (!::IsContentField(at.kind, i)) e.fields.push_back({i, values[i], values[i]});
      edits.push_back(std::move(e));
    }
  }
  const Geometry geometry = project().CaptureGeometry();
  // A whole button's look sets all its states; a state or group of Up takes
  // Over and Down along as any edit of Up does.
  return ApplyEdits(std::move(edits), VB_TR_NOOP("EditSteps", "Paste Style"), &geometry,
                    kind != PropClass::Button);
}
