<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>runCommand</name>
    <message>
        <source>There is not enough memory.</source>
        <translation>메모리가 부족합니다.</translation>
    </message>
    <message>
        <source>The command could not be finished.

%1</source>
        <translation>명령을 완료할 수 없습니다.

%1</translation>
    </message>
</context>
<context>
    <name>saveMainBox</name>
    <message>
        <source>The page could not be saved to
%1

%2</source>
        <translation>페이지를 다음 위치에 저장할 수 없습니다:
%1

%2</translation>
    </message>
</context>
<context>
    <name>writePageFile</name>
    <message>
        <source>No program is reading from it.</source>
        <translation>이 파일에서 읽고 있는 프로그램이 없습니다.</translation>
    </message>
    <message>
        <source>The file was swapped for another while it was being saved; nothing was written.</source>
        <translation>저장하는 동안 파일이 다른 파일로 바뀌었습니다. 아무것도 쓰지 않았습니다.</translation>
    </message>
    <message>
        <source>%1.
The earlier page was put back unchanged.</source>
        <translation>%1.
이전 페이지를 변경 없이 되돌려 놓았습니다.</translation>
    </message>
    <message>
        <source>%1.
The earlier page could not be put back; the file may hold part of the new page.</source>
        <translation>%1.
이전 페이지를 되돌려 놓을 수 없습니다. 파일에 새 페이지의 일부가 들어 있을 수 있습니다.</translation>
    </message>
    <message>
        <source>%1.
The file may not be read, so its earlier content could not be kept; the file may hold part of the new page.</source>
        <translation>%1.
파일을 읽을 권한이 없어 이전 내용을 보존할 수 없었습니다. 파일에 새 페이지의 일부가 들어 있을 수 있습니다.</translation>
    </message>
    <message>
        <source>The file is not writable: %1.</source>
        <translation>파일에 쓸 수 없습니다: %1.</translation>
    </message>
    <message>
        <source>It is a disk, not a file; a page is not written over a disk.</source>
        <translation>파일이 아니라 디스크입니다. 디스크 위에 페이지를 쓰지 않습니다.</translation>
    </message>
    <message>
        <source>It is a socket, not a file; a page cannot be written into it.</source>
        <translation>파일이 아니라 소켓입니다. 페이지를 쓸 수 없습니다.</translation>
    </message>
</context>
</TS>
