// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringView>

struct PageCharset;

// How browsers find the charset a page declares for itself, read from the page's bytes. Each
// look also reads a text, the page before it is encoded, to tell what the bytes would give
// without making them. The markup a look reads is in ASCII, and a character beyond ASCII
// writes none: it becomes bytes beyond ASCII, a reference, or a double-byte character, whose
// lead byte beyond ASCII keeps a trail byte that is an ASCII letter out of any tag or
// attribute name. That holds in every codeset but ISO-2022-JP, whose double-byte characters
// are pairs of ASCII bytes, and for every step but one, which the looks over text take on the
// bytes: a content attribute is searched for "charset", which a trail letter may complete. A
// line break in text may be CR LF or the editor's own separator, saved as CR LF.

// How many bytes at the start of a page a browser looks over before it starts to read it.
constexpr qsizetype prescanLength = 1024;

// What a look found: the declared encoding, or none, in which case it may have run out of the
// bytes it was given before it could tell (a look over the start of a page only).
struct DeclarationScan
{
    const PageCharset *charset = nullptr;
    bool ranOut = false;
    // A look over text met a content attribute whose bytes in a double-byte codeset may
    // read otherwise, so that its answer for one codeset may not hold for another.
    bool contentBytesMayDiffer = false;
};

// UTF-8, UTF-16BE or UTF-16LE if the bytes start with its byte order mark, else null.
const PageCharset *byteOrderMark(QByteArrayView start);

// The HTML standard's prescan of the first prescanLength bytes: the first <meta charset=...>
// or <meta http-equiv="Content-Type" content="...; charset=..."> outside comments and other
// tags (the first of two charset attributes), and failing that the encoding an XML
// declaration at the very start names, in any case of "encoding". Null if neither does.
const PageCharset *prescanForCharset(QByteArrayView bytes);
// The same over a text, each of its characters standing for one byte and each editor line
// break for two.
const PageCharset *prescanForCharset(QStringView text);

// The encoding named by an XML declaration at the very start of the bytes: Blink and WebKit
// match "encoding" in lower case only, the standard in any case.
const PageCharset *xmlDeclaredCharset(QByteArrayView start, bool anyCase);

// The standard's later look, once the prescan found none: the first <meta> start tag that
// declares an encoding as the parser's tokenizer meets it, which is never one inside a comment
// or in the text of an element read as plain text (<script>, <style>, <title>, <textarea>,
// <noscript> and the like). Linear in the length.
DeclarationScan firstDeclaringMeta(QByteArrayView bytes);
DeclarationScan firstDeclaringMeta(QStringView text, const QByteArray &codeset);

// Blink and WebKit's one look, in place of both: the tokenizer's from the start, which skips
// the text of <script>, <style>, <title>, <textarea> and the like but not of <noscript>,
// takes the last charset attribute of a <meta> (a charset attribute over a content one), and
// gives up at the first tag that does not belong in a head once it ends at or past
// `unconditional` units (prescanLength for bytes). Linear in the length.
DeclarationScan headDeclaration(QByteArrayView bytes);
DeclarationScan headDeclaration(QStringView text, qsizetype unconditional,
                                const QByteArray &codeset);

// The standard's two looks over a text: the prescan, then the later look.
const PageCharset *declaredCharset(QStringView text);

// Whether the text holds "<meta" in any case. A page declares an encoding only in a <meta> or
// an XML declaration, so one without either declares none.
bool mentionsMeta(QStringView text);
