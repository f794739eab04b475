<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>runCommand</name>
    <message>
        <source>There is not enough memory.</source>
        <translation>内存不足。</translation>
    </message>
    <message>
        <source>The command could not be finished.

%1</source>
        <translation>无法完成该命令。

%1</translation>
    </message>
</context>
<context>
    <name>saveMainBox</name>
    <message>
        <source>The page could not be saved to
%1

%2</source>
        <translation>无法将页面保存到
%1

%2</translation>
    </message>
</context>
<context>
    <name>writePageFile</name>
    <message>
        <source>No program is reading from it.</source>
        <translation>没有任何程序正在读取它。</translation>
    </message>
    <message>
        <source>The file was swapped for another while it was being saved; nothing was written.</source>
        <translation>保存期间文件被另一个文件替换；未写入任何内容。</translation>
    </message>
    <message>
        <source>%1.
The earlier page was put back unchanged.</source>
        <translation>%1。
之前的页面已原样写回。</translation>
    </message>
    <message>
        <source>%1.
The earlier page could not be put back; the file may hold part of the new page.</source>
        <translation>%1。
无法写回之前的页面；文件中可能含有新页面的一部分。</translation>
    </message>
    <message>
        <source>%1.
The file may not be read, so its earlier content could not be kept; the file may hold part of the new page.</source>
        <translation>%1。
不允许读取该文件，因此无法保留其之前的内容；文件中可能含有新页面的一部分。</translation>
    </message>
    <message>
        <source>The file is not writable: %1.</source>
        <translation>文件不可写：%1。</translation>
    </message>
    <message>
        <source>It is a disk, not a file; a page is not written over a disk.</source>
        <translation>这是磁盘，不是文件；不会把页面写到磁盘上覆盖其内容。</translation>
    </message>
    <message>
        <source>It is a socket, not a file; a page cannot be written into it.</source>
        <translation>这是套接字，不是文件；无法向其中写入页面。</translation>
    </message>
</context>
</TS>
