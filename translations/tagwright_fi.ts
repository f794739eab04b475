<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi">
<context>
    <name>runCommand</name>
    <message>
        <source>There is not enough memory.</source>
        <translation>Muistia ei ole riittävästi.</translation>
    </message>
    <message>
        <source>The command could not be finished.

%1</source>
        <translation>Komentoa ei voitu suorittaa loppuun.

%1</translation>
    </message>
</context>
<context>
    <name>saveMainBox</name>
    <message>
        <source>The page could not be saved to
%1

%2</source>
        <translation>Sivua ei voitu tallentaa kohteeseen
%1

%2</translation>
    </message>
</context>
<context>
    <name>writePageFile</name>
    <message>
        <source>No program is reading from it.</source>
        <translation>Mikään ohjelma ei lue siitä.</translation>
    </message>
    <message>
        <source>The file was swapped for another while it was being saved; nothing was written.</source>
        <translation>Tiedosto korvattiin toisella tallennuksen aikana; mitään ei kirjoitettu.</translation>
    </message>
    <message>
        <source>%1.
The earlier page was put back unchanged.</source>
        <translation>%1.
Aiempi sivu palautettiin ennalleen.</translation>
    </message>
    <message>
        <source>%1.
The earlier page could not be put back; the file may hold part of the new page.</source>
        <translation>%1.
Aiempaa sivua ei voitu palauttaa; tiedostossa voi olla osa uudesta sivusta.</translation>
    </message>
    <message>
        <source>%1.
The file may not be read, so its earlier content could not be kept; the file may hold part of the new page.</source>
        <translation>%1.
Tiedoston lukeminen ei ole sallittua, joten sen aiempaa sisältöä ei voitu säilyttää; tiedostossa voi olla osa uudesta sivusta.</translation>
    </message>
    <message>
        <source>The file is not writable: %1.</source>
        <translation>Tiedostoon ei voi kirjoittaa: %1.</translation>
    </message>
    <message>
        <source>It is a disk, not a file; a page is not written over a disk.</source>
        <translation>Se on levy eikä tiedosto; sivua ei kirjoiteta levyn päälle.</translation>
    </message>
    <message>
        <source>It is a socket, not a file; a page cannot be written into it.</source>
        <translation>Se on pistoke eikä tiedosto; sivua ei voi kirjoittaa siihen.</translation>
    </message>
</context>
</TS>
