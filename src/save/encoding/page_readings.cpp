// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "save/encoding/page_readings.h"

#include "save/encoding/charset_declaration.h"

#include <algorithm>

PageReadings readPage(QByteArrayView bytes)
{
    const QByteArrayView start = bytes.first(std::min(bytes.size(), prescanLength));
    if (const PageCharset *mark = byteOrderMark(start))
        return {{mark}, {mark}};
    Reading standard{prescanForCharset(start)};
    if (!standard.charset)
        standard.charset = firstDeclaringMeta(bytes).charset;
    Reading blink{headDeclaration(bytes).charset};
    if (!blink.charset)
        blink.charset = xmlDeclaredCharset(start, false);
    return {standard, blink};
}

PageReadings readSavedPage(QByteArrayView start, bool whole, QStringView raw,
                           qsizetype unconditional, const QByteArray &codeset,
                           const std::optional<DeclarationScan> &textual)
{
    if (whole)
        return readPage(start);
    if (const PageCharset *mark = byteOrderMark(start))
        return {{mark}, {mark}};
    // ISO-2022-JP writes its double-byte characters as pairs of ASCII bytes, which a look at
    // the bytes reads as markup: past the first bytes, the text cannot say what it finds.
    const bool asciiPairs = codeset == "ISO-2022-JP";
    Reading standard{prescanForCharset(start)};
    if (!standard.charset && asciiPairs) {
        standard.charset = firstDeclaringMeta(start).charset;
        standard.known = standard.charset != nullptr;
    } else if (!standard.charset && textual) {
        standard.charset = textual->contentBytesMayDiffer ? firstDeclaringMeta(raw, codeset).charset
                                                          : textual->charset;
    }
    Reading blink;
    if (asciiPairs) {
        const DeclarationScan scan = headDeclaration(start);
        blink = {scan.charset, !scan.ranOut};
    } else if (textual) {
        blink.charset = headDeclaration(raw, unconditional, codeset).charset;
    }
    if (blink.known && !blink.charset)
        blink.charset = xmlDeclaredCharset(start, false);
    return {standard, blink};
}
