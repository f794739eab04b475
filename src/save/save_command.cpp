// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "save/save_command.h"

#include "save/common_dialog.h"
#include "save/encoding/saved_page.h"
#include "save/file/page_file.h"
#include "text/text_box.h"

#include <QCoreApplication>
#include <QMessageBox>

void saveMainBox(CommonDialog &dialog, const QPlainTextEdit *hmbox, QWidget *window)
{
    dialog.showSave(window);
    const QString fileName = dialog.fileName();
    if (fileName.isEmpty())
        return;

    // One copy of the box's text, as the editor holds it, is read; the page's bytes are
    // encoded from it piece by piece as they are written, so that a large page is held
    // neither as a second text with CR LF breaks nor as the whole new file's bytes. A page
    // written in place is encoded twice, counted and then written (page_in_place.h), in the
    // charset chosen the first time.
    const QString raw = TextBox::rawText(hmbox);
    SavedPage page(raw);
    QString reason;
    if (!writePageFile(
                fileName, [&page](const PageSink &write) { page.write(write); }, &reason)) {
        QMessageBox::critical(window, QStringLiteral("Tagwright"),
                              QCoreApplication::translate(
                                      "saveMainBox", "The page could not be saved to\n%1\n\n%2")
                                      .arg(fileName, reason));
    }
}
