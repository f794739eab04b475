// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QStringView>

#include <memory>

// The page file is 8-bit text. ASCII goes out byte for byte; other characters use the
// code page, and a character the code page cannot hold becomes an HTML numeric character
// reference ("&#26085;"), so nothing the user typed is lost.

// The code page for the page file: the locale's own 8-bit character set if it has one,
// else windows-1252, which browsers assume for a page that declares no charset.
QByteArray pageCodeset();

// The choice behind pageCodeset(), given the locale's character set and the most bytes
// one of its characters takes.
QByteArray chooseCodeset(const QByteArray &localeCodeset, int maxBytesPerCharacter);

// Encodes text in an 8-bit codeset that iconv knows. A lone surrogate is written as the
// reference of U+FFFD. The text is HTML source: an "&" is written as it stands.
QByteArray encodePage(QStringView text, const QByteArray &codeset);

// The same encoding for a text given in consecutive pieces, which may split a surrogate
// pair, with the bytes taken out as they are made: encodePage(a + b) equals the bytes of
// add(a), take(), add(b), finish() joined. Throws like encodePage() for a codeset iconv
// does not know.
class PageEncoder
{
public:
    explicit PageEncoder(const QByteArray &codeset);
    ~PageEncoder();
    PageEncoder(const PageEncoder &) = delete;
    PageEncoder &operator=(const PageEncoder &) = delete;

    void add(QStringView piece);
    // The bytes made since the last take(); a high surrogate that ended the last piece waits
    // for the next one.
    QByteArray take();
    // The remaining bytes, the waiting surrogate's among them.
    QByteArray finish();

private:
    struct State;
    std::unique_ptr<State> m_state;
};
