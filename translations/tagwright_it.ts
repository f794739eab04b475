<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>runCommand</name>
    <message>
        <source>There is not enough memory.</source>
        <translation>Non c&apos;è abbastanza memoria.</translation>
    </message>
    <message>
        <source>The command could not be finished.

%1</source>
        <translation>Impossibile portare a termine il comando.

%1</translation>
    </message>
</context>
<context>
    <name>saveMainBox</name>
    <message>
        <source>The page could not be saved to
%1

%2</source>
        <translation>Impossibile salvare la pagina in
%1

%2</translation>
    </message>
</context>
<context>
    <name>writePageFile</name>
    <message>
        <source>No program is reading from it.</source>
        <translation>Nessun programma lo sta leggendo.</translation>
    </message>
    <message>
        <source>The file was swapped for another while it was being saved; nothing was written.</source>
        <translation>Il file è stato sostituito da un altro durante il salvataggio; non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>%1.
The earlier page was put back unchanged.</source>
        <translation>%1.
La pagina precedente è stata ripristinata invariata.</translation>
    </message>
    <message>
        <source>%1.
The earlier page could not be put back; the file may hold part of the new page.</source>
        <translation>%1.
Impossibile ripristinare la pagina precedente; il file potrebbe contenere parte della nuova pagina.</translation>
    </message>
    <message>
        <source>%1.
The file may not be read, so its earlier content could not be kept; the file may hold part of the new page.</source>
        <translation>%1.
Non è consentito leggere il file, quindi non è stato possibile conservarne il contenuto precedente; il file potrebbe contenere parte della nuova pagina.</translation>
    </message>
    <message>
        <source>The file is not writable: %1.</source>
        <translation>Il file non è scrivibile: %1.</translation>
    </message>
    <message>
        <source>It is a disk, not a file; a page is not written over a disk.</source>
        <translation>È un disco, non un file; una pagina non viene scritta sopra un disco.</translation>
    </message>
    <message>
        <source>It is a socket, not a file; a page cannot be written into it.</source>
        <translation>È un socket, non un file; non vi si può scrivere una pagina.</translation>
    </message>
</context>
</TS>
