// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "save/save_command.h"

#include "save/common_dialog.h"
#include "save/encoding/charset_declaration.h"
#include "save/encoding/page_charset.h"
#include "save/encoding/page_encoding.h"
#include "save/file/page_file.h"
#include "text/text_box.h"

#include <QCoreApplication>
#include <QMessageBox>

#include <optional>

namespace {

// Writes the main box's page in the codeset it declares, else in pageCodeset(), encoded and
// written piece by piece from one copy of the box's text, so that a large page is held
// neither as a second text with CR LF breaks nor as the whole new file's bytes. A page
// written in place is encoded twice, counted and then written, and holds the earlier page's
// bytes as they are overwritten (page_in_place.h).
//
// ASCII is the same bytes in every codeset, so the declaration is looked for only when the
// first other character comes: in the page's first 1024 characters, and failing that, if the
// page holds a "<meta" at all, in the whole text, the same copy read as the editor holds it.
void writePage(const QPlainTextEdit *box, const PageSink &write)
{
    const QString raw = TextBox::rawText(box);
    std::optional<PageEncoder> encoder(std::in_place, pageCodeset());
    bool decided = false;
    bool written = true;
    QString start; // the first 1024 characters, as far as they have come
    TextBox::forEachPiece(raw, [&](QStringView piece) {
        if (!decided) {
            start += piece.first(std::min(piece.size(), 1024 - start.size()));
            const qsizetype ascii = encoder->addAscii(piece);
            if (ascii == piece.size())
                return written = write(encoder->take());
            if (!(written = write(encoder->take())))
                return false;
            decided = true;
            const PageCharset *declared = prescanForCharset(start);
            if (!declared && mentionsMeta(raw))
                declared = declaredCharset(raw);
            if (declared)
                encoder.emplace(declared->codeset);
            piece = piece.sliced(ascii);
        }
        encoder->add(piece);
        return written = write(encoder->take());
    });
    if (written)
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
