#include "output/PublishDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/Doc.h"
#include "core/KesApp.h"
#include "core/Keywords.h"
#include "core/Messages.h"
#include "core/OsPath.h"
#include "core/Platform.h"
#include "core/SettingKeys.h"
#include "output/CopyProgressDialog.h"
#include "output/ResourcesDialog.h"
#include "output/Staging.h"
#include "ui/HelpTips.h"
#include "ui/Text.h"
#include "ui/Translations.h"

namespace {
constexpr int kDialogId = 10011;
constexpr int kClipboardId = 10012;
constexpr int kFileId = 10013;
const QSize kPictureSize(32, 32);
constexpr int kDialogWidth = 600;
constexpr int kListHeight = 96;

QToolButton* PictureButton(const QString& icon, QWidget* parent) {
  auto* b = new QToolButton(parent);
  b->setIcon(QIcon(icon));
  b->setIconSize(kPictureSize);
  b->setFixedSize(kPictureSize + QSize(16, 16));
  b->setAutoRaise(false);
  return b;
}
}  // namespace

PublishDialog::PublishDialog(KesApp& app, Doc& doc, QWidget* parent)
    : QDialog(parent), app_(app), doc_(doc), previousHook_(doc.pageFiles().showResources) {
  setWindowTitle(tr("Publish"));
  setProperty("helpId", kDialogId);
  auto* tips = new HelpTips(app, this);
  Platform& platform = app_.platform();

  // The form: where the page goes, its name, and what happens afterwards.
  auto* form = new QGroupBox(tr("Publish the page and every file it needs into a folder"), this);
  folderEdit_ = new QLineEdit(form);
  std::string folder = doc_.lastCopyDirectory;
  if (folder.empty() && !doc_.htmlPath.empty())
    folder = EnginePath(FsPath(OsFromStored(doc_.htmlPath)).parent_path());
  folderEdit_->setText(PathToQ(folder));
  folderEdit_->setPlaceholderText(tr("A folder of your web site; a new one is made"));
  browse_ = new QPushButton(tr("&Browse..."), form);
  name_ = new QLineEdit(PathToQ(ProposedPageName(doc_)), form);
  runtime_ = new QCheckBox(
      tr("Add the JavaScript runtime so that the buttons work in browsers without Java"), form);
  runtime_->setChecked(app_.settings().html5Runtime == 1);
  open_ = new QCheckBox(tr("&Open the page in the browser afterwards"), form);
  open_->setChecked(platform.Get(setting::kOpenPublishedPage) != 0);
  writes_ = new QListWidget(form);
  writes_->setSelectionMode(QAbstractItemView::NoSelection);
  writes_->setMinimumHeight(kListHeight);
  publish_ = new QPushButton(tr("&Publish"), form);
  publish_->setIcon(QIcon::fromTheme(QStringLiteral("folder-publicshare"),
                                     QIcon(QStringLiteral(":/icons/10002.svg"))));
  publish_->setDefault(true);

  auto* folderRow = new QHBoxLayout;
  folderRow->addWidget(folderEdit_, 1);
  folderRow->addWidget(browse_);
  auto* fields = new QFormLayout;
  auto* folderLabel = new QLabel(tr("&Folder:"), form);
  folderLabel->setBuddy(folderEdit_);
  fields->addRow(folderLabel, folderRow);
  fields->addRow(tr("Page &name:"), name_);
  auto* formLayout = new QVBoxLayout(form);
  formLayout->addLayout(fields);
  formLayout->addWidget(runtime_);
  formLayout->addWidget(open_);
  formLayout->addWidget(new QLabel(tr("It will write:"), form));
  formLayout->addWidget(writes_);
  formLayout->addWidget(publish_, 0, Qt::AlignRight);

  connect(runtime_, &QCheckBox::toggled, this, [this](bool on) {
    app_.settings().html5Runtime = on ? 1 : 0;
    ShowWrites(true);
  });
  connect(open_, &QCheckBox::toggled, this,
          [this](bool on) { app_.platform().Put(setting::kOpenPublishedPage, on ? 1 : 0); });
  connect(folderEdit_, &QLineEdit::textChanged, this, [this] { ShowWrites(false); });
  connect(name_, &QLineEdit::textChanged, this, [this] { ShowWrites(false); });
  connect(browse_, &QPushButton::clicked, this, &PublishDialog::OnBrowse);
  connect(publish_, &QPushButton::clicked, this, [this] { OnPublishToFolder(); });

  // The other ways: the segment for a page of the user's own, or a page to start from.
  auto* clipText = new QLabel(
      tr("To add the project to an existing HTML document, use the button below to copy the "
         "HTML segment for the project to the clipboard, then paste the code into your HTML or "
         "text editor."),
      this);
  clipText->setWordWrap(true);
  clipboard_ = PictureButton(":/icons/10001.svg", this);
  tips->Attach(clipboard_, kClipboardId);
  auto* fileText =
      new QLabel(tr("To create a HTML document containing the project code which may be used as a "
                    "starting point for your own HTML page, click the button below."),
                 this);
  fileText->setWordWrap(true);
  file_ = PictureButton(":/icons/10002.svg", this);
  tips->Attach(file_, kFileId);

  auto* box = new QDialogButtonBox(this);
  QPushButton* done = box->addButton(tr("Done"), QDialogButtonBox::AcceptRole);
  done->setAutoDefault(false);
  connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(clipboard_, &QToolButton::clicked, this, &PublishDialog::OnClipboard);
  connect(file_, &QToolButton::clicked, this, [this] { OnGenerateFile(); });

  auto* others = new QGridLayout;
  others->addWidget(clipText, 0, 0);
  others->addWidget(clipboard_, 1, 0, Qt::AlignHCenter);
  others->addWidget(fileText, 0, 1);
  others->addWidget(file_, 1, 1, Qt::AlignHCenter);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(form);
  layout->addSpacing(8);
  layout->addLayout(others);
  layout->addWidget(box);
  setFixedWidth(kDialogWidth);
  ShowWrites(true);

  // The Resources dialog opens on top of this one.
  doc_.pageFiles().showResources = [this](const std::string& html) {
    ResourcesDialog resources(doc_, html, this);
    resources.exec();
  };
  app_.ShowContextHelp(kDialogId, nullptr, true);
}

PublishDialog::~PublishDialog() {
  doc_.pageFiles().showResources = previousHook_;
}

void PublishDialog::OnClipboard() {
  app_.CommitPages();
  doc_.CopySegmentToClipboard();
}

bool PublishDialog::OnGenerateFile() {
  // A page that refuses its input would otherwise be published with values
  // the user has not seen accepted.
  if (!app_.CommitPages()) return false;
  // The chosen path becomes the project's page path when the user confirms
  // the dialog; it is saved with the project but does not mark it modified.
  return doc_.SaveHtml(doc_.htmlPath, true, false);
}

std::string PublishDialog::TypedPage() const {
  QString typed = folderEdit_->text().trimmed();
  // "~" is the user's home folder, as in a terminal.
  if (typed == QStringLiteral("~") || typed.startsWith(QStringLiteral("~/")))
    typed = QDir::homePath() + typed.mid(1);
  const std::string folder = TypedFolder(PathFromQ(typed), doc_.pathName());
  if (folder.empty()) return folder;
  return fileops::WithSeparator(folder) + PageFileName(PathFromQ(name_->text()));
}

void PublishDialog::ShowWrites(bool files) {
  if (files) {
    doc_.BuildHtml(PageMode::Page);  // the lists of images and sounds, as published
    std::vector<std::string> list;
    doc_.GetResourceFiles(list);
    writes_->clear();
    writes_->addItem(QString());
    for (const std::string& file : list) {
      auto* item = new QListWidgetItem(PathToQ(FileNameOf(file)), writes_);
      item->setToolTip(tr("Copied from %1").arg(PathToQ(file)));
    }
  }
  // The first row: the page, where the form says.
  const std::string name = PageFileName(PathFromQ(name_->text()));
  const std::string page = TypedPage();
  QListWidgetItem* first = writes_->item(0);
  if (!first) return;
  // A folder that is not there yet is said here, and made when the page is
  // written: the form asks nothing more.
  const bool newFolder =
      !page.empty() && !fileops::PathExists(EnginePath(FsPath(page).parent_path()));
  first->setText(name.empty() ? tr("(the page: type its name)")
                 : newFolder  ? tr("%1 (the page, in a new folder)").arg(PathToQ(name))
                              : tr("%1 (the page)").arg(PathToQ(name)));
  first->setToolTip(page.empty() || name.empty() ? QString() : PathToQ(page));
  publish_->setEnabled(!name.empty() && !page.empty());
}

void PublishDialog::OnBrowse() {
  std::string chosen;
  const std::string typed = TypedPage();
  const std::string start =
      typed.empty() ? doc_.lastCopyDirectory : EnginePath(FsPath(typed).parent_path());
  if (app_.platform().BrowseForFolder(msg::kPublishTo, chosen, start) && !chosen.empty())
    folderEdit_->setText(PathToQ(chosen));
}

PublishOutcome PublishDialog::OnPublishToFolder() {
  PublishOutcome outcome;
  outcome.kind = PublishOutcome::Kind::Cancelled;
  if (!app_.CommitPages()) return outcome;
  Platform& platform = app_.platform();
  const std::string page = TypedPage();
  const std::string name = PageFileName(PathFromQ(name_->text()));
  if (page.empty() || name.empty()) {
    platform.MessageBox(page.empty() ? msg::kPublishFolderNeeded : msg::kPageNameNeeded,
                        MsgButtons::Ok, MsgIcon::Exclamation);
    (page.empty() ? folderEdit_ : name_)->setFocus();
    return outcome;
  }
  name_->setText(PathToQ(name));  // as it is written: with ".html"
  const std::string folder = EnginePath(FsPath(page).parent_path());
  // A folder typed that is not there yet (the list says so) is made when the
  // page is written.
  CopyProgressWindow progress(this, this);
  // A file the page needs that is missing or unreadable stops it before
  // anything is written; Retry looks again.
  for (;;) {
    outcome = PublishToFolder(doc_, platform, folder, name, &progress);
    if (outcome.kind != PublishOutcome::Kind::Unavailable) break;
    std::string text;
    for (const std::string& problem : outcome.problems) text += problem + "\n";
    text += UiText(msg::kPublishNothingWritten);
    if (platform.MessageBox(text, MsgButtons::RetryCancel, MsgIcon::Exclamation) != IdRetry)
      return outcome;
  }
  doc_.lastCopyDirectory = folder;
  const bool written = outcome.kind == PublishOutcome::Kind::Published ||
                       outcome.kind == PublishOutcome::Kind::FilesMissing ||
                       (outcome.kind == PublishOutcome::Kind::Cancelled && !outcome.page.empty());
  // The next time the page keeps this name and place: one page, also after
  // the project is saved under a name of its own. Saved with the project,
  // which it does not mark modified.
  if (written) StoredFromOs(page, doc_.htmlPath);
  switch (outcome.kind) {
    case PublishOutcome::Kind::Published:
      // The page opening in the browser says it is published; without it, a
      // message does. Either way the form's work is done.
      if (open_->isChecked())
        app_.LaunchBrowser(outcome.page);
      else
        platform.MessageBox(
            msg::Format(UiText(msg::kPublishedTo), DisplayName(name),
                        DisplayName(fileops::WithSeparator(folder)), std::to_string(outcome.files),
                        std::to_string(outcome.copied)),
            MsgButtons::Ok, MsgIcon::Information);
      accept();
      break;
    case PublishOutcome::Kind::Unavailable:
    case PublishOutcome::Kind::Declined:
      break;
    case PublishOutcome::Kind::Refused:
      platform.MessageBox(outcome.refusal, MsgButtons::Ok, MsgIcon::Exclamation);
      break;
    case PublishOutcome::Kind::NoFolder:
      platform.MessageBox(msg::Format(UiText(msg::kCannotCreateDirectory), DisplayName(folder)),
                          MsgButtons::Ok, MsgIcon::Exclamation);
      break;
    case PublishOutcome::Kind::PageNotWritten:
      platform.MessageBox(
          safefile::Describe(DisplayName(outcome.page), outcome.pageError, &platform),
          MsgButtons::Ok, MsgIcon::Exclamation);
      break;
    case PublishOutcome::Kind::FilesMissing:
    case PublishOutcome::Kind::Cancelled:
      platform.MessageBox(msg::kPublishFailed, MsgButtons::Ok, MsgIcon::Exclamation);
      break;
  }
  return outcome;
}
