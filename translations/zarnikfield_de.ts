<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Activities</name>
    <message>
        <source>Across the Town</source>
        <translation>Quer durch die Stadt</translation>
    </message>
    <message>
        <source>Drive the car along the roads from Start to Finish.</source>
        <translation>Fahre das Auto auf den Straßen vom Start bis zum Ziel.</translation>
    </message>
    <message>
        <source>Treasure Island</source>
        <translation>Die Schatzinsel</translation>
    </message>
    <message>
        <source>Follow the dashed path to the cross where the treasure lies.</source>
        <translation>Folge dem gestrichelten Weg bis zum Kreuz, wo der Schatz liegt.</translation>
    </message>
    <message>
        <source>Grid Mat</source>
        <translation>Rastermatte</translation>
    </message>
    <message>
        <source>A mat of 30 cm squares for first moves, turns and shapes.</source>
        <translation>Eine Matte mit Feldern von 30 cm für erste Schritte, Drehungen und Formen.</translation>
    </message>
</context>
<context>
    <name>FileTypes</name>
    <message>
        <source>Project</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <source>Go Program</source>
        <translation>Go-Programm</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>English</source>
        <extracomment>The name of the language of this translation, written in that language.</extracomment>
        <translation>Deutsch</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>L&amp;anguage</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Copy Working Area</source>
        <translation>Arbeitsfläche &amp;kopieren</translation>
    </message>
    <message>
        <source>Clear &amp;Memory (CM)</source>
        <translation>&amp;Speicher löschen (CM)</translation>
    </message>
    <message>
        <source>Floor &amp;Zarnik</source>
        <translation>Floor &amp;Zarnik</translation>
    </message>
    <message>
        <source>(You will need a Zarnik Interface Lead for this)</source>
        <translation>(Dafür brauchst du ein Zarnik-Verbindungskabel)</translation>
    </message>
    <message>
        <source>&amp;Send GO Program</source>
        <translation>GO-Programm &amp;senden</translation>
    </message>
    <message>
        <source>&amp;Get GO Program</source>
        <translation>GO-Programm &amp;holen</translation>
    </message>
    <message>
        <source>&amp;Activity</source>
        <translation>&amp;Aufgaben</translation>
    </message>
    <message>
        <source>&amp;Journeys</source>
        <translation>&amp;Fahrten</translation>
    </message>
    <message>
        <source>&amp;Routes</source>
        <translation>&amp;Rundfahrten</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <source>&amp;Default Layout</source>
        <translation>&amp;Standardanordnung</translation>
    </message>
    <message>
        <source>&amp;Procedure</source>
        <translation>&amp;Prozedur</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Zarnik&amp;field</source>
        <translation>Zarnik&amp;field</translation>
    </message>
    <message>
        <source>&amp;Zarnik</source>
        <translation>&amp;Zarnik</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber Zarnikfield...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>N&amp;ew Go Program</source>
        <translation>&amp;Neues Go-Programm</translation>
    </message>
    <message>
        <source>Open &amp;Activity...</source>
        <translation>&amp;Aufgabe öffnen...</translation>
    </message>
    <message>
        <source>Open &amp;Project...</source>
        <translation>&amp;Projekt öffnen...</translation>
    </message>
    <message>
        <source>Open &amp;Go Program...</source>
        <translation>&amp;Go-Programm öffnen...</translation>
    </message>
    <message>
        <source>Recent &amp;Files</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>Save P&amp;roject...</source>
        <translation>Projekt &amp;speichern...</translation>
    </message>
    <message>
        <source>&amp;Save Go Program</source>
        <translation>G&amp;o-Programm speichern</translation>
    </message>
    <message>
        <source>Save G&amp;o Program...</source>
        <translation>Go-P&amp;rogramm speichern...</translation>
    </message>
    <message>
        <source>Save &amp;Working Area...</source>
        <translation>Arbeits&amp;fläche speichern...</translation>
    </message>
    <message>
        <source>Pri&amp;nt Go Program...</source>
        <translation>Go-Programm &amp;drucken...</translation>
    </message>
    <message>
        <source>Prin&amp;t Working Area...</source>
        <translation>Arbeitsfläche dr&amp;ucken...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Listing Size</source>
        <translation>&amp;Listengröße</translation>
    </message>
    <message>
        <source>&amp;Zarnik Speed</source>
        <translation>&amp;Zarnik-Tempo</translation>
    </message>
    <message>
        <source>&amp;Slow</source>
        <translation>&amp;Langsam</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Mittel</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>&amp;Schnell</translation>
    </message>
    <message>
        <source>&amp;Instant</source>
        <translation>S&amp;ofort</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Ton</translation>
    </message>
    <message>
        <source>&amp;Tooltips</source>
        <translation>&amp;Kurzinfos</translation>
    </message>
    <message>
        <source>&amp;Com Port</source>
        <translation>&amp;COM-Anschluss</translation>
    </message>
    <message>
        <source>&amp;High Contrast</source>
        <translation>&amp;Hoher Kontrast</translation>
    </message>
    <message>
        <source>&amp;Very Slow</source>
        <translation>Seh&amp;r langsam</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Back to Main Toolbar</source>
        <translation>Zurück zur Hauptleiste</translation>
    </message>
    <message>
        <source>Warning: Unexpected keypress.</source>
        <translation>Achtung: Diese Taste passt hier nicht.</translation>
    </message>
    <message>
        <source>Press bracket key.</source>
        <translation>Drücke die Klammertaste.</translation>
    </message>
    <message>
        <source>Instruction not complete.</source>
        <translation>Befehl nicht vollständig.</translation>
    </message>
    <message>
        <source>Zarnik memory full!</source>
        <translation>Zarnik-Speicher voll!</translation>
    </message>
    <message>
        <source>This will erase a procedure with this number.</source>
        <translation>Damit wird die Prozedur mit dieser Nummer gelöscht.</translation>
    </message>
    <message>
        <source>Number not expected.</source>
        <translation>Hier wird keine Zahl erwartet.</translation>
    </message>
    <message>
        <source>No more numbers allowed here.</source>
        <translation>Hier sind keine weiteren Zahlen erlaubt.</translation>
    </message>
    <message>
        <source>Bracket not expected.</source>
        <translation>Hier wird keine Klammer erwartet.</translation>
    </message>
    <message>
        <source>Warning: Computer memory is low.</source>
        <translation>Achtung: Der Speicher des Computers ist fast voll.</translation>
    </message>
    <message>
        <source>Too many repeats inside repeat commands: maximum is 5.</source>
        <translation>Zu viele Wiederholungen ineinander: höchstens 5.</translation>
    </message>
    <message>
        <source>Please complete the instruction.</source>
        <translation>Bitte mach den Befehl erst fertig.</translation>
    </message>
    <message>
        <source>Internal error: the Go Program could not be released.</source>
        <translation>Interner Fehler: Das Go-Programm konnte nicht freigegeben werden.</translation>
    </message>
    <message>
        <source>Zarnikfield - Enter Text</source>
        <translation>Zarnikfield - Text schreiben</translation>
    </message>
    <message>
        <source>Zarnikfield - Edit Text</source>
        <translation>Zarnikfield - Text bearbeiten</translation>
    </message>
    <message>
        <source>DRAG to Graphics Window</source>
        <translation>Auf die Arbeitsfläche ZIEHEN</translation>
    </message>
    <message>
        <source>CLICK on button to add to Go Program</source>
        <translation>Bild ANKLICKEN, um es ins Go-Programm einzufügen</translation>
    </message>
    <message>
        <source>Procedure Definition %d is incomplete.
Insert a closing bracket to complete the definition.</source>
        <translation>Die Festlegung von Prozedur %d ist nicht vollständig.
Setze eine schließende Klammer, um sie abzuschließen.</translation>
    </message>
    <message>
        <source>Cannot open Com Port.
Try selecting a different Com Port through the Options menu. </source>
        <translation>COM-Anschluss kann nicht geöffnet werden.
Wähle im Menü Optionen einen anderen COM-Anschluss. </translation>
    </message>
    <message>
        <source>Procedure %d cannot use Procedure %d (use a number HIGHER than %d).</source>
        <translation>Prozedur %d kann Prozedur %d nicht benutzen (nimm eine HÖHERE Nummer als %d).</translation>
    </message>
    <message>
        <source>You are defining Procedure 99.
This procedure cannot use any other procedure.</source>
        <translation>Du legst gerade Prozedur 99 fest.
Diese Prozedur kann keine andere Prozedur benutzen.</translation>
    </message>
    <message>
        <source>Stamps</source>
        <translation>Stempel</translation>
    </message>
    <message>
        <source>Clear All Objects</source>
        <translation>Alle Objekte löschen</translation>
    </message>
    <message>
        <source>Flip Stamp</source>
        <translation>Stempel spiegeln</translation>
    </message>
    <message>
        <source>Create and Place Text</source>
        <translation>Text schreiben und platzieren</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>Text bearbeiten</translation>
    </message>
    <message>
        <source>Clear One Object</source>
        <translation>Ein Objekt löschen</translation>
    </message>
    <message>
        <source>Stamps &amp;&amp; Text</source>
        <translation>Stempel &amp;&amp; Text</translation>
    </message>
    <message>
        <source>Control the Go Program</source>
        <translation>Go-Programm steuern</translation>
    </message>
    <message>
        <source>Background Tools</source>
        <translation>Hintergrund-Werkzeuge</translation>
    </message>
    <message>
        <source>Zarnik - Position, Shape &amp;&amp; Direction</source>
        <translation>Zarnik – Position, Form &amp;&amp; Richtung</translation>
    </message>
    <message>
        <source>Run Go Program</source>
        <translation>Go-Programm starten</translation>
    </message>
    <message>
        <source>Stop Go Program</source>
        <translation>Go-Programm anhalten</translation>
    </message>
    <message>
        <source>Continue Running</source>
        <translation>Weiterlaufen</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Step Forward</source>
        <translation>Einzelschritt</translation>
    </message>
    <message>
        <source>Set Size of Working Area</source>
        <translation>Größe der Arbeitsfläche</translation>
    </message>
    <message>
        <source>Show/Hide Rulers</source>
        <translation>Lineale ein/aus</translation>
    </message>
    <message>
        <source>Load or Create Background</source>
        <translation>Hintergrund laden oder malen</translation>
    </message>
    <message>
        <source>Clear Working Area</source>
        <translation>Arbeitsfläche leeren</translation>
    </message>
    <message>
        <source>Set Zarnik Shape</source>
        <translation>Zarnik-Form festlegen</translation>
    </message>
    <message>
        <source>Set Zarnik Position</source>
        <translation>Zarnik-Position festlegen</translation>
    </message>
    <message>
        <source>Set Zarnik Direction</source>
        <translation>Zarnik-Richtung festlegen</translation>
    </message>
    <message>
        <source>Flip Zarnik</source>
        <translation>Zarnik spiegeln</translation>
    </message>
    <message>
        <source>Zarnik - Position, Shape &amp;&amp; Heading</source>
        <translation>Zarnik – Position, Form &amp;&amp; Ausrichtung</translation>
    </message>
    <message>
        <source>Create Text</source>
        <translation>Text schreiben</translation>
    </message>
    <message>
        <source>Pen Down</source>
        <translation>Stift ab</translation>
    </message>
    <message>
        <source>Pen Up</source>
        <translation>Stift hoch</translation>
    </message>
    <message>
        <source>Finish defining procedure then clear memory.</source>
        <translation>Beende zuerst die Festlegung der Prozedur, dann lösche den Speicher.</translation>
    </message>
    <message>
        <source>There are %d incomplete Repeat instructions - you need to add brackets.</source>
        <translation>%d Wiederholungen sind nicht abgeschlossen – es fehlen Klammern.</translation>
    </message>
    <message>
        <source>There is an incomplete Repeat instruction - you need to add a bracket.</source>
        <translation>Eine Wiederholung ist nicht abgeschlossen – es fehlt eine Klammer.</translation>
    </message>
    <message>
        <source>You have deleted a Repeat instruction.
Delete the Repeat&apos;s end-bracket as well.</source>
        <translation>Du hast eine Wiederholung entfernt.
Entferne auch ihre schließende Klammer.</translation>
    </message>
    <message>
        <source>There is an incomplete instruction in the Go List.</source>
        <translation>In der Go-Liste steht ein unvollständiger Befehl.</translation>
    </message>
    <message>
        <source>No Go Program!</source>
        <translation>Kein Go-Programm!</translation>
    </message>
    <message>
        <source>The Go Program is running</source>
        <translation>Das Go-Programm läuft gerade</translation>
    </message>
    <message>
        <source>You need a later version of Zarnikfield to load this Go Program.
Go Program version...
</source>
        <translation>Für dieses Go-Programm brauchst du eine neuere Version von Zarnikfield.
Version des Go-Programms...
</translation>
    </message>
    <message>
        <source>Program copied to Zarnik.</source>
        <translation>Programm an Zarnik übertragen.</translation>
    </message>
    <message>
        <source>The Floor Zarnik is not responding:

Is the Floor Zarnik switched on?
Is the interface cable connected (at both ends)?

(If the Floor Zarnik BUZZED, its Go program is incomplete.)</source>
        <translation>Der Floor Zarnik antwortet nicht:

Ist der Floor Zarnik eingeschaltet?
Steckt das Verbindungskabel (an beiden Enden)?

(Wenn der Floor Zarnik GESUMMT hat, ist sein Go-Programm nicht vollständig.)</translation>
    </message>
    <message>
        <source>Zarnik must stay in working area.
Maximum values: X = %.1f and Y = %.1f</source>
        <translation>Zarnik muss auf der Arbeitsfläche bleiben.
Höchstwerte: X = %.1f und Y = %.1f</translation>
    </message>
    <message>
        <source>The cursor may only be positioned inside a Procedure definition.
Begin new Procedure definitions in the Go List.</source>
        <translation>Der Cursor darf hier nur in einer Prozedur-Festlegung stehen.
Neue Prozeduren legst du in der Go-Liste fest.</translation>
    </message>
    <message>
        <source>Your Text</source>
        <translation>Dein Text</translation>
    </message>
    <message>
        <source>Zarnik cannot move outside the working area.</source>
        <translation>Zarnik kann die Arbeitsfläche nicht verlassen.</translation>
    </message>
    <message>
        <source>This working area is smaller than Zarnik</source>
        <translation>Diese Arbeitsfläche ist kleiner als Zarnik</translation>
    </message>
    <message>
        <source>Specified Go Program not found</source>
        <translation>Das angegebene Go-Programm wurde nicht gefunden</translation>
    </message>
    <message>
        <source>Do you want to save changes to the Go Program?</source>
        <translation>Möchtest du die Änderungen am Go-Programm speichern?</translation>
    </message>
    <message>
        <source>Exit Zarnikfield.</source>
        <translation>Zarnikfield beenden.</translation>
    </message>
    <message>
        <source>There are %d incomplete Repeat instructions
in your procedures - you need to add brackets.</source>
        <translation>%d Wiederholungen in deinen Prozeduren
sind nicht abgeschlossen – es fehlen Klammern.</translation>
    </message>
    <message>
        <source>There is an incomplete Repeat instruction
in your procedures - you need to add a bracket.</source>
        <translation>Eine Wiederholung in deinen Prozeduren
ist nicht abgeschlossen – es fehlt eine Klammer.</translation>
    </message>
    <message>
        <source>You have deleted a Repeat instruction from the Procedure List.
Delete the Repeat&apos;s end-bracket as well.</source>
        <translation>Du hast eine Wiederholung aus der Prozedurliste entfernt.
Entferne auch ihre schließende Klammer.</translation>
    </message>
    <message>
        <source>There is an incomplete instruction in the Procedure List.</source>
        <translation>In der Prozedurliste steht ein unvollständiger Befehl.</translation>
    </message>
    <message>
        <source>Zarnikfield</source>
        <translation>Zarnikfield</translation>
    </message>
    <message>
        <source>Clear Memory?
Yes: CM again.
No: Any other key.</source>
        <translation>Speicher löschen?
Ja: noch einmal CM.
Nein: eine andere Taste.</translation>
    </message>
    <message>
        <source>This project&apos;s Go Program is read-only.
Save the Go Program under a different name, and then re-save the project.</source>
        <translation>Das Go-Programm dieses Projekts ist schreibgeschützt.
Speichere das Go-Programm unter einem anderen Namen und dann das Projekt noch einmal.</translation>
    </message>
    <message>
        <source>This project&apos;s Go Program cannot be found.</source>
        <translation>Das Go-Programm dieses Projekts wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Do you want to save the changes to this project?</source>
        <translation>Möchtest du die Änderungen an diesem Projekt speichern?</translation>
    </message>
    <message>
        <source>Could not open the specified project. A default project will be created instead</source>
        <translation>Das angegebene Projekt konnte nicht geöffnet werden. Stattdessen wird ein Standardprojekt angelegt</translation>
    </message>
    <message>
        <source>The specified project could not be found. A default project will be created instead.</source>
        <translation>Das angegebene Projekt wurde nicht gefunden. Stattdessen wird ein Standardprojekt angelegt.</translation>
    </message>
    <message>
        <source>Changing the size of the Working Area will clear all graphics.
Do you want to continue?</source>
        <translation>Wenn du die Größe der Arbeitsfläche änderst, wird alles darauf gelöscht.
Möchtest du weitermachen?</translation>
    </message>
    <message>
        <source>Resize working area</source>
        <translation>Größe der Arbeitsfläche ändern</translation>
    </message>
    <message>
        <source>File is not a Zarnikfield Go Program.</source>
        <translation>Die Datei ist kein Zarnikfield-Go-Programm.</translation>
    </message>
    <message>
        <source>You cannot open a new Go Program while stepping through or running another one</source>
        <translation>Du kannst kein neues Go-Programm öffnen, während ein anderes läuft oder Schritt für Schritt ausgeführt wird</translation>
    </message>
    <message>
        <source>You cannot open a new project while stepping through or running a Go Program</source>
        <translation>Du kannst kein neues Projekt öffnen, während ein Go-Programm läuft oder Schritt für Schritt ausgeführt wird</translation>
    </message>
    <message>
        <source>Internal error: the Go Program&apos;s repeats and procedures do not match.</source>
        <translation>Interner Fehler: Die Wiederholungen und Prozeduren des Go-Programms passen nicht zusammen.</translation>
    </message>
    <message>
        <source>Save Graphics Window</source>
        <translation>Arbeitsfläche speichern</translation>
    </message>
    <message>
        <source>Select a project to open</source>
        <translation>Wähle ein Projekt zum Öffnen</translation>
    </message>
    <message>
        <source>File open error.</source>
        <translation>Die Datei konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>V1.0 header sizes disagree</source>
        <translation>V1.0: Die Größen im Dateikopf passen nicht zusammen</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Projekt speichern</translation>
    </message>
    <message>
        <source>Save Go Program</source>
        <translation>Go-Programm speichern</translation>
    </message>
    <message>
        <source>Cannot allocate enough memory to save bitmap; 
Shut down another application and try again.</source>
        <translation>Nicht genug Speicher, um das Bild zu speichern; 
Schließe ein anderes Programm und versuche es noch einmal.</translation>
    </message>
    <message>
        <source>Cannot allocate enough memory to initialise paint package with a bitmap; 
Shut down another application and try again.</source>
        <translation>Nicht genug Speicher, um das Malprogramm mit einem Bild zu starten; 
Schließe ein anderes Programm und versuche es noch einmal.</translation>
    </message>
    <message>
        <source>Delete procedures in the Go List.</source>
        <translation>Prozeduren löschst du in der Go-Liste.</translation>
    </message>
    <message>
        <source>Do you want to clear all objects from the screen?</source>
        <translation>Möchtest du alle Objekte vom Bildschirm löschen?</translation>
    </message>
    <message>
        <source>Do you want to clear the screen of all graphics?</source>
        <translation>Möchtest du alle Grafiken vom Bildschirm löschen?</translation>
    </message>
    <message>
        <source>Error opening graphics object list file.
I don&apos;t know what it means, either.</source>
        <translation>Fehler beim Öffnen der Datei mit der Objektliste.
Was das bedeutet, weiß ich auch nicht.</translation>
    </message>
    <message>
        <source>Procedure %d cannot accept another closing bracket.</source>
        <translation>Prozedur %d kann keine weitere schließende Klammer annehmen.</translation>
    </message>
    <message>
        <source>Cannot open the Clipboard.</source>
        <translation>Die Zwischenablage kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Warning. There is insufficient memory for this object.
Close another application, save your work and try again.</source>
        <translation>Achtung: Für dieses Objekt ist nicht genug Speicher da.
Schließe ein anderes Programm, speichere deine Arbeit und versuche es noch einmal.</translation>
    </message>
    <message>
        <source>Do you wish to delete procedure %d ?</source>
        <translation>Möchtest du Prozedur %d löschen?</translation>
    </message>
    <message>
        <source>You have selected a Project by mistake!
Please try again. </source>
        <translation>Du hast aus Versehen ein Projekt gewählt!
Bitte versuche es noch einmal. </translation>
    </message>
    <message>
        <source>This file is not a valid Project or Go Program.</source>
        <translation>Diese Datei ist weder ein gültiges Projekt noch ein gültiges Go-Programm.</translation>
    </message>
    <message>
        <source>Specified Project not found</source>
        <translation>Das angegebene Projekt wurde nicht gefunden</translation>
    </message>
    <message>
        <source>Cannot open the specified Project</source>
        <translation>Das angegebene Projekt kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>The GO List contains more than 5 Repeats inside Repeat Commands.
You must delete %d Repeat command(s).</source>
        <translation>In der Go-Liste stecken mehr als 5 Wiederholungen ineinander.
Du musst %d Wiederholung(en) entfernen.</translation>
    </message>
    <message>
        <source>The Procedure List contains more than 5 Repeats inside Repeat Commands.
You must delete %d Repeat command(s).</source>
        <translation>In der Prozedurliste stecken mehr als 5 Wiederholungen ineinander.
Du musst %d Wiederholung(en) entfernen.</translation>
    </message>
    <message>
        <source>A %d is not allowed here.
Use a number from %d to %d. </source>
        <translation>Eine %d ist hier nicht erlaubt.
Nimm eine Zahl von %d bis %d. </translation>
    </message>
    <message>
        <source>You need to add a bracket to the end of Procedure %d.</source>
        <translation>Am Ende von Prozedur %d fehlt noch eine Klammer.</translation>
    </message>
    <message>
        <source>You must put the bracket at the END of Procedure %d, not here.</source>
        <translation>Die Klammer gehört ans ENDE von Prozedur %d, nicht hierher.</translation>
    </message>
    <message>
        <source>Zarnikfield Launcher not found.</source>
        <translation>Der Zarnikfield-Starter wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>This project&apos;s Zarnik was not found.
Zarnikfield will use an alternative Zarnik instead.</source>
        <translation>Der Zarnik dieses Projekts wurde nicht gefunden.
Zarnikfield nimmt stattdessen einen anderen Zarnik.</translation>
    </message>
    <message>
        <source>This project cannot find any Zarniks.
You need to create a Zarnik for this project to use.</source>
        <translation>Dieses Projekt findet keine Zarniks.
Du musst einen Zarnik für dieses Projekt erstellen.</translation>
    </message>
    <message>
        <source>%s

This is not a Zarnikfield Project file.
Project not opened.</source>
        <translation>%s

Das ist keine Zarnikfield-Projektdatei.
Das Projekt wurde nicht geöffnet.</translation>
    </message>
    <message>
        <source>You cannot drag the Zarnik while the Go Program is running.</source>
        <translation>Du kannst den Zarnik nicht ziehen, während das Go-Programm läuft.</translation>
    </message>
    <message>
        <source>Zarnikfield has found empty Procedures, and will delete them
 so that this command will fit into memory.</source>
        <translation>Zarnikfield hat leere Prozeduren gefunden und löscht sie,
 damit dieser Befehl in den Speicher passt.</translation>
    </message>
    <message>
        <source>Zarnikfield has found empty Procedures, and will delete them
 so that the Go Program can be sent to the Zarnik.</source>
        <translation>Zarnikfield hat leere Prozeduren gefunden und löscht sie,
 damit das Go-Programm an den Zarnik gesendet werden kann.</translation>
    </message>
    <message>
        <source>Select a GO Program to open</source>
        <translation>Wähle ein GO-Programm zum Öffnen</translation>
    </message>
    <message>
        <source>Invalid window handle in ShowListCursor()
</source>
        <translation>Ungültiges Fenster in ShowListCursor()
</translation>
    </message>
    <message>
        <source>Invalid window handle in HideListCursor()
</source>
        <translation>Ungültiges Fenster in HideListCursor()
</translation>
    </message>
    <message>
        <source>Invalid window handle in PaintListCursor()
</source>
        <translation>Ungültiges Fenster in PaintListCursor()
</translation>
    </message>
    <message>
        <source>Error while looking for an instruction. Click on GO list pane</source>
        <translation>Fehler bei der Suche nach einem Befehl. Klicke in die Go-Liste</translation>
    </message>
    <message>
        <source>Warning: Computer memory is low.
Close another application and try again.</source>
        <translation>Achtung: Der Speicher des Computers ist fast voll.
Schließe ein anderes Programm und versuche es noch einmal.</translation>
    </message>
    <message>
        <source>Warning: Computer memory is low.
GO Program execution must terminate.
Close another application and try again.</source>
        <translation>Achtung: Der Speicher des Computers ist fast voll.
Das GO-Programm muss anhalten.
Schließe ein anderes Programm und versuche es noch einmal.</translation>
    </message>
    <message>
        <source>%s already exists.
Do you want to replace it?</source>
        <translation>%s gibt es schon.
Möchtest du die Datei ersetzen?</translation>
    </message>
    <message>
        <source>This file can no longer be found:
%s

It has been taken off the list.</source>
        <translation>Diese Datei ist nicht mehr zu finden:
%s

Sie wurde aus der Liste genommen.</translation>
    </message>
    <message>
        <source>Error: The subdirectory required for this operation
 was not found.</source>
        <translation>Fehler: Der Unterordner, den dieser Befehl braucht,
 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The following sub-folder is missing.
</source>
        <translation>Der folgende Unterordner fehlt.
</translation>
    </message>
    <message>
        <source>The following sub-folders are missing.
</source>
        <translation>Die folgenden Unterordner fehlen.
</translation>
    </message>
    <message>
        <source>Zarnikfield may function incorrectly.

</source>
        <translation>Zarnikfield arbeitet vielleicht nicht richtig.

</translation>
    </message>
    <message>
        <source>Zarnikfield will not open this Project.

</source>
        <translation>Zarnikfield öffnet dieses Projekt nicht.

</translation>
    </message>
    <message>
        <source>
To mend it, copy these folders with their pictures beside the project file, or save it again where it was made, into a folder of its own.</source>
        <translation>
So klappt es wieder: Kopiere diese Ordner mit ihren Bildern neben die Projektdatei, oder speichere das Projekt dort, wo es gemacht wurde, noch einmal in einen eigenen Ordner.</translation>
    </message>
    <message>
        <source>

%s was looked for in:
%s</source>
        <translation>

%s wurde hier gesucht:
%s</translation>
    </message>
    <message>
        <source>The project was saved, but these files could not be copied into
%s

%s</source>
        <translation>Das Projekt wurde gespeichert, aber diese Dateien konnten nicht kopiert werden nach
%s

%s</translation>
    </message>
    <message>
        <source>Zarnikfield is already running, but it does not answer.
Close it, then start Zarnikfield again.</source>
        <translation>Zarnikfield läuft schon, antwortet aber nicht.
Schließe es und starte Zarnikfield dann noch einmal.</translation>
    </message>
    <message>
        <source>Zarnikfield cannot start: it cannot write in this folder:
%s</source>
        <translation>Zarnikfield kann nicht starten: Es kann nicht in diesen Ordner schreiben:
%s</translation>
    </message>
    <message>
        <source>Zarnikfield has no Work folder to copy this project into:
no home folder is set.

Project not opened.</source>
        <translation>Zarnikfield hat keinen Ordner Zarnikfield Work, in den es dieses Projekt kopieren kann:
Es ist kein persönlicher Ordner eingestellt.

Das Projekt wurde nicht geöffnet.</translation>
    </message>
    <message>
        <source>Zarnikfield cannot write in its Work folder:
%s

Project not opened.</source>
        <translation>Zarnikfield kann nicht in seinen Ordner Zarnikfield Work schreiben:
%s

Das Projekt wurde nicht geöffnet.</translation>
    </message>
    <message>
        <source>Specified Go Program is not a file.</source>
        <translation>Das angegebene Go-Programm ist keine Datei.</translation>
    </message>
    <message>
        <source>Specified Go Program is too large to open.</source>
        <translation>Das angegebene Go-Programm ist zu groß zum Öffnen.</translation>
    </message>
    <message>
        <source>Specified Project is not a file.</source>
        <translation>Das angegebene Projekt ist keine Datei.</translation>
    </message>
    <message>
        <source>Specified Project is too large to open.</source>
        <translation>Das angegebene Projekt ist zu groß zum Öffnen.</translation>
    </message>
    <message>
        <source>Paint package could not be started.
The &apos;Paint Package&apos; entry in the zfield.ini file refers to a FILE that could not be found.</source>
        <translation>Das Malprogramm konnte nicht gestartet werden.
Der Eintrag &apos;Paint Package&apos; in der Datei zfield.ini nennt eine DATEI, die nicht gefunden wurde.</translation>
    </message>
    <message>
        <source>Paint package could not be started.
The &apos;Paint Package&apos; entry in the zfield.ini file refers to an invalid PATH.</source>
        <translation>Das Malprogramm konnte nicht gestartet werden.
Der Eintrag &apos;Paint Package&apos; in der Datei zfield.ini nennt einen ungültigen PFAD.</translation>
    </message>
    <message>
        <source>Paint package could not be started.
Error no. %d
Check that &apos;Paint Package&apos; entry in zfield.ini file refers to your system&apos;s paint package</source>
        <translation>Das Malprogramm konnte nicht gestartet werden.
Fehler Nr. %d
Prüfe, ob der Eintrag &apos;Paint Package&apos; in der Datei zfield.ini dein Malprogramm nennt</translation>
    </message>
    <message>
        <source>got 0 chars</source>
        <translation>0 Zeichen erhalten</translation>
    </message>
    <message>
        <source>

Port tried: COM %d (%s)</source>
        <translation>

Versuchter Anschluss: COM %d (%s)</translation>
    </message>
    <message>
        <source>Program copied from Zarnik.</source>
        <translation>Programm von Zarnik übertragen.</translation>
    </message>
    <message>
        <source>The Floor Zarnik&apos;s answer could not be understood.
Check the interface lead and that the Zarnik is switched on, then try again.</source>
        <translation>Die Antwort des Floor Zarnik war nicht zu verstehen.
Prüfe das Verbindungskabel und ob der Zarnik eingeschaltet ist, dann versuche es noch einmal.</translation>
    </message>
    <message>
        <source>The Go Program in the Floor Zarnik&apos;s memory is damaged.
The current Go Program has not been changed.</source>
        <translation>Das Go-Programm im Speicher des Floor Zarnik ist beschädigt.
Das aktuelle Go-Programm wurde nicht verändert.</translation>
    </message>
    <message>
        <source>Debug Info: Do you want to save this report?</source>
        <translation>Fehlersuche: Möchtest du diesen Bericht speichern?</translation>
    </message>
    <message>
        <source>RC_BITMAP64 Not Supported by Printer.</source>
        <translation>RC_BITMAP64 wird vom Drucker nicht unterstützt.</translation>
    </message>
    <message>
        <source>RC_STRETCHDIB Not Supported by Printer.</source>
        <translation>RC_STRETCHDIB wird vom Drucker nicht unterstützt.</translation>
    </message>
    <message>
        <source>Zarnikfield: Printing Problem</source>
        <translation>Zarnikfield: Problem beim Drucken</translation>
    </message>
    <message>
        <source>This printer/driver does not support large bitmaps.
This printout may give unexpected results.
Try printing to another printer instead.</source>
        <translation>Dieser Drucker/Treiber kann keine großen Bilder drucken.
Der Ausdruck sieht vielleicht anders aus als erwartet.
Versuche es lieber mit einem anderen Drucker.</translation>
    </message>
    <message>
        <source>This printer/driver does not support Zarnikfield printing.
Try printing to another printer instead.</source>
        <translation>Dieser Drucker/Treiber kann nicht für Zarnikfield drucken.
Versuche es lieber mit einem anderen Drucker.</translation>
    </message>
    <message>
        <source>Cannot print to the selected printer.

Try selecting a different printer.</source>
        <translation>Auf dem gewählten Drucker kann nicht gedruckt werden.

Wähle einen anderen Drucker.</translation>
    </message>
    <message>
        <source>Cannot print to the selected printer.

Try selecting a different printer.
--
StartDoc() failed: GetLastError() returned %d.</source>
        <translation>Auf dem gewählten Drucker kann nicht gedruckt werden.

Wähle einen anderen Drucker.
--
StartDoc() ist fehlgeschlagen: GetLastError() gab %d zurück.</translation>
    </message>
    <message>
        <source>Cannot print the page.
Try printing to another printer.</source>
        <translation>Die Seite kann nicht gedruckt werden.
Versuche es mit einem anderen Drucker.</translation>
    </message>
    <message>
        <source>Cannot end printing the page.
Try printing to another printer.</source>
        <translation>Die Seite kann nicht fertig gedruckt werden.
Versuche es mit einem anderen Drucker.</translation>
    </message>
    <message>
        <source>Cannot end printing.
Try printing to another printer.</source>
        <translation>Das Drucken kann nicht beendet werden.
Versuche es mit einem anderen Drucker.</translation>
    </message>
    <message>
        <source>Your Zarnikfield Work folder holds a changed copy of this project:
%s

Yes opens your copy.
No starts afresh from the original project; your copy is kept as
%s
Cancel opens nothing.</source>
        <translation>In deinem Ordner Zarnikfield Work liegt eine geänderte Kopie dieses Projekts:
%s

Ja öffnet deine Kopie.
Nein fängt neu mit dem Original an; deine Kopie bleibt erhalten als
%s
Abbrechen öffnet nichts.</translation>
    </message>
    <message>
        <source>step %d cm   </source>
        <translation>Schritt %d cm   </translation>
    </message>
    <message>
        <source>turn %d°   </source>
        <translation>Drehung %d°   </translation>
    </message>
    <message>
        <source>%d cells used / %d</source>
        <translation>%d Zellen belegt / %d</translation>
    </message>
</context>
<context>
    <name>Panes</name>
    <message>
        <source>Graphics Library</source>
        <translation>Grafikbibliothek</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Procedure</source>
        <translation>Prozedur</translation>
    </message>
    <message>
        <source>Beside</source>
        <extracomment>The button moving the Procedure window beside or under the Go List.</extracomment>
        <translation>Daneben</translation>
    </message>
    <message>
        <source>Under</source>
        <translation>Darunter</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>Robot&apos;s position</source>
        <translation>Position des Roboters</translation>
    </message>
    <message>
        <source>Robot&apos;s heading</source>
        <translation>Richtung des Roboters</translation>
    </message>
    <message>
        <source>Robot&apos;s picture</source>
        <translation>Form des Roboters</translation>
    </message>
    <message>
        <source>Stamp</source>
        <translation>Stempel</translation>
    </message>
    <message>
        <source>Pen down</source>
        <translation>Stift ab</translation>
    </message>
    <message>
        <source>Pen up</source>
        <translation>Stift hoch</translation>
    </message>
    <message>
        <source>Robot flipped</source>
        <translation>Roboter gespiegelt</translation>
    </message>
    <message>
        <source>Go Program</source>
        <translation>Go-Programm</translation>
    </message>
    <message>
        <source>Stamp flipped</source>
        <translation>Stempel gespiegelt</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Unknown line</source>
        <translation>Unbekannte Zeile</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Rückwärts</translation>
    </message>
    <message>
        <source>Turn left</source>
        <translation>Links drehen</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>Rechts drehen</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Procedure</source>
        <translation>Prozedur</translation>
    </message>
    <message>
        <source>Quaver</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>Warten</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>Sense</source>
        <translation>Sensor</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Schalten</translation>
    </message>
    <message>
        <source>Bracket</source>
        <translation>Klammer</translation>
    </message>
    <message>
        <source>Clear entry</source>
        <translation>Eingabe löschen</translation>
    </message>
    <message>
        <source>Clear memory</source>
        <translation>Speicher löschen</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Los</translation>
    </message>
    <message>
        <source>open bracket</source>
        <translation>Klammer auf</translation>
    </message>
    <message>
        <source>close bracket</source>
        <translation>Klammer zu</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Close bracket</source>
        <translation>Klammer zu</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Keypad</source>
        <translation>Tastenfeld</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>Go List</source>
        <translation>Go-Liste</translation>
    </message>
    <message>
        <source>Procedures</source>
        <translation>Prozeduren</translation>
    </message>
    <message>
        <source>Working area</source>
        <translation>Arbeitsfläche</translation>
    </message>
    <message>
        <source>The robot is %1 steps from the left and %2 steps from the top, facing %3 degrees.</source>
        <translation>Der Roboter steht %1 Schritte vom linken Rand und %2 Schritte vom oberen Rand entfernt und schaut in Richtung %3 Grad.</translation>
    </message>
    <message>
        <source>Its pen is down.</source>
        <translation>Sein Stift ist unten.</translation>
    </message>
    <message>
        <source>Its pen is up.</source>
        <translation>Sein Stift ist oben.</translation>
    </message>
    <message>
        <source>Background: %1.</source>
        <translation>Hintergrund: %1.</translation>
    </message>
    <message>
        <source>Stamps: %1.</source>
        <translation>Stempel: %1.</translation>
    </message>
    <message>
        <source>Texts: %1.</source>
        <translation>Texte: %1.</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Text &quot;%1&quot;, %2 steps from the left and %3 steps from the top.</source>
        <translation>Text „%1“, %2 Schritte von links und %3 Schritte von oben.</translation>
    </message>
    <message>
        <source>Stamp %1, %2 steps from the left and %3 steps from the top.</source>
        <translation>Stempel %1, %2 Schritte von links und %3 Schritte von oben.</translation>
    </message>
    <message>
        <source>Arrows choose, Return applies, Escape cancels.</source>
        <translation>Pfeiltasten wählen, Eingabetaste wendet an, Esc bricht ab.</translation>
    </message>
    <message>
        <source>Nothing on the working area for this tool.</source>
        <translation>Auf der Arbeitsfläche ist nichts für dieses Werkzeug.</translation>
    </message>
</context>
<context>
    <name>Tooltips</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Show the Procedure window under or beside the Go List</source>
        <translation>Das Prozedurfenster unter oder neben die Go-Liste setzen</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimieren</translation>
    </message>
</context>
<context>
    <name>zf::ui::AbortDialog</name>
    <message>
        <source>Zarnikfield - Printing</source>
        <translation>Zarnikfield - Drucken</translation>
    </message>
    <message>
        <source>Zarnikfield is printing...</source>
        <translation>Zarnikfield druckt...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>zf::ui::AboutBox</name>
    <message>
        <source>About Zarnikfield</source>
        <translation>Über Zarnikfield</translation>
    </message>
    <message>
        <source>A programming environment for the Floor Zarnik floor robot: key a Go Program on the robot&apos;s own keypad, watch it run on the working area, then send it to the robot down its lead.</source>
        <translation>Eine Programmierumgebung für den Bodenroboter Floor Zarnik: Tippe ein Go-Programm auf dem Tastenfeld des Roboters ein, sieh zu, wie es auf der Arbeitsfläche abläuft, und schicke es dann über das Kabel an den Roboter.</translation>
    </message>
    <message>
        <source>Zarnikfield is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License as published by the Free Software Foundation, either version 3 of the License, or (at your option) any later version. It is distributed in the hope that it will be useful, but WITHOUT ANY WARRANTY; without even the implied warranty of MERCHANTABILITY or FITNESS FOR A PARTICULAR PURPOSE.</source>
        <translation>Zarnikfield ist freie Software: Du kannst es unter den Bedingungen der GNU General Public License, wie sie die Free Software Foundation veröffentlicht, weitergeben und/oder verändern, entweder nach Version 3 der Lizenz oder (nach deiner Wahl) nach jeder späteren Version. Es wird in der Hoffnung verbreitet, dass es nützlich ist, aber OHNE JEDE GEWÄHRLEISTUNG, sogar ohne die stillschweigende Gewährleistung der MARKTGÄNGIGKEIT oder der EIGNUNG FÜR EINEN BESTIMMTEN ZWECK.</translation>
    </message>
    <message>
        <source>GNU General Public License, version 3</source>
        <translation>GNU General Public License, Version 3</translation>
    </message>
    <message>
        <source>This program uses the Qt libraries, version %1, under the GNU Lesser General Public License version 3. They are linked dynamically: you may replace them with your own build of Qt.</source>
        <translation>Dieses Programm benutzt die Qt-Bibliotheken, Version %1, unter der GNU Lesser General Public License Version 3. Sie sind dynamisch gebunden: Du darfst sie durch eine eigene Qt-Version ersetzen.</translation>
    </message>
    <message>
        <source>GNU Lesser General Public License, version 3</source>
        <translation>GNU Lesser General Public License, Version 3</translation>
    </message>
    <message>
        <source>The Qt libraries and their sources</source>
        <translation>Die Qt-Bibliotheken und ihr Quellcode</translation>
    </message>
</context>
<context>
    <name>zf::ui::ActivityLauncher</name>
    <message>
        <source>Zarnikfield Activities</source>
        <translation>Zarnikfield-Aufgaben</translation>
    </message>
    <message>
        <source>Choose an activity</source>
        <translation>Wähle eine Aufgabe</translation>
    </message>
    <message>
        <source>Click a picture to open its project in Zarnikfield. The help&apos;s Activity books describe what to do with each one.</source>
        <translation>Klicke ein Bild an, um sein Projekt in Zarnikfield zu öffnen. Die Aufgabenbücher in der Hilfe beschreiben, was man mit jeder Aufgabe machen kann.</translation>
    </message>
    <message>
        <source>There are no activities in %1.</source>
        <translation>In %1 gibt es keine Aufgaben.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Zarnikfield could not be started:
%1</source>
        <translation>Zarnikfield konnte nicht gestartet werden:
%1</translation>
    </message>
</context>
<context>
    <name>zf::ui::BackgroundDialog</name>
    <message>
        <source>Load or Create Background</source>
        <translation>Hintergrund laden oder malen</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Laden</translation>
    </message>
    <message>
        <source>C&amp;reate</source>
        <translation>&amp;Malen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
</context>
<context>
    <name>zf::ui::DesktopUi</name>
    <message>
        <source>Zarnikfield - Procedure</source>
        <translation>Zarnikfield - Prozedur</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
</context>
<context>
    <name>zf::ui::EnterTextDialog</name>
    <message>
        <source>&amp;Type your text here:</source>
        <translation>&amp;Tippe hier deinen Text ein:</translation>
    </message>
    <message>
        <source>&amp;Font...</source>
        <translation>&amp;Schrift...</translation>
    </message>
    <message>
        <source>C&amp;olour...</source>
        <translation>&amp;Farbe...</translation>
    </message>
    <message>
        <source>The text will be this big:</source>
        <translation>So groß wird der Text:</translation>
    </message>
    <message>
        <source>The Zarnik
is this big:</source>
        <translation>So groß ist
der Zarnik:</translation>
    </message>
    <message>
        <source>&amp;Place Text...</source>
        <translation>Text &amp;platzieren...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
</context>
<context>
    <name>zf::ui::FileListDialog</name>
    <message>
        <source>&amp;Choose a file from the list:</source>
        <translation>&amp;Wähle eine Datei aus der Liste:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>GO Program</source>
        <translation>GO-Programm</translation>
    </message>
</context>
<context>
    <name>zf::ui::HeadingDialog</name>
    <message>
        <source>Set Zarnik Heading</source>
        <translation>Zarnik-Richtung festlegen</translation>
    </message>
    <message>
        <source>&amp;Clockwise:</source>
        <translation>&amp;Im Uhrzeigersinn:</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>&amp;Anticlockwise:</source>
        <translation>&amp;Gegen den Uhrzeigersinn:</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Vorschau</translation>
    </message>
</context>
<context>
    <name>zf::ui::HelpCommands</name>
    <message>
        <source>The help book %1 cannot be found in %2.</source>
        <translation>Das Hilfebuch %1 ist nicht in %2 zu finden.</translation>
    </message>
</context>
<context>
    <name>zf::ui::HelpViewer</name>
    <message>
        <source>Zarnikfield Help</source>
        <translation>Zarnikfield-Hilfe</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <source> Find in page: </source>
        <translation> Auf der Seite suchen: </translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>Vo&amp;rige</translation>
    </message>
    <message>
        <source>%1 - Zarnikfield Help</source>
        <translation>%1 - Zarnikfield-Hilfe</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not on this page.</source>
        <translation>„%1“ steht nicht auf dieser Seite.</translation>
    </message>
</context>
<context>
    <name>zf::ui::MainWindow</name>
    <message>
        <source>Sending the Go Program to the Floor Zarnik...</source>
        <translation>Das Go-Programm wird an den Floor Zarnik gesendet...</translation>
    </message>
    <message>
        <source>Getting the Go Program from the Floor Zarnik...</source>
        <translation>Das Go-Programm wird vom Floor Zarnik geholt...</translation>
    </message>
</context>
<context>
    <name>zf::ui::PositionDialog</name>
    <message>
        <source>Set Zarnik Position</source>
        <translation>Zarnik-Position festlegen</translation>
    </message>
    <message>
        <source>Steps from the centre of the working area:</source>
        <translation>Schritte von der Mitte der Arbeitsfläche:</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>&amp;Oben</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>&amp;Links</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>&amp;Rechts</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>&amp;Unten</translation>
    </message>
</context>
<context>
    <name>zf::ui::PositionTextDialog</name>
    <message>
        <source>Position Text</source>
        <translation>Text platzieren</translation>
    </message>
    <message>
        <source>Drag this symbol to where you want to place the text.</source>
        <translation>Zieh dieses Zeichen dorthin, wo der Text stehen soll.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Or move the mark with the arrow keys and press Return.</source>
        <translation>Oder schiebe die Marke mit den Pfeiltasten und drücke die Eingabetaste.</translation>
    </message>
</context>
<context>
    <name>zf::ui::ProjectorMode</name>
    <message>
        <source>F&amp;ull Screen</source>
        <translation>&amp;Vollbild</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Originalgröße</translation>
    </message>
</context>
<context>
    <name>zf::ui::SizeDialog</name>
    <message>
        <source>Set Size of Working Area</source>
        <translation>Größe der Arbeitsfläche</translation>
    </message>
    <message>
        <source>Size of the working area in Zarnik steps:</source>
        <translation>Größe der Arbeitsfläche in Zarnik-Schritten:</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Breite:</translation>
    </message>
    <message>
        <source>steps</source>
        <translation>Schritte</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Höhe:</translation>
    </message>
</context>
<context>
    <name>zf::ui::TextPositionDialog</name>
    <message>
        <source>Top Left</source>
        <translation>Oben links</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Top Right</source>
        <translation>Oben rechts</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Bottom Left</source>
        <translation>Unten links</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>Bottom Right</source>
        <translation>Unten rechts</translation>
    </message>
    <message>
        <source>Text Position</source>
        <translation>Textposition</translation>
    </message>
    <message>
        <source>Place text at &amp;Zarnik position</source>
        <translation>Text an die &amp;Zarnik-Position setzen</translation>
    </message>
    <message>
        <source>Place text &amp;near Zarnik</source>
        <translation>Text &amp;neben Zarnik setzen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>zf::ui::ToolDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>zf::ui::WorkingAreaCommands</name>
    <message>
        <source>Include the &amp;Zarnik</source>
        <translation>&amp;Zarnik mit aufnehmen</translation>
    </message>
    <message>
        <source>Bitmaps</source>
        <translation>Bitmaps</translation>
    </message>
    <message>
        <source>PNG pictures</source>
        <translation>PNG-Bilder</translation>
    </message>
</context>
<context>
    <name>zfield</name>
    <message>
        <source>an empty file name was given for %s</source>
        <translation>für %s wurde ein leerer Dateiname angegeben</translation>
    </message>
    <message>
        <source>cannot write %s (nothing was changed)</source>
        <translation>%s kann nicht geschrieben werden (nichts wurde geändert)</translation>
    </message>
    <message>
        <source>the converted file would not open again: %s</source>
        <translation>die umgewandelte Datei ließe sich nicht wieder öffnen: %s</translation>
    </message>
    <message>
        <source>IN and OUT are needed</source>
        <translation>IN und OUT werden gebraucht</translation>
    </message>
    <message>
        <source>bad argument &apos;%s&apos;</source>
        <translation>falsches Argument &apos;%s&apos;</translation>
    </message>
    <message>
        <source>where to? (zfield get -o FILE.gop)</source>
        <translation>wohin? (zfield get -o FILE.gop)</translation>
    </message>
    <message>
        <source>--answer takes yes, no, cancel or edit</source>
        <translation>--answer nimmt yes, no, cancel oder edit</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%s&apos;</source>
        <translation>unerwartetes Argument &apos;%s&apos;</translation>
    </message>
    <message>
        <source>zfield: there is no language &apos;%s&apos; here; English is used (languages: %s)</source>
        <translation>zfield: die Sprache &apos;%s&apos; gibt es hier nicht; Englisch wird benutzt (Sprachen: %s)</translation>
    </message>
    <message>
        <source>--icon-size takes 5 to 50</source>
        <translation>--icon-size nimmt 5 bis 50</translation>
    </message>
    <message>
        <source>FILE.gop and -o OUT.png are needed</source>
        <translation>FILE.gop und -o OUT.png werden gebraucht</translation>
    </message>
    <message>
        <source>a list of %d lines is too long for one picture (%d lines at --icon-size %d); try a smaller --icon-size</source>
        <translation>eine Liste mit %d Zeilen ist zu lang für ein Bild (%d Zeilen bei --icon-size %d); versuche eine kleinere --icon-size</translation>
    </message>
    <message>
        <source>the listing would be %dx%d pixels, more than a picture may hold (%d); try a smaller --icon-size</source>
        <translation>die Liste wäre %dx%d Pixel groß, mehr als ein Bild fassen kann (%d); versuche eine kleinere --icon-size</translation>
    </message>
    <message>
        <source>keys &quot;SEQUENCE&quot; [--answer yes|no|edit]... [--check] [-o FILE.gop]
      Keys SEQUENCE into a fresh Go Program and prints the messages shown,
      the GO list, the PROC list and the memory units left; -o saves it.</source>
        <translation>keys &quot;SEQUENCE&quot; [--answer yes|no|edit]... [--check] [-o FILE.gop]
      Tippt SEQUENCE in ein neues Go-Programm, gibt die gezeigten Meldungen,
      die GO-Liste, die PROC-Liste und die freien Zellen aus; -o speichert es.</translation>
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
        <translation>run (--keys &quot;SEQUENCE&quot; | FILE.gop) [--project P.zfp] [--floor W,H] [--instant]
      [--trail] [--limit N] [-o OUT.png [--size WxH]]
      Tippt SEQUENCE ein (oder öffnet FILE.gop) und lässt es wie GO ablaufen,
      von der Mitte einer Arbeitsfläche mit W x H Schritten (10 x 10) aus,
      Richtung 0, mit dem dünnen schwarzen Stift wie am Bildschirm, oder auf
      der Arbeitsfläche und mit dem Start von Projekt P; gibt die gezeigten
      Meldungen, den Roboter (mm und Grad), die Spur und die Zahl der Objekte aus;
      -o zeichnet die Arbeitsfläche in WxH Pixel (1000x1000), den Roboter dort,
      wo er anhielt. W und H sind 1 bis 99 Schritte; --limit N hält einen Lauf
      an, der nach N Befehlen nicht zu Ende ist. Rückgabewert 1, wenn der Lauf
      nicht starten konnte, vorzeitig beendet wurde oder die Grenze erreichte.</translation>
    </message>
    <message>
        <source>listing FILE.gop -o OUT.png [--icon-size N]
      Draws the GO list and the PROC list as their windows show them, with
      key pictures N pixels high (5 to 50, 30 by default).</source>
        <translation>listing FILE.gop -o OUT.png [--icon-size N]
      Zeichnet die GO-Liste und die PROC-Liste so, wie ihre Fenster sie zeigen,
      mit Tastenbildern von N Pixel Höhe (5 bis 50, ohne Angabe 30).</translation>
    </message>
    <message>
        <source>print FILE.gop -o OUT.pdf [--icon-size N] [--working-area [--project P.zfp]]
      Prints to a PDF file (A4) the pages Print Go Program prints: the GO
      list, then the PROC list, 55 - N lines a page (N the listing size, 30
      by default); --working-area prints the working area instead, after
      running FILE.gop on a fresh 10 x 10-step one or on that of project P.</source>
        <translation>print FILE.gop -o OUT.pdf [--icon-size N] [--working-area [--project P.zfp]]
      Druckt die Seiten von Go-Programm drucken in eine PDF-Datei (A4): die
      GO-Liste, dann die PROC-Liste, 55 - N Reihen pro Seite (N = Listengröße,
      ohne Angabe 30); --working-area druckt stattdessen die Arbeitsfläche,
      nach einem Lauf von FILE.gop auf einer neuen (10 x 10) oder der von P.</translation>
    </message>
    <message>
        <source>send FILE.gop [--port N | --device PATH] [--trace]
      Sends the Go Program to the Floor Zarnik as Send GO Program does, on
      port N (1..4, else the com port of zfield.ini) or the terminal device
      PATH; prints the messages shown; --trace prints the port&apos;s trace lines.</source>
        <translation>send FILE.gop [--port N | --device PATH] [--trace]
      Sendet das Go-Programm wie GO-Programm senden an den Floor Zarnik, über
      Anschluss N (1..4, sonst com port aus zfield.ini) oder das Gerät PATH;
      gibt die gezeigten Meldungen aus; --trace auch die Zeilen des Anschlusses.</translation>
    </message>
    <message>
        <source>get [--port N | --device PATH] [--trace] -o FILE.gop
      Reads the Go Program held by the Floor Zarnik as Get GO Program does,
      saves it to FILE.gop and prints the messages shown and its lists.</source>
        <translation>get [--port N | --device PATH] [--trace] -o FILE.gop
      Liest das Go-Programm im Floor Zarnik wie GO-Programm holen, speichert es
      in FILE.gop und gibt die gezeigten Meldungen und seine Listen aus.</translation>
    </message>
    <message>
        <source>show FILE
      Prints a Go Program as keys prints its lists, or a project (any form)
      as its settings, its trail points and its objects, one a line.</source>
        <translation>show FILE
      Gibt ein Go-Programm aus wie keys seine Listen, oder ein Projekt (jede
      Form) als Einstellungen, Spurpunkte und Objekte, eins pro Zeile.</translation>
    </message>
    <message>
        <source>convert IN OUT
      Reads a Go Program or a project of any version and writes it as 2.0.</source>
        <translation>convert IN OUT
      Liest ein Go-Programm oder ein Projekt jeder Version und schreibt es als 2.0.</translation>
    </message>
    <message>
        <source>Messages the program shows go to standard error, results to standard output.
Exit status: 0 when the command did all that was asked, 1 when it could not
(a message says why), 2 for a wrong command line. Relative paths are taken
from the current directory; files are replaced whole or not at all.
The messages speak the language LANGUAGE, LC_ALL, LC_MESSAGES or LANG names,
or the one --lang CODE names (en, or a translation installed with zfield).
</source>
        <translation>Meldungen des Programms gehen auf die Standardfehlerausgabe, Ergebnisse auf
die Standardausgabe. Rückgabewert: 0, wenn der Befehl alles getan hat, was
verlangt war, 1, wenn nicht (eine Meldung sagt, warum), 2 bei einer falschen
Befehlszeile. Relative Pfade gelten ab dem aktuellen Ordner; Dateien werden
ganz oder gar nicht ersetzt. Die Meldungen sprechen die Sprache, die LANGUAGE,
LC_ALL, LC_MESSAGES oder LANG nennt, oder die von --lang CODE (en oder eine
mit zfield installierte Übersetzung).
</translation>
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
        <translation>Tastenfolgen (Wörter durch Leerzeichen getrennt, Groß/Klein egal):
  FD BK LT RT        die vier Pfeiltasten, auch FORWARD BACK LEFT RIGHT
  RPT P Q W M S T    auch REPEAT PROCEDURE QUAVER WAIT MOTOR SENSE TOGGLE
  [ ]                die Klammertaste
  0..9               Zifferntasten; bei mehreren Ziffern jede nacheinander
  CE CM GO           Eingabe löschen, Speicher löschen (bestätigt), Los
  POS(x,y) HEAD(h)   Grafikbefehle: Position in Schritten von der Mitte, Richtung
  SHAPE(name) STAMP(name) PEN(name)
  PENUP FLIP FLIPSTAMP TEXT(&quot;text&quot;) TEXT(&quot;text&quot;,mode)
Listen nutzen dieselben Wörter, ein Befehl pro Zeile: RPT 4 [, FD 2 5, ], P 3 [.
In einem Text in &quot;...&quot;: \&quot; ist ein &quot;, \\ ein Backslash, \n ein Zeilenumbruch.
</translation>
    </message>
    <message>
        <source>zfield %s - the Zarnikfield command-line companion</source>
        <translation>zfield %s - der Helfer von Zarnikfield für die Befehlszeile</translation>
    </message>
    <message>
        <source>Usage: zfield [--lang CODE] COMMAND [ARGS]
       zfield --help | --version

Commands:</source>
        <translation>Aufruf: zfield [--lang CODE] COMMAND [ARGS]
        zfield --help | --version

Befehle:</translation>
    </message>
    <message>
        <source>zfield: unknown command &apos;%s&apos; (see zfield --help)</source>
        <translation>zfield: unbekannter Befehl &apos;%s&apos; (siehe zfield --help)</translation>
    </message>
    <message>
        <source>--size takes WxH in pixels, each at most %d and at most %d pixels in all</source>
        <translation>--size nimmt WxH in Pixeln, jeweils höchstens %d und insgesamt höchstens %d Pixel</translation>
    </message>
    <message>
        <source>--size goes with -o OUT.png</source>
        <translation>--size geht nur mit -o OUT.png</translation>
    </message>
    <message>
        <source>cannot make the picture for %s</source>
        <translation>das Bild für %s kann nicht gemacht werden</translation>
    </message>
    <message>
        <source>the working area does not fit in %dx%d pixels</source>
        <translation>die Arbeitsfläche passt nicht in %dx%d Pixel</translation>
    </message>
    <message>
        <source>this build draws no pictures (it was built without Qt)</source>
        <translation>diese Version zeichnet keine Bilder (sie wurde ohne Qt gebaut)</translation>
    </message>
    <message>
        <source>--project needs a file name</source>
        <translation>--project braucht einen Dateinamen</translation>
    </message>
    <message>
        <source>FILE.gop and -o OUT.pdf are needed</source>
        <translation>FILE.gop und -o OUT.pdf werden gebraucht</translation>
    </message>
    <message>
        <source>--project goes with --working-area</source>
        <translation>--project geht nur mit --working-area</translation>
    </message>
    <message>
        <source>%s has nothing to print</source>
        <translation>%s hat nichts zum Drucken</translation>
    </message>
    <message>
        <source>opening your changed copy %s</source>
        <translation>deine geänderte Kopie %s wird geöffnet</translation>
    </message>
    <message>
        <source>--floor takes W,H in steps, each 1 to 99</source>
        <translation>--floor nimmt W,H in Schritten, jeweils 1 bis 99</translation>
    </message>
    <message>
        <source>--limit takes a number of instructions, 1 or more</source>
        <translation>--limit nimmt eine Zahl von Befehlen, 1 oder mehr</translation>
    </message>
    <message>
        <source>a program is needed (--keys &quot;SEQUENCE&quot; or FILE.gop)</source>
        <translation>ein Programm wird gebraucht (--keys &quot;SEQUENCE&quot; oder FILE.gop)</translation>
    </message>
    <message>
        <source>the Go Program could not start</source>
        <translation>das Go-Programm konnte nicht starten</translation>
    </message>
    <message>
        <source>stopped after %d instructions (--limit %d)</source>
        <translation>nach %d Befehlen angehalten (--limit %d)</translation>
    </message>
    <message>
        <source>the run was ended early</source>
        <translation>der Lauf wurde vorzeitig beendet</translation>
    </message>
    <message>
        <source>bad option &apos;%s&apos;</source>
        <translation>falsche Option &apos;%s&apos;</translation>
    </message>
    <message>
        <source>which Go Program? (zfield send FILE.gop)</source>
        <translation>welches Go-Programm? (zfield send FILE.gop)</translation>
    </message>
    <message>
        <source>one file is needed</source>
        <translation>eine Datei wird gebraucht</translation>
    </message>
</context>
</TS>
