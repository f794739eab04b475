<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da">
<context>
    <name>runCommand</name>
    <message>
        <source>There is not enough memory.</source>
        <translation>Der er ikke nok hukommelse.</translation>
    </message>
    <message>
        <source>The command could not be finished.

%1</source>
        <translation>Kommandoen kunne ikke fuldføres.

%1</translation>
    </message>
</context>
<context>
    <name>saveMainBox</name>
    <message>
        <source>The page could not be saved to
%1

%2</source>
        <translation>Siden kunne ikke gemmes som
%1

%2</translation>
    </message>
</context>
<context>
    <name>writePageFile</name>
    <message>
        <source>No program is reading from it.</source>
        <translation>Intet program læser fra den.</translation>
    </message>
    <message>
        <source>The file was swapped for another while it was being saved; nothing was written.</source>
        <translation>Filen blev skiftet ud med en anden, mens den blev gemt; intet blev skrevet.</translation>
    </message>
    <message>
        <source>%1.
The earlier page was put back unchanged.</source>
        <translation>%1.
Den tidligere side blev gendannet uændret.</translation>
    </message>
    <message>
        <source>%1.
The earlier page could not be put back; the file may hold part of the new page.</source>
        <translation>%1.
Den tidligere side kunne ikke gendannes; filen kan indeholde en del af den nye side.</translation>
    </message>
    <message>
        <source>%1.
The file may not be read, so its earlier content could not be kept; the file may hold part of the new page.</source>
        <translation>%1.
Filen må ikke læses, så dens tidligere indhold kunne ikke bevares; filen kan indeholde en del af den nye side.</translation>
    </message>
    <message>
        <source>The file is not writable: %1.</source>
        <translation>Filen er ikke skrivbar: %1.</translation>
    </message>
    <message>
        <source>It is a disk, not a file; a page is not written over a disk.</source>
        <translation>Det er en disk, ikke en fil; en side skrives ikke hen over en disk.</translation>
    </message>
    <message>
        <source>It is a socket, not a file; a page cannot be written into it.</source>
        <translation>Det er en sokkel, ikke en fil; en side kan ikke skrives ind i den.</translation>
    </message>
</context>
</TS>
