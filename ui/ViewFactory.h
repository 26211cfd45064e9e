// The pages of the Properties window by the view class a group names.
#pragma once

#include <string>

#include "ui/KesView.h"

class QWidget;

// A new view of class `viewClass` editing context.group, or nullptr when this
// program has no such view (the Properties window then shows the blank view).
QWidget* CreatePropertyView(const std::string& viewClass, const PageContext& context,
                            QWidget* parent);
