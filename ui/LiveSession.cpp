#include "ui/LiveSession.h"

#include <cmath>

void LiveSession::pointer(const QString& kind, double x, double y) {
  if (on_.pointer && std::isfinite(x) && std::isfinite(y)) on_.pointer(kind, x, y);
}

void LiveSession::drawn() {
  if (on_.drawn) on_.drawn();
}

void LiveSession::answer(int number) {
  if (on_.answer) on_.answer(number);
}

void LiveSession::ready() {
  if (on_.ready) on_.ready();
}

void LiveSession::caption(double x, double y, const QVariantMap& caption) {
  if (on_.caption && std::isfinite(x) && std::isfinite(y)) on_.caption(x, y, caption);
}
