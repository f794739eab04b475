<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>runCommand</name>
    <message>
        <source>There is not enough memory.</source>
        <translation>Er is niet genoeg geheugen.</translation>
    </message>
    <message>
        <source>The command could not be finished.

%1</source>
        <translation>De opdracht kon niet worden voltooid.

%1</translation>
    </message>
</context>
<context>
    <name>saveMainBox</name>
    <message>
        <source>The page could not be saved to
%1

%2</source>
        <translation>De pagina kon niet worden opgeslagen in
%1

%2</translation>
    </message>
</context>
<context>
    <name>writePageFile</name>
    <message>
        <source>No program is reading from it.</source>
        <translation>Geen enkel programma leest eruit.</translation>
    </message>
    <message>
        <source>The file was swapped for another while it was being saved; nothing was written.</source>
        <translation>Het bestand is tijdens het opslaan door een ander vervangen; er is niets geschreven.</translation>
    </message>
    <message>
        <source>%1.
The earlier page was put back unchanged.</source>
        <translation>%1.
De vorige pagina is ongewijzigd teruggezet.</translation>
    </message>
    <message>
        <source>%1.
The earlier page could not be put back; the file may hold part of the new page.</source>
        <translation>%1.
De vorige pagina kon niet worden teruggezet; het bestand kan een deel van de nieuwe pagina bevatten.</translation>
    </message>
    <message>
        <source>%1.
The file may not be read, so its earlier content could not be kept; the file may hold part of the new page.</source>
        <translation>%1.
Het bestand mag niet worden gelezen, dus de vorige inhoud kon niet worden bewaard; het bestand kan een deel van de nieuwe pagina bevatten.</translation>
    </message>
    <message>
        <source>The file is not writable: %1.</source>
        <translation>Het bestand is niet schrijfbaar: %1.</translation>
    </message>
    <message>
        <source>It is a disk, not a file; a page is not written over a disk.</source>
        <translation>Het is een schijf, geen bestand; een pagina wordt niet over een schijf heen geschreven.</translation>
    </message>
    <message>
        <source>It is a socket, not a file; a page cannot be written into it.</source>
        <translation>Het is een socket, geen bestand; er kan geen pagina in geschreven worden.</translation>
    </message>
</context>
</TS>
