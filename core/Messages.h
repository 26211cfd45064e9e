// Message texts shown to the user. "%1" and "%2" are replaced by their arguments.
#pragma once

#include <string>

namespace msg {
inline constexpr const char* kFailedToOpen = "Failed to open document.";
inline constexpr const char* kUnexpectedFormat = "Unexpected file format.";
inline constexpr const char* kFailedToSave = "Failed to save document.";
inline constexpr const char* kFailedToCreateEmpty = "Failed to create empty document.";
inline constexpr const char* kUnableToWrite =
    "Unable to write to %1, it is read-only or opened by someone else.";
inline constexpr const char* kSaveChanges = "Save changes to %1?";
inline constexpr const char* kEnterInteger = "Please enter an integer.";
inline constexpr const char* kEnterIntegerBetween = "Please enter an integer between %1 and %2.";
// 507
inline constexpr const char* kNonJavaMessage =
    "Your browser is not Java capable or Java has been disabled.";
// 609, 610, 611
inline constexpr const char* kButtonNameEmpty = "You must specify a name for each button!";
inline constexpr const char* kProjectIdentifierEmpty =
    "You must specifiy a valid Project Identifier for this project!";
inline constexpr const char* kButtonNameDuplicate =
    "Another button already has the name '%1'! Please choose a unique name for this button.";
// 10003 ... 10031
inline constexpr const char* kDirectoryMissing =
    "Directory '%1' does not exist. Do you wish to create it?";
inline constexpr const char* kCopyingFile = "Copying file '%1' ";
inline constexpr const char* kPublishTo = "Publish to:";
inline constexpr const char* kPublishSuccess =
    "The Publish operation was successful.  All files were copied.";
inline constexpr const char* kCannotCreateDirectory = "Unable to create directory '%1'!";
inline constexpr const char* kAppletTooLargeForBrowsers =
    "The applet is %1 pixels. Browsers draw at most %2 pixels of it, so the buttons beyond are "
    "not shown; the page is published all the same.";
inline constexpr const char* kPublishFailed =
    "The Publish operation did not copy all files.  The published project may not work correctly.";
inline constexpr const char* kBrowserFailed =
    "There was a problem starting the browser! Make sure the path  to the browser is set "
    "correctly, and there is enough memory.";
inline constexpr const char* kFileMissing = "File '%1' is missing!";
inline constexpr const char* kFileUnreadable = "File '%1' cannot be read!";
// A project saved into another folder whose files could not all be found.
inline constexpr const char* kFilesNotFoundOnMove =
    "These files of the project were not found, so their names were kept as they are:\n%1";
// Publishing wrote the page and put every file it needs beside it.
inline constexpr const char* kPublishedTo =
    "Published the page '%1' in '%2' with the %3 files it needs beside it (%4 copied now).";
// Nothing was written: the files named are missing or cannot be read.
inline constexpr const char* kPublishNothingWritten = "Nothing was written.";
// Files in the target folder that hold other bytes than what would be
// written in their place: replaced only when the user agrees (%1: one name a
// line). The command line refuses them unless told to replace them.
inline constexpr const char* kReplaceFiles =
    "These files in the folder hold something other than what would be written in their "
    "place:\n%1\nReplace them? No writes nothing.";
inline constexpr const char* kReplaceRefused =
    "These files in the folder hold something other than what would be written in their place, "
    "so nothing was written (--replace replaces them):";
// Files taken from outside the project's folder, named before anything is
// copied (%1: one name a line); the command line lists them and goes on.
inline constexpr const char* kOutsideFiles =
    "These files lie outside the project's folder:\n%1\nCopy them? No copies nothing.";
inline constexpr const char* kOutsideListed = "These files lie outside the project's folder:";
inline constexpr const char* kCannotCopy = "Unable to copy file '%1' to '%2'!";
inline constexpr const char* kPreviewCopyFailed =
    "An error occured while copying files for previewing. Please make sure there is enough disk "
    "space, and that the files exist.";
inline constexpr const char* kClipboardFailed = "Failed to open Clipboard!";
// 20308 (the micro sign is the Windows-1252 byte 0xB5)
inline constexpr const char* kAudioFormat =
    "The audio file '%1' is not in the correct format.  It should be Sun '.au' format, 8000 Hz, "
    "mono, \xB5-law.";
// Test playback of a sound on a computer without an audio output.
inline constexpr const char* kNoAudioOutput =
    "The audio file cannot be tested: no audio output device was found.";

// The Configurable Text page refuses names it cannot keep.
inline constexpr const char* kNameEmpty = "A name cannot be empty. The old name is kept.";
inline constexpr const char* kTextNotStorable =
    "The text '%1' contains characters that cannot be stored. Please use other characters.";

// The open project's file changed on disk while the editor had it open.
inline constexpr const char* kChangedBeforeSave =
    "%1 was changed by another program since it was opened. Replace it with this project?";
inline constexpr const char* kChangedReload = "%1 was changed by another program. Reload it?";
inline constexpr const char* kChangedReloadLosing =
    "%1 was changed by another program. Reload it? The changes made here since it was last "
    "saved would be lost.";

// Refusals and failures of the whole-file writer; %1 is the target.
inline constexpr const char* kSameAsInput =
    "'%1' is the same file as the input '%2'; it was not replaced.";
inline constexpr const char* kNotRegularFile = "'%1' is not a regular file; it was not replaced.";
inline constexpr const char* kReadOnlyFile = "'%1' is read-only; it was not replaced.";
inline constexpr const char* kProgramFile =
    "'%1' is a program (it may be run); it was not replaced.";
inline constexpr const char* kCannotWriteFile =
    "Unable to write '%1': %2. Any file of that name is unchanged.";
// A file the program cannot read (a pipe, device or directory, or missing).
inline constexpr const char* kCannotReadFile = "Unable to read '%1': %2.";
// A picked file whose name a project cannot store.
inline constexpr const char* kNameNotStorable =
    "The file name '%1' contains characters that cannot be stored in the project. Please rename "
    "the file or choose another one.";

// Publishing refuses, before anything is copied, what would lose a file or
// copy one the page cannot use.
inline constexpr const char* kResourceNameClash =
    "'%1' and '%2' have the same file name and cannot both be copied beside the page. Nothing "
    "was copied.";
inline constexpr const char* kResourceNotMedia =
    "'%1' is not an image or sound file that a page can use. Nothing was copied.";
inline constexpr const char* kResourceReplaces =
    "Copying '%1' would replace '%2'. Nothing was copied.";
inline constexpr const char* kResourceTooLarge =
    "'%1' is larger than 64 MiB, more than any image or sound of a page needs. Nothing was "
    "copied.";
inline constexpr const char* kResourceTooLargeToShow =
    "'%1' is larger than 64 MiB, more than any image or sound of a page needs; it is not shown.";
inline constexpr const char* kTargetNotFile =
    "'%1' is a link, a folder or a special file, so nothing is written through it. Nothing was "
    "copied.";

// `text` with the system's reason for a failure after it.
std::string WithReason(const std::string& text, const std::string& reason);

// Replaces "%1" and "%2" in `text`.
std::string Format(const std::string& text, const std::string& a1, const std::string& a2 = {},
                   const std::string& a3 = {}, const std::string& a4 = {});
}  // namespace msg
