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
    <message>
        <source>The file was swapped for another while it was being saved; nothing was written.</source>
        <translation>Die Datei wurde während des Speicherns gegen eine andere ausgetauscht; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1.
The earlier page was put back unchanged.</source>
        <translation>%1.
Die frühere Seite wurde unverändert zurückgeschrieben.</translation>
    </message>
    <message>
        <source>%1.
The earlier page could not be put back; the file may hold part of the new page.</source>
        <translation>%1.
Die frühere Seite konnte nicht zurückgeschrieben werden; die Datei kann einen Teil der neuen Seite enthalten.</translation>
    </message>
    <message>
        <source>The file is not writable: %1.</source>
        <translation>Die Datei ist nicht beschreibbar: %1.</translation>
    </message>
    <message>
        <source>%1.
The file may not be read, so its earlier content could not be kept; the file may hold part of the new page.</source>
        <translation>%1.
Die Datei darf nicht gelesen werden, daher konnte ihr früherer Inhalt nicht aufbewahrt werden; die Datei kann einen Teil der neuen Seite enthalten.</translation>
    </message>
    <message>
        <source>It is a disk, not a file; a page is not written over a disk.</source>
        <translation>Das ist ein Datenträger, keine Datei; eine Seite wird nicht über einen Datenträger geschrieben.</translation>
    </message>
    <message>
        <source>It is a socket, not a file; a page cannot be written into it.</source>
        <translation>Das ist ein Socket, keine Datei; eine Seite kann nicht hineingeschrieben werden.</translation>
    </message>
</context>
</TS>
