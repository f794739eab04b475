// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>

struct PageCharset;

// The looks over a page's first bytes that come before any look at its markup: a byte order
// mark, the HTML standard's prescan, and an XML declaration.

// How many bytes at the start of a page the prescan reads, and past which the engines' looks
// at the markup may give up.
constexpr qsizetype prescanLength = 1024;

// UTF-8, UTF-16BE or UTF-16LE if the bytes start with its byte order mark, else null.
const PageCharset *byteOrderMark(QByteArrayView start);

// The HTML standard's prescan of the first prescanLength bytes: the first <meta charset=...>
// or <meta http-equiv="Content-Type" content="...; charset=..."> outside comments and other
// tags, the first of two attributes of a name. Null if none declares an encoding, also where
// the bytes end inside a tag or comment.
const PageCharset *prescanForCharset(QByteArrayView bytes);

// How an engine reads an XML declaration at the start of a page.
enum class XmlDeclarationReading {
    // "<?xml" at the very first byte, "encoding" in lower case, and a quoted label with no
    // space or control in it
    strict,
    // After any spaces, "<?xml" and "encoding" in any case, and a label quoted or not, with
    // spaces around it
    lenient,
};

// The encoding named by an XML declaration at the start of the bytes, up to its first ">",
// read as reading says; a UTF-16 label means UTF-8 here too. Null if there is none.
const PageCharset *xmlDeclaredCharset(QByteArrayView start, XmlDeclarationReading reading);
