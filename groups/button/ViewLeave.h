// The "Mouse Leave" page of a button: the VelkoScript actions run when the
// mouse leaves the button.
#pragma once

#include "ui/ScriptPage.h"

class PropButton;

class ViewLeave : public ScriptPage {
  Q_OBJECT
 public:
  explicit ViewLeave(const PageContext& context, QWidget* parent = nullptr);

  PropButton& button() const;
};
