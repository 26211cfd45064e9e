#include "ui/LiveCaptionEdit.h"

#include <QFocusEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QTextOption>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "core/Doc.h"
#include "core/KesApp.h"
#include "core/Messages.h"
#include "core/Platform.h"
#include "groups/button/PropButton.h"
#include "groups/button/PropText.h"
#include "ui/LiveSession.h"
#include "ui/LiveView.h"
#include "ui/ScriptEdit.h"
#include "ui/Text.h"
#include "ui/Translations.h"

#ifdef VB_HAVE_WEBENGINE
#include <QWebEngineView>
#endif

namespace {

// The step a typed caption makes, named as the Text page names its own.
const char* const kStepName = QT_TRANSLATE_NOOP("EditSteps", "Change Text");
// A caption's size in CSS pixels the field takes, at most; and its box.
constexpr double kMaxFontPx = 1024;
constexpr double kMaxBoxPx = 65536;
// The field's ring, and the room between it and the text.
constexpr int kRing = 1;
constexpr int kTextMargin = 1;
constexpr int kOpaque = 255;
// The fields of a report, as the bridge names them.
const char* const kCaptionBox[] = {"left", "top", "width", "height"};
const char* const kButtonBox[] = {"boxLeft", "boxTop", "boxWidth", "boxHeight"};

double Number(const QVariantMap& report, const char* key, double low, double high) {
  const double v = report.value(QLatin1String(key)).toDouble();
  return std::isfinite(v) ? std::clamp(v, low, high) : 0;
}

QRectF RectOf(const QVariantMap& report, const char* const (&keys)[4]) {
  return QRectF(Number(report, keys[0], -kMaxBoxPx, kMaxBoxPx),
                Number(report, keys[1], -kMaxBoxPx, kMaxBoxPx),
                Number(report, keys[2], 0, kMaxBoxPx), Number(report, keys[3], 0, kMaxBoxPx));
}

// A computed CSS colour, "rgb(r, g, b)" or "rgba(r, g, b, a)"; `fallback`
// for anything else and for a colour that lets what is below show through.
QColor CssColour(const QString& text, const QColor& fallback) {
  static const QRegularExpression rgb(
      QStringLiteral(R"(^rgba?\(\s*(\d+)\s*,\s*(\d+)\s*,\s*(\d+)\s*(?:,\s*([\d.]+)\s*)?\)$)"));
  const QRegularExpressionMatch m = rgb.match(text.trimmed());
  if (!m.hasMatch()) return fallback;
  if (m.capturedLength(4) && m.captured(4).toDouble() < 1) return fallback;
  const auto channel = [&m](int i) { return std::min(m.captured(i).toInt(), kOpaque); };
  return QColor(channel(1), channel(2), channel(3));
}

// A computed CSS font family list as Qt's families, the generic one as a hint.
void SetFamilies(QFont& font, const QString& list) {
  QStringList families;
  for (QString name : list.split(QLatin1Char(','))) {
    name = name.trimmed();
    if (name.size() >= 2 && (name.front() == QLatin1Char('"') || name.front() == QLatin1Char('\'')))
      name = name.mid(1, name.size() - 2);
    if (name == QLatin1String("serif"))
      font.setStyleHint(QFont::Serif);
    else if (name == QLatin1String("sans-serif"))
      font.setStyleHint(QFont::SansSerif);
    else if (name == QLatin1String("monospace"))
      font.setStyleHint(QFont::Monospace);
    else if (!name.isEmpty())
      families << name;
  }
  if (!families.isEmpty()) font.setFamilies(families);
}

}  // namespace

LiveCaptionEdit::Look LiveCaptionEdit::Look::FromPage(const QVariantMap& report) {
  Look look;
  look.caption = RectOf(report, kCaptionBox);
  look.box = RectOf(report, kButtonBox);
  SetFamilies(look.font, report.value(QStringLiteral("family")).toString());
  look.font.setPixelSize(
      std::max(1, int(std::lround(Number(report, "size", 1, kMaxFontPx)))));  // CSS pixels
  look.font.setWeight(QFont::Weight(int(Number(report, "weight", QFont::Thin, QFont::Black))));
  look.font.setItalic(report.value(QStringLiteral("italic")).toBool());
  look.font.setUnderline(report.value(QStringLiteral("underline")).toBool());
  look.color = CssColour(report.value(QStringLiteral("color")).toString(), Qt::black);
  look.background = CssColour(report.value(QStringLiteral("background")).toString(), Qt::white);
  const QString align = report.value(QStringLiteral("align")).toString();
  look.align = align == QLatin1String("left") || align == QLatin1String("start") ? Qt::AlignLeft
               : align == QLatin1String("right") || align == QLatin1String("end")
                   ? Qt::AlignRight
                   : Qt::AlignHCenter;
  return look;
}

LiveCaptionEdit::LiveCaptionEdit(KesApp& app, Doc& doc, QWidget* parent)
    : QPlainTextEdit(parent), app_(app), doc_(doc) {
  setObjectName(QStringLiteral("LiveCaptionEdit"));
  // Captions keep their lines as typed; the field is made as wide as its longest.
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  setWordWrapMode(QTextOption::NoWrap);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setFrameShape(QFrame::NoFrame);
  setTabChangesFocus(true);
  document()->setDocumentMargin(kTextMargin);
  connect(this, &QPlainTextEdit::textChanged, this, &LiveCaptionEdit::Fit);
  hide();
  doc_.AddView(this);
  doc_.AddListener(this);
}

LiveCaptionEdit::~LiveCaptionEdit() {
  doc_.RemoveListener(this);
  doc_.RemoveView(this);
}

std::string LiveCaptionEdit::Stored(const QString& typed) {
  QString text = typed;
  text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  return FromQ(text);
}

QString LiveCaptionEdit::Typed(const std::string& stored) {
  return ScriptEdit::ToDisplay(stored);
}

bool LiveCaptionEdit::Open(int button, int state, const Look& look, double zoom, QPoint origin) {
  if (isOpen() && !Store()) return false;
  const auto* text =
      static_cast<const PropText*>(doc_.GroupAt(GroupPath{button, state, PropClass::Text}));
  if (!text) return false;
  button_ = button;
  state_ = state;
  look_ = look;
  zoom_ = zoom > 0 ? zoom : 1;
  origin_ = origin;
  QFont font = look.font;
  font.setPixelSize(std::max(1, int(std::lround(look.font.pixelSize() * zoom_))));
  setFont(font);
  QTextOption option = document()->defaultTextOption();
  option.setAlignment(look.align);
  document()->setDefaultTextOption(option);
  setStyleSheet(QStringLiteral("QPlainTextEdit{color:%1;background:%2;border:%3px solid %4;"
                               "selection-color:%2;selection-background-color:%1}")
                    .arg(look.color.name(), look.background.name())
                    .arg(kRing)
                    .arg(palette().color(QPalette::Highlight).name()));
  setPlainText(Typed(text->text));
  selectAll();
  Fit();
  show();
  raise();
  setFocus(Qt::OtherFocusReason);
  return true;
}

void LiveCaptionEdit::Fit() {
  if (!isOpen()) return;
  const QFontMetricsF metrics(font());
  const QStringList lines = toPlainText().split(QLatin1Char('\n'));
  double widest = 0;
  for (const QString& line : lines) widest = std::max(widest, metrics.horizontalAdvance(line));
  const int room = 2 * (kRing + kTextMargin) + cursorWidth() + 2;
  const QRectF box(look_.box.topLeft() * zoom_, look_.box.size() * zoom_);
  const QRectF caption(look_.caption.topLeft() * zoom_, look_.caption.size() * zoom_);
  const int w = std::max(int(std::ceil(box.width())), int(std::ceil(widest)) + room);
  const int h = std::max(int(std::ceil(caption.height())) + 2 * kRing,
                         int(std::ceil(metrics.lineSpacing() * lines.size())) + room);
  double x = box.center().x() - w / 2.0;
  if (look_.align & Qt::AlignLeft) x = box.left();
  if (look_.align & Qt::AlignRight) x = box.right() - w;
  const double y = caption.center().y() - h / 2.0;
  QRect at(origin_ + QPoint(int(std::lround(x)), int(std::lround(y))), QSize(w, h));
  // Kept inside the view that holds it.
  if (QWidget* holder = parentWidget()) {
    const QRect room2 = holder->rect();
    at.moveRight(std::min(at.right(), room2.right()));
    at.moveBottom(std::min(at.bottom(), room2.bottom()));
    at.moveLeft(std::max(at.left(), room2.left()));
    at.moveTop(std::max(at.top(), room2.top()));
  }
  setGeometry(at);
}

bool LiveCaptionEdit::Store() {
  if (!isOpen() || storing_) return true;
  const QString typed = toPlainText();
  if (!Storable(typed)) {
    QString shown = typed;
    for (const QString& line : typed.split(QLatin1Char('\n')))
      if (!Storable(line)) {
        shown = line;
        break;
      }
    storing_ = true;
    app_.platform().MessageBox(msg::Format(UiText(msg::kTextNotStorable), FromQ(shown)),
                               MsgButtons::Ok, MsgIcon::Exclamation);
    storing_ = false;
    setFocus(Qt::OtherFocusReason);
    return false;
  }
  const GroupPath path{button_, state_, PropClass::Text};
  const auto* text = static_cast<const PropText*>(doc_.GroupAt(path));
  const int field = FieldIndexOf<PropText>(&PropText::text);
  // Closed first: the step's change events find the field closed.
  Close();
  // An untouched caption keeps its bytes (its line breaks as they were).
  if (!text || field < 0 || Typed(text->text) == typed) return true;
  storing_ = true;
  doc_.ApplyEdits({GroupEdit{path, {FieldEdit{std::size_t(field), text->text, Stored(typed)}}}},
                  kStepName);
  storing_ = false;
  return true;
}

void LiveCaptionEdit::Cancel() {
  if (isOpen()) Close();
}

void LiveCaptionEdit::Close() {
  const bool hadKeyboard = hasFocus();
  button_ = -1;
  hide();
  emit closed(hadKeyboard);
}

void LiveCaptionEdit::OnUpdate(int hint) {
  if (!isOpen()) return;
  if (hint == kHintCommit && !Store())
    app_.ReportCommit(false);
  else if (hint == kHintReset)
    Cancel();
}

void LiveCaptionEdit::OnDocChanged(const DocChange& change) {
  switch (change.kind) {
    // The button's place in the list is what the field edits.
    case DocChange::Kind::ButtonInserted:
    case DocChange::Kind::ButtonRemoved:
    case DocChange::Kind::ButtonMoved:
    case DocChange::Kind::Replaced:
      Cancel();
      break;
    default:
      break;
  }
}

void LiveCaptionEdit::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (event->modifiers() & Qt::ShiftModifier)
        insertPlainText(QStringLiteral("\n"));
      else
        Store();
      return;
    case Qt::Key_Escape:
      Cancel();
      return;
    default:
      QPlainTextEdit::keyPressEvent(event);
  }
}

void LiveCaptionEdit::focusOutEvent(QFocusEvent* event) {
  QPlainTextEdit::focusOutEvent(event);
  // A menu or a list that opens over the field leaves it open; the keyboard
  // gone elsewhere stores it, once the focus has settled.
  if (event->reason() == Qt::PopupFocusReason || !isOpen()) return;
  QTimer::singleShot(0, this, [this] {
    if (isOpen() && !hasFocus()) Store();
  });
}

// The Live View's side: a double-click on a button, or F2, asks the page for
// the caption's place and look, and the field opens over it.

void LiveView::EditCaption(int button) {
  const auto& buttons = doc_.buttons();
  if (!pageReady_ || !session_ || button < 0 || std::size_t(button) >= buttons.size()) return;
  SetTrying(false);
  const PropButton& b = *buttons[std::size_t(button)];
  emit session_->captionWanted(b.x + b.width / 2.0, b.y + b.height / 2.0);
}

void LiveView::OnCaption(double x, double y, const QVariantMap& report) {
#ifdef VB_HAVE_WEBENGINE
  if (trying_ || !caption_ || !browser_) return;
  const int index = HitTest(x, y);
  if (index < 0) return;
  // The caption of the state the view shows the button in.
  const auto& shown = selected_.shown;
  const bool inState = std::find(shown.begin(), shown.end(), index) != shown.end();
  const int state = inState && selected_.state > 0 ? selected_.state : 0;
  caption_->Open(index, state, LiveCaptionEdit::Look::FromPage(report), zoom_ / 100.0,
                 browser_->geometry().topLeft());
#else
  (void)x;
  (void)y;
  (void)report;
#endif
}
