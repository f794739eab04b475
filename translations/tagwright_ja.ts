<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>runCommand</name>
    <message>
        <source>There is not enough memory.</source>
        <translation>メモリが足りません。</translation>
    </message>
    <message>
        <source>The command could not be finished.

%1</source>
        <translation>コマンドを完了できませんでした。

%1</translation>
    </message>
</context>
<context>
    <name>saveMainBox</name>
    <message>
        <source>The page could not be saved to
%1

%2</source>
        <translation>ページを次の場所に保存できませんでした:
%1

%2</translation>
    </message>
</context>
<context>
    <name>writePageFile</name>
    <message>
        <source>No program is reading from it.</source>
        <translation>このファイルから読み取っているプログラムがありません。</translation>
    </message>
    <message>
        <source>The file was swapped for another while it was being saved; nothing was written.</source>
        <translation>保存中にファイルが別のファイルに置き換えられたため、何も書き込みませんでした。</translation>
    </message>
    <message>
        <source>%1.
The earlier page was put back unchanged.</source>
        <translation>%1。
以前のページを元のまま書き戻しました。</translation>
    </message>
    <message>
        <source>%1.
The earlier page could not be put back; the file may hold part of the new page.</source>
        <translation>%1。
以前のページを書き戻せませんでした。ファイルには新しいページの一部が含まれている可能性があります。</translation>
    </message>
    <message>
        <source>%1.
The file may not be read, so its earlier content could not be kept; the file may hold part of the new page.</source>
        <translation>%1。
ファイルの読み取りが許可されていないため、以前の内容を保持できませんでした。ファイルには新しいページの一部が含まれている可能性があります。</translation>
    </message>
    <message>
        <source>The file is not writable: %1.</source>
        <translation>ファイルに書き込めません: %1。</translation>
    </message>
    <message>
        <source>It is a disk, not a file; a page is not written over a disk.</source>
        <translation>これはファイルではなくディスクです。ディスクの上にページを書き込むことはしません。</translation>
    </message>
    <message>
        <source>It is a socket, not a file; a page cannot be written into it.</source>
        <translation>これはファイルではなくソケットです。ページを書き込むことはできません。</translation>
    </message>
</context>
</TS>
