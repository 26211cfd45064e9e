#include "core/Fields.h"

#include "audio/PropAudio.h"
#include "groups/button/PropAdvanced.h"
#include "groups/button/PropBorder.h"
#include "groups/button/PropButton.h"
#include "groups/button/PropImage.h"
#include "groups/button/PropState.h"
#include "groups/button/PropText.h"
#include "groups/project/PropProject.h"

namespace {

class Reader : public FieldVisitor {
 public:
  std::vector<FieldValue> values;
  void Int(std::string_view, int32_t& v) override { values.emplace_back(v); }
  void Color(std::string_view, uint32_t& v) override { values.emplace_back(v); }
  void Text(std::string_view, std::string& v) override { values.emplace_back(v); }
};

class Setter : public FieldVisitor {
 public:
  Setter(std::size_t field, const FieldValue& value) : field_(field), value_(value) {}
  bool done = false;
  void Int(std::string_view, int32_t& v) override { Take(v); }
  void Color(std::string_view, uint32_t& v) override { Take(v); }
  void Text(std::string_view, std::string& v) override { Take(v); }

 private:
  template <class T>
  void Take(T& v) {
    if (at_++ != field_) return;
    if (const T* value = std::get_if<T>(&value_)) {
      v = *value;
      done = true;
    }
  }
  std::size_t field_;
  std::size_t at_ = 0;
  const FieldValue& value_;
};

// A table of fields, or none.
template <class G>
struct Rows {
  const Field<G>* first;
  std::size_t count;
  const Field<G>* begin() const { return first; }
  const Field<G>* end() const { return first + count; }
};

template <class G>
Rows<G> RowsOf() {
  return {FieldTable<G>::kFields, FieldCount<G>()};
}

// Calls `use` with the rows of the fields of groups of kind `kind` (none for
// None) and returns its answer.
template <class Use>
auto WithTable(PropClass kind, Use&& use) {
  switch (kind) {
    case PropClass::Project:
      return use(RowsOf<PropProject>());
    case PropClass::Button:
      return use(RowsOf<PropButton>());
    case PropClass::State:
      return use(RowsOf<PropState>());
    case PropClass::Text:
      return use(RowsOf<PropText>());
    case PropClass::Border:
      return use(RowsOf<PropBorder>());
    case PropClass::Audio:
      return use(RowsOf<PropAudio>());
    case PropClass::Image:
      return use(RowsOf<PropImage>());
    case PropClass::Advanced:
      return use(RowsOf<PropAdvanced>());
    case PropClass::None:
      break;
  }
  return use(Rows<PropAdvanced>{nullptr, 0});
}

}  // namespace

std::vector<FieldValue> FieldValues(KesProp& group) {
  Reader r;
  group.VisitFields(r);
  return std::move(r.values);
}

std::vector<std::string_view> FieldNames(KesProp& group) {
  return FieldNames(group.GetClass());
}

std::vector<std::string_view> FieldNames(PropClass kind) {
  return WithTable(kind, [](const auto& table) {
    std::vector<std::string_view> names;
    for (const auto& f : table) names.push_back(f.name);
    return names;
  });
}

int FieldIndex(KesProp& group, std::string_view name) {
  return FieldIndex(group.GetClass(), name);
}

int FieldIndex(PropClass kind, std::string_view name) {
  return WithTable(kind, [name](const auto& table) {
    int i = 0;
    for (const auto& f : table) {
      if (f.name == name) return i;
      ++i;
    }
    return -1;
  });
}

bool IsContentField(PropClass kind, std::size_t field) {
  return WithTable(kind, [field](const auto& table) {
    return field < table.count && table.first[field].role == FieldRole::Content;
  });
}

bool SetField(KesProp& group, std::size_t field, const FieldValue& value) {
  Setter s(field, value);
  group.VisitFields(s);
  return s.done;
}

std::vector<FieldEdit> DiffFields(const std::vector<FieldValue>& before,
                                  const std::vector<FieldValue>& after) {
  std::vector<FieldEdit> edits;
  for (std::size_t i = 0; i < before.size() && i < after.size(); ++i)
    if (!(before[i] == after[i])) edits.push_back({i, before[i], after[i]});
  return edits;
}
