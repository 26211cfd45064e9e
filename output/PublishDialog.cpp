#include "output/PublishDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/Doc.h"
#include "core/KesApp.h"
#include "core/Keywords.h"
#include "core/Messages.h"
#include "core/OsPath.h"
#include "core/Platform.h"
#include "output/CopyProgressDialog.h"
#include "output/ResourcesDialog.h"
#include "output/Staging.h"
#include "ui/HelpTips.h"

namespace {
constexpr int kDialogId = 10011;
constexpr int kClipboardId = 10012;
constexpr int kFileId = 10013;
const QSize kPictureSize(32, 32);

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

  runtime_ = new QCheckBox(
      tr("Add the JavaScript runtime so that the buttons work in browsers without Java"), this);
  runtime_->setChecked(app_.settings().html5Runtime == 1);
  connect(runtime_, &QCheckBox::toggled, this,
          [this](bool on) { app_.settings().html5Runtime = on ? 1 : 0; });

  auto* folderText = new QLabel(
      tr("To put the page and every file it needs into a folder of your web site in one step, "
         "click Publish to Folder."),
      this);
  folderText->setWordWrap(true);
  folder_ = new QPushButton(tr("Publish to &Folder..."), this);
  folder_->setIcon(QIcon::fromTheme(QStringLiteral("folder-publicshare"),
                                    QIcon(QStringLiteral(":/icons/10002.svg"))));
  connect(folder_, &QPushButton::clicked, this, [this] { OnPublishToFolder(); });

  auto* box = new QDialogButtonBox(this);
  QPushButton* done = box->addButton(tr("Done"), QDialogButtonBox::AcceptRole);
  done->setDefault(true);
  connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(clipboard_, &QToolButton::clicked, this, &PublishDialog::OnClipboard);
  connect(file_, &QToolButton::clicked, this, [this] { OnGenerateFile(); });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(clipText);
  layout->addWidget(clipboard_, 0, Qt::AlignHCenter);
  layout->addSpacing(8);
  layout->addWidget(fileText);
  layout->addWidget(file_, 0, Qt::AlignHCenter);
  layout->addSpacing(8);
  layout->addWidget(folderText);
  layout->addWidget(folder_, 0, Qt::AlignHCenter);
  layout->addSpacing(8);
  layout->addWidget(runtime_);
  layout->addWidget(box);
  setFixedWidth(560);

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

PublishOutcome PublishDialog::OnPublishToFolder() {
  PublishOutcome outcome;
  outcome.kind = PublishOutcome::Kind::Cancelled;
  Doc* const doc = &doc_;
  if (!app_.CommitPages()) return outcome;
  Platform& platform = app_.platform();
  // The page keeps the name it was generated with, else the project's own.
  const std::string page =
      doc_.htmlPath.empty() ? doc->ProposedPagePath() : OsFromStored(doc_.htmlPath);
  std::string start = doc_.lastCopyDirectory;
  if (start.empty() && !doc_.htmlPath.empty()) start = EnginePath(FsPath(page).parent_path());
  std::string chosen;
  if (!platform.BrowseForFolder(msg::kPublishTo, chosen, start) || chosen.empty()) return outcome;
  CopyProgressWindow progress(this, this);
  // A file the page needs that is missing or unreadable stops it before
  // anything is written; Retry looks again.
  for (;;) {
    outcome = PublishToFolder(*doc, platform, chosen, FileNameOf(page), &progress);
    if (outcome.kind != PublishOutcome::Kind::Unavailable) break;
    std::string text;
    for (const std::string& problem : outcome.problems) text += problem + "\n";
    text += msg::kPublishNothingWritten;
    if (platform.MessageBox(text, MsgButtons::RetryCancel, MsgIcon::Exclamation) != IdRetry)
      return outcome;
  }
  doc_.lastCopyDirectory = chosen;
  switch (outcome.kind) {
    case PublishOutcome::Kind::Published:
      platform.MessageBox(
          msg::Format(msg::kPublishedTo, DisplayName(FileNameOf(page)),
                      DisplayName(fileops::WithSeparator(chosen)), std::to_string(outcome.files),
                      std::to_string(outcome.copied)),
          MsgButtons::Ok, MsgIcon::Information);
      break;
    case PublishOutcome::Kind::Unavailable:
    case PublishOutcome::Kind::Declined:
      break;
    case PublishOutcome::Kind::Refused:
      platform.MessageBox(outcome.refusal, MsgButtons::Ok, MsgIcon::Exclamation);
      break;
    case PublishOutcome::Kind::NoFolder:
      platform.MessageBox(msg::Format(msg::kCannotCreateDirectory, DisplayName(chosen)),
                          MsgButtons::Ok, MsgIcon::Exclamation);
      break;
    case PublishOutcome::Kind::PageNotWritten:
      platform.MessageBox(safefile::Describe(DisplayName(outcome.page), outcome.pageError),
                          MsgButtons::Ok, MsgIcon::Exclamation);
      break;
    case PublishOutcome::Kind::FilesMissing:
    case PublishOutcome::Kind::Cancelled:
      platform.MessageBox(msg::kPublishFailed, MsgButtons::Ok, MsgIcon::Exclamation);
      break;
  }
  return outcome;
}
