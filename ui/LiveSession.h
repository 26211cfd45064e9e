// The Live View's session with its page: one object the page's bridge
// (ui/live/bridge.js, in a world the project's scripts cannot reach) talks
// to through the web channel. Its signals carry what the editor gives the
// page, typed: the statements of buttons that changed with the lists of
// files they number, the project anew, the selection, "Try", a button's
// offset while it is dragged, the rubber band, and the heartbeat's question. Its slots are
// what the page says: the pointer, a drawing, the heartbeat's answer, and
// that the bridge is connected; the session hands them to the editor's
// handlers, which the page does not see. Each page has a session of its own.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <functional>

class LiveSession : public QObject {
  Q_OBJECT
 public:
  // What the page says, for the editor.
  struct Handlers {
    std::function<void(const QString& kind, double x, double y)> pointer;
    std::function<void()> drawn;
    std::function<void(int number)> answer;
    std::function<void()> ready;
    std::function<void(double x, double y, const QVariantMap& caption)> caption;
  };
  LiveSession(Handlers handlers, QObject* parent) : QObject(parent), on_(std::move(handlers)) {}

  // The name the page's bridge finds the session under.
  static constexpr const char* kChannelName = "live";

 signals:
  // `statements` replace the buttons of their names; `lists` are the page's
  // parameters of the image and sound lists; `files` the files new on disk
  // since the page read them.
  void buttonsChanged(const QStringList& statements, const QString& lists,
                      const QStringList& files);
  // The project anew: the page's applet element with its parameters.
  void projectReplaced(const QString& applet, const QStringList& files);
  // The buttons marked as selected, and those shown in `state`.
  void selectionChanged(const QStringList& marked, const QStringList& shown, int state);
  void tryingChanged(bool on);
  // Button `name` drawn (dx, dy) from its place.
  void offsetChanged(const QString& name, int dx, int dy);
  // The rubber band of a drag on empty canvas, in applet pixels (no width:
  // none shown).
  void bandChanged(double x, double y, double width, double height);
  // The bridge answers `number` once the page's renderer is free to.
  void question(int number);
  // The editor asks for the caption of the button at (x, y) in applet pixels.
  void captionWanted(double x, double y);

 public slots:
  // The pointer went down, moved, up, or down with Ctrl ("down", "move",
  // "up", "add") at (x, y) in applet pixels; outside the applet too.
  void pointer(const QString& kind, double x, double y);
  // The runtime drew the project.
  void drawn();
  void answer(int number);
  // The bridge is connected: from now on it hears the signals.
  void ready();
  // The caption of the button at (x, y) in applet pixels, double-clicked or
  // asked for: its box, the button's, its font, colours and alignment, as
  // the page shows them (ui/live/bridge.js names the keys).
  void caption(double x, double y, const QVariantMap& caption);

 private:
  Handlers on_;
};
