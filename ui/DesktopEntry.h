// The editor on the user's desktop: its menu entry, the MIME package of
// project files and the icons, written below the user's data folder, and
// an entry of ours that would start a program that is gone, removed.
#pragma once

#include <QString>

class DesktopEntry {
 public:
  // Keeps the user's desktop registration in order: an entry of ours whose
  // program is gone goes, and so, for an installed editor, does one whose
  // program lies outside an installed prefix (a build tree's), with the MIME
  // package and icons written beside it. A build tree's editor registers
  // itself only when `asked` (--register); an installed one leaves the
  // desktop to its package.
  static void RegisterWhenAsked(bool asked);
  // Writes the desktop entry, the MIME package and the icons for project
  // files below `dataHome` and asks the desktop to refresh its caches. False
  // when a file could not be written.
  static bool RegisterFileType(const QString& dataHome, const QString& program);
};
