// The "Background" page of the project: the applet's background colour, its
// image (a file or an address) and how the image fills the applet.
#pragma once

#include <vector>

#include "ui/KesView.h"

class ColorButton;
class PropProject;
class QLineEdit;
class QToolButton;

class ViewBackground : public KesView {
  Q_OBJECT
 public:
  explicit ViewBackground(const PageContext& context, QWidget* parent = nullptr);

  PropProject& project() const;

 private:
  // "...": picks an image file, starting from the current one.
  void OnSelectImage();

  ColorButton* color_;
  QLineEdit* image_;
  QToolButton* select_;
  std::vector<QToolButton*> styles_;  // centre, tile, scale
};
