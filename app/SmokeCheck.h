// Test builds only: a check of an editor as it is installed. With
// VELKOBUTTON_SMOKE=DIR the editor, once started, writes into DIR
//   help.txt     the help page it opened (its address) and whether it loaded,
//   publish.txt  the outcome of publishing the open project with the runtime
//                into DIR/published/,
//   preview.txt  the path of the preview page it wrote,
// and then ends as if the user had closed it, so that it cleans up as always.
#pragma once

#include <QString>

class App;

void StartSmokeCheck(App& app, const QString& dir);
