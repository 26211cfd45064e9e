#include "groups/button/ViewText.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QTextCursor>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/Contrast.h"
#include "core/Doc.h"
#include "core/IconIds.h"
#include "core/Messages.h"
#include "core/StringTable.h"
#include "groups/button/PropButton.h"
#include "groups/button/PropState.h"
#include "groups/button/PropText.h"
#include "groups/project/PropProject.h"
#include "ui/ColorButton.h"
#include "ui/IntSpinEdit.h"
#include "ui/ScriptEdit.h"
#include "ui/Text.h"
#include "ui/Translations.h"

namespace {
constexpr int kOffsetSpin = 100;
}  // namespace

const ViewText::DynamicEntry ViewText::kDynamicEntries[21] = {
    {40042, QT_TRANSLATE_NOOP("ViewText", "Day (name)"), "${date.%A}"},
    {40043, QT_TRANSLATE_NOOP("ViewText", "Week Day"), "${date.%w}"},
    {0, nullptr, nullptr},
    {40049, QT_TRANSLATE_NOOP("ViewText", "Time (12 hour format)"), "${date.%I:%M %p}"},
    {40050, QT_TRANSLATE_NOOP("ViewText", "Time (24 hour format)"), "${date.%H:%M}"},
    {40139, QT_TRANSLATE_NOOP("ViewText", "Date (yy/mm/dd)"), "${date.%y/%m/%d}"},
    {40140, QT_TRANSLATE_NOOP("ViewText", "Date (mm/dd/yy)"), "${date.%m/%d/%y}"},
    {40141, QT_TRANSLATE_NOOP("ViewText", "Date (dd/mm/yy)"), "${date.%d/%m/%y}"},
    {0, nullptr, nullptr},
    {40037, QT_TRANSLATE_NOOP("ViewText", "Year (short)"), "${date.%y}"},
    {40038, QT_TRANSLATE_NOOP("ViewText", "Year (long)"), "${date.%Y}"},
    {40039, QT_TRANSLATE_NOOP("ViewText", "Month (number)"), "${date.%m}"},
    {40040, QT_TRANSLATE_NOOP("ViewText", "Month (name)"), "${date.%B}"},
    {40041, QT_TRANSLATE_NOOP("ViewText", "Day (date)"), "${date.%d}"},
    {40044, QT_TRANSLATE_NOOP("ViewText", "Hours (12 hour format)"), "${date.%I}"},
    {40045, QT_TRANSLATE_NOOP("ViewText", "Hours (24 hour format)"), "${date.%H}"},
    {40046, QT_TRANSLATE_NOOP("ViewText", "Minutes"), "${date.%M}"},
    {40047, QT_TRANSLATE_NOOP("ViewText", "Seconds"), "${date.%S}"},
    {40048, QT_TRANSLATE_NOOP("ViewText", "Meridiem"), "${date.%p}"},
    {0, nullptr, nullptr},
    {40053, QT_TRANSLATE_NOOP("ViewText", "Time && Date (Local)"), "${date.%c}"},
};

ViewText::ViewText(const PageContext& context, QWidget* parent)
    : KesView(context, 3400, parent),
      text_(new ScriptEdit),
      dynamic_(new QToolButton),
      dynamicMenu_(new QMenu(this)),
      color_(new ColorButton),
      alignX_(MakeIconChoice(this, {kIconTextLeft, kIconTextCenter, kIconTextRight}, true)),
      alignY_(MakeIconChoice(this, {kIconTextTop, kIconTextMiddle, kIconTextBottom}, true)),
      offsetX_(new IntSpinEdit),
      offsetY_(new IntSpinEdit),
      contrast_(new QLabel) {
  setObjectName(QStringLiteral("ViewText"));
  RegisterControl(text_, 3401);
  RegisterControl(dynamic_, 3402);
  RegisterControl(color_, 3405);
  for (int i = 0; i < 3; ++i) {
    RegisterControl(alignX_.buttons[i], 3406 + i);
    RegisterControl(alignY_.buttons[i], 3409 + i);
  }
  RegisterControl(offsetX_, 3403);
  RegisterControl(offsetY_, 3404);
  for (IntSpinEdit* edit : {offsetX_, offsetY_}) edit->setRange(-kOffsetSpin, kOffsetSpin);

  // A caption, not a script: the page's own font, wrapped, Enter starts a line.
  text_->setFont(font());
  text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  text_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  text_->setFixedHeight(text_->fontMetrics().lineSpacing() * 2 + 12);
  // Enter finishes the caption like a field; Shift+Enter starts a new line.
  text_->setProperty(KesView::kEnterCommits, true);

  dynamicMenu_->setTitle(tr("Dynamic"));
  for (const DynamicEntry& e : kDynamicEntries) {
    if (!e.label) {
      dynamicMenu_->addSeparator();
      continue;
    }
    QAction* action = dynamicMenu_->addAction(tr(e.label));
    action->setData(e.command);
    const HelpString help = SplitHelpString(LoadUiString(e.command));
    action->setStatusTip(ToQ(help.prompt));
    const QString token = QString::fromLatin1(e.token);
    connect(action, &QAction::triggered, this, [this, token] { InsertToken(token); });
  }
  dynamic_->setText(tr("&Dynamic"));
  dynamic_->setMenu(dynamicMenu_);
  dynamic_->setPopupMode(QToolButton::InstantPopup);
  dynamic_->setToolButtonStyle(Qt::ToolButtonTextOnly);

  // The Dynamic button stands beside the text it inserts into.
  auto* textRow = new QHBoxLayout;
  textRow->setSpacing(6);
  textRow->addWidget(text_, 1);
  auto* side = new QVBoxLayout;
  side->addWidget(dynamic_);
  side->addStretch(1);
  textRow->addLayout(side);

  // The contrast line is a note, not a control: it takes no focus and wraps
  // where the page is narrow.
  contrast_->setObjectName(QStringLiteral("contrastWarning"));
  contrast_->setWordWrap(true);
  contrast_->setTextFormat(Qt::PlainText);

  QFormLayout* form = MakePageForm(this);
  form_ = form;
  // Four rows and a two-line text: closer together to fit the window.
  form->setContentsMargins(12, 6, 12, 4);
  form->setVerticalSpacing(4);
  form->addRow(BuddyLabel(tr("T&ext:"), text_), textRow);
  form->addRow(BuddyLabel(tr("&Color:"), color_), PageRow().Add(color_).Done());
  form->addRow(QString(), contrast_);
  form->setRowVisible(contrast_, false);
  form->addRow(tr("Alignment:"), AlignmentRow(alignX_, alignY_));
  form->addRow(tr("Offset:"), OffsetRow(offsetX_, offsetY_));

  // An untouched caption keeps its line breaks exactly as stored.
  Bind(&PropText::text, ScriptOf(text_));
  Bind(&PropText::textColor, ColorOf(color_));
  Bind(&PropText::alignX, ChoiceOf(alignX_));
  Bind(&PropText::alignY, ChoiceOf(alignY_));
  Bind(&PropText::offsetX, IntOf(offsetX_));
  Bind(&PropText::offsetY, IntOf(offsetY_));
  // A colour picked shows its contrast at once, before it is stored.
  connect(color_, &ColorButton::changed, this, [this] { ShowContrast(true); });
}

PropText& ViewText::textGroup() const {
  return static_cast<PropText&>(*group());
}

void ViewText::InsertToken(const QString& token) {
  QTextCursor cursor = text_->textCursor();
  cursor.beginEditBlock();
  cursor.insertText(token);
  cursor.endEditBlock();
  text_->setTextCursor(cursor);
  text_->setFocus(Qt::OtherFocusReason);
}

bool ViewText::contrastWarningShown() const {
  return form_ && form_->isRowVisible(contrast_);
}

void ViewText::RefreshControls() {
  KesView::RefreshControls();
  ShowContrast();
}

void ViewText::OnDocChanged(const DocChange& change) {
  KesView::OnDocChanged(change);
  // Only a change of values: a page whose group is leaving is closed anyway.
  if (change.kind != DocChange::Kind::GroupChanged) return;
  ShowContrast();
}

void ViewText::ShowContrast(bool picked) {
  const PropProject* project = doc().project();
  const uint32_t pickedRgb = ColorButton::ToQColor(color_->color()).rgb() & 0xFFFFFF;
  bool low = false;
  double lowest = contrast::kReadable;
  std::vector<KesProp*> groups = others();
  groups.insert(groups.begin(), group());
  for (KesProp* g : groups) {
    // A group whose button is being taken out is left out.
    if (!g || doc().PathOf(g).kind == PropClass::None) continue;
    const PropState* state = static_cast<PropText&>(*g).state();
    const PropButton* button = state ? state->button() : nullptr;
    if (!project || !button) continue;
    for (int i = 0; i < 3; ++i) {
      contrast::Caption caption;
      if (button->state(i) != state || !contrast::StateCaption(*button, *project, i, caption))
        continue;
      if (picked) caption.ratio = contrast::Ratio(pickedRgb, caption.background);
      if (caption.ratio < lowest) {
        lowest = caption.ratio;
        low = true;
      }
    }
  }
  if (low) contrast_->setText(ToQ(contrast::Warning(lowest, UiText(msg::kContrastLow))));
  form_->setRowVisible(contrast_, low);
}
