// The pages of the Properties window by the view class a group names. The
// editor is assembled with its pages (app/EditorPages.cpp); the Properties
// window only asks the registry it is given.
#pragma once

#include <functional>
#include <map>
#include <string>

#include "ui/KesView.h"

class QWidget;

class PageRegistry {
 public:
  using Creator = std::function<QWidget*(const PageContext&, QWidget*)>;

  void Add(const std::string& viewClass, Creator create) {
    creators_[viewClass] = std::move(create);
  }
  bool Has(const std::string& viewClass) const { return creators_.count(viewClass) != 0; }
  // A new view of class `viewClass` editing context.group, or nullptr when
  // there is no such view (the Properties window then shows the blank view).
  QWidget* Create(const std::string& viewClass, const PageContext& context, QWidget* parent) const {
    auto it = creators_.find(viewClass);
    return it == creators_.end() ? nullptr : it->second(context, parent);
  }

 private:
  std::map<std::string, Creator> creators_;
};
