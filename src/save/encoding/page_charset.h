// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QStringView>

#include <span>
#include <string_view>

// The encodings browsers know, under the labels a page may name them by ("utf8", "latin1",
// "shift_jis"), as the Encoding Standard lists them.
struct PageCharset
{
    const char *name; // the standard's name: "windows-1252"
    // iconv's name for a codeset that encodes text as browsers decode it; null for one no
    // page is saved in
    const char *codeset;
};

// A label, in lower case, and the encoding it names.
struct CharsetLabel
{
    std::string_view label;
    const PageCharset *charset;
};

// The labels WebKit knows beyond the standard's: names of other tables for the same
// encodings, and of encodings only WebKit decodes (x-mac-greek, EUC-TW), which no page is
// saved in.
std::span<const CharsetLabel> webKitOnlyLabels();

// The encoding a label names, found as browsers do: ASCII whitespace around it is trimmed and
// ASCII letters match in either case. Null for a label that neither the standard nor
// moreLabels know, and for one the standard maps to "replacement", which no page can be
// written in.
const PageCharset *charsetForLabel(QStringView label,
                                   std::span<const CharsetLabel> moreLabels = {});

// The encoding a <meta> declaration gives the page: a UTF-16 label means UTF-8, since a page
// that a <meta> can be read from is not UTF-16, and x-user-defined means windows-1252.
const PageCharset *charsetForMetaLabel(QStringView label,
                                       std::span<const CharsetLabel> moreLabels = {});
