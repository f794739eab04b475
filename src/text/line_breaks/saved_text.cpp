// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/line_breaks/saved_text.h"

#include <algorithm>
#include <cstring>
#include <memory>

TextCharacter characterAt(QStringView text, qsizetype at)
{
    const char16_t unit = text[at].unicode();
    if (QChar::isHighSurrogate(unit) && at + 1 < text.size() && text[at + 1].isLowSurrogate())
        return {QChar::surrogateToUcs4(unit, text[at + 1].unicode()), 2};
    return {QChar::isSurrogate(unit) ? U'\uFFFD' : char32_t(unit), 1};
}

SavedCharacter savedCharacterAt(QStringView raw, qsizetype at)
{
    static constexpr char16_t lineBreak[] = u"\r\n";
    static constexpr char16_t replacement[] = u"\uFFFD";
    if (isLineSeparator(raw[at].unicode()))
        return {QStringView(lineBreak, 2), 1};
    const TextCharacter character = characterAt(raw, at);
    if (character.codePoint == U'\uFFFD' && raw[at] != QChar(0xFFFD))
        return {QStringView(replacement, 1), 1};
    return {raw.sliced(at, character.units), character.units};
}

void forEachSavedPiece(QStringView raw, const std::function<bool(QStringView)> &take)
{
    const auto *position = reinterpret_cast<const char16_t *>(raw.utf16());
    const char16_t *const end = position + raw.size();

    // The text is handed over from a buffer that stays in the processor's cache, so a large
    // box takes a few hundred calls and its CR LF form is never built whole. ASCII, most of a
    // page and never a line break, is copied four characters at a time.
    // A short text takes a buffer its own size, left unfilled till written.
    const qsizetype pieceSize = std::min<qsizetype>(65536, 2 * raw.size() + 4);
    const auto piece = std::make_unique_for_overwrite<char16_t[]>(std::size_t(pieceSize));
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
