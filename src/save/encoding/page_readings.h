// SPDX-FileCopyrightText: 2026 The Tagwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "save/encoding/first_bytes.h"
#include "save/encoding/markup_look.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QStringView>

#include <array>
#include <optional>
#include <span>

struct PageCharset;

// How each engine finds the charset a page's bytes declare: the HTML standard's reading, and
// Blink's, Gecko's and WebKit's, each a row of rules that one reader applies.

// The steps a reading takes after a byte order mark, in its order, until one finds a charset.
enum class ReadingStep { prescan, xmlDeclaration, markupLook };

// When an engine takes a page for XML, and then reads only a byte order mark or its XML
// declaration, else UTF-8: never, or by what its first bytes hold (page_readings.cpp).
enum class XmlPage { never, byItsFirstBytes };

// What a declaration found past the first prescanLength bytes applies to: the whole page,
// which the engine waits for or reads again, or only what follows it, where the bytes before
// it may have been decoded already (when a page arrives slowly).
enum class LateDeclaration { appliesToTheWholePage, appliesToWhatFollows };

struct PageReading
{
    XmlPage xmlPage;
    std::span<const ReadingStep> steps;
    XmlDeclarationReading xmlDeclaration;
    MarkupLook look;
    LateDeclaration lateDeclaration;
};

// The four readings: the HTML standard's, Blink's, Gecko's and WebKit's, in that order.
constexpr std::size_t readingCount = 4;

// What one reading of a page's bytes gives: the charset it decodes them in, null when the
// page declares none that the reading follows; ranOut where the bytes looked at ended before
// it could tell; late where it reads only what follows the declaration in that charset.
struct Reading
{
    const PageCharset *charset = nullptr;
    bool ranOut = false;
    bool late = false;

    friend bool operator==(const Reading &, const Reading &) = default;
};
using PageReadings = std::array<Reading, readingCount>;

// Every reading of the whole of a page's bytes.
PageReadings readPage(QByteArrayView bytes);

// The looks through a raw text's markup that read it to its end, made once for a save and
// kept for each charset it tries; none if the text does not mention "<meta", which makes
// every look none.
class WholeTextLooks
{
public:
    explicit WholeTextLooks(QStringView raw);

    QStringView raw() const { return m_raw; }
    bool mentionsMeta() const { return m_mentionsMeta; }
    DeclarationScan look(std::size_t reading, qsizetype firstBytesEnd, const QByteArray &codeset);

private:
    QStringView m_raw;
    bool m_mentionsMeta;
    std::array<std::optional<DeclarationScan>, readingCount> m_looks;
};

// The first bytes a raw text would be saved as: at least prescanLength of them, or the whole
// page, and the raw index at which the first prescanLength end (past the text's end if the
// page is shorter).
struct SavedStart
{
    QByteArray bytes;
    bool whole = false;
    qsizetype firstBytesEnd = 0;
};

// Every reading of the bytes a raw text would be saved as in codeset (empty where every
// character beyond ASCII is a reference), found from its first bytes and from the text,
// without the rest of the bytes.
PageReadings readSavedPage(const SavedStart &start, WholeTextLooks &text,
                           const QByteArray &codeset);
