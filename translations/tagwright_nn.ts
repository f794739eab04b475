<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nn">
<context>
    <name>runCommand</name>
    <message>
        <source>There is not enough memory.</source>
        <translation>Det er ikkje nok minne.</translation>
    </message>
    <message>
        <source>The command could not be finished.

%1</source>
        <translation>Kommandoen kunne ikkje fullførast.

%1</translation>
    </message>
</context>
<context>
    <name>saveMainBox</name>
    <message>
        <source>The page could not be saved to
%1

%2</source>
        <translation>Sida kunne ikkje lagrast som
%1

%2</translation>
    </message>
</context>
<context>
    <name>writePageFile</name>
    <message>
        <source>No program is reading from it.</source>
        <translation>Ingen program les frå fila.</translation>
    </message>
    <message>
        <source>The file was swapped for another while it was being saved; nothing was written.</source>
        <translation>Fila vart bytt ut med ei anna medan ho vart lagra; ingenting vart skrive.</translation>
    </message>
    <message>
        <source>%1.
The earlier page was put back unchanged.</source>
        <translation>%1.
Den førre sida vart sett tilbake uendra.</translation>
    </message>
    <message>
        <source>%1.
The earlier page could not be put back; the file may hold part of the new page.</source>
        <translation>%1.
Den førre sida kunne ikkje setjast tilbake; fila kan innehalde ein del av den nye sida.</translation>
    </message>
    <message>
        <source>%1.
The file may not be read, so its earlier content could not be kept; the file may hold part of the new page.</source>
        <translation>%1.
Du har ikkje løyve til å lese fila, så det tidlegare innhaldet kunne ikkje takast vare på; fila kan innehalde ein del av den nye sida.</translation>
    </message>
    <message>
        <source>The file is not writable: %1.</source>
        <translation>Fila er ikkje skrivbar: %1.</translation>
    </message>
    <message>
        <source>It is a disk, not a file; a page is not written over a disk.</source>
        <translation>Det er ein disk, ikkje ei fil; ei side vert ikkje skriven over ein disk.</translation>
    </message>
    <message>
        <source>It is a socket, not a file; a page cannot be written into it.</source>
        <translation>Det er ein sokkel, ikkje ei fil; ei side kan ikkje skrivast inn i han.</translation>
    </message>
</context>
</TS>
