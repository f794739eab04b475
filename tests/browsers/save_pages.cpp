// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Writes every row of the saved-bytes table into FOLDER for tools/check-browsers to read back:
// NN.html, the page as a save writes it; NN.typed.html, the text typed, with CR LF line
// breaks, in UTF-8 behind a byte order mark, which every browser reads as typed; and
// index.tsv, a line "NN<TAB>row name" for each row.

#include "page_bytes.h"
#include "saved_page_rows.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <QStringEncoder>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

bool writeFile(const QString &path, QByteArrayView bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(bytes.data(), bytes.size()) != bytes.size() || !file.flush()) {
        std::fprintf(stderr, "save_pages: %s: %s\n", qPrintable(path),
                     qPrintable(file.errorString()));
        return false;
    }
    return true;
}

// The text as typed, in UTF-8 behind a byte order mark: the editor keeps each line break as a
// paragraph or line separator, which the file holds as CR LF, and a lone surrogate, which
// UTF-8 cannot hold, is U+FFFD, as a save writes it.
QByteArray typedPage(QString text)
{
    text.replace(QChar::ParagraphSeparator, u"\r\n"_s).replace(QChar::LineSeparator, u"\r\n"_s);
    QStringEncoder utf8(QStringEncoder::Utf8, QStringEncoder::Flag::Stateless);
    return "\xef\xbb\xbf" + QByteArray(utf8(text));
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: save_pages FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(u"."_s)) {
        std::fprintf(stderr, "save_pages: cannot make %s\n", argv[1]);
        return 1;
    }
    QByteArray index;
    int number = 0;
    for (const SavedPageRow &row : savedPageRows()) {
        const QString stem = QString::asprintf("%02d", ++number);
        if (!writeFile(folder.filePath(stem + u".html"_s), savedBytes(row.page))
            || !writeFile(folder.filePath(stem + u".typed.html"_s), typedPage(row.page)))
            return 1;
        index += stem.toLatin1() + '\t' + row.name + '\n';
    }
    return writeFile(folder.filePath(u"index.tsv"_s), index) ? 0 : 1;
}
