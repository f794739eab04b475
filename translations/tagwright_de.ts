<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>runCommand</name>
    <message>
        <source>There is not enough memory.</source>
        <translation>Es ist nicht genug Arbeitsspeicher frei.</translation>
    </message>
    <message>
        <source>The command could not be finished.

%1</source>
        <translation>Der Befehl konnte nicht zu Ende geführt werden.

%1</translation>
    </message>
</context>
<context>
    <name>saveMainBox</name>
    <message>
        <source>The page could not be saved to
%1

%2</source>
        <translation>Die Seite konnte nicht gespeichert werden unter
%1

%2</translation>
    </message>
</context>
<context>
    <name>writePageFile</name>
    <message>
        <source>No program is reading from it.</source>
        <translation>Kein Programm liest daraus.</translation>
    </message>
</context>
</TS>
