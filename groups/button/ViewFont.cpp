#include "groups/button/ViewFont.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include "audio/AuFile.h"
#include "core/IconIds.h"
#include "core/KesApp.h"
#include "core/Keywords.h"
#include "core/Messages.h"
#include "core/OsPath.h"
#include "core/Platform.h"
#include "groups/button/PropText.h"
#include "ui/Text.h"
#include "ui/Translations.h"

namespace {
const char* const kFontFileFilter = VB_TR_NOOP(
    "FileDialog",
    "Font Files (*.woff2,*.woff,*.ttf,*.otf)|*.woff2;*.woff;*.ttf;*.otf|All Files (*.*)|*.*||");
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
      fontFile_(new QToolButton),
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
  // The fonts of this machine follow; a page shows them where its visitor
  // has them too, and a generic font of the same kind elsewhere.
  QStringList listed;
  for (int i = 0; i < font_->count(); ++i) listed << font_->itemText(i).toLower();
  bool first = true;
  for (const QString& family : QFontDatabase::families()) {
    if (QFontDatabase::isPrivateFamily(family) || !Storable(family) ||
        listed.contains(family.toLower()))
      continue;
    if (first) font_->insertSeparator(font_->count());
    first = false;
    font_->addItem(family);
  }
  fontFile_->setText(tr("Font &File..."));
  RegisterControl(fontFile_, 2308);
  connect(fontFile_, &QToolButton::clicked, this, &ViewFont::OnFontFile);
  for (const char* s : kSizes) size_->addItem(QString::fromLatin1(s));
  size_->setMaxVisibleItems(16);

  QFormLayout* form = MakePageForm(this);
  form->addRow(BuddyLabel(tr("&Font:"), font_), PageRow().Add(font_).Add(fontFile_).Done());
  form->addRow(BuddyLabel(tr("&Size:"), size_), PageRow().Add(size_).Done());
  form->addRow(tr("Style:"), PageRow().Add(styles_.row).Done());

  Bind(&PropText::font, TextOf(font_));
  // An integer outside the range is kept until the user corrects it (the
  // commit is refused meanwhile).
  Bind(&PropText::size, IntOf(size_), [this](const int32_t& size) {
    if (size >= kMinSize && size <= kMaxSize) return true;
    Complain(size_, msg::Format(UiText(msg::kEnterIntegerBetween), std::to_string(kMinSize),
                                std::to_string(kMaxSize)));
    return false;
  });
  int32_t PropText::*const flags[] = {&PropText::bold, &PropText::italic, &PropText::underline,
                                      &PropText::emboss, &PropText::engrave};
  for (Style style : {kBold, kItalic, kUnderline, kEmboss, kEngrave})
    Bind(flags[style], FlagOf(styles_.buttons[style]));
}

ViewFont::~ViewFont() {
  // A name with characters the project cannot hold was never taken.
  if (Storable(font_->currentText()))
    KesApp::PushFront(app().fontNames, FromQ(font_->currentText()));
}

PropText& ViewFont::textGroup() const {
  return static_cast<PropText&>(*group());
}

void ViewFont::OnFontFile() {
  Platform& platform = app().platform();
  const std::string current = FromQ(font_->currentText());
  std::string path =
      IsFontFile(current)
          ? ResolveAudioPath(current, ProjectFolder(doc().pathName(), platform.ProgramDir()))
          : std::string();
  if (!platform.FileDialog(true, std::string(), path, kFontFileFilter,
                           FdFileMustExist | FdPathMustExist | FdHideReadOnly))
    return;
  // Named from the project's folder when it lies there, like an image.
  std::string stored;
  if (TakePickedName(platform, path, stored, doc().pathName())) font_->setEditText(ToQ(stored));
}

void ViewFont::Exclude(Style cleared) {
  styles_.buttons[cleared]->setChecked(false);
}
