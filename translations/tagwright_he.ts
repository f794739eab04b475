<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he">
<context>
    <name>runCommand</name>
    <message>
        <source>There is not enough memory.</source>
        <translation>אין די זיכרון.</translation>
    </message>
    <message>
        <source>The command could not be finished.

%1</source>
        <translation>לא ניתן היה להשלים את הפקודה.

%1</translation>
    </message>
</context>
<context>
    <name>saveMainBox</name>
    <message>
        <source>The page could not be saved to
%1

%2</source>
        <translation>לא ניתן היה לשמור את הדף אל
%1

%2</translation>
    </message>
</context>
<context>
    <name>writePageFile</name>
    <message>
        <source>No program is reading from it.</source>
        <translation>אף תוכנה אינה קוראת ממנו.</translation>
    </message>
    <message>
        <source>The file was swapped for another while it was being saved; nothing was written.</source>
        <translation>הקובץ הוחלף בקובץ אחר בזמן השמירה; דבר לא נכתב.</translation>
    </message>
    <message>
        <source>%1.
The earlier page was put back unchanged.</source>
        <translation>%1.
הדף הקודם הוחזר ללא שינוי.</translation>
    </message>
    <message>
        <source>%1.
The earlier page could not be put back; the file may hold part of the new page.</source>
        <translation>%1.
לא ניתן היה להחזיר את הדף הקודם; ייתכן שהקובץ מכיל חלק מהדף החדש.</translation>
    </message>
    <message>
        <source>%1.
The file may not be read, so its earlier content could not be kept; the file may hold part of the new page.</source>
        <translation>%1.
אין הרשאה לקרוא את הקובץ, ולכן לא ניתן היה לשמור את תוכנו הקודם; ייתכן שהקובץ מכיל חלק מהדף החדש.</translation>
    </message>
    <message>
        <source>The file is not writable: %1.</source>
        <translation>לא ניתן לכתוב לקובץ: %1.</translation>
    </message>
    <message>
        <source>It is a disk, not a file; a page is not written over a disk.</source>
        <translation>זהו דיסק ולא קובץ; דף אינו נכתב על גבי דיסק.</translation>
    </message>
    <message>
        <source>It is a socket, not a file; a page cannot be written into it.</source>
        <translation>זהו שקע ולא קובץ; לא ניתן לכתוב לתוכו דף.</translation>
    </message>
</context>
</TS>
