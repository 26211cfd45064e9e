// Waiting in a test with the event loop running: the widgets, the web
// engine and the file watchers answer only while events are handled.
#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <functional>

namespace events {

// Lets pending events run until `done` holds or `ms` have passed.
inline bool WaitFor(const std::function<bool()>& done, int ms = 10000) {
  QElapsedTimer timer;
  timer.start();
  while (!done()) {
    if (timer.elapsed() > ms) return false;
    QApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  return true;
}

}  // namespace events
