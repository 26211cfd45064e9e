// Acting on a dialog that runs its own event loop: `fn` runs once the first
// visible top-level widget of type W appears. The watch ends when the
// returned object goes, so that a dialog of a later test never reaches a
// function that captured what this test has destroyed.
#pragma once

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

class ShownWatch {
 public:
  explicit ShownWatch(QTimer* timer) : timer_(timer) {}
  ShownWatch(ShownWatch&&) = default;
  ShownWatch& operator=(ShownWatch&&) = default;
  // The timer may have ended the watch and gone already.
  ~ShownWatch() { delete timer_.data(); }

 private:
  QPointer<QTimer> timer_;
};

template <class W>
[[nodiscard]] ShownWatch WhenShown(std::function<void(W*)> fn, int* calls = nullptr) {
  auto* timer = new QTimer;
  auto ticks = std::make_shared<int>(0);
  QObject::connect(timer, &QTimer::timeout, [timer, fn, ticks, calls] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      auto* found = qobject_cast<W*>(w);
      if (!found || !found->isVisible()) continue;
      timer->stop();
      timer->deleteLater();
      if (calls) ++*calls;
      fn(found);
      return;
    }
    if (++*ticks > 1000) {  // ten seconds: the dialog never came
      timer->stop();
      timer->deleteLater();
    }
  });
  timer->start(10);
  return ShownWatch(timer);
}
