// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "save/encoding/saved_text.h"

#include "save/encoding/ascii.h"

#include <cstring>
#include <memory>

void forEachSavedPiece(QStringView raw, const std::function<bool(QStringView)> &take)
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
        } else if (isLineSeparator(*position)) {
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
