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

namespace {

QByteArray codesetOf(const PageCharset *declared)
{
    return declared ? QByteArray(declared->codeset) : pageCodeset();
}

// Writes the main box's page in the codeset it declares, else in pageCodeset(), encoded and
// written piece by piece from one copy of the box's text, so that a large page is held
// neither as a second text with CR LF breaks nor as a whole file's bytes.
//
// ASCII is the same bytes in every codeset, so the declaration is looked for only once the
// first other character comes, in the page's first 1024 characters. A page that declares
// nothing there may still declare its encoding further on: then the read stops, the whole
// text is searched, and a second read goes on after the ASCII already written.
void writePage(const QPlainTextEdit *box, const PageSink &write)
{
    std::optional<PageEncoder> encoder(std::in_place, pageCodeset());
    bool decided = false;
    bool searchWhole = false;
    bool written = true;
    QString start; // the first 1024 characters, as far as they have come
    qsizetype asciiWritten = 0;
    TextBox::forEachPiece(box, [&](QStringView piece) {
        if (!decided) {
            const qsizetype ascii = encoder->addAscii(piece);
            asciiWritten += ascii;
            start += piece.first(std::min(piece.size(), 1024 - start.size()));
            if (!(written = write(encoder->take())))
                return false;
            if (ascii == piece.size())
                return true;
            const PageCharset *declared = start.size() == 1024 ? prescanForCharset(start) : nullptr;
            if (!declared) {
                searchWhole = true;
                return false;
            }
            decided = true;
            encoder.emplace(declared->codeset);
            piece = piece.sliced(ascii);
        }
        encoder->add(piece);
        return written = write(encoder->take());
    });
    if (!written)
        return;
    if (searchWhole) {
        encoder.emplace(codesetOf(declaredCharset(box->document()->toRawText())));
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
