// The page of a state's picture: the image file (or address), how it fits
// the button, and, for a normal image, its alignment and offset.
#pragma once

#include "groups/button/PageParts.h"
#include "ui/KesView.h"

class IntSpinEdit;
class PropImage;
class QLineEdit;
class QToolButton;

class ViewImage : public KesView {
  Q_OBJECT
 public:
  explicit ViewImage(const PageContext& context, QWidget* parent = nullptr);

  PropImage& image() const;

 protected:
  bool CommitControls() override;
  void RefreshControls() override;

 private:
  // Alignment and offsets apply to a normal image only.
  void EnableForStyle();
  void Browse();

  QLineEdit* file_;
  QToolButton* browse_;
  IconChoice style_;
  IconChoice alignX_;
  IconChoice alignY_;
  IntSpinEdit* offsetX_;
  IntSpinEdit* offsetY_;
};
