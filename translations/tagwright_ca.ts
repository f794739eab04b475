<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca">
<context>
    <name>runCommand</name>
    <message>
        <source>There is not enough memory.</source>
        <translation>No hi ha prou memòria.</translation>
    </message>
    <message>
        <source>The command could not be finished.

%1</source>
        <translation>No s&apos;ha pogut acabar l&apos;ordre.

%1</translation>
    </message>
</context>
<context>
    <name>saveMainBox</name>
    <message>
        <source>The page could not be saved to
%1

%2</source>
        <translation>No s&apos;ha pogut desar la pàgina a
%1

%2</translation>
    </message>
</context>
<context>
    <name>writePageFile</name>
    <message>
        <source>No program is reading from it.</source>
        <translation>Cap programa no en llegeix.</translation>
    </message>
    <message>
        <source>The file was swapped for another while it was being saved; nothing was written.</source>
        <translation>El fitxer s&apos;ha substituït per un altre mentre es desava; no s&apos;ha escrit res.</translation>
    </message>
    <message>
        <source>%1.
The earlier page was put back unchanged.</source>
        <translation>%1.
S&apos;ha restaurat la pàgina anterior sense canvis.</translation>
    </message>
    <message>
        <source>%1.
The earlier page could not be put back; the file may hold part of the new page.</source>
        <translation>%1.
No s&apos;ha pogut restaurar la pàgina anterior; és possible que el fitxer contingui part de la pàgina nova.</translation>
    </message>
    <message>
        <source>%1.
The file may not be read, so its earlier content could not be kept; the file may hold part of the new page.</source>
        <translation>%1.
No es permet llegir el fitxer, per això no se n&apos;ha pogut conservar el contingut anterior; és possible que el fitxer contingui part de la pàgina nova.</translation>
    </message>
    <message>
        <source>The file is not writable: %1.</source>
        <translation>No es pot escriure al fitxer: %1.</translation>
    </message>
    <message>
        <source>It is a disk, not a file; a page is not written over a disk.</source>
        <translation>És un disc, no pas un fitxer; una pàgina no s&apos;escriu damunt d&apos;un disc.</translation>
    </message>
    <message>
        <source>It is a socket, not a file; a page cannot be written into it.</source>
        <translation>És un sòcol, no pas un fitxer; no s&apos;hi pot escriure una pàgina.</translation>
    </message>
</context>
</TS>
