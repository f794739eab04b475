<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk">
<context>
    <name>runCommand</name>
    <message>
        <source>There is not enough memory.</source>
        <translation>Nie je dostatok pamäte.</translation>
    </message>
    <message>
        <source>The command could not be finished.

%1</source>
        <translation>Príkaz sa nepodarilo dokončiť.

%1</translation>
    </message>
</context>
<context>
    <name>saveMainBox</name>
    <message>
        <source>The page could not be saved to
%1

%2</source>
        <translation>Stránku sa nepodarilo uložiť do
%1

%2</translation>
    </message>
</context>
<context>
    <name>writePageFile</name>
    <message>
        <source>No program is reading from it.</source>
        <translation>Žiadny program z neho nečíta.</translation>
    </message>
    <message>
        <source>The file was swapped for another while it was being saved; nothing was written.</source>
        <translation>Súbor bol počas ukladania zamenený za iný; nič sa nezapísalo.</translation>
    </message>
    <message>
        <source>%1.
The earlier page was put back unchanged.</source>
        <translation>%1.
Predchádzajúca stránka bola obnovená bez zmien.</translation>
    </message>
    <message>
        <source>%1.
The earlier page could not be put back; the file may hold part of the new page.</source>
        <translation>%1.
Predchádzajúcu stránku sa nepodarilo obnoviť; súbor môže obsahovať časť novej stránky.</translation>
    </message>
    <message>
        <source>%1.
The file may not be read, so its earlier content could not be kept; the file may hold part of the new page.</source>
        <translation>%1.
Súbor nie je dovolené čítať, preto sa nepodarilo zachovať jeho predchádzajúci obsah; súbor môže obsahovať časť novej stránky.</translation>
    </message>
    <message>
        <source>The file is not writable: %1.</source>
        <translation>Do súboru nemožno zapisovať: %1.</translation>
    </message>
    <message>
        <source>It is a disk, not a file; a page is not written over a disk.</source>
        <translation>Je to disk, nie súbor; stránka sa cez disk nezapisuje.</translation>
    </message>
    <message>
        <source>It is a socket, not a file; a page cannot be written into it.</source>
        <translation>Je to soket, nie súbor; stránku doň nemožno zapísať.</translation>
    </message>
</context>
</TS>
