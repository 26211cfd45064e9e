#include "groups/button/ViewBorder.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>

#include "core/IconIds.h"
#include "groups/button/PropBorder.h"
#include "groups/button/PropState.h"
#include "ui/ColorButton.h"
#include "ui/IntSpinEdit.h"

namespace {
constexpr int kMaxBorderSpin = 20;
}  // namespace

ViewBorder::ViewBorder(const PageContext& context, QWidget* parent)
    : KesView(context, 2100, parent),
      style_(MakeIconChoice(
          this,
          {kIconBorderNone, kIconBorderFlat, kIconBorderBevel, kIconBorderPoint, kIconBorderRaised},
          true)),
      thick_(new IntSpinEdit),
      smooth_(new QCheckBox(tr("Sm&ooth"))),
      automatic_(new QCheckBox(tr("&Automatic"))) {
  setObjectName(QStringLiteral("ViewBorder"));
  for (int i = 0; i < 5; ++i) RegisterControl(style_.buttons[i], 2106 + i);
  RegisterControl(thick_, 2105);
  RegisterControl(smooth_, 2101);
  RegisterControl(automatic_, 2112);
  thick_->setRange(0, kMaxBorderSpin);
  connect(automatic_, &QCheckBox::clicked, this, [this] { ShowAutomaticColors(); });
  // What the user does on the page, as opposed to what it shows.
  const auto edited = [this] { edited_ = true; };
  for (int i = 0; i < 5; ++i) connect(style_.buttons[i], &QAbstractButton::clicked, this, edited);
  connect(smooth_, &QCheckBox::clicked, this, edited);
  connect(automatic_, &QCheckBox::clicked, this, edited);
  connect(thick_, &IntSpinEdit::editingFinished, this, [this] {
    if (thick_->text().trimmed() != QString::number(border().thick)) edited_ = true;
  });

  QFormLayout* form = MakePageForm(this);
  form->addRow(tr("Style:"), PageRow().Add(style_.row).Done());
  form->addRow(BuddyLabel(tr("&Size:"), thick_), PageRow()
                                                     .Add(thick_)
                                                     .Add(new QLabel(tr("pixels")))
                                                     .Gap(24)
                                                     .Add(smooth_)
                                                     .Gap()
                                                     .Add(automatic_)
                                                     .Done());

  // The three colours side by side, each after its own label.
  const char* labels[3] = {"&Top:", "&Middle:", "&Bottom:"};
  PageRow colorRow;
  for (int i = 0; i < 3; ++i) {
    colors_[i] = new ColorButton;
    RegisterControl(colors_[i], 2102 + i);
    if (i > 0) colorRow.Gap();
    colorRow.Label(tr(labels[i])).Add(colors_[i]);
    connect(colors_[i], &ColorButton::changed, this, edited);
  }
  form->addRow(tr("Colors:"), colorRow.Done());

  // A style no button stands for (from a file) stays as it is.
  Bind(&PropBorder::style, ChoiceOf(style_));
  Bind(&PropBorder::thick, IntOf(thick_));
  Bind(&PropBorder::smooth, FlagOf(smooth_));
  Bind(&PropBorder::automatic, FlagOf(automatic_));
  Bind(&PropBorder::topColor, ColorOf(colors_[0]));
  Bind(&PropBorder::midColor, ColorOf(colors_[1]));
  Bind(&PropBorder::botColor, ColorOf(colors_[2]));
}

PropBorder& ViewBorder::border() const {
  return static_cast<PropBorder&>(*group());
}

void ViewBorder::ShowAutomaticColors() {
  const bool automatic = automatic_->isChecked();
  if (automatic) {
    const PropBorder::Colors c = border().AutomaticColors();
    colors_[0]->setColor(c.top);
    colors_[1]->setColor(c.mid);
    colors_[2]->setColor(c.bot);
  }
  for (ColorButton* b : colors_) b->setEnabled(!automatic);
}

void ViewBorder::RefreshControls() {
  edited_ = false;
  KesView::RefreshControls();
  ShowAutomaticColors();
}

bool ViewBorder::HoldsEdits() const {
  // Shown automatic colours are not stored by looking at the page; a typed
  // size is read whenever it differs.
  return edited_ || thick_->text().trimmed() != QString::number(border().thick);
}
