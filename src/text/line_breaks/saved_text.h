// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>

#include <cstdint>
#include <cstring>
#include <functional>

// The raw text of a box is the text as the editor holds it, each line break a paragraph or
// line separator; its saved form has every line break as CR LF, as the page file holds it.

// The editor's own line breaks, a paragraph or a line separator, each saved as CR LF.
constexpr bool isLineSeparator(char16_t character)
{
    return character == 0x2028 || character == 0x2029;
}

// Whether the four UTF-16 units at from are all ASCII, tested at once: most of a page is
// ASCII, so the readers of a text skip through it four characters at a time.
inline bool fourAreAscii(const char16_t *from)
{
    std::uint64_t four;
    std::memcpy(&four, from, sizeof four);
    return (four & 0xFF80FF80FF80FF80u) == 0;
}

// One character of a text: its code point, a lone surrogate read as U+FFFD, and the UTF-16
// units it takes, two for a surrogate pair.
struct TextCharacter
{
    char32_t codePoint;
    qsizetype units;
};
TextCharacter characterAt(QStringView text, qsizetype at);

// The saved form of the raw text's character at `at`: CR LF for a line break, U+FFFD for a
// lone surrogate, else the character's own units; and the raw units it takes.
struct SavedCharacter
{
    QStringView saved;
    qsizetype units;
};
SavedCharacter savedCharacterAt(QStringView raw, qsizetype at);

// Calls take with consecutive pieces that together make the saved form of the raw text. The
// saved form is never built whole. A piece may end between the two halves of a surrogate
// pair. Stops early once take returns false.
void forEachSavedPiece(QStringView raw, const std::function<bool(QStringView)> &take);
