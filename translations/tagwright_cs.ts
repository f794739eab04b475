<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>runCommand</name>
    <message>
        <source>There is not enough memory.</source>
        <translation>Není dostatek paměti.</translation>
    </message>
    <message>
        <source>The command could not be finished.

%1</source>
        <translation>Příkaz nebylo možné dokončit.

%1</translation>
    </message>
</context>
<context>
    <name>saveMainBox</name>
    <message>
        <source>The page could not be saved to
%1

%2</source>
        <translation>Stránku nebylo možné uložit do
%1

%2</translation>
    </message>
</context>
<context>
    <name>writePageFile</name>
    <message>
        <source>No program is reading from it.</source>
        <translation>Žádný program z něj nečte.</translation>
    </message>
    <message>
        <source>The file was swapped for another while it was being saved; nothing was written.</source>
        <translation>Soubor byl během ukládání zaměněn za jiný; nic nebylo zapsáno.</translation>
    </message>
    <message>
        <source>%1.
The earlier page was put back unchanged.</source>
        <translation>%1.
Předchozí stránka byla obnovena beze změn.</translation>
    </message>
    <message>
        <source>%1.
The earlier page could not be put back; the file may hold part of the new page.</source>
        <translation>%1.
Předchozí stránku nebylo možné obnovit; soubor může obsahovat část nové stránky.</translation>
    </message>
    <message>
        <source>%1.
The file may not be read, so its earlier content could not be kept; the file may hold part of the new page.</source>
        <translation>%1.
Soubor není dovoleno číst, proto nebylo možné zachovat jeho předchozí obsah; soubor může obsahovat část nové stránky.</translation>
    </message>
    <message>
        <source>The file is not writable: %1.</source>
        <translation>Do souboru nelze zapisovat: %1.</translation>
    </message>
    <message>
        <source>It is a disk, not a file; a page is not written over a disk.</source>
        <translation>Je to disk, ne soubor; stránka se přes disk nezapisuje.</translation>
    </message>
    <message>
        <source>It is a socket, not a file; a page cannot be written into it.</source>
        <translation>Je to soket, ne soubor; stránku do něj nelze zapsat.</translation>
    </message>
</context>
</TS>
