// Sound of a button state: a Sun audio file or an address, played, looped or
// stopped when the button enters the state.
#pragma once

#include "core/Fields.h"
#include "core/KesProp.h"

class PropState;

class PropAudio : public KesProp {
 public:
  explicit PropAudio(PropState* state);

  PropClass GetClass() const override { return PropClass::Audio; }
  void Serialize(Archive& ar) override;
  void VisitFields(FieldVisitor& v) override;
  const char* GetViewClass() const override { return "ViewAudio"; }
  int GetPageId() const override { return 1900; }

  // The audio command of the state's event block; a local file is registered
  // in the audio list and written by its number.
  std::string GetDiffScript(const std::string& extra, bool tokenize, const PropAudio& reference);
  void AddDiffScript(std::string& out, bool tokenize);

  PropState* state() const { return state_; }

  // The fields, with the values a new sound starts with in the table below.
  std::string file;
  // What the sound does; the values are stored in project files.
  enum Mode : int32_t { kPlay = 0, kLoop = 1, kStop = 2 };
  int32_t mode;

 private:
  PropState* state_;
};

template <>
struct FieldTable<PropAudio> {
  using G = PropAudio;
  // Written together as one command of the event block: the mode's verb, then
  // the file's number in the audio list or its address.
  static constexpr Field<G> kFields[] = {
      {field::kFile, &G::file, "", FieldRole::Look},
      {field::kMode, &G::mode, G::kPlay, FieldRole::Look},
  };
};
