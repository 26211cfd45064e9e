#include "core/History.h"

bool GroupPath::Contains(const GroupPath& inner) const {
  if (kind == PropClass::Project) return true;  // the project holds everything
  if (button != inner.button) return false;
  if (kind == PropClass::Button) return true;
  if (state != inner.state) return false;
  return kind == PropClass::State || kind == inner.kind;
}

bool DocChange::Touches(std::string_view name) const {
  if (fields.empty()) return true;
  for (std::string_view f : fields)
    if (f == name) return true;
  return false;
}

void History::Push(std::unique_ptr<EditStep> step) {
  // A saved state among the steps dropped can never come back.
  if (clean_ > static_cast<long>(done_)) clean_ = -1;
  steps_.resize(done_);
  steps_.push_back(std::move(step));
  ++done_;
}

std::string History::UndoName() const {
  return CanUndo() ? steps_[done_ - 1]->name() : std::string();
}

std::string History::RedoName() const {
  return CanRedo() ? steps_[done_]->name() : std::string();
}

void History::Undo(Doc& doc) {
  if (!CanUndo()) return;
  --done_;
  steps_[done_]->Undo(doc);
}

void History::Redo(Doc& doc) {
  if (!CanRedo()) return;
  steps_[done_]->Redo(doc);
  ++done_;
}

void History::Clear() {
  steps_.clear();
  done_ = 0;
  clean_ = 0;
}

std::size_t History::Bytes() const {
  std::size_t total = steps_.capacity() * sizeof(steps_[0]);
  for (const auto& s : steps_) total += s->Bytes() + sizeof(EditStep) + s->name().capacity();
  return total;
}
