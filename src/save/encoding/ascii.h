// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "text/line_breaks/saved_text.h"

// The small ASCII helpers that the declaration scanner, the charset labels and the encoder
// share. They take a UTF-16 unit; a byte converts to one unchanged.

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
