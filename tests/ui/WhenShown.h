// Acting on a dialog that runs its own event loop: `fn` runs once the first
// visible top-level widget of type W appears.
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

template <class W>
void WhenShown(std::function<void(W*)> fn, int* calls = nullptr) {
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
}
