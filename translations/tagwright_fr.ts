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
</context>
</TS>
