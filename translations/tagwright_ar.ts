<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>runCommand</name>
    <message>
        <source>There is not enough memory.</source>
        <translation>لا توجد ذاكرة كافية.</translation>
    </message>
    <message>
        <source>The command could not be finished.

%1</source>
        <translation>تعذّر إكمال الأمر.

%1</translation>
    </message>
</context>
<context>
    <name>saveMainBox</name>
    <message>
        <source>The page could not be saved to
%1

%2</source>
        <translation>تعذّر حفظ الصفحة في
%1

%2</translation>
    </message>
</context>
<context>
    <name>writePageFile</name>
    <message>
        <source>No program is reading from it.</source>
        <translation>لا يقرأ منه أي برنامج.</translation>
    </message>
    <message>
        <source>The file was swapped for another while it was being saved; nothing was written.</source>
        <translation>استُبدل الملف بملف آخر أثناء حفظه؛ لم يُكتب شيء.</translation>
    </message>
    <message>
        <source>%1.
The earlier page was put back unchanged.</source>
        <translation>%1.
أُعيدت الصفحة السابقة دون تغيير.</translation>
    </message>
    <message>
        <source>%1.
The earlier page could not be put back; the file may hold part of the new page.</source>
        <translation>%1.
تعذّرت إعادة الصفحة السابقة؛ قد يحتوي الملف على جزء من الصفحة الجديدة.</translation>
    </message>
    <message>
        <source>%1.
The file may not be read, so its earlier content could not be kept; the file may hold part of the new page.</source>
        <translation>%1.
لا يُسمح بقراءة الملف، لذا تعذّر الاحتفاظ بمحتواه السابق؛ قد يحتوي الملف على جزء من الصفحة الجديدة.</translation>
    </message>
    <message>
        <source>The file is not writable: %1.</source>
        <translation>الملف غير قابل للكتابة: %1.</translation>
    </message>
    <message>
        <source>It is a disk, not a file; a page is not written over a disk.</source>
        <translation>إنه قرص وليس ملفًا؛ لا تُكتب صفحة فوق قرص.</translation>
    </message>
    <message>
        <source>It is a socket, not a file; a page cannot be written into it.</source>
        <translation>إنه مقبس وليس ملفًا؛ لا يمكن كتابة صفحة فيه.</translation>
    </message>
</context>
</TS>
