// The "Font" page of a state's caption: font name, size and the five style
// attributes. The font names entered during this run are offered again.
#pragma once

#include "groups/button/PageParts.h"
#include "ui/KesView.h"

class PropText;
class QComboBox;
class QToolButton;

class ViewFont : public KesView {
  Q_OBJECT
 public:
  explicit ViewFont(const PageContext& context, QWidget* parent = nullptr);
  // The font name shown joins the front of the application's font list.
  ~ViewFont() override;

  PropText& textGroup() const;

  static constexpr int kMinSize = 0;
  static constexpr int kMaxSize = 255;

 private:
  enum Style { kBold, kItalic, kUnderline, kEmboss, kEngrave };
  // Emboss and engrave exclude each other: clicking one clears the other.
  void Exclude(Style cleared);
  // "Font File...": a .woff2, .woff, .ttf or .otf file whose name becomes the
  // font's; publishing copies it beside the page and the page loads it.
  void OnFontFile();

  QComboBox* font_;
  QToolButton* fontFile_;
  QComboBox* size_;
  IconChoice styles_;
};
