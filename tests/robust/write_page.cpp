// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A helper program for the killed-save test: it encodes a page of MEBIBYTES MiB as a save
// does, prints "writing", writes it to PATH and prints "written". The test kills it with
// SIGKILL at chosen moments in between.

#include "page_bytes.h"
#include "save/file/page_file.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QString>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: write_page PATH MEBIBYTES\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    const qsizetype size = QByteArray(argv[2]).toLongLong() * 1024 * 1024;

    // Mostly ASCII, as pages are, with a character of the code page and one beyond it.
    const QString line
            = QString::fromUtf8("<P>A line of the page, Gr\u00FC\u00DFe & more \u65E5</P>\r\n");
    const QString page = line.repeated(size / line.size() + 1);
    QElapsedTimer clock;
    clock.start();
    const QByteArray bytes = savedBytes(page);
    std::printf("encoded in %lld us\n", clock.nsecsElapsed() / 1000);

    std::printf("writing\n");
    std::fflush(stdout);
    clock.restart();
    QString reason;
    if (!writePageFile(
                path, [&bytes](const PageSink &write) { write(bytes); }, &reason)) {
        std::printf("failed: %s\n", qPrintable(reason));
        return 1;
    }
    std::printf("written in %lld us, %lld bytes\n", clock.nsecsElapsed() / 1000,
                qlonglong(bytes.size()));
    return 0;
}
