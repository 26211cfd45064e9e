#include "ui/NewOpenDialog.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

#include "core/KesApp.h"
#include "core/StringTable.h"
#include "ui/HelpTips.h"
#include "ui/Text.h"
#include "ui/Translations.h"

namespace {
// A template's picture, and the cell it stands in.
constexpr QSize kTemplateIcon(240, 90);
constexpr QSize kTemplateCell(260, 120);
// The chooser shows every template at once: three pictures a row, two rows.
constexpr int kTemplateColumns = 3;
constexpr int kTemplateRows = 2;
// The templates' names as the dialog shows them, in its order.
const struct {
  const char* folder;
  const char* title;
} kTemplates[] = {{"vertical-menu", QT_TRANSLATE_NOOP("NewOpenDialog", "Vertical Menu")},
                  {"horizontal-bar", QT_TRANSLATE_NOOP("NewOpenDialog", "Horizontal Bar")},
                  {"tabs", QT_TRANSLATE_NOOP("NewOpenDialog", "Tabs")},
                  {"toolbar", QT_TRANSLATE_NOOP("NewOpenDialog", "Toolbar")},
                  {"call-to-action", QT_TRANSLATE_NOOP("NewOpenDialog", "Call to Action")},
                  {"submenu", QT_TRANSLATE_NOOP("NewOpenDialog", "Menu with Sub-menu")}};
}  // namespace

NewOpenDialog::NewOpenDialog(KesApp& app, const QStringList& recentFiles,
                             const QString& templatesDir, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(tr("New/Open Project"));
  auto* tips = new HelpTips(app, this);

  auto* picture = new QLabel(this);
  picture->setPixmap(QIcon(":/icons/newopen.svg").pixmap(QSize(120, 200)));
  picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
  picture->setProperty("helpId", 52);

  auto* group = new QGroupBox(tr("Create a new project using"), this);
  blank_ = new QRadioButton(tr("&Blank Project"), group);
  // Designed starting points, each with a picture of its buttons as a page shows them.
  auto* fromTemplate = new QRadioButton(tr("A &Template"), group);
  templates_ = new QListWidget(group);
  templates_->setViewMode(QListView::IconMode);
  templates_->setIconSize(kTemplateIcon);
  templates_->setGridSize(kTemplateCell);
  templates_->setResizeMode(QListView::Adjust);
  templates_->setMovement(QListView::Static);
  templates_->setWordWrap(true);
  // A row wraps unless the width is more than its cells, and a scroll bar
  // shown while the dialog is laid out takes its own width too.
  const int frame = 2 * templates_->frameWidth();
  const int bar = templates_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, templates_);
  templates_->setMinimumSize(kTemplateColumns * kTemplateCell.width() + frame + bar + 1,
                             kTemplateRows * kTemplateCell.height() + frame);
  for (const auto& t : kTemplates) {
    const QString folder = templatesDir + QLatin1String(t.folder) + QLatin1Char('/');
    const QString project = folder + QLatin1String(t.folder) + QStringLiteral(".but");
    if (!QFileInfo::exists(project)) continue;
    const QPixmap picture(folder + QLatin1String(t.folder) + QStringLiteral(".png"));
    auto* item = new QListWidgetItem(
        QIcon(picture.scaled(kTemplateIcon, Qt::KeepAspectRatio, Qt::SmoothTransformation)),
        tr(t.title), templates_);
    item->setData(Qt::UserRole, project);
    item->setToolTip(tr(t.title));
  }
  templates_->setCurrentRow(0);
  templates_->clearSelection();
  fromTemplate->setEnabled(templates_->count() > 0);
  // The pictures always take the pointer and the keys: a picture marked
  // chooses its template, a double-click opens it; another choice leaves the
  // pictures unmarked.
  connect(fromTemplate, &QRadioButton::toggled, templates_, [this](bool on) {
    if (!on)
      templates_->clearSelection();
    else if (QListWidgetItem* item = templates_->currentItem())
      item->setSelected(true);
  });
  connect(templates_, &QListWidget::itemSelectionChanged, fromTemplate, [this, fromTemplate] {
    if (!templates_->selectedItems().isEmpty()) fromTemplate->setChecked(true);
  });
  connect(templates_, &QListWidget::itemDoubleClicked, this, [this, fromTemplate] {
    fromTemplate->setChecked(true);
    accept();
  });
  fromTemplate_ = fromTemplate;
  existing_ = new QRadioButton(tr("&Open an Existing Project"), group);
  list_ = new QListWidget(group);
  list_->setMinimumWidth(320);
  list_->addItem(ToQ(LoadUiString(510)));
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
  groupLayout->addWidget(fromTemplate_);
  groupLayout->addWidget(templates_, 1);
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

QString NewOpenDialog::selectedTemplate() const {
  if (!fromTemplate_->isChecked() || !templates_->currentItem()) return QString();
  return templates_->currentItem()->data(Qt::UserRole).toString();
}

bool NewOpenDialog::isMoreFiles() const {
  return list_->currentRow() <= 0;
}

QString NewOpenDialog::selectedPath() const {
  int row = list_->currentRow();
  return row > 0 ? list_->item(row)->text() : QString();
}
