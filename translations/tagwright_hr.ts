<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hr">
<context>
    <name>runCommand</name>
    <message>
        <source>There is not enough memory.</source>
        <translation>Nema dovoljno memorije.</translation>
    </message>
    <message>
        <source>The command could not be finished.

%1</source>
        <translation>Naredba se nije mogla dovršiti.

%1</translation>
    </message>
</context>
<context>
    <name>saveMainBox</name>
    <message>
        <source>The page could not be saved to
%1

%2</source>
        <translation>Stranica se nije mogla spremiti u
%1

%2</translation>
    </message>
</context>
<context>
    <name>writePageFile</name>
    <message>
        <source>No program is reading from it.</source>
        <translation>Nijedan program ne čita iz nje.</translation>
    </message>
    <message>
        <source>The file was swapped for another while it was being saved; nothing was written.</source>
        <translation>Datoteka je tijekom spremanja zamijenjena drugom; ništa nije zapisano.</translation>
    </message>
    <message>
        <source>%1.
The earlier page was put back unchanged.</source>
        <translation>%1.
Prethodna stranica vraćena je nepromijenjena.</translation>
    </message>
    <message>
        <source>%1.
The earlier page could not be put back; the file may hold part of the new page.</source>
        <translation>%1.
Prethodna stranica nije se mogla vratiti; datoteka možda sadrži dio nove stranice.</translation>
    </message>
    <message>
        <source>%1.
The file may not be read, so its earlier content could not be kept; the file may hold part of the new page.</source>
        <translation>%1.
Datoteku nije dopušteno čitati, pa se njezin prethodni sadržaj nije mogao sačuvati; datoteka možda sadrži dio nove stranice.</translation>
    </message>
    <message>
        <source>The file is not writable: %1.</source>
        <translation>U datoteku se ne može pisati: %1.</translation>
    </message>
    <message>
        <source>It is a disk, not a file; a page is not written over a disk.</source>
        <translation>To je disk, a ne datoteka; stranica se ne zapisuje preko diska.</translation>
    </message>
    <message>
        <source>It is a socket, not a file; a page cannot be written into it.</source>
        <translation>To je utičnica, a ne datoteka; stranica se u nju ne može zapisati.</translation>
    </message>
</context>
</TS>
