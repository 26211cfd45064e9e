// A page that edits one VelkoScript of its group in a script box with
// "Add Action...": a state's advanced actions, a button's mouse-leave script.
#pragma once

#include <string>

#include "ui/KesView.h"

class QPushButton;
class QVBoxLayout;
class ScriptBox;
class ScriptEdit;

class ScriptPage : public KesView {
  Q_OBJECT
 public:
  // `scriptId` and `addId` are the help ids of the edit and its button.
  ScriptPage(const PageContext& context, int pageId, const QString& label, int scriptId, int addId,
             QWidget* parent);

  ScriptEdit* scriptEdit() const { return script_; }
  QPushButton* addActionButton() const { return add_; }

 protected:
  QVBoxLayout* layout_;
  ScriptBox* box_;

 private:
  ScriptEdit* script_;
  QPushButton* add_;
};
