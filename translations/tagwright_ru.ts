<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>runCommand</name>
    <message>
        <source>There is not enough memory.</source>
        <translation>Недостаточно памяти.</translation>
    </message>
    <message>
        <source>The command could not be finished.

%1</source>
        <translation>Не удалось завершить команду.

%1</translation>
    </message>
</context>
<context>
    <name>saveMainBox</name>
    <message>
        <source>The page could not be saved to
%1

%2</source>
        <translation>Не удалось сохранить страницу в
%1

%2</translation>
    </message>
</context>
<context>
    <name>writePageFile</name>
    <message>
        <source>No program is reading from it.</source>
        <translation>Ни одна программа не читает из него.</translation>
    </message>
    <message>
        <source>The file was swapped for another while it was being saved; nothing was written.</source>
        <translation>Во время сохранения файл был заменён другим; ничего не записано.</translation>
    </message>
    <message>
        <source>%1.
The earlier page was put back unchanged.</source>
        <translation>%1.
Прежняя страница восстановлена без изменений.</translation>
    </message>
    <message>
        <source>%1.
The earlier page could not be put back; the file may hold part of the new page.</source>
        <translation>%1.
Не удалось восстановить прежнюю страницу; файл может содержать часть новой страницы.</translation>
    </message>
    <message>
        <source>%1.
The file may not be read, so its earlier content could not be kept; the file may hold part of the new page.</source>
        <translation>%1.
Чтение файла запрещено, поэтому его прежнее содержимое не удалось сохранить; файл может содержать часть новой страницы.</translation>
    </message>
    <message>
        <source>The file is not writable: %1.</source>
        <translation>Файл недоступен для записи: %1.</translation>
    </message>
    <message>
        <source>It is a disk, not a file; a page is not written over a disk.</source>
        <translation>Это диск, а не файл; страница не записывается поверх диска.</translation>
    </message>
    <message>
        <source>It is a socket, not a file; a page cannot be written into it.</source>
        <translation>Это сокет, а не файл; записать в него страницу нельзя.</translation>
    </message>
</context>
</TS>
