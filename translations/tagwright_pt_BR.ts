<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>runCommand</name>
    <message>
        <source>There is not enough memory.</source>
        <translation>Não há memória suficiente.</translation>
    </message>
    <message>
        <source>The command could not be finished.

%1</source>
        <translation>Não foi possível concluir o comando.

%1</translation>
    </message>
</context>
<context>
    <name>saveMainBox</name>
    <message>
        <source>The page could not be saved to
%1

%2</source>
        <translation>Não foi possível salvar a página em
%1

%2</translation>
    </message>
</context>
<context>
    <name>writePageFile</name>
    <message>
        <source>No program is reading from it.</source>
        <translation>Nenhum programa está lendo dele.</translation>
    </message>
    <message>
        <source>The file was swapped for another while it was being saved; nothing was written.</source>
        <translation>O arquivo foi trocado por outro enquanto era salvo; nada foi gravado.</translation>
    </message>
    <message>
        <source>%1.
The earlier page was put back unchanged.</source>
        <translation>%1.
A página anterior foi restaurada sem alterações.</translation>
    </message>
    <message>
        <source>%1.
The earlier page could not be put back; the file may hold part of the new page.</source>
        <translation>%1.
Não foi possível restaurar a página anterior; o arquivo pode conter parte da nova página.</translation>
    </message>
    <message>
        <source>%1.
The file may not be read, so its earlier content could not be kept; the file may hold part of the new page.</source>
        <translation>%1.
Não é permitido ler o arquivo, por isso seu conteúdo anterior não pôde ser preservado; o arquivo pode conter parte da nova página.</translation>
    </message>
    <message>
        <source>The file is not writable: %1.</source>
        <translation>Não é possível gravar no arquivo: %1.</translation>
    </message>
    <message>
        <source>It is a disk, not a file; a page is not written over a disk.</source>
        <translation>É um disco, não um arquivo; uma página não é gravada por cima de um disco.</translation>
    </message>
    <message>
        <source>It is a socket, not a file; a page cannot be written into it.</source>
        <translation>É um soquete, não um arquivo; não é possível gravar uma página nele.</translation>
    </message>
</context>
</TS>
