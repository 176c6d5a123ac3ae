#include "program/texts_table.h"

namespace zf {

namespace {

// Every string id the program shows, with its text; trailing spaces belong to
// the texts. Sorted by id: TextOf looks ids up by binary search.
constexpr TextEntry kTexts[] = {
    {1, "Back to Main Toolbar"},
    {2, "Warning: Unexpected keypress."},
    {3, "Press bracket key."},
    {4, "Instruction not complete."},
    {5, "Instruction not complete."},
    {6, "Zarnik memory full!"},
    {7, "This will erase a procedure with this number."},
    {8, "Number not expected."},
    {10, "No more numbers allowed here."},
    {11, "Bracket not expected."},
    {14, "Number not expected."},
    {15, "Warning: Computer memory is low."},
    {16, "Zarnik memory full!"},
    {17, "Too many repeats inside repeat commands: maximum is 5."},
    {18, "Instruction not complete."},
    {22, "Please complete the instruction."},
    {23, "Internal error: the Go Program could not be released."},
    {24, "Zarnikfield - Enter Text"},
    {25, "Zarnikfield - Edit Text"},
    {26, "DRAG to Graphics Window"},
    {27, "CLICK on button to add to Go Program"},
    {30, "My Go Program.gop"},
    {31, "Procedure Definition %d is incomplete.\n"
         "Insert a closing bracket to complete the definition."},
    {32, "Cannot open Com Port.\nTry selecting a different Com Port through the Options menu. "},
    {36, "Procedure %d cannot use Procedure %d (use a number HIGHER than %d)."},
    {37, "You are defining Procedure 99.\nThis procedure cannot use any other procedure."},
    {38, "Stamps"},
    {39, "Clear All Objects"},
    {40, "Flip Stamp"},
    {41, "Create and Place Text"},
    {42, "Edit Text"},
    {43, "Clear One Object"},
    {44, "Stamps && Text"},
    {45, "Control the Go Program"},
    {46, "Background Tools"},
    {47, "Zarnik - Position, Shape && Direction"},
    {48, "Run Go Program"},
    {49, "Stop Go Program"},
    {50, "Continue Running"},
    {51, "Reset"},
    {52, "Step Forward"},
    {53, "Set Size of Working Area"},
    {54, "Show/Hide Rulers"},
    {55, "Load or Create Background"},
    {56, "Clear Working Area"},
    {57, "Set Zarnik Shape"},
    {58, "Set Zarnik Position"},
    {59, "Set Zarnik Direction"},
    {62, "Flip Zarnik"},
    {63, "Stamps && Text"},
    {64, "Zarnik - Position, Shape && Heading"},
    {65, "Back to Main Toolbar"},
    {66, "Stamps"},
    {67, "Flip Stamp"},
    {68, "Create Text"},
    {69, "Edit Text"},
    {70, "Back to Main Toolbar"},
    {71, "Set Zarnik Shape"},
    {72, "Set Zarnik Position"},
    {73, "Set Zarnik Direction"},
    {74, "Pen Down"},
    {75, "Pen Up"},
    {76, "Finish defining procedure then clear memory."},
    {77, "There are %d incomplete Repeat instructions - you need to add brackets."},
    {78, "There is an incomplete Repeat instruction - you need to add a bracket."},
    {79, "You have deleted a Repeat instruction.\nDelete the Repeat's end-bracket as well."},
    {80, "There is an incomplete instruction in the Go List."},
    {81, "No Go Program!"},
    {82, "Flip Zarnik"},
    {83, "The Go Program is running"},
    {84, "You need a later version of Zarnikfield to load this Go Program.\n"
         "Go Program version...\n"},
    {87, "Program copied to Zarnik."},
    {89, "The Floor Zarnik is not responding:\n"
         "\n"
         "Is the Floor Zarnik switched on?\n"
         "Is the interface cable connected (at both ends)?\n"
         "\n"
         "(If the Floor Zarnik BUZZED, its Go program is incomplete.)"},
    {90, "Zarnik must stay in working area.\nMaximum values: X = %.1f and Y = %.1f"},
    {93, "The cursor may only be positioned inside a Procedure definition.\n"
         "Begin new Procedure definitions in the Go List."},
    {94, "Your Text"},
    {95, "Zarnik cannot move outside the working area."},
    {96, "This working area is smaller than Zarnik"},
    {97, "Specified Go Program not found"},
    {102, "Do you want to save changes to the Go Program?"},
    {103, "Exit Zarnikfield."},
    {105, "There are %d incomplete Repeat instructions\n"
          "in your procedures - you need to add brackets."},
    {106,
     "There is an incomplete Repeat instruction\nin your procedures - you need to add a bracket."},
    {107, "You have deleted a Repeat instruction from the Procedure List.\n"
          "Delete the Repeat's end-bracket as well."},
    {108, "There is an incomplete instruction in the Procedure List."},
    {1002, "Zarnikfield"},
    {1004, "Clear Memory?\nYes: CM again.\nNo: Any other key."},
    {1005, "zarnikug.hlp"},
    {1006, "zarnikjn.hlp"},
    {1007, "zarnikrt.hlp"},
    {1008, "zfieldug.hlp"},
    {1010, "zfield.ini"},
    {1011, "Floor Zarnik.gop"},
    {1012, "Zarnikfield"},
    {1017, "This project's Go Program is read-only.\n"
           "Save the Go Program under a different name, and then re-save the project."},
    {1019, "This project's Go Program cannot be found."},
    {1020, "Do you want to save the changes to this project?"},
    {1021, "Could not open the specified project. A default project will be created instead"},
    {1022, "The specified project could not be found. A default project will be created instead."},
    {1023, "Changing the size of the Working Area will clear all graphics.\n"
           "Do you want to continue?"},
    {1024, "Resize working area"},
    {1026, "File is not a Zarnikfield Go Program."},
    {1029, "You cannot open a new Go Program while stepping through or running another one"},
    {1030, "You cannot open a new project while stepping through or running a Go Program"},
    {1034, "Internal error: the Go Program's repeats and procedures do not match."},
    {1035, "Save Graphics Window"},
    {1036, "Select a project to open"},
    {1050, "File open error."},
    {1051, "V1.0 header sizes disagree"},
    {1052, "Save Project"},
    {1053, "Save Go Program"},
    {1054, "Cannot allocate enough memory to save bitmap; \n"
           "Shut down another application and try again."},
    {1055, "Cannot allocate enough memory to initialise paint package with a bitmap; \n"
           "Shut down another application and try again."},
    {1056, "Delete procedures in the Go List."},
    {1057, "Do you want to clear all objects from the screen?"},
    {1058, "Do you want to clear the screen of all graphics?"},
    {1059, "Error opening graphics object list file.\nI don't know what it means, either."},
    {1063, "Procedure %d cannot accept another closing bracket."},
    {1064, "Cannot open the Clipboard."},
    {1065, "Warning. There is insufficient memory for this object.\n"
           "Close another application, save your work and try again."},
    {1066, "Do you wish to delete procedure %d ?"},
    {1070, "You have selected a Project by mistake!\nPlease try again. "},
    {1071, "This file is not a valid Project or Go Program."},
    {1072, "Specified Project not found"},
    {1073, "Cannot open the specified Project"},
    {1074, "zflaunch.exe"},
    {1075, "The GO List contains more than 5 Repeats inside Repeat Commands.\n"
           "You must delete %d Repeat command(s)."},
    {1076, "The Procedure List contains more than 5 Repeats inside Repeat Commands.\n"
           "You must delete %d Repeat command(s)."},
    {1078, "A %d is not allowed here.\nUse a number from %d to %d. "},
    {1079, "You need to add a bracket to the end of Procedure %d."},
    {1080, "You must put the bracket at the END of Procedure %d, not here."},
    {1081, "Zarnikfield Launcher not found."},
    {1082, "This project's Zarnik was not found.\n"
           "Zarnikfield will use an alternative Zarnik instead."},
    {1083, "This project cannot find any Zarniks.\n"
           "You need to create a Zarnik for this project to use."},
    {1088, "%s\n\nThis is not a Zarnikfield Project file.\nProject not opened."},
    {1089, "You cannot drag the Zarnik while the Go Program is running."},
    {1090, "Zarnikfield has found empty Procedures, and will delete them\n"
           " so that this command will fit into memory."},
    {1091, "Zarnikfield has found empty Procedures, and will delete them\n"
           " so that the Go Program can be sent to the Zarnik."},
    {1093, "Select a GO Program to open"},
};

} // namespace

std::span<const TextEntry> TextTable() {
    return kTexts;
}

} // namespace zf
