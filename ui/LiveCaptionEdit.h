// A caption typed on its button in the Live View: a field laid over the
// caption as the page shows it, in its font and size (at the view's zoom),
// its colour on the button's colour and its alignment, holding the caption
// of the state shown. Enter, or the keyboard going elsewhere, stores it as
// one step (Over and Down follow Up as they do for every edit); Shift+Enter
// starts a new line; Escape leaves the caption as it was. A command that
// stores the pages' edits first (Save, Publish) stores the field's too, and
// a change that moves or takes out buttons closes it unstored.
#pragma once

#include <QColor>
#include <QFont>
#include <QPlainTextEdit>
#include <QRectF>
#include <QVariantMap>
#include <string>

#include "core/History.h"
#include "core/KesDoc.h"

class Doc;
class KesApp;

class LiveCaptionEdit : public QPlainTextEdit, public DocView, public DocListener {
  Q_OBJECT
 public:
  // A caption as the page shows it: its box and its button's in the page's
  // CSS pixels (from the view's corner, unzoomed), its font (sized in CSS
  // pixels), its colours and its alignment across the button.
  struct Look {
    QRectF caption, box;
    QFont font;
    QColor color = Qt::black, background = Qt::white;
    Qt::Alignment align = Qt::AlignHCenter;
    // From what the page's bridge reports; values out of reason become
    // harmless ones.
    static Look FromPage(const QVariantMap& report);
  };

  LiveCaptionEdit(KesApp& app, Doc& doc, QWidget* parent);
  ~LiveCaptionEdit() override;

  // Opens over `look`, `zoom` times its size, the page's corner at `origin`
  // in the parent, for the caption of `state` (0 Up, 1 Over, 2 Down) of
  // button `button`. False (and nothing opens) when there is no such caption.
  bool Open(int button, int state, const Look& look, double zoom, QPoint origin);
  bool isOpen() const { return button_ >= 0; }
  int button() const { return button_; }
  int state() const { return state_; }
  // Stores the typed caption (one step when it differs) and closes; false,
  // and the field stays open, when the project cannot hold its characters.
  bool Store();
  // Closes leaving the caption as it was.
  void Cancel();

  void OnUpdate(int hint) override;
  void OnDocChanged(const DocChange& change) override;

  // The typed text as the project stores it, and a stored caption as typed:
  // the project keeps a caption's lines with CR LF between them.
  static std::string Stored(const QString& typed);
  static QString Typed(const std::string& stored);

 signals:
  // The field closed, stored or not; `hadKeyboard` when it had the keyboard.
  void closed(bool hadKeyboard);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void Close();
  // Sizes the field to its text: the button's width at least, the caption's
  // height at least, placed by the caption's alignment.
  void Fit();

  KesApp& app_;
  Doc& doc_;
  int button_ = -1;
  int state_ = 0;
  Look look_;
  double zoom_ = 1;
  QPoint origin_;
  bool storing_ = false;
};
