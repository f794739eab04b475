// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringView>

#include <optional>

struct DeclarationScan;
struct PageCharset;

// What one browser's reading of a page's bytes gives: the charset it decodes them in, null
// when the page declares none that the reading follows, or, where what was looked at cannot
// tell, not known.
struct Reading
{
    const PageCharset *charset = nullptr;
    bool known = true;

    friend bool operator==(const Reading &, const Reading &) = default;
};

// The two readings browsers make (charset_declaration.h): the HTML standard's, a byte order
// mark, the prescan of the first bytes, then the later look; and Blink and WebKit's, a byte
// order mark, their one look, then the XML declaration.
struct PageReadings
{
    Reading standard;
    Reading blink;
};

// The readings of the whole of a page's bytes.
PageReadings readPage(QByteArrayView bytes);

// The readings of the bytes a text would be saved as, found from the first prescanLength of
// them and from the text (as the editor holds it), without the rest of the bytes. start is
// those bytes, the whole page if `whole`; unconditional is the index of the character whose
// bytes reach prescanLength, and codeset the one the text would be saved in, empty for all
// ASCII. textual is the text's own later look, firstDeclaringMeta(raw, {}), made once for a
// save: the standard's later look in the codeset too unless a content attribute may read
// otherwise there; none if the text does not mention "<meta", which makes every look none.
PageReadings readSavedPage(QByteArrayView start, bool whole, QStringView raw,
                           qsizetype unconditional, const QByteArray &codeset,
                           const std::optional<DeclarationScan> &textual);
