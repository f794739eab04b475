<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa">
<context>
    <name>runCommand</name>
    <message>
        <source>There is not enough memory.</source>
        <translation>حافظهٔ کافی وجود ندارد.</translation>
    </message>
    <message>
        <source>The command could not be finished.

%1</source>
        <translation>انجام فرمان به پایان نرسید.

%1</translation>
    </message>
</context>
<context>
    <name>saveMainBox</name>
    <message>
        <source>The page could not be saved to
%1

%2</source>
        <translation>ذخیرهٔ صفحه در این مسیر ممکن نشد:
%1

%2</translation>
    </message>
</context>
<context>
    <name>writePageFile</name>
    <message>
        <source>No program is reading from it.</source>
        <translation>هیچ برنامه‌ای از آن نمی‌خواند.</translation>
    </message>
    <message>
        <source>The file was swapped for another while it was being saved; nothing was written.</source>
        <translation>پرونده در حین ذخیره با پروندهٔ دیگری جایگزین شد؛ چیزی نوشته نشد.</translation>
    </message>
    <message>
        <source>%1.
The earlier page was put back unchanged.</source>
        <translation>%1.
صفحهٔ قبلی بدون تغییر بازگردانده شد.</translation>
    </message>
    <message>
        <source>%1.
The earlier page could not be put back; the file may hold part of the new page.</source>
        <translation>%1.
بازگرداندن صفحهٔ قبلی ممکن نشد؛ ممکن است پرونده بخشی از صفحهٔ جدید را در بر داشته باشد.</translation>
    </message>
    <message>
        <source>%1.
The file may not be read, so its earlier content could not be kept; the file may hold part of the new page.</source>
        <translation>%1.
خواندن پرونده مجاز نیست، پس محتوای قبلی آن نگه داشته نشد؛ ممکن است پرونده بخشی از صفحهٔ جدید را در بر داشته باشد.</translation>
    </message>
    <message>
        <source>The file is not writable: %1.</source>
        <translation>پرونده قابل نوشتن نیست: %1.</translation>
    </message>
    <message>
        <source>It is a disk, not a file; a page is not written over a disk.</source>
        <translation>این یک دیسک است، نه پرونده؛ صفحه روی دیسک نوشته نمی‌شود.</translation>
    </message>
    <message>
        <source>It is a socket, not a file; a page cannot be written into it.</source>
        <translation>این یک سوکت است، نه پرونده؛ نمی‌توان صفحه‌ای در آن نوشت.</translation>
    </message>
</context>
</TS>
