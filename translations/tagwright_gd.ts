<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="gd">
<context>
    <name>runCommand</name>
    <message>
        <source>There is not enough memory.</source>
        <translation>Chan eil cuimhne gu leòr ann.</translation>
    </message>
    <message>
        <source>The command could not be finished.

%1</source>
        <translation>Cha b’ urrainn dhuinn an àithne a choileanadh.

%1</translation>
    </message>
</context>
<context>
    <name>saveMainBox</name>
    <message>
        <source>The page could not be saved to
%1

%2</source>
        <translation>Cha b’ urrainn dhuinn an duilleag a shàbhaladh an-seo:
%1

%2</translation>
    </message>
</context>
<context>
    <name>writePageFile</name>
    <message>
        <source>No program is reading from it.</source>
        <translation>Chan eil prògram sam bith a’ leughadh às.</translation>
    </message>
    <message>
        <source>The file was swapped for another while it was being saved; nothing was written.</source>
        <translation>Chaidh faidhle eile a chur an àite an fhaidhle fhad ’s a bhathar ga shàbhaladh; cha deach dad a sgrìobhadh.</translation>
    </message>
    <message>
        <source>%1.
The earlier page was put back unchanged.</source>
        <translation>%1.
Chaidh an duilleag a bh’ ann roimhe a chur air ais gun atharrachadh.</translation>
    </message>
    <message>
        <source>%1.
The earlier page could not be put back; the file may hold part of the new page.</source>
        <translation>%1.
Cha b’ urrainn dhuinn an duilleag a bh’ ann roimhe a chur air ais; dh’fhaoidte gu bheil pàirt dhen duilleag ùr san fhaidhle.</translation>
    </message>
    <message>
        <source>%1.
The file may not be read, so its earlier content could not be kept; the file may hold part of the new page.</source>
        <translation>%1.
Chan fhaodar am faidhle a leughadh, mar sin cha b’ urrainn dhuinn an t-susbaint a bh’ ann roimhe a chumail; dh’fhaoidte gu bheil pàirt dhen duilleag ùr san fhaidhle.</translation>
    </message>
    <message>
        <source>The file is not writable: %1.</source>
        <translation>Chan urrainn dhuinn sgrìobhadh san fhaidhle: %1.</translation>
    </message>
    <message>
        <source>It is a disk, not a file; a page is not written over a disk.</source>
        <translation>’S e diosg a th’ ann is chan e faidhle; cha sgrìobhar duilleag thar diosg.</translation>
    </message>
    <message>
        <source>It is a socket, not a file; a page cannot be written into it.</source>
        <translation>’S e socaid a th’ ann is chan e faidhle; cha ghabh duilleag sgrìobhadh innte.</translation>
    </message>
</context>
</TS>
