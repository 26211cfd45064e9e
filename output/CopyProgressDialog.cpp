#include "output/CopyProgressDialog.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/Text.h"

namespace {

constexpr int kDialogId = 10020;
constexpr int kAnimationId = 10021;
constexpr int kBarId = 10022;
constexpr int kTextId = 10023;
constexpr int kFrameMs = 80;
constexpr int kFrames = 12;

// A sheet of paper flying from one folder to the other.
class CopyAnimation : public QWidget {
 public:
  explicit CopyAnimation(QWidget* parent) : QWidget(parent) {
    setFixedSize(272, 60);
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, [this] {
      frame_ = (frame_ + 1) % kFrames;
      update();
    });
    timer->start(kFrameMs);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    auto folder = [&p](int x) {
      p.setPen(QPen(QColor("#9a7320"), 1.2));
      p.setBrush(QColor("#f2c84b"));
      p.drawRoundedRect(QRectF(x, 24, 48, 32), 3, 3);
      p.drawRoundedRect(QRectF(x, 18, 20, 10), 2, 2);
    };
    folder(8);
    folder(width() - 56);
    const double t = double(frame_) / (kFrames - 1);
    const double x = 40 + t * (width() - 104);
    const double y = 30 - 22 * 4 * t * (1 - t);
    p.setPen(QPen(QColor("#55606e"), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(x, y, 20, 24));
    p.setPen(QPen(QColor("#4a90d9"), 1.4));
    for (int i = 0; i < 3; ++i)
      p.drawLine(QPointF(x + 4, y + 7 + 5 * i), QPointF(x + 16, y + 7 + 5 * i));
  }

 private:
  int frame_ = 0;
};

}  // namespace

CopyProgressDialog::CopyProgressDialog(int total, QWidget* owner) : QDialog(owner), total(total) {
  setWindowTitle(tr("Copy"));
  setProperty("helpId", kDialogId);
  // Above the Resources dialog, which waits for the copy; the copy itself
  // goes on while the window is open.
  setWindowModality(Qt::ApplicationModal);
  auto* animation = new CopyAnimation(this);
  animation->setProperty("helpId", kAnimationId);
  bar_ = new QProgressBar(this);
  bar_->setProperty("helpId", kBarId);
  bar_->setRange(0, total);
  bar_->setValue(0);
  bar_->setTextVisible(false);
  label_ = new QLabel(this);
  label_->setProperty("helpId", kTextId);
  label_->setMinimumWidth(272);
  label_->setTextFormat(Qt::PlainText);
  cancel_ = new QPushButton(tr("Cancel"), this);
  cancel_->setAutoDefault(false);
  connect(cancel_, &QPushButton::clicked, this, &CopyProgressDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(cancel_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(animation, 0, Qt::AlignHCenter);
  layout->addWidget(label_);
  layout->addWidget(bar_);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

CopyProgressDialog::~CopyProgressDialog() = default;

void CopyProgressDialog::Drain() {
  QCoreApplication::sendPostedEvents();
  QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void CopyProgressDialog::SetText(const std::string& value) {
  text = value;
  Drain();
  label_->setText(ToQ(text));
}

void CopyProgressDialog::SetPos(int pos) {
  Drain();
  bar_->setValue(pos);
}

void CopyProgressDialog::reject() {
  cancelled = 1;
  emit cancelPressed();
  hide();
}

namespace {
// The main window that owns the progress window: the topmost ancestor.
QWidget* TopOwner(QWidget* w) {
  while (w && w->parentWidget()) w = w->parentWidget();
  return w;
}
}  // namespace

void CopyProgressWindow::Begin(int total) {
  // Owned by the main window, never by the dialog that waits for it.
  dialog_ = std::make_unique<CopyProgressDialog>(
      total, TopOwner(owner_ ? owner_->parentWidget() : nullptr));
  dialog_->show();
  if (busy_) busy_->setEnabled(false);
}

void CopyProgressWindow::SetText(const std::string& text) {
  if (dialog_) dialog_->SetText(text);
}

void CopyProgressWindow::SetPos(int pos) {
  if (dialog_) dialog_->SetPos(pos);
}

bool CopyProgressWindow::Cancelled() {
  return dialog_ && dialog_->cancelled != 0;
}

void CopyProgressWindow::End() {
  if (busy_) busy_->setEnabled(true);
  if (dialog_) dialog_->hide();
  dialog_.reset();
}
