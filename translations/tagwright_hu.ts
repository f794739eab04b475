<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu">
<context>
    <name>runCommand</name>
    <message>
        <source>There is not enough memory.</source>
        <translation>Nincs elég memória.</translation>
    </message>
    <message>
        <source>The command could not be finished.

%1</source>
        <translation>A parancsot nem sikerült befejezni.

%1</translation>
    </message>
</context>
<context>
    <name>saveMainBox</name>
    <message>
        <source>The page could not be saved to
%1

%2</source>
        <translation>Az oldalt nem sikerült menteni ide:
%1

%2</translation>
    </message>
</context>
<context>
    <name>writePageFile</name>
    <message>
        <source>No program is reading from it.</source>
        <translation>Egyetlen program sem olvas belőle.</translation>
    </message>
    <message>
        <source>The file was swapped for another while it was being saved; nothing was written.</source>
        <translation>A fájlt mentés közben egy másikra cserélték; semmi sem íródott ki.</translation>
    </message>
    <message>
        <source>%1.
The earlier page was put back unchanged.</source>
        <translation>%1.
A korábbi oldalt sikerült változatlanul visszaállítani.</translation>
    </message>
    <message>
        <source>%1.
The earlier page could not be put back; the file may hold part of the new page.</source>
        <translation>%1.
A korábbi oldalt nem sikerült visszaállítani; a fájl az új oldal egy részét tartalmazhatja.</translation>
    </message>
    <message>
        <source>%1.
The file may not be read, so its earlier content could not be kept; the file may hold part of the new page.</source>
        <translation>%1.
A fájl olvasása nem engedélyezett, ezért korábbi tartalmát nem sikerült megőrizni; a fájl az új oldal egy részét tartalmazhatja.</translation>
    </message>
    <message>
        <source>The file is not writable: %1.</source>
        <translation>A fájl nem írható: %1.</translation>
    </message>
    <message>
        <source>It is a disk, not a file; a page is not written over a disk.</source>
        <translation>Ez lemez, nem fájl; lemezre nem íródik rá oldal.</translation>
    </message>
    <message>
        <source>It is a socket, not a file; a page cannot be written into it.</source>
        <translation>Ez foglalat, nem fájl; oldal nem írható bele.</translation>
    </message>
</context>
</TS>
