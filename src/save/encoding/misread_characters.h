// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <span>

// A run of characters, first to last.
struct CharacterRange
{
    char32_t first;
    char32_t last;
};

// The characters that glibc writes in the codeset (iconv's name) as bytes a browser reads as
// another character, or as none, and that the encoder so writes as references.
std::span<const CharacterRange> misreadCharacters(const QByteArray &codeset);

bool isMisread(std::span<const CharacterRange> misread, char32_t character);
