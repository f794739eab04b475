// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "save/save_command.h"

#include "save/common_dialog.h"
#include "save/page_encoding.h"
#include "save/page_file.h"
#include "text/text_box.h"

#include <QCoreApplication>
#include <QMessageBox>

void saveMainBox(CommonDialog &dialog, const QPlainTextEdit *hmbox, QWidget *window)
{
    dialog.showSave(window);
    const QString fileName = dialog.fileName();
    if (fileName.isEmpty())
        return;

    // Encoded and written piece by piece from one copy of the box's text, so that a large page
    // is held neither as a second text with CR LF breaks nor as the whole new file's bytes. A
    // page written in place is encoded twice, counted and then written, and holds the earlier
    // page's bytes as they are overwritten (page_in_place.h).
    const auto writeMainBox = [hmbox](const PageSink &write) {
        PageEncoder encoder(pageCodeset());
        bool written = true;
        TextBox::forEachPiece(hmbox, [&](QStringView piece) {
            encoder.add(piece);
            return written = write(encoder.take());
        });
        if (written)
            write(encoder.finish());
    };
    QString reason;
    if (!writePageFile(fileName, writeMainBox, &reason)) {
        QMessageBox::critical(window, QStringLiteral("Tagwright"),
                              QCoreApplication::translate(
                                      "saveMainBox", "The page could not be saved to\n%1\n\n%2")
                                      .arg(fileName, reason));
    }
}
