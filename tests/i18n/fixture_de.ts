<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Messages</name>
    <message>
        <source>Zarnik memory full!</source>
        <translation>Der Speicher des Zarnik ist voll!</translation>
    </message>
    <message>
        <source>Procedure %d cannot accept another closing bracket.</source>
        <translation>Prozedur %d kann keine weitere schließende Klammer annehmen.</translation>
    </message>
    <message>
        <source>Program copied from Zarnik.</source>
        <translation>Programm vom Zarnik kopiert.</translation>
    </message>
</context>
</TS>
