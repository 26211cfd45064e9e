#include "ui/ToolbarPages.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDrag>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/StringTable.h"
#include "ui/Text.h"
#include "ui/ToolbarManager.h"
#include "ui/Translations.h"

namespace {
constexpr int kButtonsPerRow = 6;
const QSize kPageIcon(24, 24);
}  // namespace

// ---------------------------------------------------------------------------
// Toolbars

ToolbarsPage::ToolbarsPage(ToolbarManager& manager, QWidget* parent)
    : QWidget(parent), manager_(manager) {
  auto* listLabel = new QLabel(tr("&Toolbars:"), this);
  list_ = new QListWidget(this);
  listLabel->setBuddy(list_);
  new_ = new QPushButton(tr("&New..."), this);
  reset_ = new QPushButton(tr("&Reset"), this);
  delete_ = new QPushButton(tr("&Delete"), this);
  auto* nameLabel = new QLabel(tr("Toolbar &name:"), this);
  name_ = new QLineEdit(this);
  nameLabel->setBuddy(name_);
  tooltips_ = new QCheckBox(tr("&Show Tooltips"), this);
  cool_ = new QCheckBox(tr("C&ool Look"), this);
  large_ = new QCheckBox(tr("&Large Buttons"), this);
  tooltips_->setChecked(manager_.showTooltips());
  cool_->setChecked(manager_.coolLook());
  large_->setChecked(manager_.largeButtons());

  auto* side = new QVBoxLayout;
  side->addWidget(new_);
  side->addWidget(reset_);
  side->addWidget(delete_);
  side->addStretch(1);
  auto* top = new QHBoxLayout;
  top->addWidget(list_, 1);
  top->addLayout(side);
  auto* look = new QHBoxLayout;
  look->addWidget(tooltips_);
  look->addWidget(cool_);
  look->addWidget(large_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(listLabel);
  layout->addLayout(top, 1);
  layout->addWidget(nameLabel);
  layout->addWidget(name_);
  layout->addLayout(look);

  connect(list_, &QListWidget::currentRowChanged, this, [this] { UpdateButtons(); });
  connect(list_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
    if (filling_) return;
    const int row = list_->row(item);
    if (row >= 0 && row < int(manager_.bars().size()))
      manager_.bars()[std::size_t(row)]->setVisible(item->checkState() == Qt::Checked);
  });
  connect(name_, &QLineEdit::textEdited, this, [this](const QString& text) {
    QToolBar* bar = SelectedBar();
    if (!bar || text.trimmed().isEmpty()) return;
    manager_.Rename(bar, text);
  });
  connect(new_, &QPushButton::clicked, this, &ToolbarsPage::OnNew);
  connect(reset_, &QPushButton::clicked, this, &ToolbarsPage::OnReset);
  connect(delete_, &QPushButton::clicked, this, &ToolbarsPage::OnDelete);
  connect(tooltips_, &QCheckBox::toggled, this, [this](bool on) { manager_.SetShowTooltips(on); });
  connect(cool_, &QCheckBox::toggled, this, [this](bool on) { manager_.SetCoolLook(on); });
  connect(large_, &QCheckBox::toggled, this, [this](bool on) { manager_.SetLargeButtons(on); });
  connect(&manager_, &ToolbarManager::barsChanged, this, &ToolbarsPage::Fill);
  Fill();
  list_->setCurrentRow(0);
}

void ToolbarsPage::Fill() {
  filling_ = true;
  const int row = list_->currentRow();
  list_->clear();
  for (QToolBar* bar : manager_.bars()) {
    auto* item = new QListWidgetItem(bar->windowTitle(), list_);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(bar->isHidden() ? Qt::Unchecked : Qt::Checked);
  }
  list_->setCurrentRow(std::min(row, list_->count() - 1));
  filling_ = false;
  UpdateButtons();
}

QToolBar* ToolbarsPage::SelectedBar() const {
  const int row = list_->currentRow();
  if (row < 0 || row >= int(manager_.bars().size())) return nullptr;
  return manager_.bars()[std::size_t(row)];
}

void ToolbarsPage::UpdateButtons() {
  QToolBar* bar = SelectedBar();
  const bool custom = manager_.IsCustom(bar);
  reset_->setEnabled(bar && !custom);
  delete_->setEnabled(custom);
  name_->setEnabled(custom);
  if (!name_->hasFocus() || !custom) name_->setText(bar ? bar->windowTitle() : QString());
}

void ToolbarsPage::OnNew() {
  QInputDialog ask(this);
  ask.setWindowTitle(tr("New Toolbar"));
  ask.setLabelText(tr("Toolbar &name:"));
  int n = 1;
  for (QToolBar* bar : manager_.bars())
    if (manager_.IsCustom(bar)) ++n;
  ask.setTextValue(tr("Custom %1").arg(n));
  if (ask.exec() != QDialog::Accepted || ask.textValue().trimmed().isEmpty()) return;
  if (QToolBar* bar = manager_.NewToolbar(ask.textValue().trimmed())) {
    const auto& bars = manager_.bars();
    list_->setCurrentRow(int(std::find(bars.begin(), bars.end(), bar) - bars.begin()));
  }
}

void ToolbarsPage::OnReset() {
  manager_.Reset(SelectedBar());
}

void ToolbarsPage::OnDelete() {
  manager_.Delete(SelectedBar());
}

// ---------------------------------------------------------------------------
// Commands

CommandsPage::CommandsPage(ToolbarManager& manager, QWidget* parent)
    : QWidget(parent), manager_(manager) {
  auto* hint = new QLabel(
      tr("Select a category, then drag a button onto any toolbar. Drag a button off a toolbar "
         "to remove it."),
      this);
  hint->setWordWrap(true);
  auto* categoriesLabel = new QLabel(tr("Categories:"), this);
  categories_ = new QListWidget(this);
  for (const CommandGroup& g : ToolbarManager::Groups()) categories_->addItem(g.name);
  categories_->setMaximumWidth(140);
  auto* buttonsBox = new QGroupBox(tr("Buttons"), this);
  buttonArea_ = new QWidget(buttonsBox);
  auto* boxLayout = new QVBoxLayout(buttonsBox);
  boxLayout->addWidget(buttonArea_);
  boxLayout->addStretch(1);
  auto* grid = new QGridLayout(buttonArea_);
  grid->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  description_ = new QLabel(this);
  description_->setWordWrap(true);
  auto* left = new QVBoxLayout;
  left->addWidget(categoriesLabel);
  left->addWidget(categories_, 1);
  auto* row = new QHBoxLayout;
  row->addLayout(left);
  row->addWidget(buttonsBox, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(hint);
  layout->addLayout(row, 1);
  layout->addWidget(new QLabel(tr("Description:"), this));
  layout->addWidget(description_);
  connect(categories_, &QListWidget::currentRowChanged, this, &CommandsPage::ShowCategory);
  categories_->setCurrentRow(0);
}

QList<QToolButton*> CommandsPage::buttons() const {
  return buttonArea_->findChildren<QToolButton*>(QString(), Qt::FindDirectChildrenOnly);
}

void CommandsPage::ShowCategory(int row) {
  for (QToolButton* b : buttons()) delete b;
  description_->clear();
  const auto& groups = ToolbarManager::Groups();
  if (row < 0 || row >= int(groups.size())) return;
  auto* grid = static_cast<QGridLayout*>(buttonArea_->layout());
  int i = 0;
  for (int id : groups[std::size_t(row)].commands) {
    auto* b = new QToolButton(buttonArea_);
    b->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(id)));
    b->setIconSize(kPageIcon);
    b->setProperty("commandId", id);
    const HelpString help = SplitHelpString(LoadUiString(id));
    b->setToolTip(ToQ(help.tooltip));
    b->installEventFilter(this);
    grid->addWidget(b, i / kButtonsPerRow, i % kButtonsPerRow);
    ++i;
  }
}

bool CommandsPage::eventFilter(QObject* watched, QEvent* event) {
  auto* b = qobject_cast<QToolButton*>(watched);
  if (!b) return QWidget::eventFilter(watched, event);
  const int id = b->property("commandId").toInt();
  if (event->type() == QEvent::MouseButtonPress) {
    pressPos_ = static_cast<QMouseEvent*>(event)->position().toPoint();
    description_->setText(ToQ(SplitHelpString(LoadUiString(id)).prompt));
  } else if (event->type() == QEvent::MouseMove &&
             (static_cast<QMouseEvent*>(event)->buttons() & Qt::LeftButton) &&
             (static_cast<QMouseEvent*>(event)->position().toPoint() - pressPos_)
                     .manhattanLength() >= QApplication::startDragDistance()) {
    auto* drag = new QDrag(b);
    drag->setMimeData(ToolbarManager::CommandMime(id));
    drag->setPixmap(b->icon().pixmap(kPageIcon));
    drag->exec(Qt::CopyAction | Qt::MoveAction);
    return true;
  }
  return QWidget::eventFilter(watched, event);
}
