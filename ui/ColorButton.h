// A button that shows a colour and picks another: a pop-up with a field for a
// typed colour, the project's own colours, the colours picked last, a palette
// of common colours and "More Colors..." for the full colour dialog. Colours are the
// engine's 32-bit values, red in the lowest byte (0x00BBGGRR).
#pragma once

#include <QColor>
#include <QToolButton>
#include <cstdint>
#include <functional>
#include <vector>

class Platform;
class QGridLayout;
class QLineEdit;
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
  static constexpr int kPaletteColumns = 8;
  static constexpr int kPaletteSize = 5 * kPaletteColumns;
  static const uint32_t kPalette[kPaletteSize];

  // Picks a colour as the user would: sets it and emits changed() when it
  // differs from the current one.
  void choose(uint32_t color);

  // The colour a typed text names: "#8B4513", "8B4513" or a CSS colour name,
  // in any case; false for anything else.
  static bool ParseColor(const QString& text, uint32_t& color);
  // The most recent colours kept, at most this many.
  static constexpr int kMaxRecent = 8;
  // Where the recent colours are kept; without a store the pop-up shows none.
  void setRecentStore(Platform* platform) { recentStore_ = platform; }
  // The project's own colours, asked for each time the pop-up opens.
  void setProjectColors(std::function<std::vector<uint32_t>()> colors) {
    projectColors_ = std::move(colors);
  }
  std::vector<uint32_t> RecentColors() const;

 signals:
  void changed(uint32_t color);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void BuildMenu();
  void MoreColors();
  // Chooses a colour from the pop-up and keeps it among the recent ones.
  void Pick(uint32_t color);
  QToolButton* Swatch(QWidget* parent, uint32_t color);
  // Fills a row of swatches, hidden when there are none.
  void FillRow(QGridLayout* row, const std::vector<uint32_t>& colors);
  void RefreshRows();

  uint32_t color_ = 0;
  bool mixed_ = false;
  QMenu* menu_ = nullptr;
  QLineEdit* field_ = nullptr;
  QGridLayout* projectRow_ = nullptr;
  QGridLayout* recentRow_ = nullptr;
  Platform* recentStore_ = nullptr;
  std::function<std::vector<uint32_t>()> projectColors_;
};
