// Options for an application under test: no splash, no desktop registration,
// no single-instance server, no New/Open dialog, no translation and, unless
// asked, no browser;
// the editor's pages.
#pragma once

#include "app/EditorPages.h"
#include "ui/App.h"

inline AppOptions Quiet(bool browser = false) {
  AppOptions o;
  o.splash = false;
  o.registerFileType = false;
  o.singleInstance = false;
  o.newOpenDialog = false;
  o.allowBrowser = browser;
  o.translate = false;
  o.registerPages = RegisterEditorPages;
  return o;
}
