// The modeless "Copy" window of Copy Locally: an animation, a progress bar,
// the file being copied and a Cancel button that takes effect before the
// next file.
#pragma once

#include <QDialog>
#include <memory>
#include <string>

#include "output/CopyLocally.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

class CopyProgressDialog : public QDialog {
  Q_OBJECT
 public:
  // The bar runs from 0 to `total`. The window belongs to `owner` (the main
  // window) and is shown without blocking the copy.
  CopyProgressDialog(int total, QWidget* owner);
  ~CopyProgressDialog() override;

  // Lets pending window events run (so the window repaints and Cancel is
  // answered), then shows `text` under the animation.
  void SetText(const std::string& text);
  // Lets pending window events run, then moves the bar to `pos`.
  void SetPos(int pos);

  // Set by Cancel (or Escape, or closing the window).
  int cancelled = 0;
  std::string text;
  const int total;

  QProgressBar* bar() const { return bar_; }
  QLabel* label() const { return label_; }
  QPushButton* cancelButton() const { return cancel_; }

 signals:
  void cancelPressed();

 protected:
  void reject() override;

 private:
  static void Drain();

  QProgressBar* bar_ = nullptr;
  QLabel* label_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

// A copying routine's progress shown in a CopyProgressDialog owned by the
// main window of the dialog `owner`; `busy` stays disabled while the copy runs.
class CopyProgressWindow : public CopyProgress {
 public:
  CopyProgressWindow(QWidget* owner, QWidget* busy) : owner_(owner), busy_(busy) {}
  void Begin(int total) override;
  void SetText(const std::string& text) override;
  void SetPos(int pos) override;
  bool Cancelled() override;
  void End() override;
  CopyProgressDialog* dialog() const { return dialog_.get(); }

 private:
  QWidget* owner_;
  QWidget* busy_;
  std::unique_ptr<CopyProgressDialog> dialog_;
};
