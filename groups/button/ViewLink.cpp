#include "groups/button/ViewLink.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
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

  auto* form = new QFormLayout(this);
  form->setContentsMargins(12, 10, 12, 10);
  form->setVerticalSpacing(8);
  form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
  form->addRow(tr("&URL:"), url_);
  form->addRow(tr("&Target:"), target_);
  form->addRow(tr("&Status line:"), status_);

  Converter<std::string> url = TextOf(url_);
  url.show = [this](const std::string& v) {
    QStringList history;
    for (const std::string& entry : app().linkHistory)
      if (!entry.empty()) history << ToQ(entry);
    FillSorted(url_, history);
    url_->setEditText(ToQ(v));
  };
  url.read = [this](std::string& v) {
    v = FromQ(url_->currentText());
    // Every address handed over joins the front of the history (once).
    KesApp::PushFront(app().linkHistory, v);
    return true;
  };
  Bind(&PropButton::url, std::move(url));
  Bind(&PropButton::target, TextOf(target_));
  Bind(&PropButton::status, TextOf(status_));
}

PropButton& ViewLink::button() const {
  return static_cast<PropButton&>(*group());
}
