#include "groups/button/ViewFrame.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>

#include "groups/button/PageParts.h"
#include "groups/button/PropBorder.h"
#include "ui/ColorButton.h"
#include "ui/IntSpinEdit.h"

namespace {
constexpr int kMaxFrameSpin = 10;
}  // namespace

ViewFrame::ViewFrame(const PageContext& context, QWidget* parent)
    : KesView(context, 2200, parent), color_(new ColorButton), thick_(new IntSpinEdit) {
  setObjectName(QStringLiteral("ViewFrame"));
  RegisterControl(color_, 2201);
  RegisterControl(thick_, 2202);
  thick_->setRange(0, kMaxFrameSpin);

  QFormLayout* form = MakePageForm(this);
  form->addRow(BuddyLabel(tr("&Color:"), color_), PageRow().Add(color_).Done());
  form->addRow(BuddyLabel(tr("&Size:"), thick_),
               PageRow().Add(thick_).Add(new QLabel(tr("pixels (0 = no frame)"))).Done());
  Bind(&PropBorder::frameColor, ColorOf(color_));
  Bind(&PropBorder::frameThick, IntOf(thick_));
}

PropBorder& ViewFrame::border() const {
  return static_cast<PropBorder&>(*group());
}
