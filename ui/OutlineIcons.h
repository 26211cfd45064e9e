// The pictures of the outline tree, of the tabs of the tabbed pages and of the
// buttons on the pages, each named by its resource id.
#pragma once

#include <QIcon>

// Tree icon of a group (302..311); an empty icon for an unknown id.
QIcon TreeIcon(int id);
// Icon of a page's tab (238..249).
QIcon TabIcon(int id);
// Icon of a button on a page (227..229: push button, check box, radio button;
// the alignment, style and browse buttons of the state pages).
QIcon PageIcon(int id);
