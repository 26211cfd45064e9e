// One state of a button (Up, Over, Down): background, colour, cursor, offset,
// animation restart, and the five per-state groups.
#pragma once

#include <memory>

#include "core/KesProp.h"

class PropButton;
class PropText;
class PropBorder;
class PropAudio;
class PropImage;
class PropAdvanced;

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

  // Creates the five groups in their order: text, border, audio, image, advanced.
  void CreateGroups();

  PropButton* button() const { return button_; }

  int32_t transparent = 0;
  uint32_t color = 0xC0C0C0;
  int32_t cursor = 0;
  int32_t offsetX = 0;
  int32_t offsetY = 0;
  int32_t animate = 0;

  std::unique_ptr<PropText> text;
  std::unique_ptr<PropBorder> border;
  std::unique_ptr<PropAudio> audio;
  std::unique_ptr<PropImage> image;
  std::unique_ptr<PropAdvanced> advanced;

 private:
  PropButton* button_;
};
