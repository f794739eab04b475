// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/text_box.h"

#include "save/encoding/ascii.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

bool isLineBreak(char16_t character)
{
    return character == QChar::ParagraphSeparator || character == QChar::LineSeparator;
}

} // namespace

namespace TextBox {

QString text(const QPlainTextEdit *box)
{
    QString text;
    forEachPiece(box, [&text](QStringView piece) {
        text += piece;
        return true;
    });
    return text;
}

QString rawText(const QPlainTextEdit *box)
{
    // The raw text keeps every character as typed; toPlainText() would turn a no-break space
    // into a plain one. Paragraph and line separators are the editor's line breaks. It is a
    // whole copy of the text: reading it in parts through a selection, the one public way to
    // avoid that, makes a 10 MiB save 30 to 70% slower.
    return box->document()->toRawText();
}

void forEachPiece(const QPlainTextEdit *box, const std::function<bool(QStringView)> &take)
{
    forEachPiece(rawText(box), take);
}

void forEachPiece(QStringView raw, const std::function<bool(QStringView)> &take)
{
    const auto *position = reinterpret_cast<const char16_t *>(raw.utf16());
    const char16_t *const end = position + raw.size();

    // The text is handed over from a buffer that stays in the processor's cache, so a large
    // box takes a few hundred calls and its CR LF form is never built whole. ASCII, most of a
    // page and never a line break, is copied four characters at a time.
    constexpr qsizetype pieceSize = 65536;
    const auto piece = std::make_unique<char16_t[]>(pieceSize);
    qsizetype filled = 0;
    while (position != end) {
        if (pieceSize - filled < 4) {
            if (!take(QStringView(piece.get(), filled)))
                return;
            filled = 0;
        }
        if (end - position >= 4 && fourAreAscii(position)) {
            std::memcpy(piece.get() + filled, position, 4 * sizeof(char16_t));
            filled += 4;
            position += 4;
        } else if (isLineBreak(*position)) {
            piece[filled++] = u'\r';
            piece[filled++] = u'\n';
            ++position;
        } else {
            piece[filled++] = *position++;
        }
    }
    if (filled > 0)
        take(QStringView(piece.get(), filled));
}

void append(QPlainTextEdit *box, const QString &piece)
{
    // The editor reads CR LF, a lone CR or LF as one line break each, so inserting the piece
    // gives back exactly the same text as setting the concatenation would.
    QTextCursor end(box->document());
    end.movePosition(QTextCursor::End);
    const int oldEnd = end.position();
    const QTextCursor user = box->textCursor();
    const int anchor = user.anchor();
    const int position = user.position();

    end.insertText(piece);

    // A caret at the end moves on past the piece, so typing goes on after it, but a selection
    // that reached the end keeps what it held.
    if (anchor != position && std::max(anchor, position) == oldEnd) {
        QTextCursor selection(box->document());
        selection.setPosition(anchor);
        selection.setPosition(position, QTextCursor::KeepAnchor);
        box->setTextCursor(selection);
    }
}

void clear(QPlainTextEdit *box)
{
    // Through a cursor rather than clear(), so the editor's undo can bring the text back.
    QTextCursor all(box->document());
    all.select(QTextCursor::Document);
    all.removeSelectedText();
}

} // namespace TextBox
