// Options for an application under test: no splash, no desktop registration,
// no single-instance server, no New/Open dialog and, unless asked, no browser.
#pragma once

#include "ui/App.h"

inline AppOptions Quiet(bool browser = false) {
  AppOptions o;
  o.splash = false;
  o.registerFileType = false;
  o.singleInstance = false;
  o.newOpenDialog = false;
  o.allowBrowser = browser;
  return o;
}
