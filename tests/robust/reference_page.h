// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// The bytes a saved page should hold, worked out apart from the program's own encoder:
// windows-1252 for every character it defines, an HTML numeric character reference for
// every other one, and U+FFFD's reference for a surrogate that is not half of a pair.
namespace ReferencePage {

// The windows-1252 byte for a code point, or -1 when windows-1252 has none.
int windows1252Byte(char32_t codePoint);

QByteArray encode(const QString &text);

} // namespace ReferencePage
