<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Messages</name>
    <message>
        <source>Number not expected.</source>
        <translation>Hier passt keine Zahl.</translation>
    </message>
</context>
<context>
    <name>zfield</name>
    <message>
        <source>unexpected argument &apos;%s&apos;</source>
        <translation>unerwartetes Argument »%s«</translation>
    </message>
</context>
</TS>
