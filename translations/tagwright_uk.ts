<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>runCommand</name>
    <message>
        <source>There is not enough memory.</source>
        <translation>Недостатньо пам&apos;яті.</translation>
    </message>
    <message>
        <source>The command could not be finished.

%1</source>
        <translation>Не вдалося завершити команду.

%1</translation>
    </message>
</context>
<context>
    <name>saveMainBox</name>
    <message>
        <source>The page could not be saved to
%1

%2</source>
        <translation>Не вдалося зберегти сторінку в
%1

%2</translation>
    </message>
</context>
<context>
    <name>writePageFile</name>
    <message>
        <source>No program is reading from it.</source>
        <translation>Жодна програма не читає з нього.</translation>
    </message>
    <message>
        <source>The file was swapped for another while it was being saved; nothing was written.</source>
        <translation>Під час збереження файл було підмінено іншим; нічого не записано.</translation>
    </message>
    <message>
        <source>%1.
The earlier page was put back unchanged.</source>
        <translation>%1.
Попередню сторінку відновлено без змін.</translation>
    </message>
    <message>
        <source>%1.
The earlier page could not be put back; the file may hold part of the new page.</source>
        <translation>%1.
Не вдалося відновити попередню сторінку; файл може містити частину нової сторінки.</translation>
    </message>
    <message>
        <source>%1.
The file may not be read, so its earlier content could not be kept; the file may hold part of the new page.</source>
        <translation>%1.
Читання файлу заборонено, тому не вдалося зберегти його попередній вміст; файл може містити частину нової сторінки.</translation>
    </message>
    <message>
        <source>The file is not writable: %1.</source>
        <translation>Файл недоступний для запису: %1.</translation>
    </message>
    <message>
        <source>It is a disk, not a file; a page is not written over a disk.</source>
        <translation>Це диск, а не файл; сторінка не записується поверх диска.</translation>
    </message>
    <message>
        <source>It is a socket, not a file; a page cannot be written into it.</source>
        <translation>Це сокет, а не файл; записати в нього сторінку не можна.</translation>
    </message>
</context>
</TS>
