#include "ui/ColorButton.h"

#include <QColorDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyleOptionToolButton>
#include <QStylePainter>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidgetAction>
#include <algorithm>

#include "core/Platform.h"
#include "core/SettingKeys.h"
#include "ui/Text.h"

// Five rows of eight: greys, then the common hues in light, full, dark.
const uint32_t ColorButton::kPalette[kPaletteSize] = {
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

bool ColorButton::ParseColor(const QString& text, uint32_t& color) {
  static const QRegularExpression hex(QStringLiteral("^#?([0-9A-Fa-f]{6})$"));
  static const QRegularExpression name(QStringLiteral("^[A-Za-z]+$"));
  const QString t = text.trimmed();
  QColor parsed;
  if (const QRegularExpressionMatch m = hex.match(t); m.hasMatch())
    parsed = QColor::fromString(QLatin1Char('#') + m.captured(1));
  // A name has no alpha: "transparent" is not a colour a button can show.
  else if (name.match(t).hasMatch() && t.compare(QLatin1String("transparent"), Qt::CaseInsensitive))
    parsed = QColor::fromString(t.toLower());
  if (!parsed.isValid()) return false;
  color = FromQColor(parsed);
  return true;
}

std::vector<uint32_t> ColorButton::RecentColors() const {
  std::vector<uint32_t> colors;
  if (!recentStore_) return colors;
  const QString stored = ToQ(recentStore_->Get(setting::kRecentColors));
  for (const QString& part : stored.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
    uint32_t c = 0;
    if (int(colors.size()) < kMaxRecent && ParseColor(part, c) &&
        std::find(colors.begin(), colors.end(), c) == colors.end())
      colors.push_back(c);
  }
  return colors;
}

void ColorButton::Pick(uint32_t color) {
  menu_->close();
  color &= 0xFFFFFF;
  if (recentStore_) {
    std::vector<uint32_t> recent = RecentColors();
    recent.erase(std::remove(recent.begin(), recent.end(), color), recent.end());
    recent.insert(recent.begin(), color);
    if (int(recent.size()) > kMaxRecent) recent.resize(kMaxRecent);
    QStringList parts;
    for (uint32_t c : recent) parts << ToQColor(c).name().mid(1).toUpper();
    recentStore_->Put(setting::kRecentColors, FromQ(parts.join(QLatin1Char(','))));
  }
  choose(color);
}

QToolButton* ColorButton::Swatch(QWidget* parent, uint32_t c) {
  auto* swatch = new QToolButton(parent);
  swatch->setFixedSize(18, 18);
  swatch->setAutoRaise(false);
  swatch->setToolTip(ToQColor(c).name().toUpper());
  swatch->setStyleSheet(
      QStringLiteral("QToolButton { background: %1; border: 1px solid #808080; }"
                     "QToolButton:hover { border: 2px solid palette(highlight); }")
          .arg(ToQColor(c).name()));
  connect(swatch, &QToolButton::clicked, this, [this, c] { Pick(c); });
  return swatch;
}

void ColorButton::FillRow(QGridLayout* row, const std::vector<uint32_t>& colors) {
  while (QLayoutItem* item = row->takeAt(0)) {
    delete item->widget();
    delete item;
  }
  QWidget* holder = row->parentWidget();
  for (std::size_t i = 0; i < colors.size() && i < std::size_t(kPaletteColumns); ++i)
    row->addWidget(Swatch(holder, colors[i]), 0, int(i));
  holder->parentWidget()->setVisible(!colors.empty());
}

void ColorButton::RefreshRows() {
  field_->clear();
  std::vector<uint32_t> project = projectColors_ ? projectColors_() : std::vector<uint32_t>();
  FillRow(projectRow_, project);
  FillRow(recentRow_, RecentColors());
}

void ColorButton::BuildMenu() {
  menu_ = new QMenu(this);
  auto* panel = new QWidget(menu_);
  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->setSpacing(6);

  field_ = new QLineEdit(panel);
  field_->setObjectName(QStringLiteral("colorField"));
  field_->setPlaceholderText(tr("#RRGGBB or a name"));
  field_->setToolTip(tr("Type a colour as #8B4513, 8B4513 or a name such as sienna, then Enter"));
  connect(field_, &QLineEdit::returnPressed, this, [this] {
    uint32_t c = 0;
    if (ParseColor(field_->text(), c))
      Pick(c);
    else
      field_->selectAll();  // refused: the text stays to be corrected
  });
  layout->addWidget(field_);

  // The project's colours and the recent ones, each a labelled row.
  const auto row = [&](const char* name, const QString& label) {
    auto* box = new QWidget(panel);
    box->setObjectName(QLatin1String(name));
    auto* boxLayout = new QVBoxLayout(box);
    boxLayout->setContentsMargins(0, 0, 0, 0);
    boxLayout->setSpacing(2);
    boxLayout->addWidget(new QLabel(label, box));
    auto* holder = new QWidget(box);
    auto* grid = new QGridLayout(holder);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(3);
    grid->setAlignment(Qt::AlignLeft);
    boxLayout->addWidget(holder);
    box->setVisible(false);
    layout->addWidget(box);
    return grid;
  };
  projectRow_ = row("projectColors", tr("In this project"));
  recentRow_ = row("recentColors", tr("Recent"));

  auto* grid = new QGridLayout;
  grid->setSpacing(3);
  for (int i = 0; i < kPaletteSize; ++i)
    grid->addWidget(Swatch(panel, kPalette[i]), i / kPaletteColumns, i % kPaletteColumns);
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
  connect(menu_, &QMenu::aboutToShow, this, &ColorButton::RefreshRows);
  setMenu(menu_);
}

void ColorButton::MoreColors() {
  const QColor picked = QColorDialog::getColor(ToQColor(color_), this, tr("Color"));
  if (picked.isValid()) Pick(FromQColor(picked));
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
