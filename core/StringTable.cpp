#include "core/StringTable.h"

#include <algorithm>
#include <iterator>
#include <set>

namespace {

struct Entry {
  int id;
  const char* text;
};

// Sorted by id. Spin controls and the labels of colour buttons share the
// entry of the control they belong to.
const Entry kTable[] = {
    {510, "More Files..."},
    {1300, "Details of the input file\nInput Details\ninputfile"},
    {1301, "The frequency to reload the input details\nReload Interval\ninputfilereloadinterval"},
    {1302, "The name of the input file\nInput File\ninputfileinputfile"},
    {1303, "The frequency to reload the input details\nReload Interval\ninputfilereloadinterval"},
    {1304, "Generate the input file\nGenerate Input\ninputfilegenerate"},
    {1600, "Create a new project or open an existing one\nNew/Open Project\nnewopen"},
    {1601, "Choose the project to open\nProjects\nnewopenlist"},
    {1602, "Start with a blank project\nBlank Project\nnewopenblank"},
    {1603, "Open a project you have saved before\nOpen an Existing Project\nnewopenexisting"},
    {1700, "Program information, version number and copyright\nAbout VelkoButton\nhelpabout"},
    {1800, "Configurable text\nConfigurable Text\nconfigtext"},
    {1801, "Text for each day of the week\nDay Text\nconfigtextdays"},
    {1802, "Text for each month of the year\nMonth Text\nconfigtextmonth"},
    {1803, "Ante meridiem text\nAnte Meridiem\nconfigtextam"},
    {1804, "Post meridiem text\nPost Meridiem\nconfigtextpm"},
    {1900, "Audio\nAudio\naudio"},
    {1901, "Select the audio file\nSelect Audio\naudioselect"},
    {1902, "Test (play) the selected audio file\nTest Audio\naudiotest"},
    {1903, "The audio file to play/loop/stop\nAudio File\naudiofile"},
    {1904, "Set the audio to play\nPlay Audio\naudioplay"},
    {1905, "Set the audio to loop\nLoop Audio\naudioloop"},
    {1906, "Stop playing the audio\nStop Audio\naudiostop"},
    {2100, "Border\nBorder\nborder"},
    {2101, "Make the border appear smooth\nSmooth Border\nbordersmooth"},
    {2102, "The top color of the border\nBorder Top Color\nbordertopcolor"},
    {2103, "The middle color of the border\nBorder Middle Color\nbordermidcolor"},
    {2104, "The bottom color of the border\nBorder Bottom Color\nborderbotcolor"},
    {2105, "The size of the border\nBorder Size\nbordersize"},
    {2106, "Don't display a border around button\nNo Border\nborderstylenone"},
    {2107, "Display the button with a flat border\nFlat Border\nborderstyleflat"},
    {2108, "Display the button using a bevel border\nBevel Border\nborderstylebevel"},
    {2109, "Display the button using a point border\nPoint Border\nborderstylepoint"},
    {2110, "Display the border using a raised border\nRaised Border\nborderstyleraised"},
    {2111, "The size of the border\nBorder Size\nbordersize"},
    {2112, "Use the button color as the basis for the border color\nAutomatic Border\nborderauto"},
    {2113, "The top color of the border\nBorder Top Color\nbordertopcolor"},
    {2114, "The middle color of the border\nBorder Middle Color\nbordermidcolor"},
    {2115, "The bottom color of the border\nBorder Bottom Color\nborderbotcolor"},
    {2200, "Frame\nFrame\nframe"},
    {2201, "The color of the frame\nFrame Color\nframecolor"},
    {2202, "The size of the frame (0 = no frame)\nFrame Size\nframesize"},
    {2203, "The size of the frame (0 = no frame)\nFrame Size\nframesize"},
    {2300, "Font\nFont\nfont"},
    {2301, "The name of the font\nFont Name\nfontfamily"},
    {2302, "Size of the font\nFont Size\nfontsize"},
    {2303, "The text will be displayed as bold\nBold\nfontbold"},
    {2304, "The text will be displayed as italic\nItalic\nfontitalic"},
    {2305, "The text will be underlined\nUnderline\nfontunderline"},
    {2306, "The text will be displayed embossed\nEmboss\nfontemboss"},
    {2307, "The text will be displayed engraved\nEngrave\nfontengrave"},
    {2308,
     "Use a font file (.woff2, .woff, .ttf or .otf) for the caption; it is copied beside the "
     "page when you preview or publish, and the page loads it\nFont File\nfontfile"},
    {2400, "Advanced\nAdvanced\nadvanced"},
    {2401, "Enter VelkoScript Actions\nVelkoScript Actions\nadvancedscript"},
    {2402, "Add a predefined VelkoScript Action\nAdd Action\nadvancedadd"},
    {2500, "Image\nImage\nimage"},
    {2501, "File name of the image\nImage File Name\nimagefile"},
    {2502, "Horizontal offset\nHorizontal Offset\nimageoffsetx"},
    {2503, "Vertical offset\nVertical Offset\nimageoffsety"},
    {2504, "Select the image\nSelect Image\nimageselect"},
    {2505, "Horizontally align the image to the left\nAlign Left\nimagealignxleft"},
    {2506, "Horizontally align the image to the center\nAlign Center\nimagealignxcenter"},
    {2507, "Horizontally align the image to the right\nAlign Right\nimagealignxright"},
    {2508, "Vertically align the image to the top\nAlign Top\nimagealignytop"},
    {2509, "Vertically align the image to the center\nAlign Center\nimagealignycenter"},
    {2510, "Vertically align the image to the bottom\nAlign Bottom\nimagealignybottom"},
    {2511, "Display the image normally\nNormal\nimagecenter"},
    {2512, "Tile the image\nTile Image\nimagetile"},
    {2513, "Scale (fit) the image to the button\nScale Image\nimagescale"},
    {2514, "Horizontal offset\nHorizontal Offset\nimageoffsetx"},
    {2515, "Vertical offset\nVertical Offset\nimageoffsety"},
    {2600, "Button\nButton\nbutton"},
    {2601, "The button will act like a push button\nPush Button\nbuttonmodepush"},
    {2602, "The button will act like a check box (toggle)\nCheck Box\nbuttonmodecheck"},
    {2603, "The button will act like a radio button\nRadio Button\nbuttonmoderadio"},
    {2604, "The name of the button\nButton Name\nbuttonname"},
    {2609, "This button will initially be visible\nInitially Visible\nbuttonshow"},
    {2610, "This button is allowed to be dragged\nDragable\nbuttondragable"},
    {2611, "This button will initially be selected (down)\nInitially Selected\nbuttonselected"},
    {2612, "Enter the tool tip text (pop up)\nTool Tip\nbuttontip"},
    {2700, "Size\nSize\nsize"},
    {2701, "The x position of the button\nX Position\nsizex"},
    {2702, "The y position of the button\nY Position\nsizey"},
    {2703, "The width of the button\nWidth\nsizewidth"},
    {2704, "The height of the button\nHeight\nsizeheight"},
    {2705, "The x position of the button\nX Position\nsizex"},
    {2706, "The y position of the button\nY Position\nsizey"},
    {2707, "The width of the button\nWidth\nsizewidth"},
    {2708, "The height of the button\nHeight\nsizeheight"},
    {2800, "Link\nLink\nlink"},
    {2801, "The URL to jump to\nURL\nlinkurl"},
    {2802, "The target (frame) to use\nTarget (Frame)\nlinktarget"},
    {2803, "The text to display on the browser's status line\nStatus Line\nlinkstatus"},
    {3000, "State\nState\nstate"},
    {3001, "The color of the button\nButton Color\nstatecolor"},
    {3002, "The cursor to display when the mouse is over the button\nCursor\nstatecursor"},
    {3003,
     "Display the button at the specified horizontal offset\nHorizontal Offset\nstateoffsetx"},
    {3004, "Display the button at the specified vertical  offset\nVertical Offset\nstateoffsety"},
    {3005,
     "Display the button at the specified horizontal offset\nHorizontal Offset\nstateoffsetx"},
    {3006, "Display the button at the specified vertical  offset\nVertical Offset\nstateoffsety"},
    {3007, "The color of the button\nButton Color\nstatecolor"},
    {3008,
     "The button will be displayed with a solid background\nSolid Background\nstatestylesolid"},
    {3009,
     "The button will be displayed with a transparent background\nTransparent "
     "Background\nstatestyletransparent"},
    {3019, "Restart animations when state changes\nRestart Animations\nstateanimate"},
    {3100, "Project\nProject\nproject"},
    {3101, "The width of the project\nProject Width\nprojectwidth"},
    {3102, "The height of the project\nProject Height\nprojectheight"},
    {3103, "How to lay the buttons out\nProject Layout\nprojectlayout"},
    {3104, "The default width of buttons\nDefault Width\nprojectbuttonwidth"},
    {3105, "The default height of buttons\nDefault Height\nprojectbuttonheight"},
    {3106, "The default space to leave between buttons\nDefault Spacing\nprojectbuttonspacing"},
    {3107, "The width of the project\nProject Width\nprojectwidth"},
    {3108, "The height of the project\nProject Height\nprojectheight"},
    {3109, "The default width of buttons\nDefault Width\nprojectbuttonwidth"},
    {3110, "The default height of buttons\nDefault Height\nprojectbuttonheight"},
    {3111, "The default space to leave between buttons\nDefault Spacing\nprojectbuttonspacing"},
    {3112,
     "The name used to identify the project from other Velko based products\nProject "
     "Identifier\nprojectprojectidentifier"},
    {3200, "Background\nBackground\nbackground"},
    {3201, "The background color of the project\nBackground Color\nbackgroundcolor"},
    {3202, "The image to use as a background for the project\nBackground Image\nbackgroundimage"},
    {3203, "Select the background image\nSelect Image\nbackgroundselect"},
    {3204, "Center the background image\nCenter Image\nbackgroundcenter"},
    {3205, "Tile the background image\nTile Image\nbackgroundtile"},
    {3206, "Scale the background image to fit\nScale Image\nbackgroundscale"},
    {3300, "Insert a predefined VelkoScript action\nInsert Action\ninsertaction"},
    {3301, "The action to perform\nAction\ninsertactionaction"},
    {3302, "The button the action applies to\nApply To\ninsertactionapply"},
    {3400, "Text\nText\ntext"},
    {3401, "The text to display on the button\nButton Text\ntexttext"},
    {3402, "Insert dynamic text such as the date and time\nInsert Dynamic Text\ntextdynamic"},
    {3403, "Horizontal offset\nHorizontal Offset\ntextoffsetx"},
    {3404, "Vertical offset\nVertical Offset\ntextoffsety"},
    {3405, "The color of the text\nText Color\ntextcolor"},
    {3406, "Horizontally align the text to the left\nAlign Left\ntextalignxleft"},
    {3407, "Horizontally align the text to the center\nAlign Center\ntextalignxcenter"},
    {3408, "Horizontally align the text to the right\nAlign Right\ntextalignxright"},
    {3409, "Vertically align the text to the top\nAlign Top\ntextalignytop"},
    {3410, "Vertically align the text to the center\nAlign Center\ntextalignycenter"},
    {3411, "Vertically align the text to the bottom\nAlign Bottom\ntextalignybottom"},
    {3412, "Horizontal offset\nHorizontal Offset\ntextoffsetx"},
    {3413, "Vertical offset\nVertical Offset\ntextoffsety"},
    {3500, "Output\nOutput\noutput"},
    {3501, "Tokenize/Compress the parameters for the project\nTokenize/Compress\noutputtokenize"},
    {3502, "Specify how often to refresh the display\nRefresh Rate\noutputrefresh"},
    {3503, "Specify project options in an input file\nRead From File\noutputreadfile"},
    {3504, "Specify the details of the file to read\nInput File Details\noutputdetails"},
    {3505, "Specify how often to refresh the display\nRefresh Rate\noutputrefresh"},
    {3506,
     "Relative path on server to store class files\nRelative Server Path (Code "
     "Base)\noutputcodebase"},
    {3600, "VelkoScript\nVelkoScript\nscript"},
    {3601,
     "The script to execute before buttons are created\nBefore Script (Initialize)\nscriptbefore"},
    {3602, "Add a predefined action\nAdd Before Action\nscriptbeforeadd"},
    {3603, "The script to execute after the buttons are created\nAfter Script\nscriptafter"},
    {3604, "Add a predefined action\nAdd After Action\nscriptafteradd"},
    {3700, "Non Java Browser\nNon Java Browser\nnonjava"},
    {3701, "The message shown by browsers that cannot run Java\nNon Java Message\nnonjava"},
    {3800, "Mouse Leave Script\nLeave\nleave"},
    {3801, "Enter Mouse Leave VelkoScript Actions\nMouse Leave VelkoScript Actions\nleavescript"},
    {3802, "Add a predefined VelkoScript Action\nAdd Action\nleaveadd"},
    {10011, "Publish the project\nPublish\npublish"},
    {10012,
     "Copy the HTML segment for the project to the clipboard\nCopy to Clipboard\npublishclipboard"},
    {10013, "Create a HTML document containing the project\nCreate HTML Document\npublishfile"},
    {10015, "The resources used by the project\nResources\nresources"},
    {10016, "Copy the selected files to a local folder\nCopy Locally\nresourcescopy"},
    {10017, "The files to copy to your server beside the page\nResource Files\nresourceslist"},
    {10018, "Select every file of the list\nSelect All\nresourcesselectall"},
    {10019, "The HTML code of the project\nHTML Code\nresourceshtml"},
    {10020, "Copying the selected files\nCopy\nresourcescopy"},
    {15001, "Visit the Velko home page\nVelko on the Web\nhelpweb"},
    {15003, "Show the frequently asked questions on the web\nOnline FAQ\nhelpfaq"},
    {15006, "Stop previewing the project\nStop Internal Preview\ngeneratestop"},
    {15007, "Show or hide the Info/Preview window\nInfo/Preview\nviewinfo"},
    {15008, "Show, hide or customise the toolbars\nToolbars\nviewtoolbars"},
    {15009, "Change the program's options\nOptions\nviewoptions"},
    {15010, "Show the list of help topics\nHelp Contents\nhelpcontents"},
    {15011, "Go back to the previous help topic\nPrevious Topic\nhelpprevious"},
    {15012, "Keep the current help topic while moving around\nLock Topic\nhelplock"},
    {15013, "Preview project in external browser\nExternal Preview\ngenerateexternal"},
    {15014, "Publish the project to the clipboard or an HTML file\nPublish\ngeneratepublish"},
    {15015, "Preview the project\nPreview/Reload\ngeneratepreview"},
    {15016, "Show or hide the live view of the buttons\nLive View\nviewlive"},
    {40037, "Insert the year with two digits\nYear (short)\ntextdynamic"},
    {40038, "Insert the year with four digits\nYear (long)\ntextdynamic"},
    {40039, "Insert the number of the month\nMonth (number)\ntextdynamic"},
    {40040, "Insert the name of the month\nMonth (name)\ntextdynamic"},
    {40041, "Insert the day of the month\nDay (date)\ntextdynamic"},
    {40042, "Insert the name of the day\nDay (name)\ntextdynamic"},
    {40043, "Insert the number of the week day\nWeek Day\ntextdynamic"},
    {40044, "Insert the hours in 12 hour format\nHours (12 hour format)\ntextdynamic"},
    {40045, "Insert the hours in 24 hour format\nHours (24 hour format)\ntextdynamic"},
    {40046, "Insert the minutes\nMinutes\ntextdynamic"},
    {40047, "Insert the seconds\nSeconds\ntextdynamic"},
    {40048, "Insert the meridiem (AM or PM)\nMeridiem\ntextdynamic"},
    {40049, "Insert the time in 12 hour format\nTime (12 hour format)\ntextdynamic"},
    {40050, "Insert the time in 24 hour format\nTime (24 hour format)\ntextdynamic"},
    {40053, "Insert the local time and date\nTime & Date (Local)\ntextdynamic"},
    {40128, "Create a new button\nNew Button\nbuttonnew"},
    {40129, "Delete the selected button\nDelete Button\nbuttondelete"},
    {40130, "Move the selected button up\nMove Button Up\nbuttonmoveup"},
    {40131, "Move the selected button down\nMove Button Down\nbuttonmovedown"},
    {40132, "Duplicate the selected button\nDuplicate Button\nbuttonduplicate"},
    {40133,
     "Copy the selected state, or one of its groups, to the button's other two states\nCopy to "
     "Other States\neditcopystates"},
    {40134,
     "Paste the copied item's look onto every selected item of its kind, keeping their "
     "captions, links, tool tips, status texts and scripts\nPaste Style\neditpastestyle"},
    {40139, "Insert the date as yy/mm/dd\nDate (yy/mm/dd)\ntextdynamic"},
    {40140, "Insert the date as mm/dd/yy\nDate (mm/dd/yy)\ntextdynamic"},
    {40141, "Insert the date as dd/mm/yy\nDate (dd/mm/yy)\ntextdynamic"},
    {40142, "Show or hide the Properties window\nProperties\nviewproperties"},
    {40150,
     "Select the Up state of every selected button, or of every button\nUp States\nselectstates"},
    {40151,
     "Select the Over state of every selected button, or of every button\nOver "
     "States\nselectstates"},
    {40152,
     "Select the Down state of every selected button, or of every button\nDown "
     "States\nselectstates"},
    {40153,
     "Select the Text item of that state in every selected button\nText Items\nselectstates"},
    {40154,
     "Select the Border item of that state in every selected button\nBorder Items\nselectstates"},
    {40155,
     "Select the Audio item of that state in every selected button\nAudio Items\nselectstates"},
    {40156,
     "Select the Image item of that state in every selected button\nImage Items\nselectstates"},
    {40157,
     "Select the Advanced item of that state in every selected button\nAdvanced "
     "Items\nselectstates"},
    {40158, "Type the caption on the current button in the Live View\nEdit Caption\nviewlive"},
    {40160,
     "Show the table of every button's name, caption, link, target, tool tip and status text\n"
     "Buttons Table\nviewbuttontable"},
    {40180,
     "Read the project's file again with its texts in another code page\nReopen with "
     "Encoding\nfileopen"},
    {40181,
     "Read the project's file again with its 8-bit texts in Central European "
     "(Windows-1250)\nReopen as Windows-1250\nfileopen"},
    {40182,
     "Read the project's file again with its 8-bit texts in Cyrillic (Windows-1251)\nReopen as "
     "Windows-1251\nfileopen"},
    {40183,
     "Read the project's file again with its 8-bit texts in Greek (Windows-1253)\nReopen as "
     "Windows-1253\nfileopen"},
    {40184,
     "Read the project's file again with its 8-bit texts in Turkish (Windows-1254)\nReopen as "
     "Windows-1254\nfileopen"},
    {40185,
     "Read the project's file again with its 8-bit texts in Baltic (Windows-1257)\nReopen as "
     "Windows-1257\nfileopen"},
    {40186,
     "Read the project's file again with its 8-bit texts in Western (Windows-1252)\nReopen as "
     "Windows-1252\nfileopen"},
    {57345, "For Help, press F1"},
    {57600, "Create a new project\nNew Project\nfilenew"},
    {57601, "Open an existing project\nOpen Project\nfileopen"},
    {57603, "Save the project\nSave Project\nfilesave"},
    {57604, "Save the project under a new name\nSave As\nfilesaveas"},
    {57616, "Open this project\nRecent File\nfilerecent"},
    {57632, "Delete the selected button\nDelete\nbuttondelete"},
    {57634, "Copy the selection to the clipboard\nCopy\neditcopy"},
    {57635, "Cut the selection to the clipboard\nCut\neditcut"},
    {57637, "Paste the clipboard contents\nPaste\neditpaste"},
    {57643, "Undo the last action\nUndo\neditundo"},
    {57644, "Redo the action undone last\nRedo\neditredo"},
    {57664, "Display program information, version number and copyright\nAbout\nhelpabout"},
    {57665, "Quit the application; prompts to save the project\nExit\nfileexit"},
    {57669, "Display help for clicked buttons, menus and windows\nHelp\nhelpcontext"},
    {57670, "List help topics\nHelp\nhelpcontents"},
};

const Entry* Find(int id) {
  auto it = std::lower_bound(std::begin(kTable), std::end(kTable), id,
                             [](const Entry& e, int key) { return e.id < key; });
  if (it == std::end(kTable) || it->id != id) return nullptr;
  return it;
}

}  // namespace

std::string LoadString(int id) {
  const Entry* e = Find(id);
  return e ? std::string(e->text) : std::string();
}

std::vector<int> StringIds() {
  std::vector<int> ids;
  ids.reserve(std::size(kTable));
  for (const Entry& e : kTable) ids.push_back(e.id);
  return ids;
}

HelpString SplitHelpString(const std::string& entry) {
  HelpString h;
  std::string* fields[] = {&h.prompt, &h.tooltip, &h.topic, &h.anchor};
  size_t start = 0;
  for (std::string* field : fields) {
    if (start > entry.size()) break;
    size_t end = entry.find('\n', start);
    if (end == std::string::npos) end = entry.size();
    *field = entry.substr(start, end - start);
    start = end + 1;
  }
  return h;
}

std::vector<std::string> HelpTopics() {
  std::vector<std::string> topics;
  std::set<std::string> seen;
  for (const Entry& e : kTable) {
    std::string topic = SplitHelpString(e.text).topic;
    if (!topic.empty() && seen.insert(topic).second) topics.push_back(topic);
  }
  return topics;
}
