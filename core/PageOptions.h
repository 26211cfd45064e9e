// What a generated page is, and whether it carries the runtime.
//
// Pages of today for browsers without Java: the buttons as HTML and CSS, and
// the JavaScript runtime where the project needs it (its script line in the
// page, its file in the resource list). The setting decides unless a caller
// (the command line, external preview) chooses for the document;
// kRuntimeAlways gives the page the runtime whatever the project needs (the
// Live View drives its page through it).
#pragma once

// What a generated page is: a whole page, the internal preview's page, or the
// applet alone (the segment a user pastes into a page of their own).
enum class PageMode { Page = 0, Preview = 1, Segment = 2 };

// Who chooses whether a page carries the runtime.
enum RuntimeChoice : int {
  kRuntimeFromSettings = -1,
  kRuntimeOff = 0,
  kRuntimeOn = 1,
  kRuntimeAlways = 2
};

// The runtime's file, beside the page and in the program's folder.
inline constexpr const char* kRuntimeFile = "velkobutton.js";
// The line that follows the applet's end tag.
inline constexpr const char* kRuntimeLine = "<SCRIPT SRC=\"velkobutton.js\"></SCRIPT>";
