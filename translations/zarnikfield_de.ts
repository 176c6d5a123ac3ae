<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>FileTypes</name>
    <message>
        <source>Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go Program</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>L&amp;anguage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy Working Area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear &amp;Memory (CM)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Floor &amp;Zarnik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(You will need a Zarnik Interface Lead for this)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Send GO Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Get GO Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Activity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Journeys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Routes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Default Layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Procedure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zarnik&amp;field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Zarnik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N&amp;ew Go Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open &amp;Activity...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open &amp;Project...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open &amp;Go Program...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent &amp;Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save P&amp;roject...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Go Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save G&amp;o Program...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;Working Area...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pri&amp;nt Go Program...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prin&amp;t Working Area...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Listing Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Zarnik Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Slow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Instant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tooltips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Com Port</source>
        <translation type="unfinished"></translation>
    </message>
</context>
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
    <name>Panes</name>
    <message>
        <source>Graphics Library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Procedure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beside</source>
        <extracomment>The button moving the Procedure window beside or under the Go List.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Under</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Page %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tooltips</name>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
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
</context>
<context>
    <name>zf::ui::AbortDialog</name>
    <message>
        <source>Zarnikfield - Printing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zarnikfield is printing...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zf::ui::AboutBox</name>
    <message>
        <source>About Zarnikfield</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A programming environment for the Floor Zarnik floor robot: key a Go Program on the robot&apos;s own keypad, watch it run on the working area, then send it to the robot down its lead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zarnikfield is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License as published by the Free Software Foundation, either version 3 of the License, or (at your option) any later version. It is distributed in the hope that it will be useful, but WITHOUT ANY WARRANTY; without even the implied warranty of MERCHANTABILITY or FITNESS FOR A PARTICULAR PURPOSE.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GNU General Public License, version 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This program uses the Qt libraries, version %1, under the GNU Lesser General Public License version 3. They are linked dynamically: you may replace them with your own build of Qt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GNU Lesser General Public License, version 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Qt libraries and their sources</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zf::ui::ActivityLauncher</name>
    <message>
        <source>Zarnikfield Activities</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose an activity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click a picture to open its project in Zarnikfield. The help&apos;s Activity books describe what to do with each one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no activities in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zarnikfield could not be started:
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zf::ui::BackgroundDialog</name>
    <message>
        <source>Load or Create Background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;reate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zf::ui::DesktopUi</name>
    <message>
        <source>Zarnikfield - Procedure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zf::ui::EnterTextDialog</name>
    <message>
        <source>&amp;Type your text here:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Font...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;olour...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The text will be this big:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Zarnik
is this big:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Place Text...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zf::ui::FileListDialog</name>
    <message>
        <source>&amp;Choose a file from the list:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GO Program</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zf::ui::HeadingDialog</name>
    <message>
        <source>Set Zarnik Heading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clockwise:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Anticlockwise:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zf::ui::HelpViewer</name>
    <message>
        <source>Zarnikfield Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Find in page: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - Zarnikfield Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not on this page.</source>
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
    <name>zf::ui::PositionDialog</name>
    <message>
        <source>Set Zarnik Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steps from the centre of the working area:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zf::ui::PositionTextDialog</name>
    <message>
        <source>Position Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag this symbol to where you want to place the text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
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
    <name>zf::ui::SizeDialog</name>
    <message>
        <source>Set Size of Working Area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size of the working area in Zarnik steps:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zf::ui::TextPositionDialog</name>
    <message>
        <source>Top Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place text at &amp;Zarnik position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place text &amp;near Zarnik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zf::ui::ToolDialog</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zf::ui::WorkingAreaCommands</name>
    <message>
        <source>Include the &amp;Zarnik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitmaps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG pictures</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zfield</name>
    <message>
        <source>an empty file name was given for %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write %s (nothing was changed)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the converted file would not open again: %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IN and OUT are needed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bad argument &apos;%s&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>where to? (zfield get -o FILE.gop)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--answer takes yes, no, cancel or edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected argument &apos;%s&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zfield: there is no language &apos;%s&apos; here; English is used (languages: %s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--icon-size takes 5 to 50</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FILE.gop and -o OUT.png are needed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a list of %d lines is too long for one picture (%d lines at --icon-size %d); try a smaller --icon-size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the listing would be %dx%d pixels, more than a picture may hold (%d); try a smaller --icon-size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keys &quot;SEQUENCE&quot; [--answer yes|no|edit]... [--check] [-o FILE.gop]
      Keys SEQUENCE into a fresh Go Program and prints the messages shown,
      the GO list, the PROC list and the memory units left; -o saves it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>run (--keys &quot;SEQUENCE&quot; | FILE.gop) [--project P.zfp] [--floor W,H] [--instant]
      [--trail] [--limit N] [-o OUT.png [--size WxH]]
      Keys SEQUENCE (or opens FILE.gop) and runs it as GO does from the centre
      of a W x H-step working area (10 x 10), heading 0, with the thin black
      pen as on the desktop, or on the working area and start state of
      project P; prints the messages shown, the robot (mm and degrees), the
      pen trail and the number of objects;
      -o draws the working area fitted into WxH pixels (1000x1000), the robot
      where it stopped. W and H are 1 to 99 steps; --limit N stops a run that
      has not ended after N instructions. Exit status 1 when the run could not
      start, was ended early or hit the limit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>listing FILE.gop -o OUT.png [--icon-size N]
      Draws the GO list and the PROC list as their windows show them, with
      key pictures N pixels high (5 to 50, 30 by default).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>print FILE.gop -o OUT.pdf [--icon-size N] [--working-area [--project P.zfp]]
      Prints to a PDF file (A4) the pages Print Go Program prints: the GO
      list, then the PROC list, 55 - N lines a page (N the listing size, 30
      by default); --working-area prints the working area instead, after
      running FILE.gop on a fresh 10 x 10-step one or on that of project P.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>send FILE.gop [--port N | --device PATH] [--trace]
      Sends the Go Program to the Floor Zarnik as Send GO Program does, on
      port N (1..4, else the com port of zfield.ini) or the terminal device
      PATH; prints the messages shown; --trace prints the port&apos;s trace lines.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>get [--port N | --device PATH] [--trace] -o FILE.gop
      Reads the Go Program held by the Floor Zarnik as Get GO Program does,
      saves it to FILE.gop and prints the messages shown and its lists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show FILE
      Prints a Go Program as keys prints its lists, or a project (any form)
      as its settings, its trail points and its objects, one a line.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>convert IN OUT
      Reads a Go Program or a project of any version and writes it as 2.0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Messages the program shows go to standard error, results to standard output.
Exit status: 0 when the command did all that was asked, 1 when it could not
(a message says why), 2 for a wrong command line. Relative paths are taken
from the current directory; files are replaced whole or not at all.
The messages speak the language LANGUAGE, LC_ALL, LC_MESSAGES or LANG names,
or the one --lang CODE names (en, or a translation installed with zfield).
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key-sequence notation (tokens separated by spaces, case ignored):
  FD BK LT RT        the four arrow keys, also FORWARD BACK LEFT RIGHT
  RPT P Q W M S T    also REPEAT PROCEDURE QUAVER WAIT MOTOR SENSE TOGGLE
  [ ]                the one bracket key
  0..9               digit keys; a token of several digits keys each in turn
  CE CM GO           clear entry, confirmed clear memory, go
  POS(x,y) HEAD(h)   graphic commands: position in steps from the centre, heading
  SHAPE(name) STAMP(name) PEN(name)
  PENUP FLIP FLIPSTAMP TEXT(&quot;text&quot;) TEXT(&quot;text&quot;,mode)
Listings use the same tokens, one instruction a line: RPT 4 [, FD 2 5, ], P 3 [.
In a quoted text \&quot; is a quote, \\ a backslash and \n a line break.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zfield %s - the Zarnikfield command-line companion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: zfield [--lang CODE] COMMAND [ARGS]
       zfield --help | --version

Commands:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zfield: unknown command &apos;%s&apos; (see zfield --help)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--size takes WxH in pixels, each at most %d and at most %d pixels in all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--size goes with -o OUT.png</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot make the picture for %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the working area does not fit in %dx%d pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this build draws no pictures (it was built without Qt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--project needs a file name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FILE.gop and -o OUT.pdf are needed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--project goes with --working-area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s has nothing to print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>opening your changed copy %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--floor takes W,H in steps, each 1 to 99</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--limit takes a number of instructions, 1 or more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a program is needed (--keys &quot;SEQUENCE&quot; or FILE.gop)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the Go Program could not start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stopped after %d instructions (--limit %d)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the run was ended early</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bad option &apos;%s&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>which Go Program? (zfield send FILE.gop)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one file is needed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
