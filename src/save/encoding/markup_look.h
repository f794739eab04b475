// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "save/encoding/meta_declaration.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QStringView>

#include <span>
#include <string_view>

struct PageCharset;

// An engine's look through a page's markup, as the HTML tokenizer reads it, for the first
// <meta> start tag that declares an encoding. It is never one inside a comment, and never
// one in the text of an element the look reads as text.
//
// The look also reads a text, the page before it is encoded, to tell what the bytes would
// give without making them. The markup a look reads is in ASCII, and a character beyond ASCII
// writes none: it becomes bytes beyond ASCII, a reference, or a double-byte character, whose
// lead byte beyond ASCII keeps a trail byte that is an ASCII letter out of any tag or
// attribute name. That holds in every codeset but ISO-2022-JP, whose double-byte characters
// are pairs of ASCII bytes, and for every step but one, which the looks over text take on the
// bytes: a content attribute is searched for "charset", which a trail letter may complete.

// What ends a look, short of the page's end or a declaration.
enum class LookEnd {
    pageEnd, // nothing: the look reads the whole page
    // Once a start or end tag that does not belong in a head has been met, the first token,
    // a tag, comment or run of text, that ends at or past the first prescanLength bytes
    // (first_bytes.h)
    firstTokenPastFirstBytesOutsideHead,
};

struct MarkupLook
{
    // The elements whose content the look reads as text up to their end tag; "script" with
    // the escapes a script's text may hold.
    std::span<const std::u16string_view> textElements;
    LookEnd end;
    MetaRule meta;
};

// What a look found: the declared encoding, or none, in which case it may have run out of the
// bytes it was given before it could tell (a look over the start of a page only).
struct DeclarationScan
{
    const PageCharset *charset = nullptr;
    bool ranOut = false;
    bool pastFirstBytes = false; // the declaring tag ends past the first prescanLength bytes
    // A look over text met a content attribute whose bytes in a double-byte codeset may
    // read otherwise, so that its answer for one codeset may not hold for another.
    bool contentBytesMayDiffer = false;
};

// The look over a page's bytes, or over the start of them. Linear in the length.
DeclarationScan lookForDeclaration(QByteArrayView bytes, const MarkupLook &look);

// The look over the bytes a raw text (text/line_breaks/saved_text.h) would be saved as in
// codeset, where the first prescanLength bytes end at raw index firstBytesEnd (past its end if
// the page is shorter). codeset is empty where the characters beyond ASCII would all be
// references. Linear in the length.
DeclarationScan lookForDeclaration(QStringView raw, const MarkupLook &look, qsizetype firstBytesEnd,
                                   const QByteArray &codeset);

// Whether the text holds "<meta" in any case. A page declares an encoding only in a <meta> or
// an XML declaration, so one without either declares none.
bool mentionsMeta(QStringView text);
