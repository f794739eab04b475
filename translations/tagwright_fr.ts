<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>runCommand</name>
    <message>
        <source>There is not enough memory.</source>
        <translation>La mémoire est insuffisante.</translation>
    </message>
    <message>
        <source>The command could not be finished.

%1</source>
        <translation>La commande n&apos;a pas pu être menée à bien.

%1</translation>
    </message>
</context>
<context>
    <name>saveMainBox</name>
    <message>
        <source>The page could not be saved to
%1

%2</source>
        <translation>La page n&apos;a pas pu être enregistrée dans
%1

%2</translation>
    </message>
</context>
<context>
    <name>writePageFile</name>
    <message>
        <source>No program is reading from it.</source>
        <translation>Aucun programme ne lit ce qui y est écrit.</translation>
    </message>
    <message>
        <source>The file was swapped for another while it was being saved; nothing was written.</source>
        <translation>Le fichier a été remplacé par un autre pendant l&apos;enregistrement ; rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>%1.
The earlier page was put back unchanged.</source>
        <translation>%1.
La page précédente a été remise en place telle quelle.</translation>
    </message>
    <message>
        <source>%1.
The earlier page could not be put back; the file may hold part of the new page.</source>
        <translation>%1.
La page précédente n&apos;a pas pu être remise en place ; le fichier peut contenir une partie de la nouvelle page.</translation>
    </message>
    <message>
        <source>The file is not writable: %1.</source>
        <translation>Le fichier n&apos;est pas accessible en écriture : %1.</translation>
    </message>
    <message>
        <source>%1.
The file may not be read, so its earlier content could not be kept; the file may hold part of the new page.</source>
        <translation>%1.
Le fichier ne peut pas être lu, son contenu antérieur n&apos;a donc pas pu être conservé ; le fichier peut contenir une partie de la nouvelle page.</translation>
    </message>
    <message>
        <source>It is a disk, not a file; a page is not written over a disk.</source>
        <translation>C&apos;est un disque, pas un fichier ; une page n&apos;est pas écrite par-dessus un disque.</translation>
    </message>
    <message>
        <source>It is a socket, not a file; a page cannot be written into it.</source>
        <translation>C&apos;est un socket, pas un fichier ; une page ne peut pas y être écrite.</translation>
    </message>
</context>
</TS>
