#include "groups/button/ViewLink.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>
#include <algorithm>

#include "core/KesApp.h"
#include "groups/button/PropButton.h"
#include "ui/Text.h"

namespace {
// The combo boxes list their entries sorted, ignoring case.
void FillSorted(QComboBox* box, QStringList entries) {
  entries.removeDuplicates();
  std::sort(entries.begin(), entries.end(), [](const QString& a, const QString& b) {
    const int c = a.compare(b, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : a < b;
  });
  box->clear();
  box->addItems(entries);
}

QComboBox* MakeCombo() {
  auto* box = new QComboBox;
  box->setEditable(true);
  box->setInsertPolicy(QComboBox::NoInsert);
  box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  box->setMinimumContentsLength(16);
  return box;
}
}  // namespace

ViewLink::ViewLink(const PageContext& context, QWidget* parent)
    : KesView(context, 2800, parent),
      url_(MakeCombo()),
      target_(MakeCombo()),
      status_(new QLineEdit) {
  setObjectName(QStringLiteral("ViewLink"));
  RegisterControl(url_, 2801);
  RegisterControl(target_, 2802);
  RegisterControl(status_, 2803);
  FillSorted(target_, {QStringLiteral("_self"), QStringLiteral("_parent"), QStringLiteral("_top"),
                       QStringLiteral("_blank")});
  url_->lineEdit()->setPlaceholderText(tr("No link"));
  target_->lineEdit()->setPlaceholderText(tr("The current frame"));

  auto* link = new QGroupBox(tr("Link"));
  auto* form = new QFormLayout(link);
  form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
  form->addRow(tr("&URL:"), url_);
  form->addRow(tr("&Target:"), target_);

  auto* browser = new QGroupBox(tr("Browser"));
  auto* form2 = new QFormLayout(browser);
  form2->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
  form2->addRow(tr("&Status line:"), status_);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(12, 12, 12, 12);
  layout->setSpacing(10);
  layout->addWidget(link);
  layout->addWidget(browser);
  layout->addStretch(1);
}

PropButton& ViewLink::button() const {
  return static_cast<PropButton&>(*group());
}

void ViewLink::RefreshControls() {
  const PropButton& b = button();
  QStringList history;
  for (const std::string& entry : app().linkHistory)
    if (!entry.empty()) history << ToQ(entry);
  FillSorted(url_, history);
  url_->setEditText(ToQ(b.url));
  target_->setEditText(ToQ(b.target));
  status_->setText(ToQ(b.status));
}

bool ViewLink::CommitControls() {
  PropButton& b = button();
  const std::string url = FromQ(url_->currentText());
  // Every address handed over joins the front of the history (once).
  KesApp::PushFront(app().linkHistory, url);
  Store(b.url, url);
  Store(b.target, FromQ(target_->currentText()));
  Store(b.status, FromQ(status_->text()));
  return true;
}
