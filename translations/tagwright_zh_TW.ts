<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>runCommand</name>
    <message>
        <source>There is not enough memory.</source>
        <translation>記憶體不足。</translation>
    </message>
    <message>
        <source>The command could not be finished.

%1</source>
        <translation>無法完成該指令。

%1</translation>
    </message>
</context>
<context>
    <name>saveMainBox</name>
    <message>
        <source>The page could not be saved to
%1

%2</source>
        <translation>無法將頁面儲存至
%1

%2</translation>
    </message>
</context>
<context>
    <name>writePageFile</name>
    <message>
        <source>No program is reading from it.</source>
        <translation>沒有任何程式正在讀取它。</translation>
    </message>
    <message>
        <source>The file was swapped for another while it was being saved; nothing was written.</source>
        <translation>儲存期間檔案被另一個檔案取代；未寫入任何內容。</translation>
    </message>
    <message>
        <source>%1.
The earlier page was put back unchanged.</source>
        <translation>%1。
先前的頁面已原樣寫回。</translation>
    </message>
    <message>
        <source>%1.
The earlier page could not be put back; the file may hold part of the new page.</source>
        <translation>%1。
無法寫回先前的頁面；檔案中可能含有新頁面的一部分。</translation>
    </message>
    <message>
        <source>%1.
The file may not be read, so its earlier content could not be kept; the file may hold part of the new page.</source>
        <translation>%1。
不允許讀取該檔案，因此無法保留其先前的內容；檔案中可能含有新頁面的一部分。</translation>
    </message>
    <message>
        <source>The file is not writable: %1.</source>
        <translation>檔案無法寫入：%1。</translation>
    </message>
    <message>
        <source>It is a disk, not a file; a page is not written over a disk.</source>
        <translation>這是磁碟，不是檔案；不會把頁面寫到磁碟上覆蓋其內容。</translation>
    </message>
    <message>
        <source>It is a socket, not a file; a page cannot be written into it.</source>
        <translation>這是通訊端，不是檔案；無法向其中寫入頁面。</translation>
    </message>
</context>
</TS>
