#include "groups/button/ViewImage.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include "core/IconIds.h"
#include "core/KesApp.h"
#include "core/Keywords.h"
#include "core/OsPath.h"
#include "core/Platform.h"
#include "groups/button/PropImage.h"
#include "ui/IntSpinEdit.h"
#include "ui/OutlineIcons.h"
#include "ui/PageParts.h"
#include "ui/Text.h"

namespace {
enum ImageStyle { kNormal = 0, kTile = 1, kScale = 2 };
constexpr int kOffsetSpin = 100;
}  // namespace

ViewImage::ViewImage(const PageContext& context, QWidget* parent)
    : KesView(context, 2500, parent),
      file_(new QLineEdit),
      browse_(new QToolButton),
      style_(MakeIconChoice(this, {kIconImageNormal, kIconImageTile, kIconImageScale}, true)),
      alignX_(MakeIconChoice(this, {kIconImageLeft, kIconImageCenter, kIconImageRight}, true)),
      alignY_(MakeIconChoice(this, {kIconImageTop, kIconImageMiddle, kIconImageBottom}, true)),
      offsetX_(new IntSpinEdit),
      offsetY_(new IntSpinEdit) {
  setObjectName(QStringLiteral("ViewImage"));
  RegisterControl(file_, 2501);
  RegisterControl(browse_, 2504);
  for (int i = 0; i < 3; ++i) {
    RegisterControl(style_.buttons[i], 2511 + i);
    RegisterControl(alignX_.buttons[i], 2505 + i);
    RegisterControl(alignY_.buttons[i], 2508 + i);
  }
  RegisterControl(offsetX_, 2502);
  RegisterControl(offsetY_, 2503);
  for (IntSpinEdit* edit : {offsetX_, offsetY_}) edit->setRange(-kOffsetSpin, kOffsetSpin);

  file_->setPlaceholderText(tr("No image"));
  browse_->setIcon(PageIcon(20000));
  browse_->setIconSize(QSize(16, 16));
  browse_->setText(QStringLiteral("..."));
  browse_->setFixedSize(28, 26);
  connect(browse_, &QToolButton::clicked, this, &ViewImage::Browse);
  connect(style_.group, &QButtonGroup::idClicked, this, [this] { EnableForStyle(); });

  auto* fileRow = new QHBoxLayout;
  fileRow->setSpacing(4);
  fileRow->addWidget(file_, 1);
  fileRow->addWidget(browse_);

  QFormLayout* form = MakePageForm(this);
  form->addRow(BuddyLabel(tr("&File:"), file_), fileRow);
  form->addRow(tr("Style:"), PageRow().Add(style_.row).Done());
  form->addRow(tr("Alignment:"), AlignmentRow(alignX_, alignY_));
  form->addRow(tr("Offset:"), OffsetRow(offsetX_, offsetY_));

  Bind(&PropImage::file, TextOf(file_));
  // A value no button stands for (from a file) stays as it is.
  Bind(&PropImage::style, ChoiceOf(style_));
  Bind(&PropImage::alignX, ChoiceOf(alignX_));
  Bind(&PropImage::alignY, ChoiceOf(alignY_));
  Bind(&PropImage::offsetX, OffsetOf(offsetX_));
  Bind(&PropImage::offsetY, OffsetOf(offsetY_));
}

PropImage& ViewImage::image() const {
  return static_cast<PropImage&>(*group());
}

void ViewImage::EnableForStyle() {
  const bool normal = style_.Checked(kNormal) == kNormal;
  for (int i = 0; i < 3; ++i) {
    alignX_.buttons[i]->setEnabled(normal);
    alignY_.buttons[i]->setEnabled(normal);
  }
  offsetX_->setEnabled(normal);
  offsetY_->setEnabled(normal);
}

void ViewImage::Browse() {
  PickImageFile(app().platform(), file_, doc().pathName());
}

void ViewImage::RefreshControls() {
  KesView::RefreshControls();
  EnableForStyle();
}

Converter<int32_t> ViewImage::OffsetOf(IntSpinEdit* edit) {
  Converter<int32_t> c = IntOf(edit);
  c.read = [this, edit](int32_t& v) {
    if (style_.Checked(kNormal) == kNormal) return ReadInt(edit, edit->text(), v);
    // The offsets of a tiled or scaled image are closed: nothing to complain
    // about there, a number left in them is still kept.
    bool ok = false;
    if (const int typed = edit->text().trimmed().toInt(&ok); ok) v = typed;
    return true;
  };
  return c;
}
