<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>runCommand</name>
    <message>
        <source>There is not enough memory.</source>
        <translation>Yeterli bellek yok.</translation>
    </message>
    <message>
        <source>The command could not be finished.

%1</source>
        <translation>Komut tamamlanamadı.

%1</translation>
    </message>
</context>
<context>
    <name>saveMainBox</name>
    <message>
        <source>The page could not be saved to
%1

%2</source>
        <translation>Sayfa şuraya kaydedilemedi:
%1

%2</translation>
    </message>
</context>
<context>
    <name>writePageFile</name>
    <message>
        <source>No program is reading from it.</source>
        <translation>Hiçbir program ondan okumuyor.</translation>
    </message>
    <message>
        <source>The file was swapped for another while it was being saved; nothing was written.</source>
        <translation>Dosya kaydedilirken başka bir dosyayla değiştirildi; hiçbir şey yazılmadı.</translation>
    </message>
    <message>
        <source>%1.
The earlier page was put back unchanged.</source>
        <translation>%1.
Önceki sayfa değiştirilmeden geri yüklendi.</translation>
    </message>
    <message>
        <source>%1.
The earlier page could not be put back; the file may hold part of the new page.</source>
        <translation>%1.
Önceki sayfa geri yüklenemedi; dosya yeni sayfanın bir bölümünü içeriyor olabilir.</translation>
    </message>
    <message>
        <source>%1.
The file may not be read, so its earlier content could not be kept; the file may hold part of the new page.</source>
        <translation>%1.
Dosyanın okunmasına izin verilmiyor, bu yüzden önceki içeriği korunamadı; dosya yeni sayfanın bir bölümünü içeriyor olabilir.</translation>
    </message>
    <message>
        <source>The file is not writable: %1.</source>
        <translation>Dosyaya yazılamıyor: %1.</translation>
    </message>
    <message>
        <source>It is a disk, not a file; a page is not written over a disk.</source>
        <translation>Bu bir dosya değil, bir disk; bir sayfa diskin üzerine yazılmaz.</translation>
    </message>
    <message>
        <source>It is a socket, not a file; a page cannot be written into it.</source>
        <translation>Bu bir dosya değil, bir soket; içine sayfa yazılamaz.</translation>
    </message>
</context>
</TS>
