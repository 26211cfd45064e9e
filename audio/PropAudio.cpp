#include "audio/PropAudio.h"

#include "core/Archive.h"
#include "core/Doc.h"
#include "core/IconIds.h"
#include "core/Keywords.h"
#include "groups/button/PropButton.h"
#include "groups/button/PropState.h"
#include "groups/project/PropProject.h"

PropAudio::PropAudio(PropState* state) : state_(state) {
  name = "Audio";
  icon = kIconTreeAudio;
  ResetFields(*this);
}

void PropAudio::Serialize(Archive& ar) {
  SerializeTable(*this, ar);
}

std::string PropAudio::GetDiffScript(const std::string&, bool tok, const PropAudio&) {
  std::string s;
  AddDiffScript(s, tok);
  return s;
}

void PropAudio::AddDiffScript(std::string& s, bool tok) {
  if (file.empty()) return;
  const char* verb = mode == kLoop ? "Loop" : mode == kStop ? "Stop" : "Play";
  Doc* doc = nullptr;
  if (state_ && state_->button() && state_->button()->project())
    doc = state_->button()->project()->doc();
  s += TokView("Audio", tok);
  s.push_back(' ');
  s += TokView(verb, tok);
  s.push_back(' ');
  if (IsAddress(file, doc ? doc->DriveRoot() : std::string())) {
    s.push_back('\'');
    AddEscaped(s, file);
    s += "'; ";
    return;
  }
  AppendDecimal(s, doc ? doc->RegisterAudio(file) : 0);
  s += "; ";
}

void PropAudio::VisitFields(FieldVisitor& v) {
  VisitTable(*this, v);
}
