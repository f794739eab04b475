// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

#include <functional>

class QPlainTextEdit;

// A multi-line box's text as commands read and write it: every line break is CR LF.
// The editor keeps its own breaks internally; these functions translate at the border.
namespace TextBox {

QString text(const QPlainTextEdit *box);

// Calls take with consecutive pieces that together make text(box). The box's text is read
// whole, as the editor holds it, which is one copy of it; the text with CR LF breaks is never
// built whole. A piece may end between the two halves of a surrogate pair. Stops early once
// take returns false.
void forEachPiece(const QPlainTextEdit *box, const std::function<bool(QStringView)> &take);

// The box's text as the editor holds it, each line break a paragraph or line separator
// (U+2029, U+2028): the one copy of it a save reads, which makes its CR LF form in pieces
// as forEachPiece() does (line_breaks/saved_text.h).
QString rawText(const QPlainTextEdit *box);

// Same result as replacing the whole text by text(box) + piece, done as an insertion at
// the end so that its cost follows the piece, not the box. A caret elsewhere and a selection
// stay where they are; a caret at the end moves on past the piece, as if it had been typed.
void append(QPlainTextEdit *box, const QString &piece);

void clear(QPlainTextEdit *box);

} // namespace TextBox
