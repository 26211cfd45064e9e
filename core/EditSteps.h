// The kinds of undoable step the edits make: a button put in or taken out,
// a button moved, groups replaced by their bytes, fields set, and steps made
// together.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/Doc.h"
#include "core/Edits.h"
#include "core/History.h"
#include "core/Project.h"

namespace edit_steps {

// A button put in or taken out: the button's bytes and where it stands, and
// the button counter before and after, so that names come out as they did.
class ButtonStep : public EditStep {
 public:
  ButtonStep(std::string name, bool inserted, int index, std::string bytes, int32_t counterBefore,
             int32_t counterAfter)
      : EditStep(std::move(name)),
        inserted_(inserted),
        index_(index),
        bytes_(std::move(bytes)),
        counterBefore_(counterBefore),
        counterAfter_(counterAfter) {}
  void Undo(Doc& doc) override {
    Apply(doc, !inserted_);
    doc.buttonCounter = counterBefore_;
  }
  void Redo(Doc& doc) override {
    Apply(doc, inserted_);
    doc.buttonCounter = counterAfter_;
  }
  std::size_t Bytes() const override { return sizeof(*this) + bytes_.capacity(); }

 private:
  void Apply(Doc& doc, bool insert) const {
    if (insert)
      doc.edits().PutButton(index_, bytes_);
    else
      doc.edits().TakeButton(index_);
  }
  bool inserted_;
  int index_;
  std::string bytes_;
  int32_t counterBefore_, counterAfter_;
};

class MoveStep : public EditStep {
 public:
  MoveStep(int from, int to) : EditStep("Move Button"), from_(from), to_(to) {}
  void Undo(Doc& doc) override { doc.edits().PlaceButton(to_, from_); }
  void Redo(Doc& doc) override { doc.edits().PlaceButton(from_, to_); }
  std::size_t Bytes() const override { return sizeof(*this); }

 private:
  int from_, to_;
};

// One or more groups with their values before and after.
class GroupStep : public EditStep {
 public:
  struct Change {
    GroupPath path;
    std::string before, after;
    // Kept only when the change moved buttons the layout cannot put back.
    Project::Geometry geometryBefore, geometryAfter;
  };
  GroupStep(std::string name, std::vector<Change> changes)
      : EditStep(std::move(name)), changes_(std::move(changes)) {}
  void Undo(Doc& doc) override {
    for (auto c = changes_.rbegin(); c != changes_.rend(); ++c)
      doc.edits().RestoreGroup(c->path, c->before, &c->geometryBefore);
  }
  void Redo(Doc& doc) override {
    for (const Change& c : changes_) doc.edits().RestoreGroup(c.path, c.after, &c.geometryAfter);
  }
  std::size_t Bytes() const override {
    std::size_t n = sizeof(*this) + changes_.capacity() * sizeof(Change);
    for (const Change& c : changes_)
      n += c.before.capacity() + c.after.capacity() +
           (c.geometryBefore.capacity() + c.geometryAfter.capacity()) * sizeof(int32_t);
    return n;
  }

 private:
  std::vector<Change> changes_;
};

// Fields of several groups with their values before and after.
class FieldStep : public EditStep {
 public:
  FieldStep(std::string name, std::vector<GroupEdit> edits, Project::Geometry before,
            Project::Geometry after)
      : EditStep(std::move(name)),
        edits_(std::move(edits)),
        geometryBefore_(std::move(before)),
        geometryAfter_(std::move(after)) {}
  void Undo(Doc& doc) override { doc.edits().SetFields(edits_, true, &geometryBefore_); }
  void Redo(Doc& doc) override { doc.edits().SetFields(edits_, false, &geometryAfter_); }
  std::size_t Bytes() const override {
    std::size_t n = sizeof(*this) + edits_.capacity() * sizeof(GroupEdit) +
                    (geometryBefore_.capacity() + geometryAfter_.capacity()) * sizeof(int32_t);
    for (const GroupEdit& e : edits_) {
      n += e.fields.capacity() * sizeof(FieldEdit);
      for (const FieldEdit& f : e.fields)
        if (const auto* a = std::get_if<std::string>(&f.after))
          n += a->capacity() + std::get<std::string>(f.before).capacity();
    }
    return n;
  }

 private:
  std::vector<GroupEdit> edits_;
  Project::Geometry geometryBefore_, geometryAfter_;
};

// Steps made together, undone together.
class StepList : public EditStep {
 public:
  StepList(std::string name, std::vector<std::unique_ptr<EditStep>> steps)
      : EditStep(std::move(name)), steps_(std::move(steps)) {}
  void Undo(Doc& doc) override {
    for (auto s = steps_.rbegin(); s != steps_.rend(); ++s) (*s)->Undo(doc);
  }
  void Redo(Doc& doc) override {
    for (auto& s : steps_) s->Redo(doc);
  }
  std::size_t Bytes() const override {
    std::size_t n = sizeof(*this);
    for (const auto& s : steps_) n += s->Bytes();
    return n;
  }

 private:
  std::vector<std::unique_ptr<EditStep>> steps_;
};

}  // namespace edit_steps
