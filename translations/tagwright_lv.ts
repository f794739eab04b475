<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lv">
<context>
    <name>runCommand</name>
    <message>
        <source>There is not enough memory.</source>
        <translation>Nepietiek atmiņas.</translation>
    </message>
    <message>
        <source>The command could not be finished.

%1</source>
        <translation>Komandu neizdevās pabeigt.

%1</translation>
    </message>
</context>
<context>
    <name>saveMainBox</name>
    <message>
        <source>The page could not be saved to
%1

%2</source>
        <translation>Lapu neizdevās saglabāt šeit:
%1

%2</translation>
    </message>
</context>
<context>
    <name>writePageFile</name>
    <message>
        <source>No program is reading from it.</source>
        <translation>Neviena programma no tās nelasa.</translation>
    </message>
    <message>
        <source>The file was swapped for another while it was being saved; nothing was written.</source>
        <translation>Saglabāšanas laikā datne tika aizstāta ar citu; nekas netika ierakstīts.</translation>
    </message>
    <message>
        <source>%1.
The earlier page was put back unchanged.</source>
        <translation>%1.
Iepriekšējā lapa tika atjaunota nemainīta.</translation>
    </message>
    <message>
        <source>%1.
The earlier page could not be put back; the file may hold part of the new page.</source>
        <translation>%1.
Iepriekšējo lapu neizdevās atjaunot; datnē var būt daļa no jaunās lapas.</translation>
    </message>
    <message>
        <source>%1.
The file may not be read, so its earlier content could not be kept; the file may hold part of the new page.</source>
        <translation>%1.
Datni nav atļauts lasīt, tāpēc tās iepriekšējo saturu neizdevās saglabāt; datnē var būt daļa no jaunās lapas.</translation>
    </message>
    <message>
        <source>The file is not writable: %1.</source>
        <translation>Datnē nevar rakstīt: %1.</translation>
    </message>
    <message>
        <source>It is a disk, not a file; a page is not written over a disk.</source>
        <translation>Tas ir disks, nevis datne; lapu pāri diskam neraksta.</translation>
    </message>
    <message>
        <source>It is a socket, not a file; a page cannot be written into it.</source>
        <translation>Tā ir ligzda, nevis datne; tajā nevar ierakstīt lapu.</translation>
    </message>
</context>
</TS>
