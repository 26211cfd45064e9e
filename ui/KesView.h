// Base of every property page: a form that edits one group. Each page
// declares which of its controls show which field of the group and how their
// state converts to and from the field's value; from that table the page
// shows its group, and a commit turns the controls into field edits that the
// document makes as one undoable step (or refuses when a value is not
// acceptable). The page never writes its group itself.
#pragma once

#include <QWidget>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/Doc.h"
#include "core/Fields.h"
#include "core/KesDoc.h"

class ColorButton;
class Doc;
class IntSpinEdit;
class KesApp;
class KesProp;
class QAbstractButton;
class QComboBox;
class QLineEdit;
class ScriptEdit;
struct IconChoice;

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

// One field of a page's group as the page shows it: the controls that show
// it, how its value shows in them and how their state reads back.
struct FieldBinding {
  std::size_t field = 0;  // the field's place in the group's order
  std::vector<QWidget*> controls;
  std::function<void(const FieldValue&)> show;
  // Reads the controls over `value`, which holds the group's value: false,
  // after telling the user, when they hold nothing acceptable (the value
  // then stays as it was).
  std::function<bool(FieldValue&)> read;
  // Whether `read` can refuse: once one binding refused, such bindings are
  // not read and their fields keep their values.
  bool canRefuse = false;
  // Checks the value read, while nothing refused: false after telling the
  // user. The value is set all the same, so that the group holds what was
  // typed until the user corrects it.
  std::function<bool(const FieldValue&)> check;
};

// How a kind of control shows a value of type T and reads it back (see
// FieldBinding); the pages' tables are made of these.
template <class T>
struct Converter {
  using Value = T;
  std::vector<QWidget*> controls;
  std::function<void(const T&)> show;
  std::function<bool(T&)> read;
  bool canRefuse = false;
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
  // The page's table: which controls show which field of its group.
  const std::vector<FieldBinding>& bindings() const { return bindings_; }
  // The page's controls that show the field `name` of its group.
  std::vector<QWidget*> ControlsOf(std::string_view name) const;
  // Whether `control` carries the mark of a value that follows Up.
  static bool MarkedFollowing(const QWidget* control);

  // 1000: Commit(); 1001: Refresh(); other hints are ignored.
  void OnUpdate(int hint) override;
  // A change to this page's group by another road (undo, redo, paste,
  // another page of the same group) shows on the page.
  void OnDocChanged(const DocChange& change) override;
  // Flushes what the controls hold and the group does not: the fields they
  // changed become one step of the document; a value that is not acceptable
  // refuses the commit through the application. A page whose controls show
  // their group, and whose values pass their checks, does nothing.
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
  // Shows the group's fields in the table's controls; a page that shows more
  // (titles, enabled states) adds it after calling this.
  virtual void RefreshControls();
  // Whether the controls may hold anything to store at all (a page whose
  // shown values are not the user's, such as computed colours, says no
  // until the user touches it).
  virtual bool HoldsEdits() const { return true; }
  // The page is closing while its group still exists.
  virtual void OnClose() {}

  // Adds `member` of the page's group, shown and read by `converter`, to the
  // table; `check`, when given, checks each value read (see FieldBinding).
  // The table is read in the order it is declared.
  template <class G, class T>
  void Bind(T G::*member, Converter<T> converter,
            std::function<bool(const typename Converter<T>::Value&)> check = {}) {
    if (!group_) return;
    FieldBinding b;
    b.field = FieldAt(&(static_cast<G&>(*group_).*member));
    b.controls = std::move(converter.controls);
    b.canRefuse = converter.canRefuse;
    b.show = [show = std::move(converter.show)](const FieldValue& v) {
      if (const T* t = std::get_if<T>(&v)) show(*t);
    };
    b.read = [read = std::move(converter.read)](FieldValue& v) {
      T* t = std::get_if<T>(&v);
      return !t || read(*t);
    };
    if (check)
      b.check = [check = std::move(check)](const FieldValue& v) {
        const T* t = std::get_if<T>(&v);
        return !t || check(*t);
      };
    bindings_.push_back(std::move(b));
  }

  // The converters of the usual controls.
  // A line's text, exactly.
  static Converter<std::string> TextOf(QLineEdit* edit);
  // An editable list's text.
  static Converter<std::string> TextOf(QComboBox* list);
  // A script or caption: an untouched one keeps its line breaks as stored.
  static Converter<std::string> ScriptOf(ScriptEdit* edit);
  // An integer typed in a spin edit or an editable list; anything else
  // refuses with "Please enter an integer.".
  Converter<int32_t> IntOf(IntSpinEdit* edit);
  Converter<int32_t> IntOf(QComboBox* list);
  // A check box into a flag: only a change of its truth counts, so a stored
  // 5 stays 5 while its box stays checked.
  static Converter<int32_t> FlagOf(QAbstractButton* box);
  static Converter<uint32_t> ColorOf(ColorButton* button);
  // The index of the checked button of a row; a value no button stands for
  // (from a file) stays while none is pressed.
  static Converter<int32_t> ChoiceOf(const IconChoice& choice);
  static Converter<int32_t> IndexOf(std::vector<QAbstractButton*> buttons);
  // A list's selected entry; a value the list does not know shows nothing
  // selected and stays.
  static Converter<int32_t> ListIndexOf(QComboBox* list);

  // Reads an integer typed in `control`; on anything else shows "Please
  // enter an integer.", focuses the control and returns false.
  bool ReadInt(QWidget* control, const QString& text, int32_t& value);
  // The commit without telling the application: the table's fields that
  // differ from the group become one step, even when a value is refused
  // (the group holds what was read until the user corrects it). False when
  // a value was refused.
  bool StoreEdits();
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

  // For the project, the buttons' places as the page last loaded or stored
  // them: a step that lays them out anew puts them back there on undo.
  void TakeBaseline();
  // The place of the field at `address` in the group's order.
  std::size_t FieldAt(const void* address) const;
  // The table read over the group's values: the fields whose read values
  // differ; `valid` false after a refusal.
  std::vector<FieldEdit> ReadEdits(bool& valid) const;
  // The commit of a page that edits several groups: the fields the user
  // changed go to every one of them, as one step.
  void StoreToAll(std::vector<FieldEdit> fields, const std::string& name);
  // The controls of the table.
  std::vector<QWidget*> BoundControls() const;
  // With several groups: the values that differ among them show blank.
  void ShowMixedValues();
  // Before a commit: the blank controls the user did not touch show the
  // page's own group again, so that their fields do not change.
  void RestoreUntouched();
  // On an Over or Down page: a small mark on each control whose value is
  // the Up state's, which follows Up's edits.
  void ShowFollowMarks();
  std::vector<KesProp*> others_;
  std::vector<FieldBinding> bindings_;
  // Per binding shown blank: what its controls showed for the page's group,
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
