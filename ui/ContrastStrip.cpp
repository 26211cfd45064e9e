#include "ui/ContrastStrip.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStringList>
#include <QStyle>
#include <QTimer>
#include <vector>

#include "core/Contrast.h"
#include "core/Doc.h"
#include "core/Messages.h"
#include "groups/button/PropButton.h"
#include "groups/button/PropState.h"
#include "ui/Text.h"
#include "ui/Translations.h"

namespace {
constexpr int kIconSize = 16;
constexpr int kStateCount = 3;

// The strip's own colours: dark text on a pale amber, which read well.
constexpr const char* kStyle =
    "ContrastStrip { background: #FFF4CE; border-top: 1px solid #E0C46C; }"
    "ContrastStrip QLabel { color: #3B2F00; background: transparent; }";

QString Hex(uint32_t rgb) {
  return QStringLiteral("#%1").arg(rgb, 6, 16, QLatin1Char('0')).toUpper();
}

struct Low {
  int button, state;
  contrast::Caption caption;
};
}  // namespace

ContrastStrip::ContrastStrip(Doc& doc, QWidget* parent)
    : QFrame(parent), doc_(doc), icon_(new QLabel), text_(new QLabel), soon_(new QTimer(this)) {
  setObjectName(QStringLiteral("contrastStrip"));
  setStyleSheet(QString::fromLatin1(kStyle));
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(6, 3, 6, 3);
  row->setSpacing(6);
  icon_->setPixmap(
      style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(kIconSize, kIconSize));
  row->addWidget(icon_, 0, Qt::AlignTop);
  text_->setWordWrap(true);
  text_->setTextFormat(Qt::PlainText);
  row->addWidget(text_, 1);
  // A change is counted once the document has finished it (a button being
  // taken out is still in the list while its change is told).
  soon_->setSingleShot(true);
  soon_->setInterval(0);
  connect(soon_, &QTimer::timeout, this, &ContrastStrip::Recount);
  hide();
  doc_.AddListener(this);
  soon_->start();
}

ContrastStrip::~ContrastStrip() {
  doc_.RemoveListener(this);
}

void ContrastStrip::ShowSelection(int button, int state) {
  if (button == button_ && state == state_) return;
  button_ = button;
  state_ = state;
  Recount();
}

void ContrastStrip::OnDocChanged(const DocChange& change) {
  if (change.kind == DocChange::Kind::ModifiedChanged ||
      change.kind == DocChange::Kind::HistoryChanged)
    return;
  soon_->start();
}

QString ContrastStrip::text() const {
  return isHidden() ? QString() : text_->text();
}

void ContrastStrip::Recount() {
  soon_->stop();
  const PropProject* project = doc_.project();
  const auto& buttons = doc_.buttons();
  const int shownState = state_ < 0 ? 0 : state_;
  std::vector<Low> lows;
  const Low* shown = nullptr;
  for (std::size_t b = 0; project && b < buttons.size(); ++b) {
    for (int s = 0; s < kStateCount; ++s) {
      contrast::Caption caption;
      if (contrast::StateCaption(*buttons[b], *project, s, caption) && !caption.readable())
        lows.push_back({static_cast<int>(b), s, caption});
    }
  }
  const auto name = [&](const Low& low) {
    const PropButton& b = *buttons[static_cast<std::size_t>(low.button)];
    return ToQ(b.name) + QLatin1Char(' ') + ToQ(b.state(low.state)->name);
  };
  QStringList others, details;
  for (const Low& low : lows) {
    details << QStringLiteral("%1: %2 on %3, %4")
                   .arg(name(low), Hex(low.caption.text), Hex(low.caption.background),
                        ToQ(contrast::RatioText(low.caption.ratio)));
    if (low.button == button_ && low.state == shownState) {
      shown = &low;
      continue;
    }
    if (others.size() < kNamedMax)
      others << name(low) + QLatin1Char(' ') + ToQ(contrast::RatioText(low.caption.ratio));
  }
  const int unnamed = static_cast<int>(lows.size()) - (shown ? 1 : 0) - kNamedMax;
  if (unnamed > 0) others << tr("%n more", nullptr, unnamed);
  const std::string readable = contrast::RatioText(contrast::kReadable);
  QString line;
  if (shown)
    line = name(*shown) + QStringLiteral(": ") +
           ToQ(contrast::Warning(shown->caption.ratio, UiText(msg::kContrastLow)));
  if (!others.isEmpty()) {
    const std::string list = FromQ(others.join(QStringLiteral(", ")));
    const QString more = ToQ(msg::Format(
        UiText(shown ? msg::kContrastAlsoLow : msg::kContrastOthersLow), readable, list));
    line = shown ? line + QStringLiteral(". ") + more : more;
  }
  text_->setText(line);
  setToolTip(details.join(QLatin1Char('\n')));
  setVisible(!line.isEmpty());
}
