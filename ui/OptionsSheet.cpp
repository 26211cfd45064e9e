#include "ui/OptionsSheet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QEventLoop>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "core/KesApp.h"
#include "core/Messages.h"
#include "ui/HelpTips.h"
#include "ui/Text.h"
#include "ui/ToolbarManager.h"
#include "ui/ToolbarPages.h"
#include "ui/Translations.h"

namespace {

// Longer than any language tag in use ("zh-Hant-TW", "de-CH-1901").
constexpr int kLanguageTagLength = 35;

constexpr int kConfigTextId = 1800;
constexpr int kDaysId = 1801;
constexpr int kMonthsId = 1802;
constexpr int kAnteMeridiemId = 1803;
constexpr int kPostMeridiemId = 1804;
constexpr int kNonJavaId = 3700;
constexpr int kNonJavaMessageId = 3701;
constexpr int kBrowserPageId = 3900;
constexpr int kNameColumnWidth = 150;
constexpr int kNumberColumnWidth = 60;

#ifdef _WIN32
constexpr const char* kBrowserExt = "exe";
constexpr const char* kBrowserFilter =
    VB_TR_NOOP("FileDialog", "Executable Files (*.exe, *.com)|*.exe;*.com|All Files (*.*)|*.*||");
#else
// Programs here have no extension: all files come first, and no extension
// is added to the name chosen.
constexpr const char* kBrowserExt = "";
constexpr const char* kBrowserFilter =
    VB_TR_NOOP("FileDialog", "All Files (*.*)|*.*|Executable Files (*.exe, *.com)|*.exe;*.com||");
#endif

void TellLater(QObject* context, Platform& platform, const std::string& text) {
  // Shown once the in-place editor has closed.
  QTimer::singleShot(0, context, [&platform, text] {
    platform.MessageBox(text, MsgButtons::Ok, MsgIcon::Exclamation);
  });
}

// In-place renaming of a day or month: Escape keeps the old name; an empty
// name, or one with characters that cannot be stored, is refused.
class NameDelegate : public QStyledItemDelegate {
 public:
  NameDelegate(Platform& platform, QObject* parent)
      : QStyledItemDelegate(parent), platform_(platform) {}
  void setModelData(QWidget* editor, QAbstractItemModel* model,
                    const QModelIndex& index) const override {
    auto* edit = qobject_cast<QLineEdit*>(editor);
    if (!edit) return;
    const QString text = edit->text();
    if (text == index.data().toString()) return;
    if (text.isEmpty()) {
      TellLater(parent(), platform_, msg::kNameEmpty);
      return;
    }
    if (!Storable(text)) {
      TellLater(parent(), platform_, msg::Format(UiText(msg::kTextNotStorable), FromQ(text)));
      return;
    }
    model->setData(index, text, Qt::EditRole);
  }

 private:
  Platform& platform_;
};

QTableWidget* NameList(const QString& numberColumn, QWidget* parent, Platform& platform) {
  auto* list = new QTableWidget(0, 2, parent);
  list->setHorizontalHeaderLabels({QObject::tr("Name"), numberColumn});
  list->setColumnWidth(0, kNameColumnWidth);
  list->setColumnWidth(1, kNumberColumnWidth);
  list->verticalHeader()->hide();
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setSelectionBehavior(QAbstractItemView::SelectRows);
  list->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
  list->setItemDelegateForColumn(0, new NameDelegate(platform, list));
  list->setShowGrid(false);
  // Compact rows: the seven days show without scrolling.
  list->verticalHeader()->setDefaultSectionSize(list->fontMetrics().height() + 6);
  return list;
}

template <std::size_t N>
void FillNames(QTableWidget* list, const std::array<std::string, N>& names) {
  list->setRowCount(int(N));
  for (std::size_t i = 0; i < N; ++i) {
    auto* name = new QTableWidgetItem(ToQ(names[i]));
    name->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
    auto* number = new QTableWidgetItem(QString::number(int(i) + 1));
    number->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    list->setItem(int(i), 0, name);
    list->setItem(int(i), 1, number);
  }
}

template <std::size_t N>
void TakeNames(const QTableWidget* list, std::array<std::string, N>& names) {
  for (std::size_t i = 0; i < N && int(i) < list->rowCount(); ++i)
    if (const QTableWidgetItem* item = list->item(int(i), 0)) names[i] = FromQ(item->text());
}

QLabel* Wrapped(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setWordWrap(true);
  return label;
}

// Refuses a text that cannot be stored; the user is told.
bool CheckStorable(Platform& platform, const QString& text) {
  if (Storable(text)) return true;
  platform.MessageBox(msg::Format(UiText(msg::kTextNotStorable), FromQ(text)), MsgButtons::Ok,
                      MsgIcon::Exclamation);
  return false;
}

}  // namespace

void OptionsPage::Activate() {
  if (opened_) return;
  opened_ = true;
  Load();
}

// ---------------------------------------------------------------------------
// Configurable Text

ConfigTextPage::ConfigTextPage(KesApp& app, QWidget* parent) : OptionsPage(parent), app_(app) {
  setProperty("helpId", kConfigTextId);
  auto* tips = new HelpTips(app, this);
  Platform& p = app.platform();
  days_ = NameList(tr("Day"), this, p);
  months_ = NameList(tr("Month"), this, p);
  am_ = new QLineEdit(this);
  pm_ = new QLineEdit(this);
  tips->Attach(days_, kDaysId);
  tips->Attach(months_, kMonthsId);
  tips->Attach(am_, kAnteMeridiemId);
  tips->Attach(pm_, kPostMeridiemId);

  auto* grid = new QGridLayout(this);
  grid->addWidget(
      Wrapped(tr("To change the names of the days, click the name of the day twice."), this), 0, 0);
  grid->addWidget(
      Wrapped(tr("To change the names of the months, click on the month name twice."), this), 0, 1);
  grid->addWidget(days_, 1, 0);
  grid->addWidget(months_, 1, 1);
  grid->addWidget(Wrapped(tr("You can change the name of the meridiem (meridian) used when "
                             "displaying time in 12 hour format."),
                          this),
                  2, 0, 1, 2);
  auto* meridiem = new QGridLayout;
  meridiem->addWidget(new QLabel(tr("A.M. (ante meridiem)"), this), 0, 0);
  meridiem->addWidget(new QLabel(tr("P.M. (post meridiem)"), this), 0, 1);
  meridiem->addWidget(am_, 1, 0);
  meridiem->addWidget(pm_, 1, 1);
  grid->addLayout(meridiem, 3, 0, 1, 2);
  grid->setRowStretch(1, 1);
}

void ConfigTextPage::Load() {
  const AppSettings& s = app_.settings();
  am_->setText(ToQ(s.meridiem[0]));
  pm_->setText(ToQ(s.meridiem[1]));
  FillNames(days_, s.days);
  FillNames(months_, s.months);
}

bool ConfigTextPage::Validate() {
  Platform& p = app_.platform();
  for (QLineEdit* e : {am_, pm_})
    if (!CheckStorable(p, e->text())) {
      e->setFocus();
      return false;
    }
  return true;
}

void ConfigTextPage::Apply() {
  AppSettings& s = app_.settings();
  TakeNames(days_, s.days);
  TakeNames(months_, s.months);
  s.meridiem[0] = FromQ(am_->text());
  s.meridiem[1] = FromQ(pm_->text());
}

// ---------------------------------------------------------------------------
// Non Java Browsers

NonJavaPage::NonJavaPage(KesApp& app, QWidget* parent) : OptionsPage(parent), app_(app) {
  setProperty("helpId", kNonJavaId);
  auto* tips = new HelpTips(app, this);
  message_ = new QLineEdit(this);
  tips->Attach(message_, kNonJavaId);
  message_->setProperty("controlId", kNonJavaMessageId);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Wrapped(
      tr("The message below will be displayed when viewing the project with non Java enabled "
         "browsers. Delete the message if you do not wish to have it displayed."),
      this));
  layout->addSpacing(8);
  layout->addWidget(new QLabel(tr("Message:"), this));
  layout->addWidget(message_);
  layout->addSpacing(16);
  // Pages with the runtime show a list of links instead of the message.
  language_ = new QLineEdit(this);
  language_->setMaxLength(kLanguageTagLength);
  language_->setValidator(new QRegularExpressionValidator(
      QRegularExpression(QStringLiteral("[A-Za-z]{1,8}(-[A-Za-z0-9]{1,8})*")), language_));
  layout->addWidget(Wrapped(tr("Pages with the JavaScript runtime show a list of the buttons' "
                               "links instead of the message, and name their language:"),
                            this));
  auto* languageLabel = new QLabel(tr("Page &language:"), this);
  languageLabel->setBuddy(language_);
  layout->addWidget(languageLabel);
  layout->addWidget(language_);
  layout->addStretch(1);
}

void NonJavaPage::Load() {
  message_->setText(ToQ(app_.settings().nonJavaMessage));
  language_->setText(ToQ(app_.settings().pageLanguage));
}

bool NonJavaPage::Validate() {
  if (CheckStorable(app_.platform(), message_->text())) return true;
  message_->setFocus();
  return false;
}

void NonJavaPage::Apply() {
  app_.settings().nonJavaMessage = FromQ(message_->text());
  // An empty or half-typed tag keeps the language there was.
  if (language_->hasAcceptableInput()) app_.settings().pageLanguage = FromQ(language_->text());
}

// ---------------------------------------------------------------------------
// External Browser

BrowserPage::BrowserPage(KesApp& app, QWidget* parent) : OptionsPage(parent), app_(app) {
  setProperty("helpId", kBrowserPageId);
  path_ = new QLineEdit(this);
  browse_ = new QPushButton(tr("..."), this);
  browse_->setFixedWidth(32);
  local_ = new QCheckBox(tr("&Pass as local file"), this);
  classPath_ = new QCheckBox(tr("&Set classpath environment variable"), this);
  runtime_ = new QCheckBox(
      tr("Add the JavaScript runtime so that the buttons work in browsers without Java"), this);
  auto* label = new QLabel(tr("&Browser:"), this);
  label->setBuddy(path_);
  auto* row = new QHBoxLayout;
  row->addWidget(label);
  row->addWidget(path_, 1);
  row->addWidget(browse_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Wrapped(
      tr("If the Browser field is not set, the default system browser will be used."), this));
  layout->addLayout(row);
  layout->addSpacing(8);
  layout->addWidget(Wrapped(tr("If your browser fails to load a local file specified as a URL "
                               "address (eg. Microsoft Internet Explorer), try clicking the "
                               "'Pass as local file' checkbox instead."),
                            this));
  layout->addWidget(local_);
  layout->addSpacing(8);
  layout->addWidget(Wrapped(tr("If images fail to load when previewing your project in an "
                               "external browser, try checking the box below:"),
                            this));
  layout->addWidget(classPath_);
  layout->addSpacing(8);
  layout->addWidget(runtime_);
  layout->addStretch(1);
  connect(browse_, &QPushButton::clicked, this, &BrowserPage::OnBrowse);
}

void BrowserPage::Load() {
  const AppSettings& s = app_.settings();
  path_->setText(PathToQ(s.browserPath));
  local_->setChecked(s.browserLocal != 0);
  classPath_->setChecked(s.browserClassPath != 0);
  runtime_->setChecked(s.html5Runtime == 1);
}

void BrowserPage::OnBrowse() {
  std::string chosen = FromQ(path_->text());
  if (!app_.platform().FileDialog(
          true, kBrowserExt, chosen, kBrowserFilter,
          FdFileMustExist | FdPathMustExist | FdHideReadOnly | FdNoChangeDir))
    return;
  path_->setText(PathToQ(chosen));
}

void BrowserPage::Apply() {
  AppSettings& s = app_.settings();
  s.browserPath = FromQ(path_->text());
  s.browserLocal = local_->isChecked() ? 1 : 0;
  s.browserClassPath = classPath_->isChecked() ? 1 : 0;
  s.html5Runtime = runtime_->isChecked() ? 1 : 0;
}

// ---------------------------------------------------------------------------
// Language

LanguagePage::LanguagePage(KesApp& app, QWidget* parent) : OptionsPage(parent), app_(app) {
  choice_ = new QComboBox(this);
  for (const UiLanguage& l : kUiLanguages)
    choice_->addItem(*l.code ? QString::fromUtf8(l.name) : tr(l.name), QString::fromLatin1(l.code));
  auto* label = new QLabel(tr("&Language of the editor:"), this);
  label->setBuddy(choice_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addWidget(choice_);
  layout->addSpacing(8);
  layout->addWidget(Wrapped(tr("System follows the language of the desktop. The editor shows "
                               "the language chosen from its next start."),
                            this));
  layout->addStretch(1);
}

void LanguagePage::Load() {
  const int at = choice_->findData(ToQ(app_.platform().Get(setting::kUiLanguage)));
  choice_->setCurrentIndex(at >= 0 ? at : 0);
}

void LanguagePage::Apply() {
  app_.platform().Put(setting::kUiLanguage, FromQ(choice_->currentData().toString()));
}

// ---------------------------------------------------------------------------
// The sheet

OptionsSheet::OptionsSheet(KesApp& app, ToolbarManager* toolbars, QWidget* parent)
    : QDialog(parent), app_(app), toolbars_(toolbars) {
  setWindowTitle(tr("Options"));
  tabs_ = new QTabWidget(this);
  if (toolbars_) {
    toolbarsPage_ = new ToolbarsPage(*toolbars_, tabs_);
    commandsPage_ = new CommandsPage(*toolbars_, tabs_);
    tabs_->addTab(toolbarsPage_, tr("Toolbars"));
    tabs_->addTab(commandsPage_, tr("Commands"));
  }
  configText_ = new ConfigTextPage(app, tabs_);
  nonJava_ = new NonJavaPage(app, tabs_);
  browser_ = new BrowserPage(app, tabs_);
  language_ = new LanguagePage(app, tabs_);
  tabs_->addTab(configText_, tr("Configurable Text"));
  tabs_->addTab(nonJava_, tr("Non Java Browsers"));
  tabs_->addTab(browser_, tr("External Browser"));
  tabs_->addTab(language_, tr("Language"));
  auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(box, &QDialogButtonBox::accepted, this, &OptionsSheet::accept);
  connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_);
  layout->addWidget(box);
  connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
    if (auto* page = qobject_cast<OptionsPage*>(tabs_->widget(index))) page->Activate();
  });
  if (auto* first = qobject_cast<OptionsPage*>(tabs_->currentWidget())) first->Activate();
  resize(620, 460);
}

OptionsSheet::~OptionsSheet() {
  if (toolbars_) toolbars_->SetCustomizing(false);
}

void OptionsSheet::ShowPage(QWidget* page) {
  tabs_->setCurrentWidget(page);
}

void OptionsSheet::accept() {
  const std::vector<OptionsPage*> pages = {configText_, nonJava_, browser_, language_};
  for (OptionsPage* page : pages)
    if (page->opened() && !page->Validate()) {
      ShowPage(page);
      return;
    }
  for (OptionsPage* page : pages)
    if (page->opened()) page->Apply();
  QDialog::accept();
}

bool OptionsSheet::Run() {
  if (!toolbars_) return exec() == QDialog::Accepted;
  // The sheet does not block the main window, so that its toolbars take
  // dropped commands; the toolbar manager keeps the rest of it still.
  setWindowModality(Qt::NonModal);
  toolbars_->SetCustomizing(true);
  QEventLoop loop;
  connect(this, &QDialog::finished, &loop, &QEventLoop::quit);
  show();
  loop.exec();
  toolbars_->SetCustomizing(false);
  return result() == QDialog::Accepted;
}
