<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bg">
<context>
    <name>runCommand</name>
    <message>
        <source>There is not enough memory.</source>
        <translation>Няма достатъчно памет.</translation>
    </message>
    <message>
        <source>The command could not be finished.

%1</source>
        <translation>Командата не можа да бъде завършена.

%1</translation>
    </message>
</context>
<context>
    <name>saveMainBox</name>
    <message>
        <source>The page could not be saved to
%1

%2</source>
        <translation>Страницата не можа да бъде запазена в
%1

%2</translation>
    </message>
</context>
<context>
    <name>writePageFile</name>
    <message>
        <source>No program is reading from it.</source>
        <translation>Никоя програма не чете от него.</translation>
    </message>
    <message>
        <source>The file was swapped for another while it was being saved; nothing was written.</source>
        <translation>Файлът беше заменен с друг, докато се запазваше; нищо не беше записано.</translation>
    </message>
    <message>
        <source>%1.
The earlier page was put back unchanged.</source>
        <translation>%1.
Предишната страница беше възстановена непроменена.</translation>
    </message>
    <message>
        <source>%1.
The earlier page could not be put back; the file may hold part of the new page.</source>
        <translation>%1.
Предишната страница не можа да бъде възстановена; файлът може да съдържа част от новата страница.</translation>
    </message>
    <message>
        <source>%1.
The file may not be read, so its earlier content could not be kept; the file may hold part of the new page.</source>
        <translation>%1.
Четенето на файла не е разрешено, затова предишното му съдържание не можа да бъде запазено; файлът може да съдържа част от новата страница.</translation>
    </message>
    <message>
        <source>The file is not writable: %1.</source>
        <translation>Във файла не може да се записва: %1.</translation>
    </message>
    <message>
        <source>It is a disk, not a file; a page is not written over a disk.</source>
        <translation>Това е диск, а не файл; страница не се записва върху диск.</translation>
    </message>
    <message>
        <source>It is a socket, not a file; a page cannot be written into it.</source>
        <translation>Това е сокет, а не файл; в него не може да се запише страница.</translation>
    </message>
</context>
</TS>
