// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QStringView>

#include <memory>

// The page file is text in the page's codeset. ASCII goes out byte for byte; other
// characters use the codeset, and a character the codeset cannot hold becomes an HTML numeric
// character reference ("&#26085;"), so nothing the user typed is lost.

// The code page for a page that declares no charset: the locale's own 8-bit character set if
// it has one, else windows-1252, which browsers assume for such a page.
QByteArray pageCodeset();

// The choice behind pageCodeset(), given the locale's character set and the most bytes
// one of its characters takes.
QByteArray chooseCodeset(const QByteArray &localeCodeset, int maxBytesPerCharacter);

// What becomes of the characters beyond ASCII: the codeset's bytes where it holds them, or
// references all of them, with the shift controls (ESC, SO, SI) too, which is the same bytes
// in every codeset a page can be saved in.
enum class BeyondAscii { asTheCodesetHolds, asReferences };

// Encodes text in UTF-8 or in a codeset that iconv knows, 8-bit, multi-byte or one that
// shifts (ISO-2022-JP: the file ends, and each reference starts, in ASCII). A lone surrogate
// is written as U+FFFD. The text is HTML source: an "&" is written as it stands. The text
// comes in consecutive pieces, which may split a surrogate pair, and the bytes are taken out
// as they are made: the bytes of add(a + b), finish() equal those of add(a), take(), add(b),
// finish() joined. Throws for a codeset iconv does not know.
class PageEncoder
{
public:
    explicit PageEncoder(const QByteArray &codeset,
                         BeyondAscii beyondAscii = BeyondAscii::asTheCodesetHolds);
    ~PageEncoder();
    PageEncoder(const PageEncoder &) = delete;
    PageEncoder &operator=(const PageEncoder &) = delete;

    void add(QStringView piece);
    // Adds a character as its reference, before anything else is added.
    void addReference(char32_t codePoint);
    // The bytes made since the last take(); a high surrogate that ended the last piece waits
    // for the next one.
    QByteArray take();
    // How many bytes take() would give now.
    qsizetype madeSize() const;
    // The remaining bytes, the waiting surrogate's among them.
    QByteArray finish();

private:
    struct State;
    std::unique_ptr<State> m_state;
};

// Narrows the ASCII characters that start the piece onto the end of out, up to the first
// other character or shift control, and returns how many it took: bytes that are the same in
// every codeset a page can be saved in, whatever the page turns out to declare.
qsizetype appendSameInEveryCodeset(QByteArray &out, QStringView piece);
