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
  void RefreshControls() override;

 private:
  // Alignment and offsets apply to a normal image only.
  void EnableForStyle();
  // An offset: read as an integer under the normal style, leniently while
  // the tiled and scaled styles close it.
  Converter<int32_t> OffsetOf(IntSpinEdit* edit);
  void Browse();

  QLineEdit* file_;
  QToolButton* browse_;
  IconChoice style_;
  IconChoice alignX_;
  IconChoice alignY_;
  IntSpinEdit* offsetX_;
  IntSpinEdit* offsetY_;
};
