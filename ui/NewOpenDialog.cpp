#include "ui/NewOpenDialog.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/KesApp.h"
#include "core/StringTable.h"
#include "ui/HelpTips.h"
#include "ui/Text.h"

NewOpenDialog::NewOpenDialog(KesApp& app, const QStringList& recentFiles, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(tr("New/Open Project"));
  auto* tips = new HelpTips(app, this);

  auto* picture = new QLabel(this);
  picture->setPixmap(QIcon(":/icons/newopen.svg").pixmap(QSize(120, 200)));
  picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
  picture->setProperty("helpId", 52);

  auto* group = new QGroupBox(tr("Create a new project using"), this);
  blank_ = new QRadioButton(tr("&Blank Project"), group);
  existing_ = new QRadioButton(tr("&Open an Existing Project"), group);
  list_ = new QListWidget(group);
  list_->setMinimumWidth(320);
  list_->addItem(ToQ(LoadString(510)));
  for (const QString& f : recentFiles) {
    auto* item = new QListWidgetItem(f, list_);
    item->setToolTip(f);
  }
  list_->setCurrentRow(0);
  blank_->setChecked(true);
  list_->setEnabled(false);
  tips->Attach(blank_, 1602);
  tips->Attach(existing_, 1603);
  tips->Attach(list_, 1601);
  connect(existing_, &QRadioButton::toggled, list_, &QWidget::setEnabled);
  connect(list_, &QListWidget::itemDoubleClicked, this, [this] {
    if (existing_->isChecked()) accept();
  });

  auto* groupLayout = new QVBoxLayout(group);
  groupLayout->addWidget(blank_);
  groupLayout->addWidget(existing_);
  groupLayout->addWidget(list_);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* top = new QHBoxLayout;
  top->addWidget(picture);
  top->addWidget(group, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(buttons);
}

bool NewOpenDialog::openExisting() const {
  return existing_->isChecked();
}

bool NewOpenDialog::isMoreFiles() const {
  return list_->currentRow() <= 0;
}

QString NewOpenDialog::selectedPath() const {
  int row = list_->currentRow();
  return row > 0 ? list_->item(row)->text() : QString();
}
