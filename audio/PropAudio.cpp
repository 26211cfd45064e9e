#include "audio/PropAudio.h"

#include "core/Archive.h"
#include "core/Doc.h"
#include "core/Keywords.h"
#include "groups/button/PropButton.h"
#include "groups/button/PropState.h"
#include "groups/project/PropProject.h"

PropAudio::PropAudio(PropState* state) : state_(state) {
  name = "Audio";
  icon = 308;
}

void PropAudio::Serialize(Archive& ar) {
  ar.String(file);
  ar.Int(mode);
}

std::string PropAudio::GetDiffScript(const std::string&, int tok, const PropAudio&) {
  if (file.empty()) return std::string();
  const char* verb = mode == 1 ? "Loop" : mode == 2 ? "Stop" : "Play";
  Doc* doc = nullptr;
  if (state_ && state_->button() && state_->button()->project())
    doc = state_->button()->project()->doc();
  const std::string head = Tok("Audio", tok) + " " + Tok(verb, tok) + " ";
  if (IsAddress(file, doc ? doc->driveRoot() : std::string())) return head + "'" + file + "'; ";
  int index = doc ? doc->RegisterAudio(file) : 0;
  return head + std::to_string(index) + "; ";
}
