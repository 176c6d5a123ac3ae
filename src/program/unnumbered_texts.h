#pragma once

// Texts the program shows that have no id in the string table.

namespace zf::unnumbered {

// Go List and Procedure windows.
inline constexpr const char* kShowListCursorBadList = "Invalid window handle in ShowListCursor()\n";
inline constexpr const char* kHideListCursorBadList = "Invalid window handle in HideListCursor()\n";
inline constexpr const char* kPaintListCursorBadList =
    "Invalid window handle in PaintListCursor()\n";
inline constexpr const char* kInstructionNotFound =
    "Error while looking for an instruction. Click on GO list pane";
inline constexpr const char* kEditorMemoryLow =
    "Warning: Computer memory is low.\nClose another application and try again.";

// Running a Go Program: the control stack could not grow.
inline constexpr const char* kRunMemoryLow = "Warning: Computer memory is low.\n"
                                             "GO Program execution must terminate.\n"
                                             "Close another application and try again.";

// Saving a file over one that exists, with the file's name for %s.
inline constexpr const char* kReplaceFileQuestion =
    "%s already exists.\nDo you want to replace it?";

// File > Recent Files: the path as %s.
inline constexpr const char* kRecentFileMissing =
    "This file can no longer be found:\n%s\n\nIt has been taken off the list.";

// Go Program files.
inline constexpr const char* kSubdirectoryNotFound =
    "Error: The subdirectory required for this operation\n was not found.";
// The text given to every label of a version 0.9 file, which stores none.
inline constexpr const char* kV09LabelText = "Version 1.0 GO Program Labels cannot be converted.";

// Project sub-folder check: one warning put together from these parts and the
// missing folder names.
inline constexpr const char* kSubFolderMissing = "The following sub-folder is missing.\n";
inline constexpr const char* kSubFoldersMissing = "The following sub-folders are missing.\n";
inline constexpr const char* kMayFunctionIncorrectly = "Zarnikfield may function incorrectly.\n\n";
inline constexpr const char* kWillNotOpenProject = "Zarnikfield will not open this Project.\n\n";
// After the names when none of the folders is there: how to mend it.
inline constexpr const char* kProjectFoldersMend =
    "\nTo mend it, copy these folders with their pictures beside the project file, or save it "
    "again where it was made, into a folder of its own.";

// After "This project's Go Program cannot be found.": the file, then the
// folders it was looked for in, one a line.
inline constexpr const char* kGoProgramLookedFor = "\n\n%s was looked for in:\n%s";
// A project saved into a folder of its own whose pictures did not all come
// with it: the folder, then what is missing, one a line.
inline constexpr const char* kLessonNotWhole =
    "The project was saved, but these files could not be copied into\n%s\n\n%s";

// Lesson files refused, with the lesson's path for the first %s; a name
// refused goes in the second.
inline constexpr const char* kLessonNotALesson =
    "%s\n\nThis is not a Zarnikfield Lesson file.\nLesson not opened.";
inline constexpr const char* kLessonDamaged =
    "%s\n\nThis lesson file is damaged or incomplete.\nLesson not opened.";
inline constexpr const char* kLessonCompressed =
    "%s\n\nThis lesson file holds compressed files, which Zarnikfield cannot read.\n"
    "Save the lesson again from Zarnikfield.\nLesson not opened.";
inline constexpr const char* kLessonEncrypted =
    "%s\n\nThis lesson file is locked with a password.\nLesson not opened.";
inline constexpr const char* kLessonUnsafeName =
    "%s\n\nThis lesson file holds a file that does not belong in a lesson:\n%s\n"
    "Lesson not opened.";
inline constexpr const char* kLessonTooLarge =
    "%s\n\nThis lesson file is too large for Zarnikfield.\nLesson not opened.";
inline constexpr const char* kLessonNoProject =
    "%s\n\nThis lesson file holds no project.\nLesson not opened.";
inline constexpr const char* kLessonNotRead = "%s\n\nThis lesson file could not be read.";
// The folder a lesson was to be unpacked into.
inline constexpr const char* kLessonNotUnpacked = "The lesson could not be unpacked into\n%s";

// Opening a predefined project whose copy in the work folder was changed:
// the copy's path, then the name the copy is kept under when starting afresh.
inline constexpr const char* kChangedCopyQuestion =
    "Your Zarnikfield Work folder holds a changed copy of this project:\n%s\n\n"
    "Yes opens your copy.\n"
    "No starts afresh from the original project; your copy is kept as\n%s\n"
    "Cancel opens nothing.";

// Starting the desktop program when it cannot run; the second takes the
// folder of its lock file as %s.
inline constexpr const char* kAlreadyRunningNoAnswer =
    "Zarnikfield is already running, but it does not answer.\n"
    "Close it, then start Zarnikfield again.";
inline constexpr const char* kCannotWriteLock =
    "Zarnikfield cannot start: it cannot write in this folder:\n%s";

// A predefined project cannot be copied into the work folder; the second
// takes the folder as %s.
inline constexpr const char* kNoWorkFolder =
    "Zarnikfield has no Work folder to copy this project into:\n"
    "no home folder is set.\n\nProject not opened.";
inline constexpr const char* kWorkFolderNotWritable =
    "Zarnikfield cannot write in its Work folder:\n%s\n\nProject not opened.";

// Opening a file that is no plain file (a device, a pipe, a folder) or is
// larger than any the program writes.
inline constexpr const char* kGoProgramNotAFile = "Specified Go Program is not a file.";
inline constexpr const char* kGoProgramTooLarge = "Specified Go Program is too large to open.";
inline constexpr const char* kProjectNotAFile = "Specified Project is not a file.";
inline constexpr const char* kProjectTooLarge = "Specified Project is too large to open.";

// Starting the paint package; the last takes the start result as %d.
inline constexpr const char* kPaintFileNotFound =
    "Paint package could not be started.\n"
    "The 'Paint Package' entry in the zfield.ini file refers to a FILE that could not be found.";
inline constexpr const char* kPaintInvalidPath =
    "Paint package could not be started.\n"
    "The 'Paint Package' entry in the zfield.ini file refers to an invalid PATH.";
inline constexpr const char* kPaintStartError =
    "Paint package could not be started.\n"
    "Error no. %d\n"
    "Check that 'Paint Package' entry in zfield.ini file refers to your system's paint package";

// Reading from the robot: the echoed command byte came without the last image byte.
inline constexpr const char* kGotZeroChars = "got 0 chars";
// Added to "not responding": the port digit and the device behind it.
inline constexpr const char* kPortTried = "\n\nPort tried: COM %d (%s)";
// A Get that replaced the program.
inline constexpr const char* kProgramCopiedFromZarnik = "Program copied from Zarnik.";
// What came back down the lead is no robot memory, or holds no program the
// robot could have been given.
inline constexpr const char* kRobotAnswerGarbled =
    "The Floor Zarnik's answer could not be understood.\n"
    "Check the interface lead and that the Zarnik is switched on, then try again.";
inline constexpr const char* kRobotProgramDamaged =
    "The Go Program in the Floor Zarnik's memory is damaged.\n"
    "The current Go Program has not been changed.";

// Communications report: caption of the question whether to save it.
inline constexpr const char* kCommsReportCaption = "Debug Info: Do you want to save this report?";

// Printing: captions, then texts.
inline constexpr const char* kNoBitmap64Caption = "RC_BITMAP64 Not Supported by Printer.";
inline constexpr const char* kNoStretchDibCaption = "RC_STRETCHDIB Not Supported by Printer.";
inline constexpr const char* kPrintingProblemCaption = "Zarnikfield: Printing Problem";
inline constexpr const char* kNoBitmap64 = "This printer/driver does not support large bitmaps.\n"
                                           "This printout may give unexpected results.\n"
                                           "Try printing to another printer instead.";
inline constexpr const char* kNoStretchDib =
    "This printer/driver does not support Zarnikfield printing.\n"
    "Try printing to another printer instead.";
inline constexpr const char* kCannotStartPrinting =
    "Cannot print to the selected printer.\n\nTry selecting a different printer.";
// The working-area print adds the system error code as %d.
inline constexpr const char* kCannotStartPrintingCode =
    "Cannot print to the selected printer.\n\nTry selecting a different printer.\n"
    "--\nStartDoc() failed: GetLastError() returned %d.";
inline constexpr const char* kCannotPrintPage =
    "Cannot print the page.\nTry printing to another printer.";
inline constexpr const char* kCannotEndPage =
    "Cannot end printing the page.\nTry printing to another printer.";
inline constexpr const char* kCannotEndPrinting =
    "Cannot end printing.\nTry printing to another printer.";

// The status line's robot part: changed units while they last, then memory.
inline constexpr const char* kStatusStepUnit = "step %d cm   ";
inline constexpr const char* kStatusTurnUnit = "turn %d°   ";
inline constexpr const char* kStatusMemory = "%d cells used / %d";

} // namespace zf::unnumbered
