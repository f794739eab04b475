<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>runCommand</name>
    <message>
        <source>There is not enough memory.</source>
        <translation>Brak wystarczającej ilości pamięci.</translation>
    </message>
    <message>
        <source>The command could not be finished.

%1</source>
        <translation>Nie udało się dokończyć polecenia.

%1</translation>
    </message>
</context>
<context>
    <name>saveMainBox</name>
    <message>
        <source>The page could not be saved to
%1

%2</source>
        <translation>Nie udało się zapisać strony jako
%1

%2</translation>
    </message>
</context>
<context>
    <name>writePageFile</name>
    <message>
        <source>No program is reading from it.</source>
        <translation>Żaden program z niego nie czyta.</translation>
    </message>
    <message>
        <source>The file was swapped for another while it was being saved; nothing was written.</source>
        <translation>Plik został zamieniony na inny podczas zapisywania; nic nie zostało zapisane.</translation>
    </message>
    <message>
        <source>%1.
The earlier page was put back unchanged.</source>
        <translation>%1.
Poprzednia strona została przywrócona bez zmian.</translation>
    </message>
    <message>
        <source>%1.
The earlier page could not be put back; the file may hold part of the new page.</source>
        <translation>%1.
Nie udało się przywrócić poprzedniej strony; plik może zawierać część nowej strony.</translation>
    </message>
    <message>
        <source>%1.
The file may not be read, so its earlier content could not be kept; the file may hold part of the new page.</source>
        <translation>%1.
Odczyt pliku jest zabroniony, więc nie udało się zachować jego poprzedniej zawartości; plik może zawierać część nowej strony.</translation>
    </message>
    <message>
        <source>The file is not writable: %1.</source>
        <translation>Nie można zapisywać do pliku: %1.</translation>
    </message>
    <message>
        <source>It is a disk, not a file; a page is not written over a disk.</source>
        <translation>To jest dysk, a nie plik; strona nie jest zapisywana na dysku w miejsce jego danych.</translation>
    </message>
    <message>
        <source>It is a socket, not a file; a page cannot be written into it.</source>
        <translation>To jest gniazdo, a nie plik; nie można w nim zapisać strony.</translation>
    </message>
</context>
</TS>
