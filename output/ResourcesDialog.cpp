#include "output/ResourcesDialog.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Doc.h"
#include "core/KesApp.h"
#include "output/CopyProgressDialog.h"
#include "ui/HelpTips.h"
#include "ui/Text.h"

namespace {
constexpr int kDialogId = 10015;
constexpr int kCopyLocallyId = 10016;
constexpr int kListId = 10017;
constexpr int kSelectAllId = 10018;
constexpr int kHtmlId = 10019;

}  // namespace

ResourcesDialog::ResourcesDialog(Doc& doc, const std::string& html, QWidget* parent)
    : QDialog(parent), doc_(doc), htmlText_(html) {
  setWindowTitle(tr("Resources"));
  setProperty("helpId", kDialogId);
  auto* tips = new HelpTips(doc.app(), this);

  auto* htmlLabel =
      new QLabel(tr("The project has been successfully created. The HTML code for this project is "
                    "displayed below."),
                 this);
  htmlLabel->setWordWrap(true);
  html_ = new QPlainTextEdit(this);
  html_->setReadOnly(true);
  html_->setLineWrapMode(QPlainTextEdit::NoWrap);
  html_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  html_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  // The page's lines end in CR LF; the edit box shows them as lines.
  QString shown = PageToQ(htmlText_);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  html_->setPlainText(shown);
  tips->Attach(html_, kHtmlId);

  auto* listLabel = new QLabel(
      tr("The following resources are used by this project: copy these files beside the page "
         "on your web site. Copy Locally... puts the selected ones into a folder of your "
         "choice, ready to upload."),
      this);
  listLabel->setWordWrap(true);
  list_ = new QListWidget(this);
  list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  tips->Attach(list_, kListId);

  copy_ = new QPushButton(tr("Copy &Locally..."), this);
  selectAll_ = new QPushButton(tr("Select &All"), this);
  tips->Attach(copy_, kCopyLocallyId);
  tips->Attach(selectAll_, kSelectAllId);
  auto* box = new QDialogButtonBox(this);
  box->addButton(copy_, QDialogButtonBox::ActionRole);
  box->addButton(selectAll_, QDialogButtonBox::ActionRole);
  QPushButton* done = box->addButton(tr("Done"), QDialogButtonBox::AcceptRole);
  done->setDefault(true);
  connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(copy_, &QPushButton::clicked, this, [this] { OnCopyLocally(); });
  connect(selectAll_, &QPushButton::clicked, this, &ResourcesDialog::OnSelectAll);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(htmlLabel);
  layout->addWidget(html_, 3);
  layout->addWidget(listLabel);
  layout->addWidget(list_, 2);
  layout->addWidget(box);
  resize(560, 480);

  doc_.GetResourceFiles(files_);
  for (const std::string& f : files_) list_->addItem(PathToQ(f));
  OnSelectAll();
  doc_.app().ShowContextHelp(kDialogId, nullptr, true);
}

ResourcesDialog::~ResourcesDialog() = default;

void ResourcesDialog::OnSelectAll() {
  list_->selectAll();
}

std::vector<std::string> ResourcesDialog::SelectedFiles() const {
  std::vector<std::string> out;
  for (int i = 0; i < list_->count() && i < int(files_.size()); ++i)
    if (list_->item(i)->isSelected()) out.push_back(files_[std::size_t(i)]);
  return out;
}

CopyOutcome ResourcesDialog::OnCopyLocally() {
  if (window_.dialog()) return CopyOutcome::Stopped;  // a copy is already running
  const std::vector<std::string> selected = SelectedFiles();
  return CopySelectedResources(doc_, selected, *this);
}

void ResourcesDialog::Begin(int total) {
  window_.Begin(total);
  emit copyStarted(window_.dialog());
}

void ResourcesDialog::SetText(const std::string& text) {
  window_.SetText(text);
}

void ResourcesDialog::SetPos(int pos) {
  window_.SetPos(pos);
}

bool ResourcesDialog::Cancelled() {
  return window_.Cancelled();
}

void ResourcesDialog::End() {
  window_.End();
}
