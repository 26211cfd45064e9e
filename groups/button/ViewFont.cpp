#include "groups/button/ViewFont.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include "core/IconIds.h"
#include "core/KesApp.h"
#include "core/Messages.h"
#include "groups/button/PropText.h"
#include "ui/Text.h"

namespace {
const char* const kSizes[] = {"8",  "9",  "10", "11", "12", "14", "16", "18",
                              "20", "22", "24", "26", "28", "36", "48", "72"};

QComboBox* MakeCombo(int contentsLength) {
  auto* box = new QComboBox;
  box->setEditable(true);
  box->setInsertPolicy(QComboBox::NoInsert);
  box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  box->setMinimumContentsLength(contentsLength);
  return box;
}
}  // namespace

ViewFont::ViewFont(const PageContext& context, QWidget* parent)
    : KesView(context, 2300, parent),
      font_(MakeCombo(16)),
      size_(MakeCombo(4)),
      styles_(MakeIconChoice(
          this, {kIconBold, kIconItalic, kIconUnderline, kIconEmboss, kIconEngrave}, false)) {
  setObjectName(QStringLiteral("ViewFont"));
  RegisterControl(font_, 2301);
  RegisterControl(size_, 2302);
  for (int i = 0; i < 5; ++i) RegisterControl(styles_.buttons[i], 2303 + i);
  connect(styles_.buttons[kEmboss], &QToolButton::clicked, this, [this] { Exclude(kEngrave); });
  connect(styles_.buttons[kEngrave], &QToolButton::clicked, this, [this] { Exclude(kEmboss); });

  for (const std::string& name : app().fontNames)
    if (!name.empty()) font_->addItem(ToQ(name));
  for (const char* s : kSizes) size_->addItem(QString::fromLatin1(s));
  size_->setMaxVisibleItems(16);

  QFormLayout* form = MakePageForm(this);
  form->addRow(BuddyLabel(tr("&Font:"), font_), font_);
  form->addRow(BuddyLabel(tr("&Size:"), size_), PageRow().Add(size_).Done());
  form->addRow(tr("Style:"), PageRow().Add(styles_.row).Done());
}

ViewFont::~ViewFont() {
  // A name with characters the project cannot hold was never taken.
  if (Storable(font_->currentText()))
    KesApp::PushFront(app().fontNames, FromQ(font_->currentText()));
}

PropText& ViewFont::textGroup() const {
  return static_cast<PropText&>(*group());
}

void ViewFont::Exclude(Style cleared) {
  styles_.buttons[cleared]->setChecked(false);
}

void ViewFont::RefreshControls() {
  const PropText& t = textGroup();
  font_->setEditText(ToQ(t.font));
  size_->setEditText(QString::number(t.size));
  const int32_t flags[5] = {t.bold, t.italic, t.underline, t.emboss, t.engrave};
  for (int i = 0; i < 5; ++i) styles_.buttons[i]->setChecked(flags[i] != 0);
}

bool ViewFont::CommitControls() {
  PropText& t = textGroup();
  int32_t size = t.size;
  bool valid = ReadInt(size_, size_->currentText(), size);
  if (valid && (size < kMinSize || size > kMaxSize)) {
    Complain(size_, msg::Format(msg::kEnterIntegerBetween, std::to_string(kMinSize),
                                std::to_string(kMaxSize)));
    valid = false;
  }
  Store(t.font, FromQ(font_->currentText()));
  // An integer outside the range is kept until the user corrects it (the
  // commit is refused meanwhile).
  Store(t.size, size);
  StoreFlag(t.bold, styles_.buttons[kBold]->isChecked());
  StoreFlag(t.italic, styles_.buttons[kItalic]->isChecked());
  StoreFlag(t.underline, styles_.buttons[kUnderline]->isChecked());
  StoreFlag(t.emboss, styles_.buttons[kEmboss]->isChecked());
  StoreFlag(t.engrave, styles_.buttons[kEngrave]->isChecked());
  return valid;
}
