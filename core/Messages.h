// Message texts shown to the user. "%1" and "%2" are replaced by their arguments.
#pragma once

#include <string>

#include "core/Translatable.h"

class Platform;

namespace msg {
inline constexpr const char* kFailedToOpen = VB_TR_NOOP("msg", "Failed to open document.");
inline constexpr const char* kUnexpectedFormat = VB_TR_NOOP("msg", "Unexpected file format.");
inline constexpr const char* kFailedToSave = VB_TR_NOOP("msg", "Failed to save document.");
inline constexpr const char* kFailedToCreateEmpty =
    VB_TR_NOOP("msg", "Failed to create empty document.");
inline constexpr const char* kUnableToWrite =
    VB_TR_NOOP("msg", "Unable to write to %1, it is read-only or opened by someone else.");
inline constexpr const char* kSaveChanges = VB_TR_NOOP("msg", "Save changes to %1?");
inline constexpr const char* kEnterInteger = VB_TR_NOOP("msg", "Please enter an integer.");
inline constexpr const char* kEnterIntegerBetween =
    VB_TR_NOOP("msg", "Please enter an integer between %1 and %2.");
// 507: the published page's default, not an editor text
inline constexpr const char* kNonJavaMessage =
    "Your browser is not Java capable or Java has been disabled.";
// 609, 610, 611
inline constexpr const char* kButtonNameEmpty =
    VB_TR_NOOP("msg", "You must specify a name for each button!");
inline constexpr const char* kProjectIdentifierEmpty =
    VB_TR_NOOP("msg", "You must specifiy a valid Project Identifier for this project!");
inline constexpr const char* kButtonNameDuplicate = VB_TR_NOOP(
    "msg",
    "Another button already has the name '%1'! Please choose a unique name for this button.");
// 10003 ... 10031
inline constexpr const char* kDirectoryMissing =
    VB_TR_NOOP("msg", "Directory '%1' does not exist. Do you wish to create it?");
inline constexpr const char* kCopyingFile = VB_TR_NOOP("msg", "Copying file '%1' ");
inline constexpr const char* kPublishTo = VB_TR_NOOP("msg", "Publish to:");
inline constexpr const char* kPublishSuccess =
    VB_TR_NOOP("msg", "The Publish operation was successful.  All files were copied.");
inline constexpr const char* kCannotCreateDirectory =
    VB_TR_NOOP("msg", "Unable to create directory '%1'!");
inline constexpr const char* kAppletTooLargeForBrowsers = VB_TR_NOOP(
    "msg",
    "The applet is %1 pixels. Browsers draw at most %2 pixels of it, so the buttons beyond are "
    "not shown; the page is published all the same.");
inline constexpr const char* kPublishFailed = VB_TR_NOOP(
    "msg",
    "The Publish operation did not copy all files.  The published project may not work correctly.");
inline constexpr const char* kBrowserFailed = VB_TR_NOOP(
    "msg",
    "There was a problem starting the browser! Make sure the path  to the browser is set "
    "correctly, and there is enough memory.");
inline constexpr const char* kFileMissing = VB_TR_NOOP("msg", "File '%1' is missing!");
inline constexpr const char* kFileUnreadable = VB_TR_NOOP("msg", "File '%1' cannot be read!");
// A project saved into another folder whose files could not all be found.
inline constexpr const char* kFilesNotFoundOnMove = VB_TR_NOOP(
    "msg", "These files of the project were not found, so their names were kept as they are:\n%1");
// Publishing wrote the page and put every file it needs beside it.
inline constexpr const char* kPublishedTo = VB_TR_NOOP(
    "msg", "Published the page '%1' in '%2' with the %3 files it needs beside it (%4 copied now).");
// The Publish dialog's form, filled in wrongly.
inline constexpr const char* kPublishFolderNeeded =
    VB_TR_NOOP("msg", "Please type the folder to publish the page into, or choose it with Browse.");
inline constexpr const char* kPageNameNeeded =
    VB_TR_NOOP("msg", "Please type the page's file name, such as index.html, without a folder.");
// Nothing was written: the files named are missing or cannot be read.
inline constexpr const char* kPublishNothingWritten = VB_TR_NOOP("msg", "Nothing was written.");
// Files in the target folder that hold other bytes than what would be
// written in their place: replaced only when the user agrees (%1: one name a
// line). The command line refuses them unless told to replace them.
inline constexpr const char* kReplaceFiles =
    VB_TR_NOOP("msg",
               "These files in the folder hold something other than what would be written in their "
               "place:\n%1\nReplace them? No writes nothing.");
inline constexpr const char* kReplaceRefused = VB_TR_NOOP(
    "msg",
    "These files in the folder hold something other than what would be written in their place, "
    "so nothing was written (--replace replaces them):");
// Files taken from outside the project's folder, named before anything is
// copied (%1: one name a line); the command line lists them and goes on.
inline constexpr const char* kOutsideFiles = VB_TR_NOOP(
    "msg", "These files lie outside the project's folder:\n%1\nCopy them? No copies nothing.");
inline constexpr const char* kOutsideListed =
    VB_TR_NOOP("msg", "These files lie outside the project's folder:");
inline constexpr const char* kCannotCopy = VB_TR_NOOP("msg", "Unable to copy file '%1' to '%2'!");
inline constexpr const char* kPreviewCopyFailed = VB_TR_NOOP(
    "msg",
    "An error occured while copying files for previewing. Please make sure there is enough disk "
    "space, and that the files exist.");
inline constexpr const char* kClipboardFailed = VB_TR_NOOP("msg", "Failed to open Clipboard!");
// 20308 (the micro sign in UTF-8)
inline constexpr const char* kAudioFormat = VB_TR_NOOP(
    "msg",
    "The audio file '%1' is not in the correct format.  It should be Sun '.au' format, 8000 Hz, "
    "mono, \xC2\xB5-law.");
// Test playback of a sound on a computer without an audio output.
inline constexpr const char* kNoAudioOutput =
    VB_TR_NOOP("msg", "The audio file cannot be tested: no audio output device was found.");

// The Configurable Text page refuses names it cannot keep.
inline constexpr const char* kNameEmpty =
    VB_TR_NOOP("msg", "A name cannot be empty. The old name is kept.");
inline constexpr const char* kTextNotStorable = VB_TR_NOOP(
    "msg", "The text '%1' contains characters that cannot be stored. Please use other characters.");

// The open project's file changed on disk while the editor had it open.
inline constexpr const char* kChangedBeforeSave = VB_TR_NOOP(
    "msg", "%1 was changed by another program since it was opened. Replace it with this project?");
// The bar that offers the changed file, and a reload that could not read it
// (%2 is the reason); the project stays as it is in the editor.
inline constexpr const char* kChangedOnDisk =
    VB_TR_NOOP("msg", "%1 was changed by another program.");
inline constexpr const char* kChangedOnDiskLosing = VB_TR_NOOP(
    "msg",
    "%1 was changed by another program. Reloading it loses the changes made here since it was "
    "last saved.");
inline constexpr const char* kReloadFailed = VB_TR_NOOP(
    "msg",
    "%1 could not be reloaded: %2. The project stays as it is here and is marked as changed, so "
    "that it can be saved.");
inline constexpr const char* kReloadNotProject = VB_TR_NOOP("msg", "it is not a project file");
inline constexpr const char* kReloadNotRegular = VB_TR_NOOP("msg", "it is not a regular file");
inline constexpr const char* kReloadTooLarge =
    VB_TR_NOOP("msg", "it is larger than 256 MiB, more than any project");
// Reopen with Encoding: a project never saved has no file to read; one
// changed since its last save asks first (%2: "Cyrillic (Windows-1251)"); a
// file that cannot be read leaves the project as it is (%2 is the reason).
inline constexpr const char* kReopenNoFile = VB_TR_NOOP(
    "msg", "This project has not been saved to a file yet, so there is nothing to read again.");
inline constexpr const char* kReopenDropsChanges = VB_TR_NOOP(
    "msg",
    "%1 has changes that are not saved. Reading the file again as %2 replaces the project with "
    "what the file holds. Read it again?");
inline constexpr const char* kReopenFailed =
    VB_TR_NOOP("msg", "%1 could not be read again: %2. The project stays as it is.");
// Saving over the open file that another program has replaced by a link.
inline constexpr const char* kLinkReplacedProject = VB_TR_NOOP(
    "msg",
    "%1 has been replaced by a link to %2. Save the project as a file of its own in place of the "
    "link? %2 is left as it is.");
// Paste refuses clipboard data that is not a copied part of a project.
inline constexpr const char* kPasteTooLarge = VB_TR_NOOP(
    "msg",
    "The clipboard holds more than 16 MiB, far more than any copied button or group. Nothing was "
    "pasted.");
inline constexpr const char* kPasteNotGroup = VB_TR_NOOP(
    "msg",
    "The clipboard does not hold a whole copied button or group (it may come from another "
    "program, or be damaged). Nothing was pasted.");
// Paste Style that cannot apply says why in the status bar; nothing changes.
inline constexpr const char* kPasteStyleNothingCopied = VB_TR_NOOP(
    "msg",
    "Paste Style: nothing is copied. Copy the item whose look the others should take first.");
inline constexpr const char* kPasteStyleNoSelection = VB_TR_NOOP(
    "msg", "Paste Style: nothing is selected. Select the items that should take the copied look.");
inline constexpr const char* kPasteStyleOtherKind = VB_TR_NOOP(
    "msg",
    "Paste Style: the copied item is %1, and the selection holds other kinds of items. Select "
    "items of the copied kind only.");
inline constexpr const char* kPasteStyleProject = VB_TR_NOOP(
    "msg",
    "Paste Style: the project has no look to paste. Copy a button, a state or one of a state's "
    "items.");

// Unsaved edits kept when the editor had to end without asking (the session
// ended): %1 the project, %2 the file that holds them.
inline constexpr const char* kRecoveryOffer = VB_TR_NOOP(
    "msg",
    "VelkoButton ended before the changes to %1 were saved. They were kept in '%2'. Open them "
    "now?\n\nYes opens them as unsaved changes to %1. No removes '%2'. Cancel keeps it for the "
    "next start.");
inline constexpr const char* kRecoveryNotKept = VB_TR_NOOP(
    "msg",
    "The unsaved changes to %1 could not be kept: neither the project's folder nor the cache "
    "folder took them.");

// Refusals and failures of the whole-file writer; %1 is the target.
inline constexpr const char* kSameAsInput =
    VB_TR_NOOP("msg", "'%1' is the same file as the input '%2'; it was not replaced.");
inline constexpr const char* kNotRegularFile =
    VB_TR_NOOP("msg", "'%1' is not a regular file; it was not replaced.");
inline constexpr const char* kReadOnlyFile =
    VB_TR_NOOP("msg", "'%1' is read-only; it was not replaced.");
inline constexpr const char* kProgramFile =
    VB_TR_NOOP("msg", "'%1' is a program (it may be run); it was not replaced.");
inline constexpr const char* kCannotWriteFile =
    VB_TR_NOOP("msg", "Unable to write '%1': %2. Any file of that name is unchanged.");
// A file the program cannot read (a pipe, device or directory, or missing).
inline constexpr const char* kCannotReadFile = VB_TR_NOOP("msg", "Unable to read '%1': %2.");
// A picked file whose name a project cannot store.
inline constexpr const char* kNameNotStorable = VB_TR_NOOP(
    "msg",
    "The file name '%1' contains characters that cannot be stored in the project. Please rename "
    "the file or choose another one.");

// Publishing refuses, before anything is copied, what would lose a file or
// copy one the page cannot use.
inline constexpr const char* kResourceNameClash = VB_TR_NOOP(
    "msg",
    "'%1' and '%2' have the same file name and cannot both be copied beside the page. Nothing "
    "was copied.");
inline constexpr const char* kResourceReplaces =
    VB_TR_NOOP("msg", "Copying '%1' would replace '%2'. Nothing was copied.");
inline constexpr const char* kResourceCaseClash = VB_TR_NOOP(
    "msg",
    "'%1' and '%2' have file names that differ only in case, which a server may take for one, "
    "and cannot both be copied beside the page. Nothing was copied.");
// What follows the gate's refusal of a file when publishing.
inline constexpr const char* kNothingCopied = VB_TR_NOOP("msg", " Nothing was copied.");
inline constexpr const char* kResourceTooLargeToShow = VB_TR_NOOP(
    "msg",
    "'%1' is larger than 64 MiB, more than any image or sound of a page needs; it is not shown.");
inline constexpr const char* kTargetNotFile = VB_TR_NOOP(
    "msg",
    "'%1' is a link, a folder or a special file, so nothing is written through it. Nothing was "
    "copied.");

// The gate every file a project names passes before it is read or copied
// (output/FileGate.h): why a file is refused.
inline constexpr const char* kFileNameControl = VB_TR_NOOP(
    "msg",
    "The file name '%1' holds control characters (shown here as ^ and a letter), so the file "
    "is not used.");
inline constexpr const char* kFileNotMedia =
    VB_TR_NOOP("msg", "'%1' is not an image or sound file that a page can use.");
inline constexpr const char* kFileTooLarge =
    VB_TR_NOOP("msg", "'%1' is larger than 64 MiB, more than any image or sound of a page needs.");
inline constexpr const char* kFileNameServed =
    VB_TR_NOOP("msg", "'%1' is named like a file that a web server runs or shows as a page.");
inline constexpr const char* kFileNameMisfit =
    VB_TR_NOOP("msg", "'%1' holds %2, but its name does not end in %3.");
inline constexpr const char* kFileNameMisfitInput = VB_TR_NOOP(
    "msg", "'%1' holds parameters, but its name ends like an image's, sound's or font's.");
inline constexpr const char* kFileNameServerSettings =
    VB_TR_NOOP("msg", "'%1' is named like a file that a web server reads its settings from.");
inline constexpr const char* kFileWrongKind =
    VB_TR_NOOP("msg", "'%1' is not what the page uses it as: %2.");
inline constexpr const char* kFileChangedAfterCheck =
    VB_TR_NOOP("msg", "the file changed after it was checked");
inline constexpr const char* kFileActiveSvg = VB_TR_NOOP(
    "msg",
    "'%1' is an SVG image that holds a script, an event attribute, a javascript: link or a "
    "foreign object.");
// The Live View and the preview leave out files that a server could take for one.
inline constexpr const char* kCaseClashNotShown = VB_TR_NOOP(
    "msg",
    "'%1' and '%2' have file names that differ only in case, which a server may take for one; "
    "neither is shown.");

// A caption whose colour is too close to the colour behind it (%1 its
// contrast ratio, %2 the least that reads well), on the Text page and under
// the Live View.
inline constexpr const char* kContrastLow =
    VB_TR_NOOP("msg", "Contrast %1 \xE2\x80\x94 hard to read; %2 or more reads well");
// Under the Live View: the states beside the one shown whose captions are
// hard to read (%1: "Home Over 2.9:1, ...").
inline constexpr const char* kContrastAlsoLow = VB_TR_NOOP("msg", "Also below %1: %2");
inline constexpr const char* kContrastOthersLow =
    VB_TR_NOOP("msg", "Captions hard to read (below %1): %2");

// `text` with the system's reason for a failure after it.
std::string WithReason(const std::string& text, const std::string& reason);

// Replaces "%1" to "%4" in `text`.
std::string Format(const std::string& text, const std::string& a1, const std::string& a2 = {},
                   const std::string& a3 = {}, const std::string& a4 = {});
// The same with `text` in the user's language first (Platform::Translate),
// so that the arguments go into the translated text.
std::string Format(Platform& platform, const char* text, const std::string& a1,
                   const std::string& a2 = {}, const std::string& a3 = {},
                   const std::string& a4 = {});
// A text of this file without arguments, in the user's language.
std::string Text(Platform& platform, const char* text);
}  // namespace msg
