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
  void VisitFields(FieldVisitor& v) override;
  const char* GetViewClass() const override { return "ViewState"; }
  int GetPageId() const override { return 3000; }

  // The state's block: what differs from `reference`, then the event block
  // with `extra` first. A state named "Default" writes its properties only.
  std::string GetDiffScript(const std::string& extra, bool tokenize, PropState& reference);
  // The same block appended to `out`, written under `blockName` (a "Default"
  // block writes its properties only); `withImageFile` off leaves the image
  // file out.
  void AddBlock(std::string& out, std::string_view extra, bool tokenize, PropState& reference,
                const std::string& blockName, bool withImageFile);

  // Creates the five groups in their order: text, border, audio, image, advanced.
  void CreateGroups();

  PropButton* button() const { return button_; }

  int32_t transparent = 0;
  uint32_t color = 0xC0C0C0;
  // The pointer's shape over the button in this state, as the applet numbers
  // them (stored in project files); the Over state starts with the hand.
  enum Cursor : int32_t {
    kCursorDefault = 0,
    kCursorCrossHair = 1,
    kCursorText = 2,
    kCursorWait = 3,
    kCursorResizeSW = 4,
    kCursorResizeSE = 5,
    kCursorResizeNW = 6,
    kCursorResizeNE = 7,
    kCursorResizeN = 8,
    kCursorResizeS = 9,
    kCursorResizeW = 10,
    kCursorResizeE = 11,
    kCursorHand = 12,
    kCursorMove = 13,
  };
  static constexpr int kCursorCount = kCursorMove + 1;
  int32_t cursor = kCursorDefault;
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
