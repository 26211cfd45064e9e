// The "General" page of a state's caption: the text (with a menu of dynamic
// date and time tokens), its colour, alignment and offset.
#pragma once

#include "groups/button/PageParts.h"
#include "ui/KesView.h"

class ColorButton;
class IntSpinEdit;
class PropText;
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

 private:
  ScriptEdit* text_;
  QToolButton* dynamic_;
  QMenu* dynamicMenu_;
  ColorButton* color_;
  IconChoice alignX_;
  IconChoice alignY_;
  IntSpinEdit* offsetX_;
  IntSpinEdit* offsetY_;
};
