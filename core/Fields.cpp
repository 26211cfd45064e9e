#include "core/Fields.h"

namespace {

class Reader : public FieldVisitor {
 public:
  std::vector<FieldValue> values;
  void Int(std::string_view, int32_t& v) override { values.emplace_back(v); }
  void Color(std::string_view, uint32_t& v) override { values.emplace_back(v); }
  void Text(std::string_view, std::string& v) override { values.emplace_back(v); }
};

class Namer : public FieldVisitor {
 public:
  std::vector<std::string_view> names;
  void Int(std::string_view n, int32_t&) override { names.push_back(n); }
  void Color(std::string_view n, uint32_t&) override { names.push_back(n); }
  void Text(std::string_view n, std::string&) override { names.push_back(n); }
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

}  // namespace

std::vector<FieldValue> FieldValues(KesProp& group) {
  Reader r;
  group.VisitFields(r);
  return std::move(r.values);
}

std::vector<std::string_view> FieldNames(KesProp& group) {
  Namer n;
  group.VisitFields(n);
  return std::move(n.names);
}

int FieldIndex(KesProp& group, std::string_view name) {
  const std::vector<std::string_view> names = FieldNames(group);
  for (std::size_t i = 0; i < names.size(); ++i)
    if (names[i] == name) return static_cast<int>(i);
  return -1;
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
