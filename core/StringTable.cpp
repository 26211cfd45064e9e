#include "core/StringTable.h"

#include <algorithm>
#include <iterator>
#include <set>

#include "core/Translatable.h"

namespace {

struct Entry {
  int id;
  const char* text;
};

// Sorted by id. Spin controls and the labels of colour buttons share the
// entry of the control they belong to.
const Entry kTable[] = {
    {510, VB_TR_NOOP("StringTable", "More Files...")},
    {1300, VB_TR_NOOP("StringTable", "Details of the input file\nInput Details\ninputfile")},
    {1301,
     VB_TR_NOOP(
         "StringTable",
         "The frequency to reload the input details\nReload Interval\ninputfilereloadinterval")},
    {1302, VB_TR_NOOP("StringTable", "The name of the input file\nInput File\ninputfileinputfile")},
    {1303,
     VB_TR_NOOP(
         "StringTable",
         "The frequency to reload the input details\nReload Interval\ninputfilereloadinterval")},
    {1304, VB_TR_NOOP("StringTable", "Generate the input file\nGenerate Input\ninputfilegenerate")},
    {1600, VB_TR_NOOP("StringTable",
                      "Create a new project or open an existing one\nNew/Open Project\nnewopen")},
    {1601, VB_TR_NOOP("StringTable", "Choose the project to open\nProjects\nnewopenlist")},
    {1602, VB_TR_NOOP("StringTable", "Start with a blank project\nBlank Project\nnewopenblank")},
    {1603,
     VB_TR_NOOP("StringTable",
                "Open a project you have saved before\nOpen an Existing Project\nnewopenexisting")},
    {1700,
     VB_TR_NOOP("StringTable",
                "Program information, version number and copyright\nAbout VelkoButton\nhelpabout")},
    {1800, VB_TR_NOOP("StringTable", "Configurable text\nConfigurable Text\nconfigtext")},
    {1801, VB_TR_NOOP("StringTable", "Text for each day of the week\nDay Text\nconfigtextdays")},
    {1802,
     VB_TR_NOOP("StringTable", "Text for each month of the year\nMonth Text\nconfigtextmonth")},
    {1803, VB_TR_NOOP("StringTable", "Ante meridiem text\nAnte Meridiem\nconfigtextam")},
    {1804, VB_TR_NOOP("StringTable", "Post meridiem text\nPost Meridiem\nconfigtextpm")},
    {1900, VB_TR_NOOP("StringTable", "Audio\nAudio\naudio")},
    {1901, VB_TR_NOOP("StringTable", "Select the audio file\nSelect Audio\naudioselect")},
    {1902, VB_TR_NOOP("StringTable", "Test (play) the selected audio file\nTest Audio\naudiotest")},
    {1903, VB_TR_NOOP("StringTable", "The audio file to play/loop/stop\nAudio File\naudiofile")},
    {1904, VB_TR_NOOP("StringTable", "Set the audio to play\nPlay Audio\naudioplay")},
    {1905, VB_TR_NOOP("StringTable", "Set the audio to loop\nLoop Audio\naudioloop")},
    {1906, VB_TR_NOOP("StringTable", "Stop playing the audio\nStop Audio\naudiostop")},
    {2100, VB_TR_NOOP("StringTable", "Border\nBorder\nborder")},
    {2101, VB_TR_NOOP("StringTable", "Make the border appear smooth\nSmooth Border\nbordersmooth")},
    {2102,
     VB_TR_NOOP("StringTable", "The top color of the border\nBorder Top Color\nbordertopcolor")},
    {2103, VB_TR_NOOP("StringTable",
                      "The middle color of the border\nBorder Middle Color\nbordermidcolor")},
    {2104, VB_TR_NOOP("StringTable",
                      "The bottom color of the border\nBorder Bottom Color\nborderbotcolor")},
    {2105, VB_TR_NOOP("StringTable", "The size of the border\nBorder Size\nbordersize")},
    {2106,
     VB_TR_NOOP("StringTable", "Don't display a border around button\nNo Border\nborderstylenone")},
    {2107, VB_TR_NOOP("StringTable",
                      "Display the button with a flat border\nFlat Border\nborderstyleflat")},
    {2108, VB_TR_NOOP("StringTable",
                      "Display the button using a bevel border\nBevel Border\nborderstylebevel")},
    {2109, VB_TR_NOOP("StringTable",
                      "Display the button using a point border\nPoint Border\nborderstylepoint")},
    {2110,
     VB_TR_NOOP("StringTable",
                "Display the border using a raised border\nRaised Border\nborderstyleraised")},
    {2111, VB_TR_NOOP("StringTable", "The size of the border\nBorder Size\nbordersize")},
    {2112,
     VB_TR_NOOP(
         "StringTable",
         "Use the button color as the basis for the border color\nAutomatic Border\nborderauto")},
    {2113,
     VB_TR_NOOP("StringTable", "The top color of the border\nBorder Top Color\nbordertopcolor")},
    {2114, VB_TR_NOOP("StringTable",
                      "The middle color of the border\nBorder Middle Color\nbordermidcolor")},
    {2115, VB_TR_NOOP("StringTable",
                      "The bottom color of the border\nBorder Bottom Color\nborderbotcolor")},
    {2200, VB_TR_NOOP("StringTable", "Frame\nFrame\nframe")},
    {2201, VB_TR_NOOP("StringTable", "The color of the frame\nFrame Color\nframecolor")},
    {2202,
     VB_TR_NOOP("StringTable", "The size of the frame (0 = no frame)\nFrame Size\nframesize")},
    {2203,
     VB_TR_NOOP("StringTable", "The size of the frame (0 = no frame)\nFrame Size\nframesize")},
    {2300, VB_TR_NOOP("StringTable", "Font\nFont\nfont")},
    {2301, VB_TR_NOOP("StringTable", "The name of the font\nFont Name\nfontfamily")},
    {2302, VB_TR_NOOP("StringTable", "Size of the font\nFont Size\nfontsize")},
    {2303, VB_TR_NOOP("StringTable", "The text will be displayed as bold\nBold\nfontbold")},
    {2304, VB_TR_NOOP("StringTable", "The text will be displayed as italic\nItalic\nfontitalic")},
    {2305, VB_TR_NOOP("StringTable", "The text will be underlined\nUnderline\nfontunderline")},
    {2306, VB_TR_NOOP("StringTable", "The text will be displayed embossed\nEmboss\nfontemboss")},
    {2307, VB_TR_NOOP("StringTable", "The text will be displayed engraved\nEngrave\nfontengrave")},
    {2308,
     VB_TR_NOOP(
         "StringTable",
         "Use a font file (.woff2, .woff, .ttf or .otf) for the caption; it is copied beside the "
         "page when you preview or publish, and the page loads it\nFont File\nfontfile")},
    {2400, VB_TR_NOOP("StringTable", "Advanced\nAdvanced\nadvanced")},
    {2401,
     VB_TR_NOOP("StringTable", "Enter VelkoScript Actions\nVelkoScript Actions\nadvancedscript")},
    {2402,
     VB_TR_NOOP("StringTable", "Add a predefined VelkoScript Action\nAdd Action\nadvancedadd")},
    {2500, VB_TR_NOOP("StringTable", "Image\nImage\nimage")},
    {2501, VB_TR_NOOP("StringTable", "File name of the image\nImage File Name\nimagefile")},
    {2502, VB_TR_NOOP("StringTable", "Horizontal offset\nHorizontal Offset\nimageoffsetx")},
    {2503, VB_TR_NOOP("StringTable", "Vertical offset\nVertical Offset\nimageoffsety")},
    {2504, VB_TR_NOOP("StringTable", "Select the image\nSelect Image\nimageselect")},
    {2505, VB_TR_NOOP("StringTable",
                      "Horizontally align the image to the left\nAlign Left\nimagealignxleft")},
    {2506,
     VB_TR_NOOP("StringTable",
                "Horizontally align the image to the center\nAlign Center\nimagealignxcenter")},
    {2507, VB_TR_NOOP("StringTable",
                      "Horizontally align the image to the right\nAlign Right\nimagealignxright")},
    {2508,
     VB_TR_NOOP("StringTable", "Vertically align the image to the top\nAlign Top\nimagealignytop")},
    {2509, VB_TR_NOOP("StringTable",
                      "Vertically align the image to the center\nAlign Center\nimagealignycenter")},
    {2510, VB_TR_NOOP("StringTable",
                      "Vertically align the image to the bottom\nAlign Bottom\nimagealignybottom")},
    {2511, VB_TR_NOOP("StringTable", "Display the image normally\nNormal\nimagecenter")},
    {2512, VB_TR_NOOP("StringTable", "Tile the image\nTile Image\nimagetile")},
    {2513,
     VB_TR_NOOP("StringTable", "Scale (fit) the image to the button\nScale Image\nimagescale")},
    {2514, VB_TR_NOOP("StringTable", "Horizontal offset\nHorizontal Offset\nimageoffsetx")},
    {2515, VB_TR_NOOP("StringTable", "Vertical offset\nVertical Offset\nimageoffsety")},
    {2600, VB_TR_NOOP("StringTable", "Button\nButton\nbutton")},
    {2601, VB_TR_NOOP("StringTable",
                      "The button will act like a push button\nPush Button\nbuttonmodepush")},
    {2602, VB_TR_NOOP("StringTable",
                      "The button will act like a check box (toggle)\nCheck Box\nbuttonmodecheck")},
    {2603, VB_TR_NOOP("StringTable",
                      "The button will act like a radio button\nRadio Button\nbuttonmoderadio")},
    {2604, VB_TR_NOOP("StringTable", "The name of the button\nButton Name\nbuttonname")},
    {2609, VB_TR_NOOP("StringTable",
                      "This button will initially be visible\nInitially Visible\nbuttonshow")},
    {2610,
     VB_TR_NOOP("StringTable", "This button is allowed to be dragged\nDragable\nbuttondragable")},
    {2611,
     VB_TR_NOOP(
         "StringTable",
         "This button will initially be selected (down)\nInitially Selected\nbuttonselected")},
    {2612, VB_TR_NOOP("StringTable", "Enter the tool tip text (pop up)\nTool Tip\nbuttontip")},
    {2700, VB_TR_NOOP("StringTable", "Size\nSize\nsize")},
    {2701, VB_TR_NOOP("StringTable", "The x position of the button\nX Position\nsizex")},
    {2702, VB_TR_NOOP("StringTable", "The y position of the button\nY Position\nsizey")},
    {2703, VB_TR_NOOP("StringTable", "The width of the button\nWidth\nsizewidth")},
    {2704, VB_TR_NOOP("StringTable", "The height of the button\nHeight\nsizeheight")},
    {2705, VB_TR_NOOP("StringTable", "The x position of the button\nX Position\nsizex")},
    {2706, VB_TR_NOOP("StringTable", "The y position of the button\nY Position\nsizey")},
    {2707, VB_TR_NOOP("StringTable", "The width of the button\nWidth\nsizewidth")},
    {2708, VB_TR_NOOP("StringTable", "The height of the button\nHeight\nsizeheight")},
    {2800, VB_TR_NOOP("StringTable", "Link\nLink\nlink")},
    {2801, VB_TR_NOOP("StringTable", "The URL to jump to\nURL\nlinkurl")},
    {2802, VB_TR_NOOP("StringTable", "The target (frame) to use\nTarget (Frame)\nlinktarget")},
    {2803, VB_TR_NOOP("StringTable",
                      "The text to display on the browser's status line\nStatus Line\nlinkstatus")},
    {3000, VB_TR_NOOP("StringTable", "State\nState\nstate")},
    {3001, VB_TR_NOOP("StringTable", "The color of the button\nButton Color\nstatecolor")},
    {3002,
     VB_TR_NOOP("StringTable",
                "The cursor to display when the mouse is over the button\nCursor\nstatecursor")},
    {3003,
     VB_TR_NOOP(
         "StringTable",
         "Display the button at the specified horizontal offset\nHorizontal Offset\nstateoffsetx")},
    {3004,
     VB_TR_NOOP(
         "StringTable",
         "Display the button at the specified vertical  offset\nVertical Offset\nstateoffsety")},
    {3005,
     VB_TR_NOOP(
         "StringTable",
         "Display the button at the specified horizontal offset\nHorizontal Offset\nstateoffsetx")},
    {3006,
     VB_TR_NOOP(
         "StringTable",
         "Display the button at the specified vertical  offset\nVertical Offset\nstateoffsety")},
    {3007, VB_TR_NOOP("StringTable", "The color of the button\nButton Color\nstatecolor")},
    {3008, VB_TR_NOOP("StringTable",
                      "The button will be displayed with a solid background\nSolid "
                      "Background\nstatestylesolid")},
    {3009, VB_TR_NOOP("StringTable",
                      "The button will be displayed with a transparent background\nTransparent "
                      "Background\nstatestyletransparent")},
    {3019, VB_TR_NOOP("StringTable",
                      "Restart animations when state changes\nRestart Animations\nstateanimate")},
    {3100, VB_TR_NOOP("StringTable", "Project\nProject\nproject")},
    {3101, VB_TR_NOOP("StringTable", "The width of the project\nProject Width\nprojectwidth")},
    {3102, VB_TR_NOOP("StringTable", "The height of the project\nProject Height\nprojectheight")},
    {3103, VB_TR_NOOP("StringTable", "How to lay the buttons out\nProject Layout\nprojectlayout")},
    {3104,
     VB_TR_NOOP("StringTable", "The default width of buttons\nDefault Width\nprojectbuttonwidth")},
    {3105, VB_TR_NOOP("StringTable",
                      "The default height of buttons\nDefault Height\nprojectbuttonheight")},
    {3106,
     VB_TR_NOOP(
         "StringTable",
         "The default space to leave between buttons\nDefault Spacing\nprojectbuttonspacing")},
    {3107, VB_TR_NOOP("StringTable", "The width of the project\nProject Width\nprojectwidth")},
    {3108, VB_TR_NOOP("StringTable", "The height of the project\nProject Height\nprojectheight")},
    {3109,
     VB_TR_NOOP("StringTable", "The default width of buttons\nDefault Width\nprojectbuttonwidth")},
    {3110, VB_TR_NOOP("StringTable",
                      "The default height of buttons\nDefault Height\nprojectbuttonheight")},
    {3111,
     VB_TR_NOOP(
         "StringTable",
         "The default space to leave between buttons\nDefault Spacing\nprojectbuttonspacing")},
    {3112,
     VB_TR_NOOP("StringTable",
                "The name used to identify the project from other Velko based products\nProject "
                "Identifier\nprojectprojectidentifier")},
    {3200, VB_TR_NOOP("StringTable", "Background\nBackground\nbackground")},
    {3201, VB_TR_NOOP("StringTable",
                      "The background color of the project\nBackground Color\nbackgroundcolor")},
    {3202,
     VB_TR_NOOP(
         "StringTable",
         "The image to use as a background for the project\nBackground Image\nbackgroundimage")},
    {3203,
     VB_TR_NOOP("StringTable", "Select the background image\nSelect Image\nbackgroundselect")},
    {3204,
     VB_TR_NOOP("StringTable", "Center the background image\nCenter Image\nbackgroundcenter")},
    {3205, VB_TR_NOOP("StringTable", "Tile the background image\nTile Image\nbackgroundtile")},
    {3206,
     VB_TR_NOOP("StringTable", "Scale the background image to fit\nScale Image\nbackgroundscale")},
    {3300, VB_TR_NOOP("StringTable",
                      "Insert a predefined VelkoScript action\nInsert Action\ninsertaction")},
    {3301, VB_TR_NOOP("StringTable", "The action to perform\nAction\ninsertactionaction")},
    {3302,
     VB_TR_NOOP("StringTable", "The button the action applies to\nApply To\ninsertactionapply")},
    {3400, VB_TR_NOOP("StringTable", "Text\nText\ntext")},
    {3401, VB_TR_NOOP("StringTable", "The text to display on the button\nButton Text\ntexttext")},
    {3402,
     VB_TR_NOOP("StringTable",
                "Insert dynamic text such as the date and time\nInsert Dynamic Text\ntextdynamic")},
    {3403, VB_TR_NOOP("StringTable", "Horizontal offset\nHorizontal Offset\ntextoffsetx")},
    {3404, VB_TR_NOOP("StringTable", "Vertical offset\nVertical Offset\ntextoffsety")},
    {3405, VB_TR_NOOP("StringTable", "The color of the text\nText Color\ntextcolor")},
    {3406, VB_TR_NOOP("StringTable",
                      "Horizontally align the text to the left\nAlign Left\ntextalignxleft")},
    {3407, VB_TR_NOOP("StringTable",
                      "Horizontally align the text to the center\nAlign Center\ntextalignxcenter")},
    {3408, VB_TR_NOOP("StringTable",
                      "Horizontally align the text to the right\nAlign Right\ntextalignxright")},
    {3409,
     VB_TR_NOOP("StringTable", "Vertically align the text to the top\nAlign Top\ntextalignytop")},
    {3410, VB_TR_NOOP("StringTable",
                      "Vertically align the text to the center\nAlign Center\ntextalignycenter")},
    {3411, VB_TR_NOOP("StringTable",
                      "Vertically align the text to the bottom\nAlign Bottom\ntextalignybottom")},
    {3412, VB_TR_NOOP("StringTable", "Horizontal offset\nHorizontal Offset\ntextoffsetx")},
    {3413, VB_TR_NOOP("StringTable", "Vertical offset\nVertical Offset\ntextoffsety")},
    {3500, VB_TR_NOOP("StringTable", "Output\nOutput\noutput")},
    {3501,
     VB_TR_NOOP(
         "StringTable",
         "Tokenize/Compress the parameters for the project\nTokenize/Compress\noutputtokenize")},
    {3502, VB_TR_NOOP("StringTable",
                      "Specify how often to refresh the display\nRefresh Rate\noutputrefresh")},
    {3503, VB_TR_NOOP("StringTable",
                      "Specify project options in an input file\nRead From File\noutputreadfile")},
    {3504,
     VB_TR_NOOP("StringTable",
                "Specify the details of the file to read\nInput File Details\noutputdetails")},
    {3505, VB_TR_NOOP("StringTable",
                      "Specify how often to refresh the display\nRefresh Rate\noutputrefresh")},
    {3506, VB_TR_NOOP("StringTable",
                      "Relative path on server to store class files\nRelative Server Path (Code "
                      "Base)\noutputcodebase")},
    {3600, VB_TR_NOOP("StringTable", "VelkoScript\nVelkoScript\nscript")},
    {3601, VB_TR_NOOP("StringTable",
                      "The script to execute before buttons are created\nBefore Script "
                      "(Initialize)\nscriptbefore")},
    {3602,
     VB_TR_NOOP("StringTable", "Add a predefined action\nAdd Before Action\nscriptbeforeadd")},
    {3603,
     VB_TR_NOOP("StringTable",
                "The script to execute after the buttons are created\nAfter Script\nscriptafter")},
    {3604, VB_TR_NOOP("StringTable", "Add a predefined action\nAdd After Action\nscriptafteradd")},
    {3700, VB_TR_NOOP("StringTable", "Non Java Browser\nNon Java Browser\nnonjava")},
    {3701,
     VB_TR_NOOP("StringTable",
                "The message shown by browsers that cannot run Java\nNon Java Message\nnonjava")},
    {3800, VB_TR_NOOP("StringTable", "Mouse Leave Script\nLeave\nleave")},
    {3801,
     VB_TR_NOOP(
         "StringTable",
         "Enter Mouse Leave VelkoScript Actions\nMouse Leave VelkoScript Actions\nleavescript")},
    {3802, VB_TR_NOOP("StringTable", "Add a predefined VelkoScript Action\nAdd Action\nleaveadd")},
    {10011, VB_TR_NOOP("StringTable", "Publish the project\nPublish\npublish")},
    {10012, VB_TR_NOOP("StringTable",
                       "Copy the HTML segment for the project to the clipboard\nCopy to "
                       "Clipboard\npublishclipboard")},
    {10013,
     VB_TR_NOOP(
         "StringTable",
         "Create a HTML document containing the project\nCreate HTML Document\npublishfile")},
    {10015, VB_TR_NOOP("StringTable", "The resources used by the project\nResources\nresources")},
    {10016, VB_TR_NOOP("StringTable",
                       "Copy the selected files to a local folder\nCopy Locally\nresourcescopy")},
    {10017,
     VB_TR_NOOP("StringTable",
                "The files to copy to your server beside the page\nResource Files\nresourceslist")},
    {10018,
     VB_TR_NOOP("StringTable", "Select every file of the list\nSelect All\nresourcesselectall")},
    {10019, VB_TR_NOOP("StringTable", "The HTML code of the project\nHTML Code\nresourceshtml")},
    {10020, VB_TR_NOOP("StringTable", "Copying the selected files\nCopy\nresourcescopy")},
    {15001, VB_TR_NOOP("StringTable", "Visit the Velko home page\nVelko on the Web\nhelpweb")},
    {15003, VB_TR_NOOP("StringTable",
                       "Show the frequently asked questions on the web\nOnline FAQ\nhelpfaq")},
    {15006,
     VB_TR_NOOP("StringTable", "Stop previewing the project\nStop Internal Preview\ngeneratestop")},
    {15007,
     VB_TR_NOOP("StringTable", "Show or hide the Info/Preview window\nInfo/Preview\nviewinfo")},
    {15008,
     VB_TR_NOOP("StringTable", "Show, hide or customise the toolbars\nToolbars\nviewtoolbars")},
    {15009, VB_TR_NOOP("StringTable", "Change the program's options\nOptions\nviewoptions")},
    {15010, VB_TR_NOOP("StringTable", "Show the list of help topics\nHelp Contents\nhelpcontents")},
    {15011,
     VB_TR_NOOP("StringTable", "Go back to the previous help topic\nPrevious Topic\nhelpprevious")},
    {15012, VB_TR_NOOP("StringTable",
                       "Keep the current help topic while moving around\nLock Topic\nhelplock")},
    {15013, VB_TR_NOOP("StringTable",
                       "Preview project in external browser\nExternal Preview\ngenerateexternal")},
    {15014,
     VB_TR_NOOP("StringTable",
                "Publish the project to the clipboard or an HTML file\nPublish\ngeneratepublish")},
    {15015, VB_TR_NOOP("StringTable", "Preview the project\nPreview/Reload\ngeneratepreview")},
    {15016,
     VB_TR_NOOP("StringTable", "Show or hide the live view of the buttons\nLive View\nviewlive")},
    {40037,
     VB_TR_NOOP("StringTable", "Insert the year with two digits\nYear (short)\ntextdynamic")},
    {40038,
     VB_TR_NOOP("StringTable", "Insert the year with four digits\nYear (long)\ntextdynamic")},
    {40039,
     VB_TR_NOOP("StringTable", "Insert the number of the month\nMonth (number)\ntextdynamic")},
    {40040, VB_TR_NOOP("StringTable", "Insert the name of the month\nMonth (name)\ntextdynamic")},
    {40041, VB_TR_NOOP("StringTable", "Insert the day of the month\nDay (date)\ntextdynamic")},
    {40042, VB_TR_NOOP("StringTable", "Insert the name of the day\nDay (name)\ntextdynamic")},
    {40043, VB_TR_NOOP("StringTable", "Insert the number of the week day\nWeek Day\ntextdynamic")},
    {40044, VB_TR_NOOP("StringTable",
                       "Insert the hours in 12 hour format\nHours (12 hour format)\ntextdynamic")},
    {40045, VB_TR_NOOP("StringTable",
                       "Insert the hours in 24 hour format\nHours (24 hour format)\ntextdynamic")},
    {40046, VB_TR_NOOP("StringTable", "Insert the minutes\nMinutes\ntextdynamic")},
    {40047, VB_TR_NOOP("StringTable", "Insert the seconds\nSeconds\ntextdynamic")},
    {40048, VB_TR_NOOP("StringTable", "Insert the meridiem (AM or PM)\nMeridiem\ntextdynamic")},
    {40049, VB_TR_NOOP("StringTable",
                       "Insert the time in 12 hour format\nTime (12 hour format)\ntextdynamic")},
    {40050, VB_TR_NOOP("StringTable",
                       "Insert the time in 24 hour format\nTime (24 hour format)\ntextdynamic")},
    {40053,
     VB_TR_NOOP("StringTable", "Insert the local time and date\nTime & Date (Local)\ntextdynamic")},
    {40128, VB_TR_NOOP("StringTable", "Create a new button\nNew Button\nbuttonnew")},
    {40129, VB_TR_NOOP("StringTable", "Delete the selected button\nDelete Button\nbuttondelete")},
    {40130, VB_TR_NOOP("StringTable", "Move the selected button up\nMove Button Up\nbuttonmoveup")},
    {40131,
     VB_TR_NOOP("StringTable", "Move the selected button down\nMove Button Down\nbuttonmovedown")},
    {40132,
     VB_TR_NOOP("StringTable", "Duplicate the selected button\nDuplicate Button\nbuttonduplicate")},
    {40133,
     VB_TR_NOOP(
         "StringTable",
         "Copy the selected state, or one of its groups, to the button's other two states\nCopy to "
         "Other States\neditcopystates")},
    {40134,
     VB_TR_NOOP(
         "StringTable",
         "Paste the copied item's look onto every selected item of its kind, keeping their "
         "captions, links, tool tips, status texts and scripts\nPaste Style\neditpastestyle")},
    {40139, VB_TR_NOOP("StringTable", "Insert the date as yy/mm/dd\nDate (yy/mm/dd)\ntextdynamic")},
    {40140, VB_TR_NOOP("StringTable", "Insert the date as mm/dd/yy\nDate (mm/dd/yy)\ntextdynamic")},
    {40141, VB_TR_NOOP("StringTable", "Insert the date as dd/mm/yy\nDate (dd/mm/yy)\ntextdynamic")},
    {40142,
     VB_TR_NOOP("StringTable", "Show or hide the Properties window\nProperties\nviewproperties")},
    {40150, VB_TR_NOOP("StringTable",
                       "Select the Up state of every selected button, or of every button\nUp "
                       "States\nselectstates")},
    {40151, VB_TR_NOOP("StringTable",
                       "Select the Over state of every selected button, or of every button\nOver "
                       "States\nselectstates")},
    {40152, VB_TR_NOOP("StringTable",
                       "Select the Down state of every selected button, or of every button\nDown "
                       "States\nselectstates")},
    {40153,
     VB_TR_NOOP(
         "StringTable",
         "Select the Text item of that state in every selected button\nText Items\nselectstates")},
    {40154, VB_TR_NOOP("StringTable",
                       "Select the Border item of that state in every selected button\nBorder "
                       "Items\nselectstates")},
    {40155, VB_TR_NOOP("StringTable",
                       "Select the Audio item of that state in every selected button\nAudio "
                       "Items\nselectstates")},
    {40156, VB_TR_NOOP("StringTable",
                       "Select the Image item of that state in every selected button\nImage "
                       "Items\nselectstates")},
    {40157, VB_TR_NOOP("StringTable",
                       "Select the Advanced item of that state in every selected button\nAdvanced "
                       "Items\nselectstates")},
    {40158,
     VB_TR_NOOP("StringTable",
                "Type the caption on the current button in the Live View\nEdit Caption\nviewlive")},
    {40160,
     VB_TR_NOOP(
         "StringTable",
         "Show the table of every button's name, caption, link, target, tool tip and status text\n"
         "Buttons Table\nviewbuttontable")},
    {40180, VB_TR_NOOP("StringTable",
                       "Read the project's file again with its texts in another code page\nReopen "
                       "with Encoding\nfileopen")},
    {40181, VB_TR_NOOP("StringTable",
                       "Read the project's file again with its 8-bit texts in Central European "
                       "(Windows-1250)\nReopen as Windows-1250\nfileopen")},
    {40182, VB_TR_NOOP("StringTable",
                       "Read the project's file again with its 8-bit texts in Cyrillic "
                       "(Windows-1251)\nReopen as Windows-1251\nfileopen")},
    {40183, VB_TR_NOOP("StringTable",
                       "Read the project's file again with its 8-bit texts in Greek "
                       "(Windows-1253)\nReopen as Windows-1253\nfileopen")},
    {40184, VB_TR_NOOP("StringTable",
                       "Read the project's file again with its 8-bit texts in Turkish "
                       "(Windows-1254)\nReopen as Windows-1254\nfileopen")},
    {40185, VB_TR_NOOP("StringTable",
                       "Read the project's file again with its 8-bit texts in Baltic "
                       "(Windows-1257)\nReopen as Windows-1257\nfileopen")},
    {40186, VB_TR_NOOP("StringTable",
                       "Read the project's file again with its 8-bit texts in Western "
                       "(Windows-1252)\nReopen as Windows-1252\nfileopen")},
    {57345, VB_TR_NOOP("StringTable", "For Help, press F1")},
    {57600, VB_TR_NOOP("StringTable", "Create a new project\nNew Project\nfilenew")},
    {57601, VB_TR_NOOP("StringTable", "Open an existing project\nOpen Project\nfileopen")},
    {57603, VB_TR_NOOP("StringTable", "Save the project\nSave Project\nfilesave")},
    {57604, VB_TR_NOOP("StringTable", "Save the project under a new name\nSave As\nfilesaveas")},
    {57616, VB_TR_NOOP("StringTable", "Open this project\nRecent File\nfilerecent")},
    {57632, VB_TR_NOOP("StringTable", "Delete the selected button\nDelete\nbuttondelete")},
    {57634, VB_TR_NOOP("StringTable", "Copy the selection to the clipboard\nCopy\neditcopy")},
    {57635, VB_TR_NOOP("StringTable", "Cut the selection to the clipboard\nCut\neditcut")},
    {57637, VB_TR_NOOP("StringTable", "Paste the clipboard contents\nPaste\neditpaste")},
    {57643, VB_TR_NOOP("StringTable", "Undo the last action\nUndo\neditundo")},
    {57644, VB_TR_NOOP("StringTable", "Redo the action undone last\nRedo\neditredo")},
    {57664,
     VB_TR_NOOP("StringTable",
                "Display program information, version number and copyright\nAbout\nhelpabout")},
    {57665, VB_TR_NOOP("StringTable",
                       "Quit the application; prompts to save the project\nExit\nfileexit")},
    {57669, VB_TR_NOOP("StringTable",
                       "Display help for clicked buttons, menus and windows\nHelp\nhelpcontext")},
    {57670, VB_TR_NOOP("StringTable", "List help topics\nHelp\nhelpcontents")},
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
