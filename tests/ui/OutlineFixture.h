// A project with its outline tree and Properties window, shown offscreen, for
// driving the real widgets.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <memory>
#include <vector>

#include "app/EditorPages.h"
#include "core/Doc.h"
#include "core/KesApp.h"
#include "groups/button/PropButton.h"
#include "groups/button/PropState.h"
#include "groups/project/PropProject.h"
#include "support/TestPlatform.h"
#include "ui/KesView.h"
#include "ui/KesWndProperties.h"
#include "ui/KfcViewTab.h"
#include "ui/PageRegistry.h"
#include "ui/ViewOutline.h"

// Records the help requests and answers tooltips as "tip <id>".
class RecordingApp : public KesApp {
 public:
  using KesApp::KesApp;
  struct HelpCall {
    int id;
    bool tooltip;
    bool follow;
  };
  std::vector<HelpCall> helpCalls;
  void ShowContextHelp(int id, std::string* tooltip, bool follow) override {
    helpCalls.push_back({id, tooltip != nullptr, follow});
    if (tooltip) *tooltip = "tip " + std::to_string(id);
  }
};

class OutlineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app.setCurrentDoc(&doc);
    window = std::make_unique<QWidget>();
    auto* layout = new QHBoxLayout(window.get());
    RegisterEditorPages(pages);
    props = new KesWndProperties(app, doc, pages);
    tree = new ViewOutline(app, doc, *props);
    layout->addWidget(tree);
    layout->addWidget(props, 1);
    window->resize(900, 600);
    doc.OnNewDocument();
    window->show();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  }
  void TearDown() override { window.reset(); }

  QModelIndex Root() const { return tree->model()->index(0, 0); }
  // Button `b`, its state `s` (0 Up, 1 Over, 2 Down), the state's group `g`
  // (0 Text, 1 Border, 2 Audio, 3 Image, 4 Advanced).
  QModelIndex Item(int b, int s = -1, int g = -1) const {
    const QAbstractItemModel* model = tree->model();
    QModelIndex item = model->index(b, 0, Root());
    if (s >= 0) item = model->index(s, 0, item);
    if (g >= 0) item = model->index(g, 0, item);
    return item;
  }
  // A new name stored as a page stores it: one step of the document's.
  void Rename(PropButton* button, const std::string& name) {
    const std::string before = Doc::CopyGroup(*button);
    button->name = name;
    doc.RecordGroupEdit(doc.PathOf(button), before, "Change Button");
  }
  // Clicks an item as the user does.
  void Click(const QModelIndex& item) {
    for (QModelIndex p = item.parent(); p.isValid(); p = p.parent()) tree->expand(p);
    tree->scrollTo(item);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(item).center());
  }
  // A row's label, icon and number of rows below it.
  static QString Text(const QModelIndex& row) { return row.data().toString(); }
  static QIcon Icon(const QModelIndex& row) { return row.data(Qt::DecorationRole).value<QIcon>(); }
  int Rows(const QModelIndex& row) const { return tree->model()->rowCount(row); }
  KfcViewTab* Tabs() const { return qobject_cast<KfcViewTab*>(props->currentPage()); }
  // The control `id` of page `tab` of the tabbed page shown.
  template <class W>
  W* Control(int tab, int id) const {
    KfcViewTab* tabs = Tabs();
    if (!tabs || !tabs->page(tab)) return nullptr;
    return qobject_cast<W*>(tabs->page(tab)->control(id));
  }
  void Type(QWidget* w, const QString& text) {
    QLineEdit* edit = qobject_cast<QLineEdit*>(w);
    if (auto* combo = qobject_cast<QComboBox*>(w)) edit = combo->lineEdit();
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(w)) edit = spin->findChild<QLineEdit*>();
    ASSERT_TRUE(edit);
    edit->selectAll();
    if (text.isEmpty())
      QTest::keyClick(edit, Qt::Key_Backspace);
    else
      QTest::keyClicks(edit, text);
  }
  PropButton* Button(int i) const { return doc.ButtonPointers().at(static_cast<std::size_t>(i)); }
  std::vector<std::string> Names() const {
    std::vector<std::string> out;
    for (PropButton* b : doc.ButtonPointers()) out.push_back(b->name);
    return out;
  }
  std::vector<std::string> Labels() const {
    std::vector<std::string> out;
    for (int i = 0; i < Rows(Root()); ++i) out.push_back(Text(Item(i)).toStdString());
    return out;
  }

  TestPlatform platform;
  PageRegistry pages;
  RecordingApp app{platform};
  Doc doc{app};
  std::unique_ptr<QWidget> window;
  KesWndProperties* props = nullptr;
  ViewOutline* tree = nullptr;
};
