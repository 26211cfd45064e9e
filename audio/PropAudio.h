// Sound of a button state: a Sun audio file or an address, played, looped or
// stopped when the button enters the state.
#pragma once

#include "core/KesProp.h"

class PropState;

class PropAudio : public KesProp {
 public:
  explicit PropAudio(PropState* state);

  PropClass GetClass() const override { return PropClass::Audio; }
  void Serialize(Archive& ar) override;
  const char* GetViewClass() const override { return "ViewAudio"; }
  int GetPageId() const override { return 1900; }

  // The audio command of the state's event block; a local file is registered
  // in the audio list and written by its number.
  std::string GetDiffScript(const std::string& extra, int tokenize, const PropAudio& reference);
  void AddDiffScript(std::string& out, int tokenize);

  PropState* state() const { return state_; }

  std::string file;
  int32_t mode = 0;  // 0 play, 1 loop, 2 stop

 private:
  PropState* state_;
};
