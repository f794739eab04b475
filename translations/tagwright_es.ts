<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>runCommand</name>
    <message>
        <source>There is not enough memory.</source>
        <translation>No hay memoria suficiente.</translation>
    </message>
    <message>
        <source>The command could not be finished.

%1</source>
        <translation>No se pudo completar la orden.

%1</translation>
    </message>
</context>
<context>
    <name>saveMainBox</name>
    <message>
        <source>The page could not be saved to
%1

%2</source>
        <translation>No se pudo guardar la página en
%1

%2</translation>
    </message>
</context>
<context>
    <name>writePageFile</name>
    <message>
        <source>No program is reading from it.</source>
        <translation>Ningún programa está leyendo de él.</translation>
    </message>
    <message>
        <source>The file was swapped for another while it was being saved; nothing was written.</source>
        <translation>El fichero fue sustituido por otro mientras se guardaba; no se escribió nada.</translation>
    </message>
    <message>
        <source>%1.
The earlier page was put back unchanged.</source>
        <translation>%1.
La página anterior se restauró sin cambios.</translation>
    </message>
    <message>
        <source>%1.
The earlier page could not be put back; the file may hold part of the new page.</source>
        <translation>%1.
No se pudo restaurar la página anterior; el fichero puede contener parte de la página nueva.</translation>
    </message>
    <message>
        <source>%1.
The file may not be read, so its earlier content could not be kept; the file may hold part of the new page.</source>
        <translation>%1.
No se permite leer el fichero, así que no se pudo conservar su contenido anterior; el fichero puede contener parte de la página nueva.</translation>
    </message>
    <message>
        <source>The file is not writable: %1.</source>
        <translation>No se puede escribir en el fichero: %1.</translation>
    </message>
    <message>
        <source>It is a disk, not a file; a page is not written over a disk.</source>
        <translation>Es un disco, no un fichero; una página no se escribe encima de un disco.</translation>
    </message>
    <message>
        <source>It is a socket, not a file; a page cannot be written into it.</source>
        <translation>Es un socket, no un fichero; no se puede escribir una página en él.</translation>
    </message>
</context>
</TS>
