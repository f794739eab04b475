// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <cstring>

// The small ASCII helpers that the box reader, the declaration scanner, the charset labels
// and the encoder share. They take a UTF-16 unit; a byte converts to one unchanged.

// The editor's own line breaks, a paragraph or a line separator, each saved as CR LF.
constexpr bool isLineSeparator(char16_t character)
{
    return character == 0x2028 || character == 0x2029;
}

// ASCII whitespace as HTML and the Encoding Standard read it.
constexpr bool isAsciiWhitespace(char16_t character)
{
    return character == u'\t' || character == u'\n' || character == u'\f' || character == u'\r'
           || character == u' ';
}

constexpr bool isAsciiLetter(char16_t character)
{
    return (character >= u'a' && character <= u'z') || (character >= u'A' && character <= u'Z');
}

constexpr char16_t asciiLower(char16_t character)
{
    return character >= u'A' && character <= u'Z' ? char16_t(character + 0x20) : character;
}

// The ASCII controls that switch a shifting codeset (ISO-2022-JP) between its sets: a browser
// reading them there reads what follows otherwise, so they are never written as they stand.
constexpr bool isShiftControl(char16_t character)
{
    return character == 0x0E || character == 0x0F || character == 0x1B;
}

// Whether the four UTF-16 units at from are all ASCII, tested at once: most of a page is
// ASCII, so the box reader and the page encoder skip through it four characters at a time.
inline bool fourAreAscii(const char16_t *from)
{
    std::uint64_t four;
    std::memcpy(&four, from, sizeof four);
    return (four & 0xFF80FF80FF80FF80u) == 0;
}
