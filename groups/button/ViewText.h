// The "General" page of a state's caption: the text (with a menu of dynamic
// date and time tokens), its colour, alignment and offset.
#pragma once

#include "groups/button/PageParts.h"
#include "ui/KesView.h"

class ColorButton;
class IntSpinEdit;
class PropText;
class QFormLayout;
class QLabel;
class QMenu;
class QToolButton;
class ScriptEdit;

class ViewText : public KesView {
  Q_OBJECT
 public:
  explicit ViewText(const PageContext& context, QWidget* parent = nullptr);

  PropText& textGroup() const;

  // The entries of the Dynamic menu in their order; a null label is a
  // separator.
  struct DynamicEntry {
    int command;
    const char* label;
    const char* token;
  };
  static const DynamicEntry kDynamicEntries[21];

  ScriptEdit* textEdit() const { return text_; }
  QMenu* dynamicMenu() const { return dynamicMenu_; }
  // Replaces the selection of the text (or inserts at the caret) with
  // `token`, as one change that Undo takes back.
  void InsertToken(const QString& token);

  // The line under the colour that says when the caption is hard to read on
  // its state's background (hidden while it reads well).
  QLabel* contrastWarning() const { return contrast_; }
  bool contrastWarningShown() const;

  // A change of the state's colours, the caption's or the page's background
  // shows in the contrast line.
  void OnDocChanged(const DocChange& change) override;

 protected:
  void RefreshControls() override;

 private:
  // Shows or hides the contrast line: the lowest ratio among the captions the
  // page edits, when it is below what reads well; `picked`: in the colour
  // just picked, which every one of them is about to get.
  void ShowContrast(bool picked = false);

  ScriptEdit* text_;
  QToolButton* dynamic_;
  QMenu* dynamicMenu_;
  ColorButton* color_;
  IconChoice alignX_;
  IconChoice alignY_;
  IntSpinEdit* offsetX_;
  IntSpinEdit* offsetY_;
  QLabel* contrast_;
  QFormLayout* form_ = nullptr;
};
