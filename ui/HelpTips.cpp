#include "ui/HelpTips.h"

#include <QEvent>
#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>
#include <string>

#include "core/KesApp.h"
#include "core/StringTable.h"
#include "ui/Text.h"
#include "ui/Translations.h"

HelpTips::HelpTips(KesApp& app, QObject* parent) : QObject(parent), app_(app) {}

void HelpTips::Attach(QWidget* widget, int id) {
  widget->setProperty("helpId", id);
  widget->installEventFilter(this);
}

void HelpTips::AttachControl(QWidget* widget, int id) {
  Attach(widget, id);
  const HelpString help = SplitHelpString(LoadUiString(id));
  if (!help.tooltip.empty()) widget->setToolTip(ToQ(help.tooltip));
  if (!help.prompt.empty()) widget->setStatusTip(ToQ(help.prompt));
}

bool HelpTips::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* widget = qobject_cast<QWidget*>(watched);
    bool ok = false;
    int id = widget ? widget->property("helpId").toInt(&ok) : 0;
    if (widget && ok && id != 0) {
      std::string tip;
      app_.ShowContextHelp(id, &tip, true);
      auto* help = static_cast<QHelpEvent*>(event);
      if (tip.empty())
        QToolTip::hideText();
      else
        QToolTip::showText(help->globalPos(), ToQ(tip), widget);
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}
