#pragma once

#include <QString>

// Page-like text of exactly `characters` characters: lines of about 60 characters of
// lowercase words, each ending in a line feed. With withOtherCharacters, one character in a
// hundred is a CJK ideograph, which no 8-bit code page holds. The same arguments always
// give the same text.
QString sampleText(qsizetype characters, bool withOtherCharacters = false);
