// Marks an engine text that the editor shows in the user's language. The
// engine keeps the English text; the editor looks it up in `context` where it
// shows it (Platform::Translate, the string table's look-ups), and lupdate
// collects it (the build tells lupdate the macro stands for
// QT_TRANSLATE_NOOP). The command line shows the English text.
#pragma once

#define VB_TR_NOOP(context, text) text
