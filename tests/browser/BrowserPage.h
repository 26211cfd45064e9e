// A page in Qt WebEngine on the offscreen platform, driven as a visitor
// would: loading, running JavaScript to read the page, reading the colours
// it shows, real mouse input, and the navigations and console lines the page
// produces, recorded.
#pragma once

#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <QVariant>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInfo>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineView>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "support/EventWait.h"

namespace browser {

using events::WaitFor;

// Runs for `ms` milliseconds, handling events.
inline void Pause(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

// The value of a JavaScript expression in `page` (an invalid QVariant on
// timeout).
inline QVariant RunJs(QWebEnginePage* page, const QString& expression, int ms = 10000) {
  QVariant result;
  bool done = false;
  auto alive = std::make_shared<bool>(true);
  page->runJavaScript(expression, [&, alive](const QVariant& v) {
    if (!*alive) return;
    result = v;
    done = true;
  });
  WaitFor([&] { return done; }, ms);
  *alive = false;
  return result;
}

// Before the application is made: the offscreen platform unless another is
// asked for, the web engine's sandbox off for root, shared GL contexts.
inline void PrepareEnvironment() {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  if (geteuid() == 0 && !std::getenv("QTWEBENGINE_DISABLE_SANDBOX"))
    setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 1);
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

// The page records, and refuses, every navigation away from the page it was
// given, and records the console.
class RecordingPage : public QWebEnginePage {
 public:
  explicit RecordingPage(QWebEngineProfile* profile, QObject* parent = nullptr)
      : QWebEnginePage(profile, parent) {}

  QUrl home;
  std::vector<QUrl> navigations;
  std::vector<QString> console;
  // Pages opened in new windows (a "_blank" target) land here.
  std::vector<std::unique_ptr<RecordingPage>> windows;

 protected:
  bool acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame) override {
    if (!isMainFrame) return true;
    if (home.isEmpty() || url.adjusted(QUrl::RemoveFragment) == home) {
      if (home.isEmpty()) home = url.adjusted(QUrl::RemoveFragment);
      return true;
    }
    navigations.push_back(url);
    return false;
  }
  void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString& message, int line,
                                const QString&) override {
    console.push_back(QString::number(line) + ": " + message);
  }
  QWebEnginePage* createWindow(WebWindowType) override {
    windows.push_back(std::make_unique<RecordingPage>(profile()));
    return windows.back().get();
  }
};

// Where the corner of the first applet's buttons (its container, the
// applet's pixel (0, 0)) is shown in the view of `page`, in view pixels;
// (-1, -1) when the page has no container.
inline QPointF ContainerCorner(QWebEnginePage* page) {
  const QVariantList r =
      RunJs(page,
            "(function(){var a=document.querySelector('applet');"
            "var c=a?a.querySelector('.vb'):document.querySelector('.vb');"
            "if(!c)return [];var b=c.getBoundingClientRect();return [b.left,b.top];})()")
          .toList();
  if (r.size() != 2) return QPointF(-1, -1);
  return QPointF(r[0].toDouble(), r[1].toDouble()) * page->zoomFactor();
}

// Whether the page shows its buttons: the container in place and, where the
// page runs the runtime, the runtime started on it.
inline bool ButtonsReady(QWebEnginePage* page) {
  return RunJs(page,
               "(function(){var a=document.querySelector('applet');"
               "if(!document.querySelector('.vb'))return false;"
               "return !a||!window.VelkoButtonRuntime||a.getAttribute('data-velkobutton')==="
               "'running';})()")
      .toBool();
}

struct Rgba {
  int r = -1, g = -1, b = -1, a = -1;
  bool Near(int R, int G, int B, int tolerance = 8) const {
    return std::abs(r - R) <= tolerance && std::abs(g - G) <= tolerance &&
           std::abs(b - B) <= tolerance && a == 255;
  }
};

inline std::ostream& operator<<(std::ostream& os, const Rgba& c) {
  return os << "rgba(" << c.r << "," << c.g << "," << c.b << "," << c.a << ")";
}

// Notes the address of every request the pages of a profile make.
class RequestLog : public QWebEngineUrlRequestInterceptor {
 public:
  using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
  std::vector<QUrl> urls;
  void interceptRequest(QWebEngineUrlRequestInfo& info) override {
    urls.push_back(info.requestUrl());
  }
};

class Browser {
 public:
  Browser(int width = 480, int height = 360) {
    // Off the record: nothing is kept between runs. The profile outlives the view.
    profile_ = std::make_unique<QWebEngineProfile>();
    log_ = new RequestLog(profile_.get());
    profile_->setUrlRequestInterceptor(log_);
    page_ = new RecordingPage(profile_.get(), &view_);
    page_->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    page_->settings()->setAttribute(QWebEngineSettings::ShowScrollBars, false);
    view_.setPage(page_);
    view_.resize(width, height);
    view_.show();
  }

  QWebEngineView& view() { return view_; }
  RecordingPage& page() { return *page_; }
  // The addresses the page has asked for since it was loaded.
  const std::vector<QUrl>& requests() const { return log_->urls; }

  // Loads a local file and waits for it; false when it did not load.
  bool Load(const QString& path, int ms = 20000) {
    bool finished = false, ok = false;
    auto c = QObject::connect(page_, &QWebEnginePage::loadFinished, [&](bool success) {
      finished = true;
      ok = success;
    });
    page_->home = QUrl();
    page_->navigations.clear();
    page_->console.clear();
    log_->urls.clear();
    view_.setUrl(QUrl::fromLocalFile(path));
    WaitFor([&] { return finished; }, ms);
    QObject::disconnect(c);
    return finished && ok;
  }

  // The value of a JavaScript expression (an invalid QVariant on timeout).
  QVariant Js(const QString& expression, int ms = 10000) { return RunJs(page_, expression, ms); }

  // The page shows its buttons (and runs the runtime, where it has it).
  bool Ready() { return ButtonsReady(page_); }

  // The colour shown at the applet's pixel (x, y).
  Rgba Pixel(int x, int y) {
    const QImage shot = Screenshot();
    const QPoint at = ViewPoint(x, y);
    Rgba c;
    if (shot.valid(at)) {
      const QColor v = shot.pixelColor(at);
      c = {v.red(), v.green(), v.blue(), v.alpha()};
    }
    return c;
  }

  // How many view pixels of a rectangle of the applet are shown within
  // `tolerance` of the colour.
  int CountColour(int x, int y, int w, int h, int R, int G, int B, int tolerance = 40) {
    const QImage shot = Screenshot();
    const QPoint from = ViewPoint(x, y), to = ViewPoint(x + w, y + h);
    int n = 0;
    for (int j = from.y(); j < to.y(); ++j)
      for (int i = from.x(); i < to.x(); ++i) {
        if (!shot.valid(i, j)) continue;
        const QColor v = shot.pixelColor(i, j);
        if (std::abs(v.red() - R) <= tolerance && std::abs(v.green() - G) <= tolerance &&
            std::abs(v.blue() - B) <= tolerance)
          ++n;
      }
    return n;
  }

  // Where the applet's point (x, y) lies in the view.
  QPoint ViewPoint(int x, int y) {
    const QPointF corner = ContainerCorner(page_);
    if (corner.x() < 0) return QPoint(-1, -1);
    const double zoom = page_->zoomFactor();
    return QPoint(int(std::floor(corner.x() + x * zoom)), int(std::floor(corner.y() + y * zoom)));
  }

  // The widget that takes the page's input events.
  QWidget* Input() {
    QWidget* proxy = view_.focusProxy();
    return proxy ? proxy : &view_;
  }

  void MouseMove(QPoint at) { Send(QEvent::MouseMove, at, Qt::NoButton, mouseButtons_); }
  void MousePress(QPoint at) {
    mouseButtons_ = Qt::LeftButton;
    Send(QEvent::MouseButtonPress, at, Qt::LeftButton, mouseButtons_);
  }
  void MouseRelease(QPoint at) {
    mouseButtons_ = Qt::NoButton;
    Send(QEvent::MouseButtonRelease, at, Qt::LeftButton, mouseButtons_);
  }
  void Click(QPoint at) {
    MouseMove(at);
    Pause(60);
    MousePress(at);
    Pause(60);
    MouseRelease(at);
  }

  // The view as it is shown, for people to look at.
  QImage Screenshot() { return view_.grab().toImage(); }

 private:
  void Send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons) {
    QWidget* target = Input();
    const QPointF local(at);
    const QPointF global(target->mapToGlobal(at));
    QMouseEvent e(type, local, local, global, button, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &e);
    QApplication::processEvents();
  }

  std::unique_ptr<QWebEngineProfile> profile_;
  QWebEngineView view_;
  RecordingPage* page_ = nullptr;
  RequestLog* log_ = nullptr;
  Qt::MouseButtons mouseButtons_ = Qt::NoButton;
};

}  // namespace browser
