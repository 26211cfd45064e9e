#include "groups/project/InputDetailsDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/Doc.h"
#include "core/KesApp.h"
#include "core/Messages.h"
#include "ui/HelpTips.h"
#include "ui/IntSpinEdit.h"
#include "ui/OutlineIcons.h"
#include "ui/Text.h"
#include "ui/Translations.h"

namespace {
constexpr int kMaxReloadSeconds = 20000;

QLabel* Question(const QString& text, QWidget* buddy) {
  auto* label = new QLabel(text);
  label->setWordWrap(true);
  if (buddy) label->setBuddy(buddy);
  return label;
}
}  // namespace

InputDetailsDialog::InputDetailsDialog(Doc& doc, const std::string& inputFile,
                                       int32_t reloadInterval, QWidget* parent)
    : QDialog(parent),
      doc_(doc),
      file_(new QLineEdit),
      interval_(new IntSpinEdit),
      generate_(new QToolButton),
      inputFile_(inputFile),
      reloadInterval_(reloadInterval) {
  setObjectName(QStringLiteral("InputDetailsDialog"));
  setWindowTitle(tr("Input Details"));
  setProperty("helpId", 1300);
  auto* tips = new HelpTips(doc.app(), this);
  tips->AttachControl(file_, 1302);
  tips->AttachControl(interval_, 1303);
  tips->AttachControl(generate_, 1304);
  interval_->setRange(0, kMaxReloadSeconds);
  file_->setText(ToQ(inputFile));
  interval_->setValue(reloadInterval);
  generate_->setIcon(PageIcon(202));
  generate_->setIconSize(QSize(16, 16));
  generate_->setText(tr("Generate"));
  generate_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  connect(generate_, &QToolButton::clicked, this, &InputDetailsDialog::OnGenerate);

  auto* intervalRow = new QHBoxLayout;
  intervalRow->setSpacing(6);
  intervalRow->addWidget(interval_);
  intervalRow->addWidget(new QLabel(tr("seconds")));
  intervalRow->addStretch(1);

  auto* generateRow = new QHBoxLayout;
  generateRow->setSpacing(8);
  generateRow->addWidget(Question(tr("Would you like to generate the input file now?"), nullptr),
                         1);
  generateRow->addWidget(generate_);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, &InputDetailsDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(14, 14, 14, 14);
  layout->setSpacing(6);
  layout->addWidget(Question(
      tr("&What is the name of the file you would like the parameters read from?"), file_));
  layout->addWidget(file_);
  layout->addSpacing(8);
  layout->addWidget(
      Question(tr("&How often would you like the parameters read from the file?"), interval_));
  layout->addLayout(intervalRow);
  layout->addSpacing(8);
  layout->addLayout(generateRow);
  layout->addSpacing(8);
  layout->addWidget(buttons);
  setMinimumWidth(480);
}

bool InputDetailsDialog::TakeValues() {
  bool ok = false;
  const int v = interval_->text().trimmed().toInt(&ok, 10);
  if (!ok) {
    doc_.platform().MessageBox(msg::kEnterInteger, MsgButtons::Ok, MsgIcon::Exclamation);
    interval_->setFocus(Qt::OtherFocusReason);
    interval_->selectAll();
    return false;
  }
  // The name is stored in the project: it must be text.
  if (!Storable(file_->text())) {
    doc_.platform().MessageBox(msg::Format(UiText(msg::kTextNotStorable), FromQ(file_->text())),
                               MsgButtons::Ok, MsgIcon::Exclamation);
    file_->setFocus(Qt::OtherFocusReason);
    file_->selectAll();
    return false;
  }
  inputFile_ = FromQ(file_->text());
  reloadInterval_ = v;
  return true;
}

void InputDetailsDialog::OnGenerate() {
  if (!TakeValues()) return;
  // The Save As dialog starts from the entered name, a path of the system's.
  doc_.SaveInputFile(PathFromQ(file_->text()), true);
}

void InputDetailsDialog::accept() {
  if (!TakeValues()) return;
  QDialog::accept();
}
