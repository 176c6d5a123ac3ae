<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Messages</name>
    <message>
        <source>Back to Main Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: Unexpected keypress.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press bracket key.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instruction not complete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zarnik memory full!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This will erase a procedure with this number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number not expected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No more numbers allowed here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bracket not expected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: Computer memory is low.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too many repeats inside repeat commands: maximum is 5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please complete the instruction.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internal error: the Go Program could not be released.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zarnikfield - Enter Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zarnikfield - Edit Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DRAG to Graphics Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CLICK on button to add to Go Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Procedure Definition %d is incomplete.
Insert a closing bracket to complete the definition.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open Com Port.
Try selecting a different Com Port through the Options menu. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Procedure %d cannot use Procedure %d (use a number HIGHER than %d).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are defining Procedure 99.
This procedure cannot use any other procedure.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stamps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear All Objects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flip Stamp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create and Place Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear One Object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stamps &amp;&amp; Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control the Go Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zarnik - Position, Shape &amp;&amp; Direction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run Go Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Go Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue Running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Size of Working Area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show/Hide Rulers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load or Create Background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Working Area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Zarnik Shape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Zarnik Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Zarnik Direction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flip Zarnik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zarnik - Position, Shape &amp;&amp; Heading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pen Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pen Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish defining procedure then clear memory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are %d incomplete Repeat instructions - you need to add brackets.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is an incomplete Repeat instruction - you need to add a bracket.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have deleted a Repeat instruction.
Delete the Repeat&apos;s end-bracket as well.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is an incomplete instruction in the Go List.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Go Program!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Go Program is running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You need a later version of Zarnikfield to load this Go Program.
Go Program version...
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program copied to Zarnik.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Floor Zarnik is not responding:

Is the Floor Zarnik switched on?
Is the interface cable connected (at both ends)?

(If the Floor Zarnik BUZZED, its Go program is incomplete.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zarnik must stay in working area.
Maximum values: X = %.1f and Y = %.1f</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cursor may only be positioned inside a Procedure definition.
Begin new Procedure definitions in the Go List.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zarnik cannot move outside the working area.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This working area is smaller than Zarnik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Specified Go Program not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to save changes to the Go Program?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit Zarnikfield.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are %d incomplete Repeat instructions
in your procedures - you need to add brackets.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is an incomplete Repeat instruction
in your procedures - you need to add a bracket.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have deleted a Repeat instruction from the Procedure List.
Delete the Repeat&apos;s end-bracket as well.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is an incomplete instruction in the Procedure List.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zarnikfield</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Memory?
Yes: CM again.
No: Any other key.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This project&apos;s Go Program is read-only.
Save the Go Program under a different name, and then re-save the project.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This project&apos;s Go Program cannot be found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to save the changes to this project?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not open the specified project. A default project will be created instead</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The specified project could not be found. A default project will be created instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changing the size of the Working Area will clear all graphics.
Do you want to continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resize working area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File is not a Zarnikfield Go Program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You cannot open a new Go Program while stepping through or running another one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You cannot open a new project while stepping through or running a Go Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internal error: the Go Program&apos;s repeats and procedures do not match.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Graphics Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a project to open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File open error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V1.0 header sizes disagree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Go Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot allocate enough memory to save bitmap; 
Shut down another application and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot allocate enough memory to initialise paint package with a bitmap; 
Shut down another application and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete procedures in the Go List.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to clear all objects from the screen?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to clear the screen of all graphics?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error opening graphics object list file.
I don&apos;t know what it means, either.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Procedure %d cannot accept another closing bracket.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open the Clipboard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning. There is insufficient memory for this object.
Close another application, save your work and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you wish to delete procedure %d ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have selected a Project by mistake!
Please try again. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file is not a valid Project or Go Program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Specified Project not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open the specified Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The GO List contains more than 5 Repeats inside Repeat Commands.
You must delete %d Repeat command(s).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Procedure List contains more than 5 Repeats inside Repeat Commands.
You must delete %d Repeat command(s).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A %d is not allowed here.
Use a number from %d to %d. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You need to add a bracket to the end of Procedure %d.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must put the bracket at the END of Procedure %d, not here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zarnikfield Launcher not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This project&apos;s Zarnik was not found.
Zarnikfield will use an alternative Zarnik instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This project cannot find any Zarniks.
You need to create a Zarnik for this project to use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s

This is not a Zarnikfield Project file.
Project not opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You cannot drag the Zarnik while the Go Program is running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zarnikfield has found empty Procedures, and will delete them
 so that this command will fit into memory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zarnikfield has found empty Procedures, and will delete them
 so that the Go Program can be sent to the Zarnik.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a GO Program to open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid window handle in ShowListCursor()
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid window handle in HideListCursor()
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid window handle in PaintListCursor()
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error while looking for an instruction. Click on GO list pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: Computer memory is low.
Close another application and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: Computer memory is low.
GO Program execution must terminate.
Close another application and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s already exists.
Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file can no longer be found:
%s

It has been taken off the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: The subdirectory required for this operation
 was not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The following sub-folder is missing.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The following sub-folders are missing.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zarnikfield may function incorrectly.

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zarnikfield will not open this Project.

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
To mend it, copy these folders with their pictures beside the project file, or save it again where it was made, into a folder of its own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

%s was looked for in:
%s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The project was saved, but these files could not be copied into
%s

%s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Zarnikfield Work folder holds a changed copy of this project:
%s

Yes opens your copy.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zarnikfield is already running, but it does not answer.
Close it, then start Zarnikfield again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zarnikfield cannot start: it cannot write in this folder:
%s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zarnikfield has no Work folder to copy this project into:
no home folder is set.

Project not opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zarnikfield cannot write in its Work folder:
%s

Project not opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Specified Go Program is not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Specified Go Program is too large to open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Specified Project is not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Specified Project is too large to open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paint package could not be started.
The &apos;Paint Package&apos; entry in the zfield.ini file refers to a FILE that could not be found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paint package could not be started.
The &apos;Paint Package&apos; entry in the zfield.ini file refers to an invalid PATH.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paint package could not be started.
Error no. %d
Check that &apos;Paint Package&apos; entry in zfield.ini file refers to your system&apos;s paint package</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>got 0 chars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

Port tried: COM %d (%s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program copied from Zarnik.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Floor Zarnik&apos;s answer could not be understood.
Check the interface lead and that the Zarnik is switched on, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Go Program in the Floor Zarnik&apos;s memory is damaged.
The current Go Program has not been changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Debug Info: Do you want to save this report?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RC_BITMAP64 Not Supported by Printer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RC_STRETCHDIB Not Supported by Printer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zarnikfield: Printing Problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This printer/driver does not support large bitmaps.
This printout may give unexpected results.
Try printing to another printer instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This printer/driver does not support Zarnikfield printing.
Try printing to another printer instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot print to the selected printer.

Try selecting a different printer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot print to the selected printer.

Try selecting a different printer.
--
StartDoc() failed: GetLastError() returned %d.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot print the page.
Try printing to another printer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot end printing the page.
Try printing to another printer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot end printing.
Try printing to another printer.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zf::ui::MainWindow</name>
    <message>
        <source>Sending the Go Program to the Floor Zarnik...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Getting the Go Program from the Floor Zarnik...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zf::ui::ProcedurePane</name>
    <message>
        <source>Show the Procedure window under or beside the Go List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beside</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Under</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zf::ui::ProjectorMode</name>
    <message>
        <source>F&amp;ull Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zf::ui::WorkingAreaCommands</name>
    <message>
        <source>Include the &amp;Zarnik</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
