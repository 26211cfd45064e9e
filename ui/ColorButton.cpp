#include "ui/ColorButton.h"

#include <QColorDialog>
#include <QGridLayout>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionToolButton>
#include <QStylePainter>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidgetAction>

// Five rows of eight: greys, then the common hues in light, full, dark.
const uint32_t ColorButton::kPalette[40] = {
    0x000000, 0x404040, 0x808080, 0xA0A0A0, 0xC0C0C0, 0xE0E0E0, 0xF0F0F0, 0xFFFFFF,
    0x0000FF, 0x0080FF, 0x00FFFF, 0x00FF00, 0x808000, 0xFF0000, 0xFF0080, 0x800080,
    0x000080, 0x004080, 0x008080, 0x008000, 0x404000, 0x800000, 0x400080, 0x400040,
    0x8080FF, 0x80C0FF, 0x80FFFF, 0x80FF80, 0xFFFF80, 0xFF8080, 0xFF80C0, 0xFF80FF,
    0x000040, 0x002040, 0x004040, 0x004000, 0x202000, 0x400000, 0x200040, 0x200020,
};

QColor ColorButton::ToQColor(uint32_t color) {
  return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                static_cast<int>((color >> 16) & 0xFF));
}

uint32_t ColorButton::FromQColor(const QColor& color) {
  return static_cast<uint32_t>(color.red()) | (static_cast<uint32_t>(color.green()) << 8) |
         (static_cast<uint32_t>(color.blue()) << 16);
}

ColorButton::ColorButton(QWidget* parent) : QToolButton(parent) {
  setPopupMode(QToolButton::InstantPopup);
  setToolButtonStyle(Qt::ToolButtonIconOnly);
  setFixedSize(64, 28);
  BuildMenu();
}

void ColorButton::setColor(uint32_t color) {
  color_ = color & 0xFFFFFF;
  mixed_ = false;
  update();
}

void ColorButton::setMixed() {
  mixed_ = true;
  update();
}

void ColorButton::choose(uint32_t color) {
  color &= 0xFFFFFF;
  if (color == color_) return;
  setColor(color);
  emit changed(color_);
}

void ColorButton::BuildMenu() {
  menu_ = new QMenu(this);
  auto* panel = new QWidget(menu_);
  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->setSpacing(6);
  auto* grid = new QGridLayout;
  grid->setSpacing(3);
  for (int i = 0; i < 40; ++i) {
    const uint32_t c = kPalette[i];
    auto* swatch = new QToolButton(panel);
    swatch->setFixedSize(18, 18);
    swatch->setAutoRaise(false);
    swatch->setToolTip(ToQColor(c).name().toUpper());
    swatch->setStyleSheet(
        QStringLiteral("QToolButton { background: %1; border: 1px solid #808080; }"
                       "QToolButton:hover { border: 2px solid palette(highlight); }")
            .arg(ToQColor(c).name()));
    connect(swatch, &QToolButton::clicked, this, [this, c] {
      menu_->close();
      choose(c);
    });
    grid->addWidget(swatch, i / 8, i % 8);
  }
  layout->addLayout(grid);
  auto* more = new QPushButton(tr("More Colors..."), panel);
  connect(more, &QPushButton::clicked, this, [this] {
    menu_->close();
    MoreColors();
  });
  layout->addWidget(more);
  auto* action = new QWidgetAction(menu_);
  action->setDefaultWidget(panel);
  menu_->addAction(action);
  setMenu(menu_);
}

void ColorButton::MoreColors() {
  const QColor picked = QColorDialog::getColor(ToQColor(color_), this, tr("Color"));
  if (picked.isValid()) choose(FromQColor(picked));
}

void ColorButton::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionToolButton option;
  initStyleOption(&option);
  // The frame of a tool button without its own menu mark; the swatch and a
  // drop-down arrow are drawn here.
  option.features &= ~(QStyleOptionToolButton::HasMenu | QStyleOptionToolButton::MenuButtonPopup);
  option.icon = QIcon();
  option.text.clear();
  painter.drawComplexControl(QStyle::CC_ToolButton, option);

  const QRect area = rect().adjusted(5, 5, -5, -5);
  QRect swatch = area;
  swatch.setRight(area.right() - 14);
  painter.setPen(isEnabled() ? palette().color(QPalette::WindowText)
                             : palette().color(QPalette::Disabled, QPalette::WindowText));
  // A closed button still shows its colour, faded into the background.
  painter.setBrush(palette().color(QPalette::Window));
  painter.drawRect(swatch.adjusted(0, 0, -1, -1));
  if (!isEnabled()) painter.setOpacity(0.45);
  if (mixed_)
    painter.fillRect(swatch.adjusted(1, 1, -1, -1),
                     QBrush(palette().color(QPalette::WindowText), Qt::BDiagPattern));
  else
    painter.fillRect(swatch.adjusted(1, 1, -1, -1), ToQColor(color_));
  painter.setOpacity(1.0);

  QStyleOption arrow;
  arrow.initFrom(this);
  arrow.rect = QRect(area.right() - 10, area.top(), 10, area.height());
  painter.drawPrimitive(QStyle::PE_IndicatorArrowDown, arrow);
}
