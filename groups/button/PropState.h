// One state of a button (Up, Over, Down): background, colour, cursor, offset,
// animation restart, and the five per-state groups.
#pragma once

#include <string_view>

#include "audio/PropAudio.h"
#include "core/Fields.h"
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

  // The fields, with the values a new state starts with in the table below
  // (its name is the state's own).
  int32_t transparent;
  uint32_t color;
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
  int32_t cursor;
  int32_t offsetX;
  int32_t offsetY;
  int32_t animate;

  Held<PropText> text;
  Held<PropBorder> border;
  Held<PropAudio> audio;
  Held<PropImage> image;
  Held<PropAdvanced> advanced;

 private:
  PropButton* button_;
};

template <>
struct FieldTable<PropState> {
  using G = PropState;
  static constexpr Field<G> kFields[] = {
      {field::kName, &G::name, "", FieldRole::Content},
      // Written as a word.
      {field::kTransparent, &G::transparent, 0, FieldRole::Look, "Style"},
      {field::kColor, &G::color, 0xC0C0C0, FieldRole::Look, "Color", ScriptForm::Color},
      // Written in the event block, always (the Over state starts with the hand).
      {field::kCursor, &G::cursor, G::kCursorDefault, FieldRole::Look, "Cursor"},
      // The offsets are written as the place they give the button's corner.
      {field::kOffsetX, &G::offsetX, 0, FieldRole::Look, "X"},
      {field::kOffsetY, &G::offsetY, 0, FieldRole::Look, "Y"},
      // Written as a command in the event block when the image is an animation.
      {field::kAnimate, &G::animate, 0, FieldRole::Look, "Animate"},
  };
};
