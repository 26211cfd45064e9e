// The Live View window: the project's buttons as the published page shows
// them, drawn by the JavaScript runtime in a sealed web view, following every
// change of the document at once, on the page's colour, fitted to the view
// when a project is first shown. Every selected button is marked and shown in
// the selected state; a click selects a button, a drag moves it (in a free
// layout) or moves it in the list (in a row or column), a drag on empty canvas
// selects the buttons its rubber band touches; arrow keys nudge the current
// one. "Try" lets the buttons react to the mouse as on the page. Without a
// web engine the window says so in one line.
//
// The view talks to its page through a LiveSession, typed both ways. An edit
// of some buttons' values gives the page their statements alone; a change of
// anything else (the project, the layout, a button added, moved or taken
// out, a new document) gives it the project anew, or the page anew when
// more than the applet changed.
#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <QWidget>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/Doc.h"
#include "core/History.h"
#include "ui/LiveScript.h"

class ContrastStrip;
class KesApp;
class LiveCaptionEdit;
class LiveSession;
class LiveStaging;
class QAction;
class QLabel;
class QTimer;
#ifdef VB_HAVE_WEBENGINE
class QWebChannel;
class QWebEngineView;
class SealedPage;
class SealedProfile;
#endif

class LiveView : public QWidget, public DocListener {
  Q_OBJECT
 public:
  LiveView(KesApp& app, Doc& doc, bool allowBrowser, QWidget* parent = nullptr);
  ~LiveView() override;

  bool available() const { return available_; }

  // The tree's selection: the buttons marked (every button selected or with
  // an item selected), those of them shown in `state` (-1: none; the others
  // stay Up), and the current button, which the arrow keys nudge.
  struct Selected {
    std::vector<int> marked;
    std::vector<int> shown;
    int state = -1;
    int current = -1;
  };
  void ShowSelection(Selected selected);
  // One button (-1: none), shown in `state` (-1: the button itself or the
  // project).
  void ShowSelection(int button, int state);

  void OnDocChanged(const DocChange& change) override;

  // Zoom in percent, 50 to 400.
  int zoom() const { return zoom_; }
  void SetZoom(int percent);
  void ZoomIn();
  void ZoomOut();

  // "Try": the buttons react to the mouse as on the page.
  bool trying() const { return trying_; }
  void SetTrying(bool on);

  // How many times the runtime has said it drew the project since the view
  // was made, and the time from the latest document change to that drawing.
  int drawnCount() const { return drawnCount_; }
  double lastUpdateMs() const { return lastUpdateMs_; }
  // The one-line notice under the buttons ("" when all is well).
  QString notice() const;
  // The line under the view that names captions hard to read (null without
  // a web engine).
  ContrastStrip* contrastStrip() const { return contrast_; }
  // The colour around the applet, "#rrggbb": the project's background colour,
  // white without a project.
  QString PageColour() const;
#ifdef VB_HAVE_WEBENGINE
  QWebEngineView* view() const {
    return browser_;
  }
#endif
  // The session with the page shown now (null without a web engine).
  LiveSession* session() const {
    return session_;
  }

  // From the page's bridge: the pointer went down, moved or up at (x, y) in
  // the applet, and the runtime drew the project.
  void OnPointer(const QString& kind, double x, double y);
  void OnDrawn();

  // A field over the caption of button `button`, in the state it is shown
  // in, as a double-click on it opens (ui/LiveCaptionEdit).
  void EditCaption(int button);
  LiveCaptionEdit* captionEdit() const {
    return caption_;
  }

 signals:
  // A click in the view chose the button at `index`.
  // `add`: with Ctrl held, the button joins the selection.
  void buttonClicked(int index, bool add);
  // A rubber band touched the buttons at `indexes` (in the project's order);
  // `add`: with Ctrl held, they join the selection.
  void buttonsBanded(const QList<int>& indexes, bool add);
  // Has been drawn (after a change, or a new page).
  void drawn();
  // Escape in the view: the keyboard goes back to the tree.
  void keyboardReturned();
  // A line for the status bar from the page (a link, an alert).
  void statusText(const QString& text);

 public:
  // The view takes the keyboard (a button was clicked in it).
  void TakeKeyboard();
  // The buttons the last update gave the page.
  std::size_t lastButtonsSent() const {
    return lastButtonsSent_;
  }
  // The Options changed what pages say (their language, the names of days
  // and months): the view follows.
  void SettingsChanged() {
    changes_.whole = true;
    ScheduleUpdate();
  }

  using Script = live::Script;
  using Page = live::Page;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void ScheduleUpdate();
  void Update();
  Page Generate();
  // Writes the page anew (`page` when it has just been generated) and loads
  // it (first time, New, Open, or a change outside the applet).
  void LoadPage(std::optional<Page> page = std::nullopt);
  // Gives the loaded page the project as it is now: the applet of `page`,
  // with its parameters and the names of days and months.
  void ReplaceProject(Page page);
  // Gives the loaded page only the statements of the buttons that changed
  // since the project it has (with the lists of files), when nothing else
  // did; false when the page needs the whole project.
  bool SendChangedButtons(Page& page);
  // Gives the loaded page the statements of the buttons edited since the
  // last update, generating those alone; false when the edits reached
  // beyond them (their names, the lists of files, the page outside its
  // applet), and the page needs the whole project.
  bool SendEditedButtons();
  // `page` is the project the page has now.
  void TakeAsSent(Page& page);
  // Stages the files the page shows, the runtime's among them, notes those
  // left out, and gives the names copied over earlier copies.
  QStringList StageFiles();
  // What the page was last given: the applet's script (a statement may be
  // missing at the end when a second thread wrote it), the buttons' names
  // and what of each the page shows outside its applet.
  Script sent_;
  std::vector<std::string> sentNames_;
  std::vector<std::string> sentShellKeys_;
  // The changes since the last update: buttons whose values were edited,
  // or anything else.
  struct Changes {
    bool whole = true;
    std::vector<int> buttons;
  } changes_;
  // How many buttons the last update gave the page (all of them when it
  // was given the whole project).
  std::size_t lastButtonsSent_ = 0;
  void SendSelection();
  // The selection as the page was last given it.
  struct Selection {
    QStringList marked, shown;
    int state = 0;
    bool operator==(const Selection& o) const {
      return marked == o.marked && shown == o.shown && state == o.state;
    }
  };
  std::optional<Selection> sentSelection_;
  void SetNotice(const QString& text);
  // The button under (x, y) in the applet, top-most first; -1 for none.
  // `skip` is left out.
  int HitTest(double x, double y, int skip = -1) const;
  bool FreeLayout() const;
  // The buttons shown that the rectangle between the two corners touches.
  QList<int> ButtonsWithin(double x0, double y0, double x1, double y1) const;
  // Zooms so that the whole applet shows, never above its actual size; waits
  // for a page and a view of a usable size.
  void FitApplet();
  // Gives the page the project's colour around the applet when it changed.
  void SendPageColour();
  // Try on or off, in the runtime and in the page's bridge.
  void SendTrying();
  void NudgeSelected(int dx, int dy);
  // The watchdog asks the bridge's own world for an answer every
  // kHeartbeatMs; a page whose scripts hold its renderer cannot give one, and
  // nothing the page does (an event it dispatches, a drawing of its own)
  // answers in its place.
  void StartWatchdog();
  void Heartbeat();
  void OnAnswer();
  // Says which file the view leaves out for its size, or clears that word.
  void NoteFilesLeftOut();
  void OnScriptsHeld();
  // The page has loaded and its bridge hears the session.
  void OnPageReady();
  // The page tells of the caption of the button at (x, y) in the applet.
  void OnCaption(double x, double y, const QVariantMap& report);

  KesApp& app_;
  Doc& doc_;
  bool available_ = false;
  int zoom_ = 100;
  bool trying_ = false;
  Selected selected_;
  bool fitWanted_ = true;   // the next project shown is fitted to the view
  QString sentPageColour_;  // the colour the page has around the applet
  int drawnCount_ = 0;
  double lastUpdateMs_ = 0;
  QElapsedTimer sinceChange_;
  QTimer* updateTimer_ = nullptr;
  QTimer* watchdog_ = nullptr;  // runs while a question of the heartbeat is unanswered
  QTimer* heartbeat_ = nullptr;
  int question_ = 0;  // the heartbeat's latest question
  bool awaitingAnswer_ = false;
  bool notingLargeFile_ = false;  // the notice tells of a file left out
  QLabel* notice_ = nullptr;
  LiveCaptionEdit* caption_ = nullptr;
  ContrastStrip* contrast_ = nullptr;
  QLabel* zoomLabel_ = nullptr;
  QAction* tryAction_ = nullptr;
  std::unique_ptr<LiveStaging> staging_;
  LiveSession* session_ = nullptr;
  std::string shell_;  // the page without its applet and looks, as last loaded
  bool pageReady_ = false;
  bool pageLoading_ = false;  // a load has started: a bridge will answer
  bool pageLoaded_ = false;
  bool bridgeReady_ = false;
  bool pageWanted_ = true;  // the next update loads the page anew
  bool changedWhileLoading_ = false;
  bool held_ = false;  // the project's scripts did not finish: stopped
  // A press in the view: on a button (`index`), or on empty canvas drawing
  // a rubber band (`band`; `add` with Ctrl).
  struct Drag {
    int index = -1;
    double x = 0, y = 0;
    bool moved = false;
    bool band = false;
    bool add = false;
  } drag_;
#ifdef VB_HAVE_WEBENGINE
  void NewPage();
  QWebEngineView* browser_ = nullptr;
  SealedProfile* profile_ = nullptr;
  SealedPage* page_ = nullptr;
  QWebChannel* channel_ = nullptr;
  QWidget* filtered_ = nullptr;  // the view's focus proxy, watched for keys and the wheel
#endif
};
