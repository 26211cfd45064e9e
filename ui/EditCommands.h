// The editing commands Copy, Cut, Paste and Undo acting on the edit box that
// has the focus (a line edit, also inside a combo or spin box, or a
// multi-line edit).
#pragma once

class QWidget;

#include "ui/CommandIds.h"

// The edit box `focus` is or holds, or nullptr when it is no edit box.
QWidget* EditBoxOf(QWidget* focus);
// Whether command `id` applies to the edit box `edit` now.
bool EditBoxCommandEnabled(QWidget* edit, int id);
// Runs command `id` on the edit box `edit`.
void RunEditBoxCommand(QWidget* edit, int id);
