// Base of every property page: a form that edits one group. The page takes
// part in the document's broadcasts: on a commit it moves its control values
// into its group (or refuses when a value is not acceptable), on a refresh it
// reloads its controls from the group.
#pragma once

#include <QWidget>
#include <map>
#include <string>
#include <vector>

#include "core/Doc.h"
#include "core/KesDoc.h"

class Doc;
class KesApp;
class KesProp;

// The tab each kind of tabbed page showed last, so that the next page of the
// same kind opens on it. Owned by the Properties window.
class TabMemory {
 public:
  int Get(const std::string& tabClass) const;
  void Set(const std::string& tabClass, int index) { indices_[tabClass] = index; }

 private:
  std::map<std::string, int> indices_;
};

// What a page is built with: the application, the document, the group it
// edits (fixed for the page's life) and the Properties window's tab memory.
struct PageContext {
  KesApp& app;
  Doc& doc;
  KesProp* group;
  TabMemory& tabs;
  // Further selected groups of the same kind: the page shows what they share
  // with `group`, and an edit sets the fields it changed in all of them.
  std::vector<KesProp*> others = {};
};

class KesView : public QWidget, public DocView, public DocListener {
  Q_OBJECT
 public:
  // `pageId` is the page's help id.
  KesView(const PageContext& context, int pageId, QWidget* parent = nullptr);
  ~KesView() override;

  int pageId() const { return pageId_; }
  KesProp* group() const { return group_; }
  const std::vector<KesProp*>& others() const { return others_; }
  // The page's controls that show the field `name` of its group.
  std::vector<QWidget*> ControlsOf(std::string_view name);
  // Whether `control` carries the mark of a value that follows Up.
  static bool MarkedFollowing(const QWidget* control);

  // 1000: Commit(); 1001: Refresh(); other hints are ignored.
  void OnUpdate(int hint) override;
  // A change to this page's group by another road (undo, redo, paste,
  // another page of the same group) shows on the page.
  void OnDocChanged(const DocChange& change) override;
  // Moves the controls' values into the group; a value that is not
  // acceptable refuses the commit through the application.
  void Commit();
  // Reloads the controls from the group.
  void Refresh();
  // Stops taking part in the document's broadcasts (the page is going away);
  // OnClose() runs first, once.
  void Detach();

  // A multi-line edit with this property set finishes with Enter, like a
  // field; Shift+Enter starts a new line in it.
  static constexpr const char* kEnterCommits = "enterCommits";

  // The control registered with `id`, or nullptr.
  QWidget* control(int id) const;

 protected:
  // Reads the controls and stores each value that differs from the group's
  // through Store(). Returns false, after telling the user and putting the
  // focus on the offending control, when a value is not acceptable.
  virtual bool CommitControls() = 0;
  virtual void RefreshControls() = 0;
  // The page is closing while its group still exists.
  virtual void OnClose() {}

  // Copies `value` into `field` when they differ; the commit makes one
  // undoable step of everything the page changed.
  template <class T>
  void Store(T& field, const T& value) {
    if (!(field == value)) field = value;
  }
  // A check box's state into a flag: only a change of its truth counts, so a
  // stored 5 stays 5 while its box stays checked.
  void StoreFlag(int32_t& field, bool checked) {
    if ((field != 0) != checked) field = checked ? 1 : 0;
  }

  // Reads an integer typed in `control`; on anything else shows "Please
  // enter an integer.", focuses the control and returns false.
  bool ReadInt(QWidget* control, const QString& text, int32_t& value);
  // Shows a message about `control` and puts the focus on it.
  void Complain(QWidget* control, const std::string& message);
  // Brings `control` into view (its tab, its scroll position) and focuses it.
  void FocusControl(QWidget* control);

  // Gives `control` the id `id`: its tooltip, status prompt and help topic.
  void RegisterControl(QWidget* control, int id);

  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

  KesApp& app() const { return app_; }
  Doc& doc() const { return doc_; }
  const PageContext& context() const { return context_; }

 private:
  void OnFocusChanged(QWidget* old, QWidget* now);
  // The first registered control whose text the project cannot store (in
  // Windows-1252), or nullptr; `text` receives that text (for a multi-line
  // edit, its first such line).
  QWidget* UnstorableControl(QString& text) const;

  // The group's values (and for the project, the buttons' places) as the
  // page last loaded or stored them: a commit's step goes from here.
  void TakeBaseline();
  // The commit of a page that edits several groups: the fields the user
  // changed go to every one of them, as one step.
  void CommitToAll(const std::string& name);
  // Which controls show each field of the group, found by changing each
  // field in turn and seeing which controls follow (then put back).
  const std::map<std::size_t, std::vector<QWidget*>>& FieldControls();
  // The controls that edit values: line and text edits, lists, spin edits,
  // colour buttons, check boxes and radio buttons of this page.
  std::vector<QWidget*> EditingControls() const;
  // With several groups: the values that differ among them show blank.
  void ShowMixedValues();
  // Before a commit: the blank controls the user did not touch show the
  // page's own group again, so that their fields do not change.
  void RestoreUntouched();
  // On an Over or Down page: a small mark on each control whose value is
  // the Up state's, which follows Up's edits.
  void ShowFollowMarks();
  std::vector<FieldValue> baselineFields_;
  std::vector<KesProp*> others_;
  bool fieldsFound_ = false;
  std::map<std::size_t, std::vector<QWidget*>> fieldControls_;
  // Per field shown blank: what its controls showed for the page's group,
  // and what they showed blank.
  std::map<std::size_t, std::vector<std::pair<QWidget*, QString>>> mixedFull_, mixedShown_;
  // Each finished edit is committed as it is made: Enter or leaving a field,
  // a colour chosen, a box ticked, a button pressed, a choice from a list.
  void WireFinishedEdits();
  void CommitSoon();
  bool wired_ = false;
  bool commitPending_ = false;
  bool inCommit_ = false;
  unsigned commitSerial_ = 0;
  Doc::Geometry geometry_;
  bool committing_ = false;

  PageContext context_;
  KesApp& app_;
  Doc& doc_;
  KesProp* const group_;
  const int pageId_;
  bool attached_ = true;
  std::map<int, QWidget*> controls_;
};
