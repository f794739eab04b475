// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "save/encoding/page_encoding.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QStringView>

#include <functional>
#include <optional>

struct PageCharset;

// The main box's page as its file holds it: the text with CR LF line breaks, in bytes that
// every browser engine reads back as the text typed (page_readings.h).
//
// The charset is chosen on those bytes. The first guess is the charset the text declares in
// its first declaring <meta>, or pageCodeset() for a text that declares none; the page is
// written in it if every reading of the bytes it makes gives it, else in the other charset
// they all give, if the bytes in that one bear them out. Otherwise, where the engines would
// read the page apart, every character beyond ASCII is a reference, which makes ASCII that
// every charset reads alike, and the page is in the charset the standard's reading of it
// gives. Either way a page never starts with bytes that read as a byte order mark unless they
// are one: that first character is then a reference.
class SavedPage
{
public:
    // raw is the box's text as the editor holds it (text/line_breaks/saved_text.h); it outlives the
    // page.
    explicit SavedPage(QStringView raw);

    // Hands the page's bytes to write in order, piece by piece, so that the page is never held
    // whole, and stops once write returns false. May be called again, and hands the same bytes:
    // the charset is chosen once, when the first character comes that is not the same byte in
    // every codeset, on the text as a whole.
    void write(const std::function<bool(QByteArrayView)> &write);

    // How the bytes are made, chosen once the first character comes that is not the same
    // byte in every codeset.
    struct Choice
    {
        QByteArray codeset; // iconv's
        const PageCharset *charset = nullptr; // as the standard's reading names it, or none
        BeyondAscii beyondAscii = BeyondAscii::asTheCodesetHolds;
        bool firstAsReference = false;
    };

private:
    QStringView m_raw;
    std::optional<Choice> m_choice;
};
