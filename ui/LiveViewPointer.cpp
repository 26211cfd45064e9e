// The Live View's zoom and what the pointer does on its page: a click
// selects the button under it (Ctrl+click adds it), a drag moves a button of
// a free layout or drops it between two others, and a drag on empty canvas
// draws a rubber band that selects the buttons it touches.
#include <QLabel>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iterator>

#include "core/Doc.h"
#include "groups/button/PropButton.h"
#include "groups/project/PropProject.h"
#include "ui/LiveCaptionEdit.h"
#include "ui/LiveSession.h"
#include "ui/LiveView.h"
#include "ui/SealedWeb.h"
#include "ui/Text.h"

#ifdef VB_HAVE_WEBENGINE
#include <QWebEnginePage>
#include <QWebEngineView>
#endif

namespace {

// The zoom steps of Ctrl+plus and Ctrl+minus, in percent.
constexpr int kZoomSteps[] = {50, 67, 75, 90, 100, 110, 125, 150, 175, 200, 250, 300, 400};
constexpr int kZoomMin = 50;
constexpr int kZoomMax = 400;
// A drag starts once the pointer has gone this far (applet pixels, both ways together).
constexpr double kDragThreshold = 3;

}  // namespace

void LiveView::SetZoom(int percent) {
  // A caption being typed is stored before its field would stand beside it.
  if (caption_) caption_->Store();
  zoom_ = std::clamp(percent, kZoomMin, kZoomMax);
  if (zoomLabel_) zoomLabel_->setText(QStringLiteral("%1%").arg(zoom_));
#ifdef VB_HAVE_WEBENGINE
  if (page_) page_->setZoomFactor(zoom_ / 100.0);
#endif
}

void LiveView::ZoomIn() {
  for (int step : kZoomSteps)
    if (step > zoom_) {
      SetZoom(step);
      return;
    }
}

void LiveView::ZoomOut() {
  for (auto it = std::rbegin(kZoomSteps); it != std::rend(kZoomSteps); ++it)
    if (*it < zoom_) {
      SetZoom(*it);
      return;
    }
}

bool LiveView::FreeLayout() const {
  return doc_.project() && doc_.project()->layout == PropProject::kLayoutFree;
}

int LiveView::HitTest(double x, double y, int skip) const {
  const auto& buttons = doc_.buttons();
  for (int i = static_cast<int>(buttons.size()) - 1; i >= 0; --i) {
    const PropButton& b = *buttons[static_cast<std::size_t>(i)];
    if (i == skip || !b.show) continue;
    if (x >= b.x && y >= b.y && x < double(b.x) + b.width && y < double(b.y) + b.height) return i;
  }
  return -1;
}

QList<int> LiveView::ButtonsWithin(double x0, double y0, double x1, double y1) const {
  const double left = std::min(x0, x1), right = std::max(x0, x1);
  const double top = std::min(y0, y1), bottom = std::max(y0, y1);
  QList<int> touched;
  const auto& buttons = doc_.buttons();
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    const PropButton& b = *buttons[i];
    if (b.show && left < double(b.x) + b.width && right >= b.x && top < double(b.y) + b.height &&
        bottom >= b.y)
      touched << static_cast<int>(i);
  }
  return touched;
}

void LiveView::OnPointer(const QString& kind, double x, double y) {
  if (trying_) return;
  const auto& buttons = doc_.buttons();
  if (kind == QLatin1String("down") || kind == QLatin1String("add")) {
    const bool add = kind == QLatin1String("add");
    drag_ = Drag();
    const int index = HitTest(x, y);
    drag_.x = x;
    drag_.y = y;
    // Off the buttons the press draws a rubber band; with Ctrl, a button
    // pressed joins the selection and stays where it is.
    drag_.band = index < 0;
    drag_.add = add;
    if (index >= 0) emit buttonClicked(index, add);
    if (index >= 0 && !add) drag_.index = index;
    return;
  }
  if (drag_.band) {
    const bool moved =
        drag_.moved || std::abs(x - drag_.x) + std::abs(y - drag_.y) > kDragThreshold;
    if (kind == QLatin1String("move") && moved) {
      drag_.moved = true;
      if (session_)
        emit session_->bandChanged(std::min(x, drag_.x), std::min(y, drag_.y),
                                   std::abs(x - drag_.x), std::abs(y - drag_.y));
    } else if (kind == QLatin1String("up")) {
      const Drag band = drag_;
      drag_ = Drag();
      if (session_ && band.moved) emit session_->bandChanged(0, 0, 0, 0);
      // A click on empty canvas leaves the selection as it is, as does a band
      // over no button.
      const QList<int> touched = moved ? ButtonsWithin(band.x, band.y, x, y) : QList<int>();
      if (!touched.isEmpty()) emit buttonsBanded(touched, band.add);
    }
    return;
  }
  if (drag_.index < 0 || static_cast<std::size_t>(drag_.index) >= buttons.size()) return;
  const PropButton& button = *buttons[static_cast<std::size_t>(drag_.index)];
  const QString name = ToQ(button.name);
  const int dx = static_cast<int>(std::lround(x - drag_.x));
  const int dy = static_cast<int>(std::lround(y - drag_.y));
  const auto offset = [this, &name](int ox, int oy) {
    if (session_) emit session_->offsetChanged(name, ox, oy);
  };
  if (kind == QLatin1String("move")) {
    if (!drag_.moved && std::abs(x - drag_.x) + std::abs(y - drag_.y) > kDragThreshold)
      drag_.moved = true;
    if (drag_.moved) offset(dx, dy);
    return;
  }
  if (kind != QLatin1String("up")) return;
  const Drag drag = drag_;
  drag_ = Drag();
  if (!drag.moved) return;
  bool changed = false;
  if (FreeLayout()) {
    changed = doc_.PlaceButtonAt(drag.index, button.x + dx, button.y + dy);
  } else {
    // Dropped on another button: before it, or after it past its middle.
    const int target = HitTest(x, y, drag.index);
    if (target >= 0) {
      const PropButton& t = *buttons[static_cast<std::size_t>(target)];
      const bool column = doc_.project() && doc_.project()->layout == PropProject::kLayoutColumn;
      const bool after = column ? y >= t.y + t.height / 2.0 : x >= t.x + t.width / 2.0;
      const int place = target + (after ? 1 : 0);
      const int to = place > drag.index ? place - 1 : place;
      changed = doc_.MoveButtonTo(drag.index, to);
    }
  }
  if (!changed) offset(0, 0);
}

void LiveView::TakeKeyboard() {
#ifdef VB_HAVE_WEBENGINE
  if (browser_) browser_->setFocus(Qt::MouseFocusReason);
#endif
}

void LiveView::NudgeSelected(int dx, int dy) {
  const auto& buttons = doc_.buttons();
  const int current = selected_.current;
  if (current < 0 || static_cast<std::size_t>(current) >= buttons.size()) return;
  const PropButton& b = *buttons[static_cast<std::size_t>(current)];
  doc_.PlaceButtonAt(current, b.x + dx, b.y + dy);
}
