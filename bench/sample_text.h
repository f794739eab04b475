// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Page-like text of exactly `characters` characters: lines of about 60 characters of
// lowercase words, each ending in a line feed. With withOtherCharacters, one character in a
// hundred is a CJK ideograph, which no 8-bit code page holds. The same arguments always
// give the same text.
QString sampleText(qsizetype characters, bool withOtherCharacters = false);

// A page that declares UTF-8 in a <meta> element, then text like sampleText()'s of words in
// the Latin alphabet, with accented letters, and in the Cyrillic one: `characters` in all.
QString utf8LettersPage(qsizetype characters);

// A page built by clicking and typing, which has no line break: sampleText() with every line
// feed turned into a space, one line of exactly `characters` characters.
QString oneLineText(qsizetype characters);
