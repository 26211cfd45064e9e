// A button that shows a colour and picks another: a pop-up palette of common
// colours plus "More Colors..." for the full colour dialog. Colours are the
// engine's 32-bit values, red in the lowest byte (0x00BBGGRR).
#pragma once

#include <QColor>
#include <QToolButton>
#include <cstdint>

class QMenu;

class ColorButton : public QToolButton {
  Q_OBJECT
 public:
  explicit ColorButton(QWidget* parent = nullptr);

  uint32_t color() const { return color_; }
  // Sets the colour without emitting changed().
  void setColor(uint32_t color);
  // Shows no colour but a hatched swatch: the selected items differ. A
  // colour set or chosen ends it.
  void setMixed();
  bool mixed() const { return mixed_; }

  static QColor ToQColor(uint32_t color);
  static uint32_t FromQColor(const QColor& color);
  // The colours of the pop-up palette, row by row.
  static const uint32_t kPalette[40];

  // Picks a colour as the user would: sets it and emits changed() when it
  // differs from the current one.
  void choose(uint32_t color);

 signals:
  void changed(uint32_t color);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void BuildMenu();
  void MoreColors();

  uint32_t color_ = 0;
  bool mixed_ = false;
  QMenu* menu_ = nullptr;
};
