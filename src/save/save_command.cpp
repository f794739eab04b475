// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "save/save_command.h"

#include "save/charset_declaration.h"
#include "save/common_dialog.h"
#include "save/page_charset.h"
#include "save/page_encoding.h"
#include "save/page_file.h"
#include "text/text_box.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTextDocument>

#include <optional>
#include <vector>

namespace {

QByteArray codesetOf(const PageCharset *declared)
{
    return declared ? QByteArray(declared->codeset) : pageCodeset();
}

// Writes the main box's page in the codeset it declares, else in pageCodeset(), encoded and
// written piece by piece from one copy of the box's text, so that a large page is not held
// as a second text with CR LF breaks.
//
// ASCII is the same bytes in every codeset, so the declaration is looked for only when the
// first other character comes, in the page's first 1024 characters. A page that declares
// nothing there may still declare its encoding further on, and reading the box's text once
// more would take as long as the rest of the save: its bytes from there on are held until the
// end and then written, unless the page holds a "<meta" that does declare another encoding.
// Only then is the text read again and written from that character on in that encoding.
void writePage(const QPlainTextEdit *box, const PageSink &write)
{
    const QByteArray fallback = pageCodeset();
    std::optional<PageEncoder> encoder(std::in_place, fallback);
    enum class Stage { ascii, holding, decided } stage = Stage::ascii;
    QString start; // the first 1024 characters, as far as they have come
    bool metaSeen = false;
    QString edge; // the last characters of the previous piece, for a "<meta" across two
    std::vector<QByteArray> held; // as the pieces were encoded: never copied into one
    qsizetype asciiWritten = 0;
    bool written = true;
    TextBox::forEachPiece(box, [&](QStringView piece) {
        if (stage != Stage::decided) {
            const qsizetype edgeLength = std::min<qsizetype>(piece.size(), 4);
            metaSeen = metaSeen || mentionsMeta(QString(edge).append(piece.first(edgeLength)))
                       || mentionsMeta(piece);
            edge = (edgeLength == 4 ? QString() : edge).append(piece.last(edgeLength)).right(4);
        }
        if (stage == Stage::ascii) {
            start += piece.first(std::min(piece.size(), 1024 - start.size()));
            const qsizetype ascii = encoder->addAscii(piece);
            asciiWritten += ascii;
            if (!(written = write(encoder->take())))
                return false;
            if (ascii == piece.size())
                return true;
            piece = piece.sliced(ascii);
            if (const PageCharset *declared = prescanForCharset(start)) {
                stage = Stage::decided;
                encoder.emplace(declared->codeset);
            } else {
                stage = Stage::holding;
            }
        }
        encoder->add(piece);
        if (stage == Stage::holding) {
            held.push_back(encoder->take());
            return true;
        }
        return written = write(encoder->take());
    });
    if (!written)
        return;
    if (stage == Stage::holding) {
        const QByteArray codeset
                = metaSeen ? codesetOf(declaredCharset(box->document()->toRawText())) : fallback;
        if (codeset == fallback) {
            held.push_back(encoder->finish());
            for (const QByteArray &bytes : held) {
                if (!write(bytes))
                    return;
            }
            return;
        }
        held.clear();
        encoder.emplace(codeset);
        qsizetype skip = asciiWritten;
        TextBox::forEachPiece(box, [&](QStringView piece) {
            const qsizetype skipped = std::min(skip, piece.size());
            skip -= skipped;
            encoder->add(piece.sliced(skipped));
            return written = write(encoder->take());
        });
        if (!written)
            return;
    }
    write(encoder->finish());
}

} // namespace

void saveMainBox(CommonDialog &dialog, const QPlainTextEdit *hmbox, QWidget *window)
{
    dialog.showSave(window);
    const QString fileName = dialog.fileName();
    if (fileName.isEmpty())
        return;

    QString reason;
    if (!writePageFile(
                fileName, [hmbox](const PageSink &write) { writePage(hmbox, write); }, &reason)) {
        QMessageBox::critical(window, QStringLiteral("Tagwright"),
                              QCoreApplication::translate(
                                      "saveMainBox", "The page could not be saved to\n%1\n\n%2")
                                      .arg(fileName, reason));
    }
}
