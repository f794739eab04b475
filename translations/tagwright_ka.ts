<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ka">
<context>
    <name>runCommand</name>
    <message>
        <source>There is not enough memory.</source>
        <translation>მეხსიერება საკმარისი არ არის.</translation>
    </message>
    <message>
        <source>The command could not be finished.

%1</source>
        <translation>ბრძანების დასრულება ვერ მოხერხდა.

%1</translation>
    </message>
</context>
<context>
    <name>saveMainBox</name>
    <message>
        <source>The page could not be saved to
%1

%2</source>
        <translation>გვერდის შენახვა ვერ მოხერხდა მისამართზე:
%1

%2</translation>
    </message>
</context>
<context>
    <name>writePageFile</name>
    <message>
        <source>No program is reading from it.</source>
        <translation>მისგან არცერთი პროგრამა არ კითხულობს.</translation>
    </message>
    <message>
        <source>The file was swapped for another while it was being saved; nothing was written.</source>
        <translation>შენახვისას ფაილი სხვა ფაილით ჩანაცვლდა; არაფერი ჩაწერილა.</translation>
    </message>
    <message>
        <source>%1.
The earlier page was put back unchanged.</source>
        <translation>%1.
წინა გვერდი უცვლელად აღდგა.</translation>
    </message>
    <message>
        <source>%1.
The earlier page could not be put back; the file may hold part of the new page.</source>
        <translation>%1.
წინა გვერდის აღდგენა ვერ მოხერხდა; ფაილი შეიძლება ახალი გვერდის ნაწილს შეიცავდეს.</translation>
    </message>
    <message>
        <source>%1.
The file may not be read, so its earlier content could not be kept; the file may hold part of the new page.</source>
        <translation>%1.
ფაილის წაკითხვა აკრძალულია, ამიტომ მისი წინა შემცველობის შენახვა ვერ მოხერხდა; ფაილი შეიძლება ახალი გვერდის ნაწილს შეიცავდეს.</translation>
    </message>
    <message>
        <source>The file is not writable: %1.</source>
        <translation>ფაილში ჩაწერა შეუძლებელია: %1.</translation>
    </message>
    <message>
        <source>It is a disk, not a file; a page is not written over a disk.</source>
        <translation>ეს დისკია და არა ფაილი; გვერდი დისკზე თავზე არ იწერება.</translation>
    </message>
    <message>
        <source>It is a socket, not a file; a page cannot be written into it.</source>
        <translation>ეს სოკეტია და არა ფაილი; მასში გვერდის ჩაწერა შეუძლებელია.</translation>
    </message>
</context>
</TS>
