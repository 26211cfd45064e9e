#include "groups/project/ViewOutput.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "groups/project/InputDetailsDialog.h"
#include "groups/project/PropProject.h"
#include "ui/IntSpinEdit.h"
#include "ui/Text.h"

namespace {
constexpr int kMaxRefreshSeconds = 3600;
}

ViewOutput::ViewOutput(const PageContext& context, QWidget* parent)
    : KesView(context, 3500, parent),
      tokenize_(new QCheckBox(tr("&Tokenize/Compress"))),
      refresh_(new IntSpinEdit),
      readFromFile_(new QCheckBox(tr("&Read input details from a file"))),
      details_(new QPushButton(tr("&Details..."))),
      codeBase_(new QLineEdit) {
  setObjectName(QStringLiteral("ViewOutput"));
  RegisterControl(tokenize_, 3501);
  RegisterControl(refresh_, 3502);
  RegisterControl(readFromFile_, 3503);
  RegisterControl(details_, 3504);
  RegisterControl(codeBase_, 3506);
  refresh_->setRange(0, kMaxRefreshSeconds);
  connect(readFromFile_, &QCheckBox::toggled, this, &ViewOutput::UpdateEnabled);
  connect(details_, &QPushButton::clicked, this, &ViewOutput::OnDetails);

  // Labels in the first column, fields in the second.
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(8);
  grid->setVerticalSpacing(8);
  grid->addWidget(tokenize_, 0, 0, 1, 3, Qt::AlignLeft);
  auto* refreshLabel = new QLabel(tr("Re&fresh Rate:"));
  refreshLabel->setBuddy(refresh_);
  grid->addWidget(refreshLabel, 1, 0);
  auto* refreshRow = new QHBoxLayout;
  refreshRow->setSpacing(6);
  refreshRow->addWidget(refresh_);
  refreshRow->addWidget(new QLabel(tr("seconds")));
  refreshRow->addStretch(1);
  grid->addLayout(refreshRow, 1, 1, 1, 2);
  auto* readRow = new QHBoxLayout;
  readRow->setSpacing(12);
  readRow->addWidget(readFromFile_);
  readRow->addWidget(details_);
  readRow->addStretch(1);
  grid->addLayout(readRow, 2, 0, 1, 3);
  auto* codeBaseLabel = new QLabel(tr("&Server Path:"));
  codeBaseLabel->setBuddy(codeBase_);
  grid->addWidget(codeBaseLabel, 3, 0);
  grid->addWidget(codeBase_, 3, 1, 1, 2);
  grid->setColumnStretch(2, 1);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(12, 10, 12, 10);
  layout->addLayout(grid);
  layout->addStretch(1);

  Bind(&PropProject::tokenize, FlagOf(tokenize_));
  Bind(&PropProject::refreshRate, IntOf(refresh_));
  Bind(&PropProject::readFromFile, FlagOf(readFromFile_));
  Bind(&PropProject::codeBase, TextOf(codeBase_));
  // The input details reach the group through the Input Details dialog's OK
  // and then the page's commit.
  Bind(&PropProject::inputFile,
       Converter<std::string>{{},
                              [this](const std::string& v) { inputFile_ = v; },
                              [this](std::string& v) {
                                v = inputFile_;
                                return true;
                              }});
  Bind(&PropProject::reloadInterval,
       Converter<int32_t>{{},
                          [this](const int32_t& v) { reloadInterval_ = v; },
                          [this](int32_t& v) {
                            v = reloadInterval_;
                            return true;
                          }});
}

PropProject& ViewOutput::project() const {
  return static_cast<PropProject&>(*group());
}

void ViewOutput::UpdateEnabled() {
  details_->setEnabled(readFromFile_->isChecked());
}

void ViewOutput::RefreshControls() {
  KesView::RefreshControls();
  UpdateEnabled();
}

void ViewOutput::OnDetails() {
  InputDetailsDialog dialog(doc(), inputFile_, reloadInterval_, this);
  if (dialog.exec() != QDialog::Accepted) return;
  inputFile_ = dialog.inputFile();
  reloadInterval_ = dialog.reloadInterval();
}
