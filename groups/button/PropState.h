// One state of a button (Up, Over, Down): background, colour, cursor, offset,
// animation restart, and the five per-state groups.
#pragma once

#include <string_view>

#include "audio/PropAudio.h"
#include "core/KesProp.h"
#include "groups/button/PropAdvanced.h"
#include "groups/button/PropBorder.h"
#include "groups/button/PropImage.h"
#include "groups/button/PropText.h"

class PropButton;

class PropState : public KesProp {
 public:
  // Sets the state's own fields; the five groups are created by the caller.
  PropState(PropButton* button, const std::string& stateName);
  ~PropState() override;

  PropClass GetClass() const override { return PropClass::State; }
  void Serialize(Archive& ar) override;
  const char* GetViewClass() const override { return "ViewState"; }
  int GetPageId() const override { return 3000; }

  // The state's block: what differs from `reference`, then the event block
  // with `extra` first. A state named "Default" writes its properties only.
  std::string GetDiffScript(const std::string& extra, int tokenize, PropState& reference);
  // The same block appended to `out`, written under `blockName` (a "Default"
  // block writes its properties only); `withImageFile` off leaves the image
  // file out.
  void AddBlock(std::string& out, std::string_view extra, int tokenize, PropState& reference,
                const std::string& blockName, bool withImageFile);

  // Creates the five groups in their order: text, border, audio, image, advanced.
  void CreateGroups();

  PropButton* button() const { return button_; }

  int32_t transparent = 0;
  uint32_t color = 0xC0C0C0;
  int32_t cursor = 0;
  int32_t offsetX = 0;
  int32_t offsetY = 0;
  int32_t animate = 0;

  Held<PropText> text;
  Held<PropBorder> border;
  Held<PropAudio> audio;
  Held<PropImage> image;
  Held<PropAdvanced> advanced;

 private:
  PropButton* button_;
};
